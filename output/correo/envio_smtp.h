#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ledgrix {

// The user's SMTP account. The password only travels to the server.
struct CuentaSmtp {
    QString servidor;
    int puerto = 587;
    QString usuario;
    QString clave;
    bool tls = false;  // STARTTLS, required: a server that does not offer it is refused
    // Trusted certificates besides the system's; empty reads LEDGRIX_CA_CORREO.
    QString ca;
    int segundos = 60;
};

// Empty when the server took the message; otherwise why not, in Spanish,
// without the password.
QString envie_smtp(const CuentaSmtp& cuenta, const QString& remitente,
                   const QStringList& destinatarios, const QByteArray& mensaje);

}  // namespace ledgrix
