#include "payments/aplicaciones/busqueda_aplicaciones.h"

#include "core/data/provider.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/anulacion.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"
#include "payments/aplicaciones/aplicacion_texto.h"

namespace ledgrix {

namespace {

const char* columna_sql(BusquedaAplicaciones::Columna c) {
    switch (c) {
        case BusquedaAplicaciones::Columna::Concepto:
            return "appr_conc";
        case BusquedaAplicaciones::Columna::Proveedor:
            return "t.terc_nom";
        case BusquedaAplicaciones::Columna::Numero:
            return "appr_numero";
        case BusquedaAplicaciones::Columna::Fecha:
            break;
    }
    return "appr_fecha";
}

}  // namespace

BusquedaAplicaciones::BusquedaAplicaciones(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    auto* p = new Provider(this, S("PFilas"));
    p->setConnectionName(dm.Ledgrix());
    p->setQueryName(S("QFilas"));
    p->setAllowCommandText(true);
    CFilas = new ClientDataset(this, S("CFilas"));
    CFilas->setProvider(p);
    dm.ConfigurarProviders(this);
}

bool BusquedaAplicaciones::busque(Columna columna, const QString& texto, bool desde_inicio) {
    columna_ = columna;
    texto_ = texto;
    desde_inicio_ = desde_inicio;
    const QString campos =
        S("select appr_anulado,appr_id,a.pref_pre,appr_numero,appr_conc,appr_fecha,t.terc_nom ");
    QString sql = dm_.ctx.agencia != 0
                      ? campos +
                            S("from aplicacion_provedor a,terceros t,prefijos p where t.terc_nit = "
                              "a.terc_nit and a.pref_pre= p.pref_pre and p.tido_cod = 53 and "
                              "p.sucu_id=") +
                            sql::number(dm_.ctx.agencia)
                      : campos + S("from aplicacion_provedor a,terceros t where t.terc_nit = "
                                   "a.terc_nit");
    // The id 0 is an application still being entered somewhere.
    sql += S(" and appr_id <> 0");
    const QString c = S(columna_sql(columna));
    if (!texto.isEmpty()) {
        const QString columna_texto =
            columna == Columna::Fecha ? S("cast(") + c + S(" as varchar(10))") : c;
        sql += desde_inicio ? S(" and upper(") + columna_texto + S(") >= upper(") +
                                  sql::quoted(texto) + S(")")
                            : S(" and upper(") + columna_texto + S(") like upper(") +
                                  sql::quoted(S("%") + texto + S("%")) + S(")");
    }
    sql += S(" order by ") + c + (columna == Columna::Fecha ? S(" desc") : QString());
    CFilas->close();
    CFilas->setCommandText(sql);
    if (!CFilas->open())
        return false;
    CFilas->fetchAll();
    return true;
}

qint64 BusquedaAplicaciones::actual() const {
    if (!CFilas->active() || CFilas->isEmpty())
        return 0;
    return CFilas->fieldByName(S("APPR_ID")).asInteger();
}

bool BusquedaAplicaciones::con_razon(QString& razon) {
    if (!dm_.configuracion_si(S("GENERAL"), S("GENERAL"),
                              S("ESTABLECER CONTROL DEL PORQUE SE ANULAN LOS DOCUMENTOS")))
        return true;
    const std::optional<QString> texto = pida_razon ? pida_razon() : std::nullopt;
    if (!texto)
        return false;
    razon = texto->trimmed();
    if (razon.isEmpty()) {
        dm_.dialogs().error(
            S("Debera ingresar una razon por la cual esta anulando/eliminando el "
              "documento. Intentelo de nuevo."));
        return false;
    }
    return true;
}

bool BusquedaAplicaciones::anule() {
    const qint64 id = actual();
    if (id == 0)
        return false;
    if (!valide_acceso(dm_, dm_.ctx.modulo, 42)) {
        dm_.dialogs().error(kAccesoNoPermitido);
        return false;
    }
    const bool anulada = CFilas->fieldByName(S("APPR_ANULADO")).asString() == S("S");
    if (anulada && !dm_.ctx.es_administrador) {
        dm_.dialogs().error(kAccesoNoPermitido);
        return false;
    }
    QString razon;
    if (!con_razon(razon))
        return false;
    const QString documento = CFilas->fieldByName(S("PREF_PRE")).asString() +
                              CFilas->fieldByName(S("APPR_NUMERO")).asString();
    const QString pregunta =
        anulada ? S("Esta seguro de eliminar completamente la aplicación ") + documento + S("?")
                : S("Esta seguro de anular la aplicacion No ") + documento + S("?");
    if (!dm_.dialogs().question(pregunta))
        return false;
    const QString ids = sql::number(id);
    QStringList sentencias;
    if (anulada) {
        sentencias << S("delete from aplicacion_provedor where appr_id = ") + ids;
    } else {
        sentencias
            << S("update aplicacion_proveedor_detalle set appd_anulado = 'S' where appr_id = ") +
                   ids
            << S("update aplicacion_provedor set appr_anulado = 'S', appr_usuario = ") +
                   sql::quoted(dm_.ctx.usuario) + S(" where appr_id = ") + ids;
    }
    if (!anule_en_unidad(dm_, 53, id, sentencias, razon, anulada ? S("D") : S("A")))
        return false;
    busque(columna_, texto_, desde_inicio_);
    return true;
}

}  // namespace ledgrix
