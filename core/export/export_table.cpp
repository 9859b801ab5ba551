#include "core/export/export_table.h"

#include <QAbstractItemModel>
#include <QLocale>
#include <QRegularExpression>

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
    // Either grouped in thousands throughout or not grouped at all: "12,34"
    // is not a number a grid of this program would show.
    static const QRegularExpression shape(QStringLiteral(R"(^-?(\d{1,3}(,\d{3})*|\d+)(\.\d+)?$)"));
    const QString t = text.trimmed();
    if (!shape.match(t).hasMatch()) return std::nullopt;
    QString plain = t;
    plain.remove(QLatin1Char(','));
    bool ok = false;
    const double v = QLocale::c().toDouble(plain, &ok);
    if (!ok) return std::nullopt;
    return v;
}

int displayedDecimals(const QString& text) {
    const QString t = text.trimmed();
    const qsizetype dot = t.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? 0 : static_cast<int>(t.size() - dot - 1);
}

}  // namespace ledgrix
