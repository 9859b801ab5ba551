#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace ledgrix::electronico {

struct DocumentoFirmado {
    bool valido = false;
    QString error;  // in Spanish, never holds the certificate's password
    QByteArray xml;
};

// Signs a UBL document with the issuer's PKCS#12 certificate: an enveloped
// XAdES-EPES signature placed in the second ext:UBLExtension's
// ext:ExtensionContent, which the document builder leaves empty. `momento`
// is the signing time written in the signed properties.
DocumentoFirmado firme_documento(const QByteArray& xml, const QString& certificado,
                                 const QString& clave, const QDateTime& momento);

}  // namespace ledgrix::electronico
