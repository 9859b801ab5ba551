#include "accounting/contabilizacion/contabilizacion.h"

#include <QSqlQuery>

#include "accounting/interfaces/interfaces.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
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
    {DocumentoContable::Egreso, "contabil_egreso", "contabil_egreso_niif", 62, 1062},
};

const Miembro& miembro(DocumentoContable tipo) {
    for (const Miembro& m : kFamilia)
        if (m.tipo == tipo) return m;
    return kFamilia[0];
}

}  // namespace

qint64 Contabilizacion::contabilice(DocumentoContable tipo, qint64 id, int interfaz) {
    const Miembro& m = miembro(tipo);
    // Only an explicit "NO" keeps the local procedure: the NIIF one is the default.
    const bool niif = dm_.configuracion(QStringLiteral("CONTABILIDAD"), QStringLiteral("GENERAL"),
                                        QStringLiteral("GENERAR CONTABILIZACION LOCAL POR EQUIVALENCIA DESDE NIIF")) !=
                      QLatin1String("NO");
    revision.ver = false;
    auto q = dm_.sql().select(QStringLiteral("select * from ") + QLatin1String(niif ? m.niif : m.local) +
                              QStringLiteral("(") + sql::number(id) + QStringLiteral(",") + sql::number(interfaz) +
                              QStringLiteral(",0)"));
    if (!q || !q->next()) return 0;
    const int errores = q->value(0).toInt();
    const bool ver = q->value(1).toString() == QLatin1String("S");
    const qint64 idc = q->value(2).toLongLong();
    // The procedure's writes become visible to other statements only once
    // its statement is finished.
    q.reset();
    if (errores > 0) {
        QString texto = QStringLiteral("Se presentaron los siguientes errores en la contabilización: ");
        const int codigo = niif ? m.errores_niif : m.errores_local;
        if (auto e = dm_.sql().select(QStringLiteral("select erro_codigo, erro_cadena from errores where erro_tipodoc = ") +
                                      sql::number(codigo) + QStringLiteral(" and erro_iddoc = ") + sql::number(id))) {
            while (e->next()) texto += e->value(0).toString() + u':' + e->value(1).toString() + u' ';
        }
        dm_.dialogs().error(texto);
    }
    revision.ver = ver;
    return idc;
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

qint64 Contabilizacion::contabilice_documento(DocumentoContable tipo, qint64 id, int interfaz, bool revisar) {
    const qint64 idc = contabilice(tipo, id, interfaz);
    if (idc == 0) return 0;
    if (revision.ver && revisar) {
        revision.tipo = static_cast<int>(tipo);
        revision.id = id;
        dm_.dialogs().modal(QStringLiteral("Tfcontabiliza"), [this] {
            return ventana_revision_ ? ventana_revision_(*this) : 0;
        });
    }
    // The ledger voucher is written whatever the review did: a review closed
    // without saving leaves the voucher as the procedure wrote it.
    dm_.sql().execute(QStringLiteral("EXECUTE PROCEDURE CONTABILIZA_PENDIENTE(") + sql::number(idc) +
                      QStringLiteral(")"));
    return idc;
}

qint64 Contabilizacion::comprobante_contable(int tipo, qint64 id) const {
    const QVariant consec =
        dm_.sql().scalar(QStringLiteral("select enco_consec from comprobante_encabezado where enco_tiporef = ") +
                         sql::number(tipo) + QStringLiteral(" and enco_idref = ") + sql::number(id));
    return consec.isValid() ? consec.toLongLong() : 0;
}

void Contabilizacion::contabilice_de_nuevo(DocumentoContable tipo, qint64 id, const QString& prefijo,
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
        if (interfaz != 0) contabilice_documento(tipo, id, interfaz);
        return;
    }
    if (!acceso_editacomproba(dm_, dm_.ctx.usuario, QStringLiteral("CONTABILIDAD"), 31)) {
        dm_.dialogs().error(kAccesoNoPermitido);
        return;
    }
    dm_.dialogs().modal(QStringLiteral("Tfeditacomprobante"), [this, consec] { return editor_ ? editor_(consec) : 0; });
}

Revision Contabilizacion::tome_revision() {
    Revision r = revision;
    revision.tipo = 0;
    revision.id = 0;
    return r;
}

}  // namespace ledgrix
