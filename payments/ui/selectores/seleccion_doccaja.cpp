#include "payments/ui/selectores/seleccion_doccaja.h"

#include <QSqlQuery>
#include <algorithm>

#include "core/money/formato_numero.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

bool mismo(const Tfdmcja::DocumentoCaja& a, const Tfdmcja::DocumentoCaja& b) {
    return a.fopa == b.fopa && a.banco == b.banco && a.cuenta == b.cuenta && a.numero == b.numero;
}

}  // namespace

QStringList SeleccionDocCaja::columnas() const {
    return {QStringLiteral("Forma de pago"), QStringLiteral("Banco"), QStringLiteral("Cuenta"),
            QStringLiteral("Número"),        QStringLiteral("Fecha"), QStringLiteral("Monto"),
            QStringLiteral("Tercero")};
}

void SeleccionDocCaja::cargue(int caja, const QList<Tfdmcja::DocumentoCaja>& usados) {
    vacie();
    documentos_.clear();
    auto q = dm_.sql().select(
        QStringLiteral(
            "select d.FOPA_ID, f.FOPA_NOM, d.DPCA_BANCO, d.DPCA_CUENTA, d.DPCA_NUMERO, "
            "d.DPCA_FECHA, cast(d.DPCA_MONTO as varchar(24)), d.TERC_NIT "
            "from DOCUMENTOS_PAGO_CAJA d left join FORMAS_PAGO f on f.FOPA_ID = d.FOPA_ID "
            "where d.CAJA_ID = %1 and d.DPCA_TIPOSAL = 0 and d.DPCA_IDSAL = 0 "
            "order by d.DPCA_FECHA, d.DPCA_ID")
            .arg(caja));
    if (!q)
        return;
    const FormatoNumero& formato = FormatoNumero::instalacion();
    while (q->next()) {
        Tfdmcja::DocumentoCaja d;
        d.caja = caja;
        d.fopa = q->value(0).toInt();
        d.banco = q->value(2).toString().trimmed();
        d.cuenta = q->value(3).toString().trimmed();
        d.numero = q->value(4).toString().trimmed();
        d.fecha = q->value(5).toDate();
        d.monto = decimal(*q, 6);
        const auto igual = [&d](const Tfdmcja::DocumentoCaja& u) { return mismo(u, d); };
        if (std::any_of(usados.begin(), usados.end(), igual))
            continue;
        documentos_.push_back(d);
        agregue({q->value(1).toString().trimmed(), d.banco, d.cuenta, d.numero,
                 sql::dateText(d.fecha), formato.escriba(d.monto),
                 q->value(7).toString().trimmed()});
    }
}

bool SeleccionDocCaja::entregue_lineas(const std::vector<int>& lineas) {
    Tfdmcja::entregados.clear();
    for (const int l : lineas)
        Tfdmcja::entregados.push_back(documentos_[static_cast<size_t>(l)]);
    return true;
}

}  // namespace ledgrix
