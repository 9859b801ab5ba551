#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "electronic/componente.h"

// The service's protocol: SOAP 1.2 over HTTPS, the tokens in a WS-Security
// UsernameToken of the header. Two operations of namespace
// "http://wcf.dian.colombia":
//   SendBillSync(fileName, contentFile = base64 of the ZIP)
//   GetStatus(trackId = the document key or its CUDS)
// Both answer a <operation>Result whose elements are read by local name:
// IsValid, StatusCode ("00" valid, "99" rejected, "98" in validation, "66"
// unknown), StatusDescription, XmlDocumentKey (the CUDS), XmlFileName,
// ProcessedDate and ErrorMessage/string, one per broken rule.

namespace ledgrix::electronico {

// Status codes of the answer lines besides the service's "200" (accepted)
// and "201" (the authority already held this document).
namespace codigo {
inline const QString aceptado = QStringLiteral("200");
inline const QString ya_recibido = QStringLiteral("201");
inline const QString rechazado = QStringLiteral("400");  // the authority's reasons follow
inline const QString sin_credenciales = QStringLiteral("401");
inline const QString no_encontrado = QStringLiteral("404");
inline const QString documento_invalido = QStringLiteral("422");  // not built or not signed here
inline const QString certificado_servicio = QStringLiteral("495");
inline const QString respuesta_invalida = QStringLiteral("502");
inline const QString inalcanzable = QStringLiteral("503");
inline const QString sin_respuesta = QStringLiteral("504");
}  // namespace codigo

struct Credenciales {
    QString url, empresa, clave;
};

// What the service answered, read into the fields the answer files carry.
struct Resultado {
    QString codigo;            // one of the codes above
    QString motivo;            // in Spanish, when codigo is not accepted / already received
    QString estado_documento;  // status query: "0" waiting, "1" approved, "2" rejected
    bool valido = false;       // status query: false once the authority rejected it
    QString codigo_autoridad, descripcion, cuds, archivo, fecha;
    QStringList errores;
};

// Sends a zipped, signed document (the authority's synchronous send).
Resultado envie_documento(const Credenciales& credenciales, const QString& nombre_zip,
                          const QByteArray& zip, const Configuracion& configuracion);

// Asks the authority what became of the document with this key.
Resultado consulte_estado(const Credenciales& credenciales, const QString& clave,
                          const Configuracion& configuracion);

}  // namespace ledgrix::electronico
