#include "parties/tfdmter.h"

#include "core/data/field.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {
namespace {

// Read by position (terc_nit, terc_nom, retefte, rteiva, rteica, the base,
// simplificado, rtcree): asking the driver for a column by name makes it
// describe the whole result with catalogue queries, one per amount.
QString proveedorSql(const QString& nit, const QString& base, bool activo) {
    return QStringLiteral("select t.terc_nit, terc_nom, prov_retefte, prov_rteiva, prov_rteica, ") +
           base +
           QStringLiteral(
               ", prov_simplificado, prov_rtcree from terceros t, proveedores p where t.terc_nit = "
               "p.terc_nit ") +
           (activo ? QStringLiteral("and terc_estado = 'S' ") : QString()) +
           QStringLiteral("and t.terc_nit = ") + sql::quoted(nit) +
           QStringLiteral(" and t.terc_prov = 'S'");
}

bool vacio(const Field& f) {
    return f.isNull() || f.asCurrency().isZero();
}

}  // namespace

bool Tfdmter::existe_nit(const QString& nit) {
    auto q = dm_.sql().select(
        QStringLiteral("select terc_nit, terc_nom, terc_clie, terc_prov from terceros where "
                       "terc_nit = ") +
        sql::quoted(nit));
    return q && q->next();
}

QString Tfdmter::nombre_proveedor(const QString& nit) {
    auto q = dm_.sql().select(proveedorSql(nit, QStringLiteral("prov_rtftebase"), false));
    return q && q->next() ? q->value(1).toString() : QString();
}

QString Tfdmter::valide_proveedor(const QString& nit) {
    auto q = dm_.sql().select(
        QStringLiteral("select terc_nit, terc_nom, terc_clie,terc_prov from terceros where "
                       "terc_estado = 'S' and terc_nit = ") +
        sql::quoted(nit));
    return q && q->next() ? q->value(3).toString() : QString();
}

QString Tfdmter::valide_proveedor_ret(const QString& nit, CamposRetencion c, Field& simplificado) {
    auto q = dm_.sql().select(proveedorSql(nit, QStringLiteral("prov_rtftebase"), true));
    if (!q || !q->next())
        return {};
    if (vacio(c.rtfte))
        c.rtfte.setCurrency(decimal(*q, 2));
    if (vacio(c.rtiva))
        c.rtiva.setCurrency(decimal(*q, 3));
    if (vacio(c.rtica))
        c.rtica.setCurrency(decimal(*q, 4));
    if (vacio(c.rcree))
        c.rcree.setCurrency(decimal(*q, 7));
    const QString regimen = q->value(6).toString();
    simplificado.setValue(regimen);
    if (regimen == QStringLiteral("S")) {
        // An unset percentage is reported by name; the supplier's own stays.
        if (const auto p = dm_.entero_configurado(
                QStringLiteral("COMPRAS"), QStringLiteral("FACTURAS"),
                QStringLiteral("PORCENTAJE DE RETENCION DE IVA PARA REGIMEN SIMPLIFICADO")))
            c.rtiva.setCurrency(Currency::fromInt(*p));
    }
    return q->value(1).toString();
}

QString Tfdmter::valide_retenciones(const QString& nit, CamposRetencion c) {
    auto q = dm_.sql().select(
        QStringLiteral("select TERC_NOM,PROV_RETEFTE,PROV_RTEIVA,PROV_RTEICA,PROV_RTCREE FROM "
                       "PROVEEDORES c,TERCEROS t where c.terc_nit = t.terc_nit and t.terc_nit = ") +
        sql::quoted(nit) + QStringLiteral(" and terc_estado = 'S'"));
    if (!q || !q->next())
        return {};
    c.rtfte.setCurrency(decimal(*q, 1));
    c.rtiva.setCurrency(decimal(*q, 2));
    c.rtica.setCurrency(decimal(*q, 3));
    c.rcree.setCurrency(decimal(*q, 4));
    return q->value(0).toString();
}

Currency Tfdmter::base(const QString& nit, bool ica) {
    // One result layout serves both: the ICA base arrives under the income-tax base's name.
    auto q = dm_.sql().select(proveedorSql(
        nit,
        ica ? QStringLiteral("prov_rticabase prov_rtftebase") : QStringLiteral("prov_rtftebase"),
        false));
    if (!q || !q->next())
        return {};
    const Currency b = decimal(*q, 5);
    return ica ? b : b - Currency::fromInt(1);
}

Currency Tfdmter::base_rtfte(const QString& nit) {
    return base(nit, false);
}
Currency Tfdmter::base_rtica(const QString& nit) {
    return base(nit, true);
}

QString Tfdmter::nom_tercero(const QString& nit) {
    auto q = dm_.sql().select(
        QStringLiteral("select terc_nit, terc_nom from terceros where terc_estado = 'S' and "
                       "terc_nit = ") +
        sql::quoted(nit));
    return q && q->next() ? q->value(1).toString() : QString();
}

bool Tfdmter::valide_tercero(const QString& nit) {
    auto q = dm_.sql().select(QStringLiteral("select * from existe_tercero(") + sql::quoted(nit) +
                              QStringLiteral(")"));
    if (q && q->next() && q->value(0).toString() == QStringLiteral("S"))
        return true;
    dm_.dialogs().error(QStringLiteral("Tercero Inactivo o no encontrado."));
    return false;
}

}  // namespace ledgrix
