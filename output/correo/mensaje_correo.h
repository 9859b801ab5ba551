#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace ledgrix {

// A document e-mailed to a supplier: a plain-text body and one PDF.
struct MensajeCorreo {
    QString de;
    QStringList para;
    QStringList copia;
    QString asunto;
    QString cuerpo;  // lines separated by CRLF
    QString nombre_adjunto;
    QByteArray adjunto;  // the PDF's bytes
    QDateTime fecha;     // from the clock service: the message is the same bytes for the same input
};

// The message as it travels over SMTP (CRLF lines, 7-bit): UTF-8 headers as
// encoded words, the body and the PDF in base64.
QByteArray componga_mensaje(const MensajeCorreo& m);

// A header's text as it travels: itself when plain ASCII, otherwise UTF-8
// encoded words short enough to fold within the line limit.
QByteArray encabezado_codificado(const QString& texto);

}  // namespace ledgrix
