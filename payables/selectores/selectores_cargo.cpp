#include "payables/selectores/selectores_cargo.h"

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

// " and (a containing 'x' or b containing 'x')", or nothing for an empty text.
QString contiene(const QString& texto, const QStringList& columnas) {
    if (texto.isEmpty())
        return {};
    QStringList partes;
    for (const QString& c : columnas)
        partes << c + QStringLiteral(" containing ") + sql::quoted(texto);
    return QStringLiteral(" and (") + partes.join(QStringLiteral(" or ")) + QStringLiteral(")");
}

QString primeras(int n) {
    return QStringLiteral("select first ") + sql::number(n) + QLatin1Char(' ');
}

}  // namespace

SelectorFacturasCompra::SelectorFacturasCompra(Tfdm& dm, const QString& nit)
    : SelectorLista(dm, QStringLiteral("Tfbuscfaccompra"), QStringLiteral("Facturas de Compra"),
                    {QStringLiteral("Prefijo"), QStringLiteral("Número"), QStringLiteral("Fecha"),
                     QStringLiteral("Nit"), QStringLiteral("Proveedor"),
                     QStringLiteral("No. Proveedor"), QStringLiteral("Monto")}),
      nit_(nit.trimmed()) {}

QString SelectorFacturasCompra::consulta(const QString& texto) const {
    QString sql = primeras(kLineas) +
                  QStringLiteral(
                      "f.faco_id, f.pref_pre, f.faco_numero, f.faco_fecha, f.terc_nit, t.terc_nom, "
                      "f.faco_numprov, cast(f.faco_monto as varchar(24)) from facturas_compra f "
                      "left join terceros t on t.terc_nit = f.terc_nit where f.faco_anulado = 'N'");
    if (!nit_.isEmpty())
        sql += QStringLiteral(" and f.terc_nit = ") + sql::quoted(nit_);
    sql += contiene(
        texto, {QStringLiteral("f.pref_pre || f.faco_numero"), QStringLiteral("f.faco_numprov")});
    return sql + QStringLiteral(" order by f.faco_fecha desc, f.pref_pre, f.faco_numero desc");
}

QString SelectorFacturasCompra::numero(Tfdm& dm, qint64 id) {
    auto q = dm.sql().select(
        QStringLiteral("select pref_pre, faco_numero from facturas_compra where faco_id = ") +
        sql::number(id));
    if (!q || !q->next())
        return {};
    return q->value(0).toString().trimmed() + q->value(1).toString().trimmed();
}

SelectorArticulos::SelectorArticulos(Tfdm& dm)
    : SelectorLista(dm, QStringLiteral("Tfbuscarticulos"), QStringLiteral("Búsqueda de Artículos"),
                    {QStringLiteral("Código"), QStringLiteral("Nombre")}) {}

QString SelectorArticulos::consulta(const QString& texto) const {
    return primeras(kLineas) +
           QStringLiteral(
               "a.arti_cod, a.arti_cod, a.arti_nombre from articulos a where a.arti_activo = 'S'") +
           contiene(texto, {QStringLiteral("a.arti_cod"), QStringLiteral("a.arti_nombre")}) +
           QStringLiteral(" order by a.arti_nombre, a.arti_cod");
}

SelectorNegocios::SelectorNegocios(Tfdm& dm)
    : SelectorLista(dm, QStringLiteral("Tfbuscnegocios"), QStringLiteral("Búsqueda de Negocios"),
                    {QStringLiteral("Código"), QStringLiteral("Nombre")}) {}

QString SelectorNegocios::consulta(const QString& texto) const {
    return primeras(kLineas) +
           QStringLiteral(
               "n.nego_cod, n.nego_cod, n.nego_nombre from negocios n where n.nego_activo = 'S'") +
           contiene(texto, {QStringLiteral("n.nego_cod"), QStringLiteral("n.nego_nombre")}) +
           QStringLiteral(" order by n.nego_cod");
}

SelectorDocumentosAplicar::SelectorDocumentosAplicar(Tfdm& dm, const QString& nit)
    : SelectorLista(
          dm, QStringLiteral("Tfbuscdocaplicar"), QStringLiteral("Documentos a Aplicar"),
          {QStringLiteral("Clase"), QStringLiteral("Prefijo"), QStringLiteral("Número"),
           QStringLiteral("Fecha"), QStringLiteral("No. Proveedor"), QStringLiteral("Saldo")}),
      nit_(nit.trimmed()) {}

QString SelectorDocumentosAplicar::clase(int tipo) {
    switch (tipo) {
        case 52:
            return QStringLiteral("NOTACRPR");
        case 24:
            return QStringLiteral("DEVOLPRV");
        case 55:
            return QStringLiteral("ANTICPRV");
        default:
            return {};
    }
}

int SelectorDocumentosAplicar::tipo(const QString& clase) {
    for (int t : {52, 24, 55})
        if (SelectorDocumentosAplicar::clase(t) == clase)
            return t;
    return 0;
}

QString SelectorDocumentosAplicar::consulta(const QString& texto) const {
    // Credits stand negative in the ledger: the user reads what is left to apply.
    return primeras(kLineas) +
           QStringLiteral(
               "mvpr_tiporef, case mvpr_tiporef when 52 then 'NOTACRPR' when 24 then 'DEVOLPRV' "
               "else 'ANTICPRV' end, mvpr_prefijo, mvpr_numero, mvpr_fecha, mvpr_numprov, "
               "cast(abs(mvpr_saldo) as varchar(24)) from movimiento_proveedor "
               "where mvpr_tiporef in (52, 24, 55) and mvpr_anulado = 'N' and mvpr_saldo <> 0 "
               "and terc_nit = ") +
           sql::quoted(nit_) +
           contiene(texto, {QStringLiteral("mvpr_prefijo || mvpr_numero"),
                            QStringLiteral("mvpr_numprov")}) +
           QStringLiteral(" order by mvpr_fecha, mvpr_tiporef, mvpr_prefijo, mvpr_numero");
}

std::optional<SelectorDocumentosAplicar::Documento> SelectorDocumentosAplicar::documento(
    int resultado) const {
    const QStringList l = linea_elegida(resultado);
    if (l.isEmpty())
        return std::nullopt;
    return Documento{l.value(0).toInt(), l.value(1), l.value(2) + l.value(3)};
}

std::optional<SelectorDocumentosAplicar::Documento> SelectorDocumentosAplicar::pregunte_documento(
    const QString& texto) {
    pregunte(texto);
    return documento(resultado());
}

}  // namespace ledgrix
