#include "core/login/clave.h"

#include <array>

namespace ledgrix {
namespace {

constexpr std::array<int, 7> kClaves = {7, 3, 11, 5, 13, 2, 17};

struct Banda {
    int desde;
    int hasta;  // inclusive
};
// Printable ASCII and the printable upper half of Latin-1 (accents, Ñ, ¿, ¡).
constexpr Banda kAscii{32, 126};
constexpr Banda kLatin1{161, 255};

int desplazamiento(qsizetype pos, qsizetype largo) {
    return kClaves[static_cast<size_t>(pos) % kClaves.size()] + static_cast<int>((pos * 3 + largo) % 29);
}

QChar mueva(QChar c, int delta) {
    const int u = c.unicode();
    for (const Banda& b : {kAscii, kLatin1}) {
        if (u >= b.desde && u <= b.hasta) {
            const int ancho = b.hasta - b.desde + 1;
            const int r = ((u - b.desde + delta) % ancho + ancho) % ancho;
            return QChar(b.desde + r);
        }
    }
    return c;  // outside both bands: travels unchanged
}

QString transforme(const QString& texto, int signo) {
    QString out;
    out.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) out += mueva(texto[i], signo * desplazamiento(i, texto.size()));
    return out;
}

}  // namespace

QString embrolle_clave(const QString& clave) { return transforme(clave, +1); }
QString desembrolle_clave(const QString& embrollada) { return transforme(embrollada, -1); }

}  // namespace ledgrix
