#include "core/export/export_table.h"

#include <QAbstractItemModel>
#include <QLocale>

#include "core/money/formato_numero.h"

namespace ledgrix {

namespace {

bool rightAligned(const QVariant& v) {
    if (!v.isValid()) return false;
    // Models store the alignment either as the flags type or as a plain int.
    const int flags = v.metaType() == QMetaType::fromType<Qt::Alignment>() ? int(v.value<Qt::Alignment>()) : v.toInt();
    return (flags & Qt::AlignRight) != 0;
}

bool columnIsNumeric(const QAbstractItemModel& model, int column) {
    if (rightAligned(model.headerData(column, Qt::Horizontal, Qt::TextAlignmentRole))) return true;
    // Cells decide when the header does not: the first row with an alignment.
    const int rows = model.rowCount();
    for (int r = 0; r < rows && r < 50; ++r) {
        const QVariant v = model.data(model.index(r, column), Qt::TextAlignmentRole);
        if (v.isValid()) return rightAligned(v);
    }
    return false;
}

}  // namespace

ExportTable tableFromModel(const QAbstractItemModel& model, const QList<int>& columns, const QList<int>& rows) {
    ExportTable t;
    t.numeric.reserve(columns.size());
    for (int c : columns) {
        t.titles << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        t.numeric.push_back(columnIsNumeric(model, c));
    }
    t.rows.reserve(rows.size());
    for (int r : rows) {
        QStringList cells;
        cells.reserve(columns.size());
        for (int c : columns) cells << model.data(model.index(r, c), Qt::DisplayRole).toString();
        t.rows.push_back(std::move(cells));
    }
    return t;
}

ExportTable tableFromModel(const QAbstractItemModel& model) {
    QList<int> columns, rows;
    for (int c = 0; c < model.columnCount(); ++c) columns << c;
    for (int r = 0; r < model.rowCount(); ++r) rows << r;
    return tableFromModel(model, columns, rows);
}

std::optional<double> parseDisplayedNumber(const QString& text) {
    // Grids show amounts in the installation's number format; a text that
    // does not follow it ("12,34" under the Colombian one) stays text rather
    // than becoming a wrong number.
    const std::optional<Currency> valor = FormatoNumero::instalacion().lea(text);
    if (!valor)
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(valor->toString(Currency::kDecimals), &ok);
    if (!ok) return std::nullopt;
    return v;
}

int displayedDecimals(const QString& text) {
    const QString t = text.trimmed();
    const qsizetype coma = t.lastIndexOf(FormatoNumero::instalacion().decimal());
    return coma < 0 ? 0 : static_cast<int>(t.size() - coma - 1);
}

}  // namespace ledgrix
