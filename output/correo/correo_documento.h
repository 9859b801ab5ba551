#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "output/correo/envio_smtp.h"
#include "output/correo/mensaje_correo.h"

namespace ledgrix {

class ImpresionDocumento;
class Tfdm;

// E-mails a printed voucher (charge, discount, payment voucher, credit) to
// its supplier through the user's own SMTP account. `prepare` runs before
// the PDF is written, so a missing account leaves nothing behind; `envie`
// then sends the written file and tells the user how it went.
class CorreoDocumento {
  public:
    CorreoDocumento(Tfdm& dm, const ImpresionDocumento& documento);

    // Whether the document type's print window e-mails.
    static bool admite(int tipo);

    // Reads the account, the supplier's address and the settings; false
    // after telling the user what is missing.
    bool prepare();
    // The message for the PDF at `ruta_pdf`, once prepared.
    MensajeCorreo mensaje(const QString& ruta_pdf) const;
    // Sends it: empty when the server took it, otherwise why not.
    QString transmita(const QString& ruta_pdf);
    // Tells the user how the sending went (an error through the error
    // translation); true when it was sent.
    bool informe(const QString& error);
    bool envie(const QString& ruta_pdf) { return informe(transmita(ruta_pdf)); }

    // Certificates trusted besides the system's (tests, private servers).
    void set_ca(const QString& ca) { cuenta_.ca = ca; }

  private:
    QString asunto() const;
    QString cuerpo() const;

    Tfdm& dm_;
    const ImpresionDocumento& doc_;
    CuentaSmtp cuenta_;
    QString remitente_;
    QString destinatario_;
    QString copia_;
    QString pie_, firma_;
    QStringList enviados_;
    bool preparado_ = false;
};

}  // namespace ledgrix
