#include "parties/evaluacion/calificacion.h"

#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"
#include "parties/evaluacion/solicitud_reporte.h"
#include "parties/tfdmter.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

const Currency kCien = Currency::fromInt(100);

}  // namespace

CalificacionProveedor::CalificacionProveedor(Tfdm& dm, const QString& nit, QObject* parent)
    : QObject(parent),
      dm_(dm),
      nit_(nit.trimmed()),
      filas_(conjunto(this, dm.Ledgrix(), S("Calificacion"),
                      S("select * from PROVEEDOR_CALIFICACION where TERC_NIT = ") +
                          sql::quoted(nit.trimmed()) + S(" order by CRPR_COD"))) {
    ClientDataset& ds = *filas_;
    ds.declareField(S("TERC_NIT")).setVisible(false);
    ds.declareField(S("CRPR_COD"), Field::Type::Integer).setDisplayLabel(S("Criterio"));
    ds.addCalculatedField(S("NOMBRE"), Field::Type::String, 60).setDisplayLabel(S("Nombre"));
    ds.declareField(S("PRCA_CALIFICA"), Field::Type::Currency).setDisplayLabel(S("Calificación"));
    ds.addCalculatedField(S("PESO"), Field::Type::Currency).setDisplayLabel(S("Peso"));
    ds.addCalculatedField(S("PONDERADO"), Field::Type::Currency).setDisplayLabel(S("Ponderado"));
    ds.declareField(S("PRCA_FECHA"), Field::Type::Date).setDisplayLabel(S("Fecha"));
    ds.declareField(S("PRCA_OBS")).setDisplayLabel(S("Observaciones"));
    ds.declareField(S("PRCA_USUARIO")).setDisplayLabel(S("Usuario"));
    ds.onCalcFields = [this](ClientDataset& x) {
        const Criterio c = criterios_.value(x.fieldByName(S("CRPR_COD")).asInteger());
        x.fieldByName(S("NOMBRE")).setValue(c.nombre);
        x.fieldByName(S("PESO")).setCurrency(c.peso);
        x.fieldByName(S("PONDERADO"))
            .setCurrency(x.fieldByName(S("PRCA_CALIFICA")).asCurrency() * c.peso / kCien);
    };
    ds.onNewRecord = [this](ClientDataset& x) {
        x.fieldByName(S("TERC_NIT")).setValue(nit_);
        x.fieldByName(S("PRCA_CALIFICA")).setCurrency(Currency());
        x.fieldByName(S("PRCA_FECHA")).setValue(dm_.clock().today());
        x.fieldByName(S("PRCA_USUARIO")).setValue(dm_.ctx.usuario);
    };
    ds.beforePost = [this](ClientDataset& x) {
        if (!recalculando_)
            revise_fila(x);
    };
    dm.ConfigurarProviders(this);
    ds.setPacketSize(-1);
}

void CalificacionProveedor::lea_criterios() {
    criterios_.clear();
    if (auto q =
            dm_.sql().select(S("select CIPR_COD, CIPR_NOMBRE, CIPR_PESO from CRITERIOS_PROVEEDOR")))
        while (q->next())
            criterios_.insert(q->value(0).toLongLong(), {q->value(1).toString().trimmed(),
                                                         Currency::fromVariant(q->value(2))});
}

bool CalificacionProveedor::abra() {
    nombre_ = Tfdmter(dm_).nombre_proveedor(nit_);
    lea_criterios();
    filas_->close();
    return filas_->open();
}

void CalificacionProveedor::revise_fila(ClientDataset& ds) {
    const qint64 codigo = ds.fieldByName(S("CRPR_COD")).asInteger();
    const Currency nota = ds.fieldByName(S("PRCA_CALIFICA")).asCurrency();
    QString falla;
    if (!criterios_.contains(codigo))
        falla = S("El criterio %1 no existe.").arg(codigo);
    else if (nota < Currency() || nota > kCien)
        falla = S("La calificación debe estar entre 0 y 100.");
    const int i = ds.fieldByName(S("CRPR_COD")).index();
    for (int fila = 0; falla.isEmpty() && fila < ds.recordCount(); ++fila)
        if (fila != ds.recNo() && ds.valueAt(fila, i).toLongLong() == codigo)
            falla = S("El criterio ya existe en este proveedor.");
    if (falla.isEmpty())
        return;
    dm_.dialogs().error(falla);
    ds.abort();
}

Currency CalificacionProveedor::total() const {
    Currency suma;
    const int i = filas_->fieldByName(S("PONDERADO")).index();
    for (int fila = 0; fila < filas_->recordCount(); ++fila)
        suma += Field::currencyOf(filas_->valueAt(fila, i));
    return suma;
}

bool CalificacionProveedor::grabe() {
    if (!valide_acceso(dm_, dm_.ctx.modulo, kOpcionAcceso)) {
        dm_.dialogs().error(S("Acceso no permitido. NO se grabarán los cambios."));
        return false;
    }
    return filas_->post() && filas_->applyUpdates(0) == 0;
}

void CalificacionProveedor::cancele() {
    filas_->cancel();
    filas_->cancelUpdates();
}

void CalificacionProveedor::criterios_cambiados() {
    lea_criterios();
    if (filas_->changeCount() == 0 && filas_->state() == ClientDataset::State::Browse) {
        filas_->refresh();
        return;
    }
    // Changes are pending: each row is worked out again where it stands (an
    // edit posted unchanged leaves the row as it was).
    if (!filas_->post())
        return;
    const int donde = filas_->recNo();
    recalculando_ = true;
    for (int fila = 0; fila < filas_->recordCount(); ++fila)
        if (filas_->moveTo(fila) && filas_->edit())
            filas_->post();
    recalculando_ = false;
    filas_->moveTo(donde);
}

std::optional<SolicitudReporte> CalificacionProveedor::solicitud() {
    if (!filas_->post())
        return std::nullopt;
    if (filas_->isEmpty()) {
        dm_.dialogs().information(S("No hay datos para el reporte."));
        return std::nullopt;
    }
    SolicitudReporte s{S("Tfrepcalificacion"), S("calificacion"), S("calificacion"),
                       parametros_comunes(dm_), filas_};
    s.parametros.insert(S("titulo"), S("Calificación del proveedor ") + nit_ + S(" - ") + nombre_);
    return s;
}

int CalificacionProveedor::imprima() {
    const std::optional<SolicitudReporte> s = solicitud();
    return s ? imprima_reporte(dm_, *s) : 0;
}

}  // namespace ledgrix
