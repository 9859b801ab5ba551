#include "parties/evaluacion/solicitud_reporte.h"

#include <QCoreApplication>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

ImpresorReportes& impresor_instalado() {
    static ImpresorReportes impresor;
    return impresor;
}

}  // namespace

void instale_impresor_reportes(ImpresorReportes impresor) {
    impresor_instalado() = std::move(impresor);
}

int imprima_reporte(Tfdm& dm, const SolicitudReporte& solicitud) {
    return dm.dialogs().modal(solicitud.ventana, [&dm, &solicitud]() -> int {
        const ImpresorReportes& impresor = impresor_instalado();
        if (impresor)
            return impresor(dm, solicitud);
        dm.dialogs().information(
            QStringLiteral("La impresión de reportes aún no está disponible."));
        return 0;
    });
}

QHash<QString, QString> parametros_comunes(Tfdm& dm) {
    const QString general = QStringLiteral("GENERAL");
    return {{QStringLiteral("nomcia"),
             dm.configuracion(general, general, QStringLiteral("NOMBRE COMPANIA"))},
            {QStringLiteral("usuario"), dm.ctx.nombre_usuario},
            {QStringLiteral("version"), QCoreApplication::applicationVersion()}};
}

}  // namespace ledgrix
