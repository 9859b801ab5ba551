#include "output/correo/mensaje_correo.h"

#include <QCryptographicHash>

namespace ledgrix {

namespace {

const QByteArray kFin = QByteArrayLiteral("\r\n");

bool es_ascii_imprimible(const QString& s) {
    for (const QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    return true;
}

// Base64 in lines of 76 characters, as MIME asks.
QByteArray base64_en_lineas(const QByteArray& datos) {
    const QByteArray b = datos.toBase64();
    QByteArray r;
    r.reserve(b.size() + b.size() / 76 * 2 + 2);
    for (qsizetype i = 0; i < b.size(); i += 76)
        r += b.mid(i, 76) + kFin;
    return r;
}

QByteArray direcciones(const QStringList& lista) {
    return lista.join(QStringLiteral(", ")).toUtf8();
}

}  // namespace

QByteArray encabezado_codificado(const QString& texto) {
    if (es_ascii_imprimible(texto))
        return texto.toLatin1();
    // Each word carries at most 45 bytes of UTF-8 (60 of base64) and never
    // splits a character, so a reader decodes every word on its own.
    QByteArray r;
    QByteArray trozo;
    const auto cierre = [&] {
        if (trozo.isEmpty())
            return;
        if (!r.isEmpty())
            r += kFin + ' ';
        r += "=?UTF-8?B?" + trozo.toBase64() + "?=";
        trozo.clear();
    };
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const qsizetype largo = texto.at(i).isHighSurrogate() && i + 1 < texto.size() ? 2 : 1;
        const QByteArray c = texto.mid(i, largo).toUtf8();
        i += largo - 1;
        if (trozo.size() + c.size() > 45)
            cierre();
        trozo += c;
    }
    cierre();
    return r;
}

QByteArray componga_mensaje(const MensajeCorreo& m) {
    const QByteArray fecha = m.fecha.toString(Qt::RFC2822Date).toLatin1();
    // Identifiers from the content itself: the same document sent at the
    // same moment is the same message.
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(fecha);
    h.addData(m.de.toUtf8());
    h.addData(m.asunto.toUtf8());
    h.addData(m.adjunto);
    const QByteArray huella = h.result().toHex().left(24);
    const QString dominio = m.de.section(QLatin1Char('@'), 1).trimmed();
    const QByteArray frontera = "=_ledgrix_" + huella;

    QByteArray r;
    r += "From: " + m.de.toUtf8() + kFin;
    r += "To: " + direcciones(m.para) + kFin;
    if (!m.copia.isEmpty())
        r += "Cc: " + direcciones(m.copia) + kFin;
    r += "Subject: " + encabezado_codificado(m.asunto) + kFin;
    r += "Date: " + fecha + kFin;
    r += "Message-ID: <" + huella + '.' +
         m.fecha.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + '@' +
         (dominio.isEmpty() ? QByteArray("localhost") : dominio.toUtf8()) + '>' + kFin;
    r += "MIME-Version: 1.0" + kFin;
    r += "Content-Type: multipart/mixed; boundary=\"" + frontera + '"' + kFin;
    r += kFin;
    r += "--" + frontera + kFin;
    r += "Content-Type: text/plain; charset=UTF-8" + kFin;
    r += "Content-Transfer-Encoding: base64" + kFin + kFin;
    r += base64_en_lineas(m.cuerpo.toUtf8());
    r += "--" + frontera + kFin;
    const QByteArray nombre = encabezado_codificado(m.nombre_adjunto);
    r += "Content-Type: application/pdf; name=\"" + nombre + '"' + kFin;
    r += "Content-Transfer-Encoding: base64" + kFin;
    r += "Content-Disposition: attachment; filename=\"" + nombre + '"' + kFin + kFin;
    r += base64_en_lineas(m.adjunto);
    r += "--" + frontera + "--" + kFin;
    return r;
}

}  // namespace ledgrix
