#include "parties/digito_verificacion.h"

#include <array>

namespace ledgrix {

std::optional<int> dv(const QString& nit) {
    static constexpr std::array<int, 15> kPesos = {3, 7, 13, 17, 19, 23, 29, 37, 41, 43, 47, 53, 59, 67, 71};
    if (nit.size() > static_cast<qsizetype>(kPesos.size())) return std::nullopt;
    int suma = 0;
    for (qsizetype i = 0; i < nit.size(); ++i) {
        const QChar c = nit[nit.size() - 1 - i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        suma += (c.unicode() - '0') * kPesos[static_cast<size_t>(i)];
    }
    const int r = suma % 11;
    return r > 1 ? 11 - r : r;
}

}  // namespace ledgrix
