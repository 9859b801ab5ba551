#include "core/numeracion/ventanas/selector_centros.h"

#include <QSqlQuery>

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

SelectorCentros::SelectorCentros(Tfdm& dm) : dm_(dm) {}

void SelectorCentros::cargue() {
    lineas_.clear();
    por_agencia_ = dm_.configuracion(QStringLiteral("CONTABILIDAD"), QStringLiteral("COMPROBANTES"),
                                     QStringLiteral("FILTRAR CENTROS DE COSTO POR AGENCIA")) ==
                   QLatin1String("SI");
    // A centre of agency 0 serves every agency; a user of no agency sees all.
    QString agencia;
    if (por_agencia_ && dm_.ctx.agencia != 0)
        agencia = QStringLiteral(" and c.SUCU_ID in (0, ") + sql::number(dm_.ctx.agencia) + u')';
    const QString texto =
        QStringLiteral(
            "select p.PROY_COD, p.PROY_NOM, c.CENT_COD, c.CENT_NOM, s.SUBC_COD, s.SUBC_NOM from PROYECTOS p "
            "left join CENTROS c on c.PROY_COD = p.PROY_COD") +
        agencia +
        QStringLiteral(
            " left join SUBCENTROS s on s.PROY_COD = c.PROY_COD and s.CENT_COD = c.CENT_COD "
            "order by p.PROY_COD, c.CENT_COD, s.SUBC_COD");
    if (auto q = dm_.sql().select(texto)) {
        while (q->next()) {
            lineas_.push_back({q->value(0).toString(), q->value(1).toString(), q->value(2).toString(),
                               q->value(3).toString(), q->value(4).toString(), q->value(5).toString()});
        }
    }
    busque(texto_);
}

void SelectorCentros::busque(const QString& texto) {
    texto_ = texto.trimmed();
    visibles_.clear();
    for (int i = 0; i < static_cast<int>(lineas_.size()); ++i) {
        const CentroCosto& c = lineas_[static_cast<size_t>(i)];
        bool pasa = texto_.isEmpty();
        for (const QString* v : {&c.proyecto, &c.nombre_proyecto, &c.centro, &c.nombre_centro, &c.subcentro,
                                 &c.nombre_subcentro})
            pasa = pasa || v->contains(texto_, Qt::CaseInsensitive);
        if (pasa) visibles_.push_back(i);
    }
}

std::optional<CentroCosto> SelectorCentros::elegido(int resultado) const {
    if (resultado <= 0 || resultado > static_cast<int>(lineas_.size())) return std::nullopt;
    return lineas_[static_cast<size_t>(resultado - 1)];
}

}  // namespace ledgrix
