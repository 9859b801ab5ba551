#pragma once

#include <QByteArray>
#include <QString>

#include "electronic/componente.h"

namespace ledgrix::electronico {

// How a request to the service ended before its answer could be read.
enum class FallaTransporte { ninguna, inalcanzable, tiempo, certificado, otra };

struct RespuestaHttp {
    FallaTransporte falla = FallaTransporte::ninguna;
    QString detalle;  // in Spanish, when it failed
    long codigo = 0;  // HTTP status
    QByteArray cuerpo;
};

// POSTs a SOAP 1.2 envelope over HTTPS. The server's certificate is always
// verified (against `ca_servicio` when the installation names one) and the
// whole exchange, connection included, ends within `segundos_espera`.
RespuestaHttp publique_soap(const QString& url, const QByteArray& sobre, const QByteArray& accion,
                            const Configuracion& configuracion);

}  // namespace ledgrix::electronico
