#include "accounting/selectores/plantillas.h"

#include <QSqlQuery>

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

void SelectorPlantillas::cargue(const QString& tipo_comprobante) {
    tipo_ = tipo_comprobante.trimmed();
    lineas_.clear();
    auto q = dm_.sql().select(
        QStringLiteral("select plan_id, tico_cod, prco_pref, plan_concepto, plan_refer, plan_usuario "
                       "from plantilla_encabezado where tico_cod = ") +
        sql::quoted(tipo_) + QStringLiteral(" order by plan_id"));
    if (q) {
        while (q->next())
            lineas_.push_back({q->value(0).toLongLong(), q->value(1).toString().trimmed(), q->value(2).toString(),
                               q->value(3).toString(), q->value(4).toString(), q->value(5).toString()});
    }
    busque(texto_);
}

void SelectorPlantillas::busque(const QString& texto) {
    texto_ = texto.trimmed();
    visibles_.clear();
    for (int i = 0; i < static_cast<int>(lineas_.size()); ++i) {
        const Plantilla& p = lineas_[static_cast<size_t>(i)];
        bool pasa = texto_.isEmpty() || QString::number(p.id).contains(texto_);
        for (const QString* v : {&p.prefijo, &p.concepto, &p.referencia, &p.usuario})
            pasa = pasa || v->contains(texto_, Qt::CaseInsensitive);
        if (pasa) visibles_.push_back(i);
    }
    actual_ = visibles_.empty() ? -1 : visibles_.front();
}

void SelectorPlantillas::elija(int linea) {
    if (linea >= 0 && linea < static_cast<int>(lineas_.size())) actual_ = linea;
}

std::optional<qint64> SelectorPlantillas::elegido(int resultado) const {
    if (resultado != 1 || actual_ < 0) return std::nullopt;
    return lineas_[static_cast<size_t>(actual_)].id;
}

}  // namespace ledgrix
