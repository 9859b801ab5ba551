#include "payables/creditos/busqueda_creditos.h"

#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/anulacion.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

QString columna_sql(BusquedaCreditos::Columna c) {
    switch (c) {
        case BusquedaCreditos::Columna::Concepto:
            return S(" c.crcx_conc");
        case BusquedaCreditos::Columna::Proveedor:
            return S(" t.terc_nom");
        case BusquedaCreditos::Columna::Numero:
            return S(" c.crcx_numero");
        case BusquedaCreditos::Columna::Fecha:
            break;
    }
    return S(" c.crcx_fecha");
}

}  // namespace

BusquedaCreditos::BusquedaCreditos(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CFilas = conjunto(this, dm.Ledgrix(), S("Filas"), {});
    dm.ConfigurarProviders(this);
}

bool BusquedaCreditos::busque(Columna columna, const QString& texto, bool contiene) {
    columna_ = columna;
    texto_ = texto;
    contiene_ = contiene;
    QString sql =
        S("select crcx_id, crcx_pref, crcx_numero, crcx_fecha, crcx_conc, terc_nom, "
          "crcx_total, crcx_cuotas, crcx_anulado from credito_cxpagar c, terceros t "
          "where c.crcx_nit = t.terc_nit ");
    if (dm_.ctx.agencia != 0)
        sql += S(" and c.crcx_pref in (select p.pref_pre from prefijos p where p.tido_cod = 57 "
                 "and p.sucu_id = ") +
               sql::number(dm_.ctx.agencia) + S(")");
    // The id 0 is a credit still being entered somewhere.
    sql += S(" and c.crcx_id <> 0");
    const QString c = columna_sql(columna);
    if (!texto.isEmpty()) {
        const QString t = columna == Columna::Fecha ? S(" cast(") + c + S(" as varchar(10))") : c;
        sql += contiene ? S(" and upper(") + t + S(") like upper(") +
                              sql::quoted(S("%") + texto + S("%")) + S(")")
                        : S(" and upper(") + t + S(") >= upper(") + sql::quoted(texto) + S(")");
    }
    sql += S(" order by") + c;
    if (columna == Columna::Fecha || columna == Columna::Numero)
        sql += S(" desc");
    CFilas->close();
    CFilas->setCommandText(sql);
    if (!CFilas->open())
        return false;
    CFilas->fetchAll();
    return true;
}

qint64 BusquedaCreditos::actual() const {
    if (!CFilas->active() || CFilas->isEmpty())
        return 0;
    return CFilas->fieldByName(S("CRCX_ID")).asInteger();
}

bool BusquedaCreditos::anule() {
    const qint64 id = actual();
    if (id == 0 || CFilas->fieldByName(S("CRCX_ANULADO")).asString() == S("S"))
        return false;
    if (!valide_acceso(dm_, S("CARTERA"), 22)) {
        dm_.dialogs().error(
            S("Acceso no permitido. Comuníquese con el administrador del sistema."));
        return false;
    }
    QString razon;
    if (dm_.configuracion_si(S("GENERAL"), S("GENERAL"),
                             S("ESTABLECER CONTROL DEL PORQUE SE ANULAN LOS DOCUMENTOS"))) {
        const std::optional<QString> texto = pida_razon ? pida_razon() : std::nullopt;
        if (!texto)
            return false;
        razon = texto->trimmed();
        if (razon.isEmpty()) {
            dm_.dialogs().error(
                S("Debera ingresar una razon por la cual esta anulando/eliminando "
                  "el documento. Intentelo de nuevo."));
            return false;
        }
    }
    const QString numero = CFilas->fieldByName(S("CRCX_NUMERO")).asString();
    if (!dm_.dialogs().question(S("Esta seguro de Causación de Credito No") + numero + S("?")))
        return false;
    if (!anule_en_unidad(dm_, 57, id,
                         {S("update credito_cxpagar set crcx_anulado = 'S', crcx_usuario = ") +
                          sql::quoted(dm_.ctx.usuario) + S(" where crcx_id = ") +
                          sql::number(id)},
                         razon))
        return false;
    busque(columna_, texto_, contiene_);
    return true;
}

}  // namespace ledgrix
