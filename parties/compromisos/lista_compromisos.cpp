#include "parties/compromisos/lista_compromisos.h"

#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "parties/tfdmter.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

ListaCompromisos::ListaCompromisos(Tfdm& dm, const QString& nit, QObject* parent)
    : QObject(parent),
      dm_(dm),
      nit_(nit.trimmed()),
      filas_(conjunto(this, dm.Ledgrix(), S("Compromisos"), {})) {
    const struct {
        const char* nombre;
        const char* titulo;
        Field::Type tipo;
    } columnas[] = {{"ID", "Id", Field::Type::Integer},
                    {"FECHA", "Fecha", Field::Type::Date},
                    {"ASUNTO", "Asunto", Field::Type::String},
                    {"CUMPLIDO", "Cumplido", Field::Type::String},
                    {"ENCARGADO", "Encargado", Field::Type::String},
                    {"RECORDAR", "Recordar", Field::Type::Date}};
    // The list only shows: changes go through the commitment window.
    for (const auto& c : columnas) {
        Field& f = filas_->declareField(S(c.nombre), c.tipo);
        f.setDisplayLabel(S(c.titulo));
        f.setReadOnly(true);
    }
    dm.ConfigurarProviders(this);
}

QString ListaCompromisos::consulta() const {
    return S("select * from busqueda_compromisos_prv (") + sql::quoted(nit_) +
           (incluir_cumplidos ? S(",'S')") : S(",'N')"));
}

bool ListaCompromisos::abra() {
    if (nombre_.isEmpty())
        nombre_ = Tfdmter(dm_).nombre_proveedor(nit_);
    const int donde = filas_->active() ? filas_->recNo() : 0;
    filas_->close();
    filas_->setCommandText(consulta());
    if (!filas_->open())
        return false;
    filas_->moveTo(std::min(donde, filas_->recordCount() - 1));
    return true;
}

qint64 ListaCompromisos::id_actual() const {
    return filas_->active() && !filas_->isEmpty() ? filas_->fieldByName(S("ID")).asInteger() : 0;
}

bool ListaCompromisos::ejecute(const QString& pregunta, const QString& sentencia) {
    const qint64 id = id_actual();
    if (id == 0)
        return false;
    if (!dm_.dialogs().question(pregunta + filas_->fieldByName(S("ASUNTO")).asString().trimmed() +
                                S("?")))
        return false;
    if (!dm_.sql().execute(sentencia + sql::number(id)))
        return false;
    return abra();
}

bool ListaCompromisos::elimine() {
    return ejecute(S("Esta seguro de eliminar el compromiso "),
                   S("delete from compromisos_prov where copr_id = "));
}

bool ListaCompromisos::marque_cumplido() {
    return ejecute(S("Esta seguro de marcar como cumplido el compromiso "),
                   S("update compromisos_prov set copr_cumplido = 'S' where copr_id = "));
}

}  // namespace ledgrix
