// Pending support documents of a number range, sent as the batch window
// sends them.
#include "core/tfdm/tfdm.h"
#include "output/soporte/envio_lote.h"
#include "tools/tareas/orden.h"
#include "tools/tareas/trabajo.h"

namespace ledgrix::tareas {

namespace {
QString S(const char* texto) {
    return QString::fromUtf8(texto);
}
// Numbers are stored zero-filled to six places and compared as text.
QString numero(const QString& n) {
    return QString::number(n.toLongLong()).rightJustified(6, u'0');
}
}  // namespace

Resultado soportes(Trabajo& t) {
    const Orden& o = t.orden;
    const bool cargos = o.valor(QStringLiteral("--documento")) == QStringLiteral("cargos");
    const auto documento = cargos ? EnvioLote::Documento::Cargos : EnvioLote::Documento::Descuentos;
    const QString prefijo = o.valor(QStringLiteral("--prefijo")).trimmed().toUpper();
    // Charges leave as their print window opens, which sends only with the
    // switch on: off, a whole night's run would send nothing and say nothing.
    const QString envio_automatico = S("ENVIAR FACTURA ELECTRONICA AUTOMATICAMENTE AL GRABAR");
    if (cargos && !t.dm.configuracion_si(S("FACTURACION"), S("FACTURAS"), envio_automatico))
        return Resultado::falla(
            S("el envío de cargos está apagado (configuración «%1»).").arg(envio_automatico));
    EnvioLote lote(t.dm);
    if (!lote.prefijos(documento).contains(prefijo))
        return Resultado::falla(
            cargos ? S("la serie %1 no tiene cargos activos con autorización y credenciales para "
                       "enviar.")
                         .arg(prefijo)
                   : S("la serie %1 no es una serie activa de descuentos.").arg(prefijo));
    int intentados = 0;
    lote.avance = [&](const QString& texto) {
        ++intentados;
        t.errores << texto << Qt::endl;
    };
    const int enviados = lote.envie(documento, prefijo, numero(o.valor(QStringLiteral("--desde"))),
                                    numero(o.valor(QStringLiteral("--hasta"))));
    const int fallidos = intentados - enviados;
    const QString resumen = S("soportes: %1 %2 de la serie %3 enviados, %4 con error")
                                .arg(enviados)
                                .arg(cargos ? S("cargos") : S("descuentos"), prefijo)
                                .arg(fallidos);
    if (fallidos > 0)
        return Resultado::falla(resumen);
    return Resultado::ok(resumen);
}

}  // namespace ledgrix::tareas
