#include "accounting/selectores/terceros.h"

#include <QSqlQuery>

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {
// A chooser is read by a person: the first lines are enough to pick from.
constexpr int kLineas = 500;
}  // namespace

void SelectorTerceros::busque(const QString& texto) {
    texto_ = texto.trimmed();
    lineas_.clear();
    QString condicion;
    if (!texto_.isEmpty())
        condicion = QStringLiteral(" where terc_nit containing ") + sql::quoted(texto_) +
                    QStringLiteral(" or terc_nom containing ") + sql::quoted(texto_);
    auto q = dm_.sql().select(QStringLiteral("select first ") + sql::number(kLineas) +
                              QStringLiteral(" terc_nit, terc_nom from terceros") + condicion +
                              QStringLiteral(" order by terc_nom, terc_nit"));
    if (q)
        while (q->next()) lineas_.push_back({q->value(0).toString().trimmed(), q->value(1).toString()});
    actual_ = lineas_.empty() ? -1 : 0;
}

void SelectorTerceros::elija(int linea) {
    if (linea >= 0 && linea < static_cast<int>(lineas_.size())) actual_ = linea;
}

std::optional<QString> SelectorTerceros::elegido(int resultado) const {
    if (resultado != 1 || actual_ < 0) return std::nullopt;
    return lineas_[static_cast<size_t>(actual_)].nit;
}

}  // namespace ledgrix
