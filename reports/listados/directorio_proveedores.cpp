#include "reports/listados/directorio_proveedores.h"

#include "core/sql/sqltext.h"

namespace ledgrix {

namespace {

// The supplier's own columns, his record as a supplier and his group's
// name. A column the join repeats (the NIT, the group code) is read once:
// the rows are named by column and a second copy would shadow the first.
const char* const kColumnas =
    "select t.terc_nit, t.terc_nom, t.terc_dir, t.terc_ciu, t.terc_tel, t.terc_contacto, "
    "t.terc_obs, t.terc_email, t.terc_fax, t.terc_cel, t.terc_estado, p.grpr_cod, p.prov_cod, "
    "p.prov_codigoint, p.prov_vendedor, p.prov_cartera, p.prov_retefte, p.prov_rteiva, "
    "p.prov_rteica, p.prov_rtftebase, p.prov_ctartfte, p.prov_ctartiva, p.prov_ctartica, "
    "p.prov_ctartcree, p.prov_ctapagar, p.prov_ctacausa, p.prov_ctapagniif, "
    "p.prov_ctacausaniif, p.prov_ctarfteniif, p.prov_ctarivaniif, p.prov_ctaricaniif, "
    "p.prov_ctarcreeniif, p.prov_simplificado, p.prov_diaspago, p.prov_activo, p.prov_pasivo, "
    "p.prov_patrimonio, p.prov_ingresos, p.prov_egresos, p.prov_encautdat, p.prov_fecautdat, "
    "p.prov_enccargo, g.grpr_nom";

}  // namespace

DirectorioProveedores::DirectorioProveedores(Tfdm& dm, QObject* parent)
    : ReporteImpreso(dm, parent) {}

QString DirectorioProveedores::nombre_reporte() const {
    return agenda ? QStringLiteral("agendacli") : QStringLiteral("dirclientes");
}

// Group codes are two characters: "00" is the first of them.
Rango DirectorioProveedores::rango_grupos() const {
    return criterios.grupos.efectivo(QStringLiteral("00"), QStringLiteral("zz"));
}

QString DirectorioProveedores::titulo_predeterminado() const {
    const Rango p = proveedores();
    const Rango g = rango_grupos();
    return QStringLiteral("Proveedores: %1 - %2  Grupos: %3 - %4%5")
        .arg(p.desde, p.hasta, g.desde, g.hasta,
             incluir_inactivos ? QStringLiteral("  Incluye inactivos") : QString());
}

QString DirectorioProveedores::consulta() const {
    const Rango p = proveedores();
    const Rango g = rango_grupos();
    QString q = QLatin1String(kColumnas) +
                QStringLiteral(" from grupos_proveedores g,terceros t, proveedores p");
    if (criterios.por_nombre)
        q += QStringLiteral(" where t.terc_nom >= ") + sql::quoted(p.desde) +
             QStringLiteral(" and  t.terc_nom <= ") + sql::quoted(p.hasta);
    else
        q += QStringLiteral(" where  p.terc_nit >= ") + sql::quoted(p.desde) +
             QStringLiteral(" and p.terc_nit <= ") + sql::quoted(p.hasta);
    q += QStringLiteral(" and g.grpr_cod =  p.grpr_cod and p.terc_nit = t.terc_nit ") +
         QStringLiteral(" and p.grpr_cod >= ") + sql::quoted(g.desde) +
         QStringLiteral(" and  p.grpr_cod <= ") + sql::quoted(g.hasta);
    if (!incluir_inactivos)
        q += QStringLiteral(" and terc_estado = 'S'");
    q += QStringLiteral(" order by ");
    switch (criterios.agrupacion) {
        case Agrupacion::Grupo:
            q += QStringLiteral(" p.grpr_cod, ");
            break;
        case Agrupacion::Ciudad:
            q += QStringLiteral(" t.terc_ciu, ");
            break;
        case Agrupacion::Ninguna:
            break;
    }
    return q + (criterios.por_nombre ? QStringLiteral("t.terc_nom") : QStringLiteral("t.terc_nit"));
}

}  // namespace ledgrix
