#include "accounting/contabilizacion/contabilizacion.h"

#include <QSqlQuery>

#include "accounting/interfaces/interfaces.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"

namespace ledgrix {

namespace {

// One row per document type: its posting procedures and the document type
// under which each of them records its problems in ERRORES.
struct Miembro {
    DocumentoContable tipo;
    const char* local;
    const char* niif;
    int errores_local;
    int errores_niif;
};

constexpr Miembro kFamilia[] = {
    {DocumentoContable::Cargo, "contabil_notadbpr", "contabil_notadbpr_niif", 51, 51},
    {DocumentoContable::Descuento, "contabil_notacrpr", "contabil_notacrpr_niif", 52, 1052},
    {DocumentoContable::Aplicacion, "contabil_aplicapr", "contabil_aplicapr_niif", 53, 1053},
    {DocumentoContable::Credito, "contabil_causacred", "contabil_causacred_niif", 57, 1057},
    {DocumentoContable::Egreso, "contabil_egreso", "contabil_egreso_niif", 62, 1062},
};

const Miembro& miembro(DocumentoContable tipo) {
    for (const Miembro& m : kFamilia)
        if (m.tipo == tipo)
            return m;
    return kFamilia[0];
}

}  // namespace

Contabilizacion::Ejecucion Contabilizacion::ejecute(DocumentoContable tipo, qint64 id,
                                                    int interfaz) {
    const Miembro& m = miembro(tipo);
    // Only an explicit "NO" keeps the local procedure: the NIIF one is the default.
    const bool niif =
        dm_.configuracion(
            QStringLiteral("CONTABILIDAD"), QStringLiteral("GENERAL"),
            QStringLiteral("GENERAR CONTABILIZACION LOCAL POR EQUIVALENCIA DESDE NIIF")) !=
        QLatin1String("NO");
    revision.ver = false;
    Ejecucion e;
    auto q =
        dm_.sql().select(QStringLiteral("select * from ") + QLatin1String(niif ? m.niif : m.local) +
                         QStringLiteral("(") + sql::number(id) + QStringLiteral(",") +
                         sql::number(interfaz) + QStringLiteral(",0)"));
    if (!q || !q->next())
        return e;
    const int errores = q->value(0).toInt();
    e.ver = q->value(1).toString() == QLatin1String("S");
    e.idc = q->value(2).toLongLong();
    // The procedure's writes become visible to other statements only once
    // its statement is finished.
    q.reset();
    if (errores > 0) {
        e.errores = QStringLiteral("Se presentaron los siguientes errores en la contabilización: ");
        const int codigo = niif ? m.errores_niif : m.errores_local;
        if (auto r = dm_.sql().select(
                QStringLiteral(
                    "select erro_codigo, erro_cadena from errores where erro_tipodoc = ") +
                sql::number(codigo) + QStringLiteral(" and erro_iddoc = ") + sql::number(id))) {
            while (r->next())
                e.errores += r->value(0).toString() + u':' + r->value(1).toString() + u' ';
        }
    }
    revision.ver = e.ver;
    return e;
}

qint64 Contabilizacion::contabilice(DocumentoContable tipo, qint64 id, int interfaz) {
    const Ejecucion e = ejecute(tipo, id, interfaz);
    if (!e.errores.isEmpty())
        dm_.dialogs().error(e.errores);
    return e.idc;
}

qint64 Contabilizacion::contabilice_notadb(qint64 id, int interfaz) {
    return contabilice(DocumentoContable::Cargo, id, interfaz);
}
qint64 Contabilizacion::contabilice_notacr(qint64 id, int interfaz) {
    return contabilice(DocumentoContable::Descuento, id, interfaz);
}
qint64 Contabilizacion::contabilice_aplicapr(qint64 id, int interfaz) {
    return contabilice(DocumentoContable::Aplicacion, id, interfaz);
}
qint64 Contabilizacion::contabilice_egreso(qint64 id, int interfaz) {
    return contabilice(DocumentoContable::Egreso, id, interfaz);
}

Contabilizado Contabilizacion::contabilice_en_unidad(DocumentoContable tipo, qint64 id,
                                                     int interfaz, bool revisar) {
    const Ejecucion e = ejecute(tipo, id, interfaz);
    Contabilizado hecho{e.idc, e.idc != 0 && e.ver && revisar, e.errores};
    if (e.idc != 0 && !hecho.revisar) {
        // The ledger voucher in the same unit as the document.
        dm_.sql().execute(QStringLiteral("EXECUTE PROCEDURE CONTABILIZA_PENDIENTE(") +
                          sql::number(e.idc) + QStringLiteral(")"));
        return hecho;
    }
    dm_.sql().execute(
        QStringLiteral("update or insert into documentos_por_contabilizar (dopc_tipo, dopc_id, "
                       "dopc_interfaz) values (") +
        sql::number(static_cast<int>(tipo)) + u',' + sql::number(id) + u',' +
        sql::number(interfaz) + QStringLiteral(") matching (dopc_tipo, dopc_id)"));
    return hecho;
}

qint64 Contabilizacion::termine(DocumentoContable tipo, qint64 id, const Contabilizado& hecho) {
    revision.ver = hecho.revisar;
    if (!hecho.errores.isEmpty())
        dm_.dialogs().error(hecho.errores);
    if (!hecho.revisar)
        return hecho.idc;
    revision.tipo = static_cast<int>(tipo);
    revision.id = id;
    dm_.dialogs().modal(QStringLiteral("Tfcontabiliza"),
                        [this] { return ventana_revision_ ? ventana_revision_(*this) : 0; });
    // The ledger voucher is written whatever the review did: a review closed
    // without saving leaves the voucher as the procedure wrote it.
    dm_.sql().execute(QStringLiteral("EXECUTE PROCEDURE CONTABILIZA_PENDIENTE(") +
                      sql::number(hecho.idc) + QStringLiteral(")"));
    return hecho.idc;
}

QStringList Contabilizacion::bloqueos(DocumentoContable tipo, int interfaz) const {
    const bool caja = tipo == DocumentoContable::Egreso;
    auto q = dm_.sql().select(QStringLiteral("select tico_cod, prco_pre from ") +
                              (caja ? QStringLiteral("interfaz_caja where incj_id = ")
                                    : QStringLiteral("interfaz_cxpagar where incp_id = ")) +
                              sql::number(interfaz));
    if (!q || !q->next())
        return {};
    return {
        QStringLiteral("update prefijos_conta set pref_numero = pref_numero where tico_cod = ") +
        sql::quoted(q->value(0).toString()) + QStringLiteral(" and prco_pref = ") +
        sql::quoted(q->value(1).toString())};
}

qint64 Contabilizacion::contabilice_documento(DocumentoContable tipo, qint64 id, int interfaz,
                                              bool revisar) {
    Transaccion unidad(dm_.Ledgrix());
    unidad.bloquee(bloqueos(tipo, interfaz));
    const Contabilizado hecho = contabilice_en_unidad(tipo, id, interfaz, revisar);
    if (!unidad.confirme())
        return 0;
    return termine(tipo, id, hecho);
}

qint64 Contabilizacion::comprobante_contable(int tipo, qint64 id) const {
    const QVariant consec = dm_.sql().scalar(
        QStringLiteral("select enco_consec from comprobante_encabezado where enco_tiporef = ") +
        sql::number(tipo) + QStringLiteral(" and enco_idref = ") + sql::number(id));
    return consec.isValid() ? consec.toLongLong() : 0;
}

void Contabilizacion::contabilice_de_nuevo(DocumentoContable tipo, qint64 id,
                                           const QString& prefijo,
                                           const AbreInterfaz& abre_interfaz) {
    const qint64 consec = comprobante_contable(static_cast<int>(tipo), id);
    if (consec == 0) {
        int interfaz = 0;
        if (abre_interfaz)
            interfaz = abre_interfaz(static_cast<int>(tipo), prefijo);
        else if (tipo == DocumentoContable::Egreso)
            interfaz = Interfaces(dm_).abre_interfaz_caja(static_cast<int>(tipo), prefijo, true);
        else
            interfaz = Interfaces(dm_).abre_interfaz(static_cast<int>(tipo), prefijo, true);
        if (interfaz != 0)
            contabilice_documento(tipo, id, interfaz);
        return;
    }
    if (!acceso_editacomproba(dm_, dm_.ctx.usuario, QStringLiteral("CONTABILIDAD"), 31)) {
        dm_.dialogs().error(kAccesoNoPermitido);
        return;
    }
    dm_.dialogs().modal(QStringLiteral("Tfeditacomprobante"),
                        [this, consec] { return editor_ ? editor_(consec) : 0; });
}

Revision Contabilizacion::tome_revision() {
    Revision r = revision;
    revision.tipo = 0;
    revision.id = 0;
    return r;
}

}  // namespace ledgrix
