#include "payments/anticipos/busqueda_anticipos.h"

#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "payments/anticipos/conjunto.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

const char* columna(BusquedaAnticipos::Columna c) {
    switch (c) {
        case BusquedaAnticipos::Columna::Numero:
            return "NUMERO";
        case BusquedaAnticipos::Columna::Nombre:
            return "NOMBRE";
        case BusquedaAnticipos::Columna::Concepto:
            return "CONCEPTO";
        case BusquedaAnticipos::Columna::Fecha:
            break;
    }
    return "FECHA";
}

}  // namespace

BusquedaAnticipos::BusquedaAnticipos(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CAnticipos = anticipos::conjunto(this, dm, S("Anticipos"), {});
    // The procedure's own names are no titles.
    using T = Field::Type;
    anticipos::declare_columnas(*CAnticipos, {{"ID", "", T::Integer},
                                              {"PREFIJO", "Prefijo", T::String},
                                              {"NUMERO", "Número", T::String},
                                              {"FECHA", "Fecha", T::Date},
                                              {"NIT", "Nit", T::String},
                                              {"NOMBRE", "Proveedor", T::String},
                                              {"CONCEPTO", "Concepto", T::String},
                                              {"BASE", "Monto", T::Currency},
                                              {"IVA", "Valor IVA", T::Currency},
                                              {"RETENCIONES", "Retenciones", T::Currency},
                                              {"NETO", "Neto", T::Currency},
                                              {"SALDO", "Saldo", T::Currency},
                                              {"EGRE_ID", "", T::Integer},
                                              {"EGRESO", "Egreso", T::String},
                                              {"ANULADO", "Anulado", T::String}});
    dm.ConfigurarProviders(this);
}

bool BusquedaAnticipos::cargue(Columna c, const QString& texto, bool contiene) {
    const QString col = S(columna(c));
    QString sql = S("select * FROM BUSQUEDA_ANTICIPOS_PROVEEDOR(") + sql::number(dm_.ctx.agencia) +
                  S(") where 1 = 1");
    // Dates are compared as the process writes them ("yyyy/mm/dd"); the
    // server's own text of a date has dashes.
    const QString valor =
        c == Columna::Fecha ? S("replace(cast(FECHA as varchar(10)), '-', '/')") : col;
    if (!texto.isEmpty())
        sql += contiene ? S(" and upper(") + valor + S(") like upper(") +
                              sql::quoted(S("%") + texto + S("%")) + S(")")
                        : S(" and upper(") + valor + S(") >= upper(") + sql::quoted(texto) + S(")");
    sql += S(" order by ") + col + (c == Columna::Fecha ? S(" desc") : QString());
    CAnticipos->close();
    CAnticipos->setCommandText(sql);
    if (!CAnticipos->open())
        return false;
    CAnticipos->fetchAll();
    return true;
}

bool BusquedaAnticipos::a_consultar() {
    if (!CAnticipos->active() || CAnticipos->isEmpty() || CAnticipos->recNo() < 0) {
        dm_.dialogs().information(S("No Existe un Documento a Consultar"));
        return false;
    }
    dm_.documento_consultado = {55, CAnticipos->fieldByName(S("ID")).asInteger(),
                                CAnticipos->fieldByName(S("PREFIJO")).asString(),
                                CAnticipos->fieldByName(S("NUMERO")).asString(),
                                CAnticipos->fieldByName(S("NOMBRE")).asString()};
    return true;
}

bool BusquedaAnticipos::anule() {
    if (!a_consultar())
        return false;
    const DocumentoSeleccionado d = dm_.documento_consultado;
    if (CAnticipos->fieldByName(S("ANULADO")).asString() != S("N")) {
        dm_.dialogs().error(S("El anticipo ya está anulado."));
        return false;
    }
    if (!dm_.dialogs().question(S("Esta seguro de anular el anticipo No ") + d.prefijo + d.numero +
                                S("?")))
        return false;
    if (!dm_.sql().execute(
            S("update anticipos_proveedor set ANPR_ANULADO = 'S'  where anpr_id = ") +
            sql::number(d.id)))
        return false;
    CAnticipos->refresh();
    return true;
}

}  // namespace ledgrix
