#include "parties/compromisos/compromiso.h"

#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "parties/tfdmter.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

QString consulta(qint64 id) {
    return S("select * from COMPROMISOS_PROV where COPR_ID = ") + sql::number(id);
}

}  // namespace

Compromiso::Compromiso(Tfdm& dm, QObject* parent)
    : QObject(parent), dm_(dm), datos_(conjunto(this, dm.Ledgrix(), S("Compromiso"), consulta(0))) {
    datos_->declareField(S("COPR_ID"), Field::Type::Integer);
    datos_->declareField(S("COPR_FECHA"), Field::Type::Date);
    datos_->declareField(S("COPR_RECORDAR"), Field::Type::Date);
    dm.ConfigurarProviders(this);
}

qint64 Compromiso::id() const {
    return datos_->active() && !datos_->isEmpty() ? datos_->fieldByName(S("COPR_ID")).asInteger()
                                                  : 0;
}

bool Compromiso::abra(qint64 id, const QString& nit) {
    datos_->close();
    datos_->setCommandText(consulta(id));
    if (!datos_->open())
        return false;
    if (id != 0 && datos_->isEmpty()) {
        dm_.dialogs().error(S("No se encontró el compromiso seleccionado."));
        return false;
    }
    if (id == 0) {
        datos_->append();
        datos_->fieldByName(S("COPR_NIT")).setValue(nit.trimmed());
        datos_->fieldByName(S("COPR_FECHA")).setValue(dm_.clock().today());
        datos_->fieldByName(S("COPR_CUMPLIDO")).setValue(S("N"));
    }
    nombre_ = Tfdmter(dm_).nombre_proveedor(datos_->fieldByName(S("COPR_NIT")).asString());
    return true;
}

bool Compromiso::valide() {
    const QDate fecha = datos_->fieldByName(S("COPR_FECHA")).asDate();
    if (!fecha.isValid()) {
        dm_.dialogs().error(S("Escriba la fecha del compromiso."));
        return false;
    }
    if (fecha < dm_.clock().today()) {
        dm_.dialogs().error(S("No se pueden grabar compromisos de fecha anterior a hoy."));
        return false;
    }
    if (datos_->fieldByName(S("COPR_ASUNTO")).asString().trimmed().isEmpty()) {
        dm_.dialogs().error(S("Escriba el asunto del compromiso."));
        return false;
    }
    return true;
}

bool Compromiso::grabe() {
    if (datos_->isEmpty() || !valide())
        return false;
    Field& id = datos_->fieldByName(S("COPR_ID"));
    if (id.asInteger() == 0) {
        // The id is taken before the row is written so the window keeps
        // showing the stored commitment.
        const qint64 nuevo =
            dm_.sql()
                .scalar(S("select next value for GEN_COMPROMISOS_PROV from RDB$DATABASE"))
                .toLongLong();
        if (nuevo == 0)
            return false;
        if (datos_->state() == ClientDataset::State::Browse)
            datos_->edit();
        id.setValue(nuevo);
    }
    return datos_->post() && datos_->applyUpdates(0) == 0;
}

void Compromiso::cancele() {
    datos_->cancel();
    datos_->cancelUpdates();
}

}  // namespace ledgrix
