#include "payments/ui/selectores/seleccion_cartera.h"

#include <QSqlQuery>

#include "core/money/formato_numero.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "payments/cartera/registro_cartera.h"

namespace ledgrix {

QStringList SeleccionCartera::columnas() const {
    return {QStringLiteral("Tipo"),  QStringLiteral("Prefijo"), QStringLiteral("Número"),
            QStringLiteral("Fecha"), QStringLiteral("Vence"),   QStringLiteral("Saldo")};
}

void SeleccionCartera::cargue(const QString& nit, const QDate& fecha,
                              const QList<QPair<int, qint64>>& cruzados) {
    vacie();
    documentos_.clear();
    elegido_.reset();
    // A document issued after the voucher cannot be crossed in it. Today's
    // balance from the open positions: the cross checks it at the voucher's date.
    auto q = dm_.sql().select(
        QStringLiteral(
            "select m.MVPR_TIPOREF, m.MVPR_IDREF, t.TIDO_NOMCORTO, m.MVPR_PREFIJO, m.MVPR_NUMERO, "
            "m.MVPR_FECHA, m.MVPR_VENCE, cast(m.MVPR_SALDO as varchar(24)) "
            "from MOVIMIENTO_PROVEEDOR m join TIPO_DOCUMENTO t on t.TIDO_COD = m.MVPR_TIPOREF "
            "where m.TERC_NIT = %1 and t.TIDO_CART = 'S' and m.MVPR_ANULADO = 'N' "
            "and m.MVPR_FECHA <= %2 and m.MVPR_SALDO <> 0 "
            "order by m.MVPR_FECHA, m.MVPR_PREFIJO, m.MVPR_NUMERO")
            .arg(sql::quoted(nit.trimmed()), sql::date(fecha)));
    if (!q)
        return;
    const FormatoNumero& formato = FormatoNumero::instalacion();
    while (q->next()) {
        DocumentoSeleccionado d;
        d.tipo = q->value(0).toInt();
        d.id = q->value(1).toLongLong();
        if (cruzados.contains(qMakePair(d.tipo, d.id)))
            continue;
        d.nombre = q->value(2).toString().trimmed();
        d.prefijo = q->value(3).toString().trimmed();
        d.numero = q->value(4).toString().trimmed();
        documentos_.push_back(d);
        agregue({d.nombre, d.prefijo, d.numero, sql::dateText(q->value(5).toDate()),
                 q->value(6).isNull() ? QString() : sql::dateText(q->value(6).toDate()),
                 formato.escriba(decimal(*q, 7))});
    }
}

bool SeleccionCartera::entregue_lineas(const std::vector<int>& lineas) {
    if (lineas.size() == 1) {
        elegido_ = documentos_[static_cast<size_t>(lineas.front())];
        return true;
    }
    // Several documents travel as one group the voucher reads back.
    Transaccion unidad(dm_.Ledgrix());
    const QVariant id =
        dm_.sql().scalar(QStringLiteral("select next value for GEN_CONSOLIDE_FALTANTES "
                                        "from RDB$DATABASE"));
    if (!id.isValid())
        return false;
    int item = 0;
    for (const int l : lineas) {
        const DocumentoSeleccionado& d = documentos_[static_cast<size_t>(l)];
        if (!dm_.sql().execute(QStringLiteral("insert into CONSOLIDE_FALTANTES (CEFA_ID, "
                                              "CEFA_ITEM, CEFA_TIPOORI, CEFA_IDORI) values "
                                              "(%1, %2, %3, %4)")
                                   .arg(id.toLongLong())
                                   .arg(++item)
                                   .arg(d.tipo)
                                   .arg(d.id)))
            return false;
    }
    if (!unidad.confirme())
        return false;
    RegistroCartera::grupo_entregado = id.toInt();
    return true;
}

}  // namespace ledgrix
