#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QAbstractItemModel;

namespace ledgrix {

// What a grid shows, frozen as text: exports work on this snapshot so that
// every format sees the same cells the user saw, whatever model fed the grid.
struct ExportTable {
    QString title;                 // window title: sheet name, HTML title
    QStringList titles;            // column titles
    std::vector<bool> numeric;     // per column: amounts and counts
    std::vector<QStringList> rows; // display texts, one list per row

    int columnCount() const { return static_cast<int>(titles.size()); }
    int rowCount() const { return static_cast<int>(rows.size()); }
};

// Snapshot of the given model rows and columns, in the order given. A column
// counts as numeric when the model right-aligns its cells, which is how the
// models of this program mark amounts and counts.
ExportTable tableFromModel(const QAbstractItemModel& model, const QList<int>& columns, const QList<int>& rows);
// Every column and every row the model has loaded.
ExportTable tableFromModel(const QAbstractItemModel& model);

// The number behind a grid text such as "1,234,567.89" or "-0.01"; nothing
// when the text is not a plain grouped decimal (empty, "N/A", a code with
// letters), so such cells can stay text instead of turning into zero.
std::optional<double> parseDisplayedNumber(const QString& text);
// Digits after the decimal point of such a text, to keep its look.
int displayedDecimals(const QString& text);

}  // namespace ledgrix
