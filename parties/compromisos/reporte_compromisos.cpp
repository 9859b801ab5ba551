#include "parties/compromisos/reporte_compromisos.h"

#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "parties/evaluacion/solicitud_reporte.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// An empty limit of the supplier range leaves that side open.
QString limite(const QString& nit, const char* abierto) {
    return sql::quoted(nit.trimmed().isEmpty() ? S(abierto) : nit.trimmed());
}

}  // namespace

ReporteCompromisos::ReporteCompromisos(Tfdm& dm, QObject* parent)
    : QObject(parent),
      desde(dm.clock().today().addDays(1 - dm.clock().today().day())),
      hasta(dm.clock().today()),
      dm_(dm),
      filas_(conjunto(this, dm.Ledgrix(), S("RepCompromisos"), {})) {
    dm.ConfigurarProviders(this);
    filas_->setPacketSize(-1);
}

QString ReporteCompromisos::consulta() const {
    return S("select * from rep_compromisos_prv(") + limite(nit_desde, "0") + S(",") +
           limite(nit_hasta, "zz") + S(",") + sql::date(desde) + S(",") + sql::date(hasta) +
           (incluir_cumplidos ? S(",'S')") : S(",'N')"));
}

int ReporteCompromisos::imprima() {
    if (!desde.isValid() || !hasta.isValid() || hasta < desde) {
        dm_.dialogs().error(S("El rango de fechas no es válido."));
        return 0;
    }
    if (!sql::admisible(nit_desde.trimmed(), 20) || !sql::admisible(nit_hasta.trimmed(), 20)) {
        dm_.dialogs().error(S("El rango de proveedores no es válido."));
        return 0;
    }
    filas_->close();
    filas_->setCommandText(consulta());
    if (!filas_->open())
        return 0;
    if (filas_->isEmpty()) {
        dm_.dialogs().information(S("No hay datos para el reporte."));
        return 0;
    }
    SolicitudReporte s{S("Tfrepcompromisos"), S("compromisos"), S("compromisos"),
                       parametros_comunes(dm_), filas_};
    s.parametros.insert(
        S("titulo"), S("Compromisos del %1 al %2").arg(sql::dateText(desde), sql::dateText(hasta)));
    return imprima_reporte(dm_, s);
}

}  // namespace ledgrix
