#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <map>
#include <memory>

#include "core/export/export_writers.h"

namespace ledgrix {

namespace {

// Longest text a spreadsheet cell holds, in characters.
constexpr qsizetype kMaxCellChars = 32767;

// Sheet names: at most 31 characters and none of []:*?/\ .
QString sheetName(const QString& title) {
    QString name;
    for (QChar ch : title.simplified())
        if (!QStringLiteral("[]:*?/\\").contains(ch)) name += ch;
    name = name.left(31).trimmed();
    // A leading or trailing apostrophe is also refused.
    while (name.startsWith(QLatin1Char('\''))) name.remove(0, 1);
    while (name.endsWith(QLatin1Char('\''))) name.chop(1);
    return name.isEmpty() ? QStringLiteral("Hoja1") : name;
}

QByteArray cellText(const QString& text) {
    // Cut at a character boundary, never inside a surrogate pair.
    if (text.size() <= kMaxCellChars) return text.toUtf8();
    qsizetype cut = kMaxCellChars;
    if (text[cut - 1].isHighSurrogate()) --cut;
    return text.left(cut).toUtf8();
}

struct WorkbookCloser {
    void operator()(lxw_workbook* wb) const {
        if (wb) workbook_close(wb);
    }
};

}  // namespace

bool writeXlsx(const ExportTable& table, const QString& path, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = QStringLiteral("No se pudo escribir el archivo %1: %2").arg(path, why);
        return false;
    };
    const QByteArray fileName = QFile::encodeName(QDir::toNativeSeparators(path));
    std::unique_ptr<lxw_workbook, WorkbookCloser> wb(workbook_new(fileName.constData()));
    if (!wb) return fail(QStringLiteral("no se pudo crear el libro"));
    const QByteArray name = sheetName(table.title).toUtf8();
    lxw_worksheet* ws = workbook_add_worksheet(wb.get(), name.constData());
    if (!ws) return fail(QStringLiteral("no se pudo crear la hoja"));

    lxw_format* bold = workbook_add_format(wb.get());
    format_set_bold(bold);
    // One number format per decimal count, so 2,500 stays without decimals
    // and 1,234.5678 keeps its four.
    std::map<int, lxw_format*> numberFormats;
    auto numberFormat = [&](int decimals) {
        auto it = numberFormats.find(decimals);
        if (it != numberFormats.end()) return it->second;
        lxw_format* f = workbook_add_format(wb.get());
        const QByteArray pattern = decimals > 0 ? "#,##0." + QByteArray(decimals, '0') : QByteArray("#,##0");
        format_set_num_format(f, pattern.constData());
        numberFormats.emplace(decimals, f);
        return f;
    };

    const int columns = table.columnCount();
    std::vector<qsizetype> widths(size_t(columns), 0);
    for (int c = 0; c < columns; ++c) {
        const QByteArray t = cellText(table.titles[c]);
        if (worksheet_write_string(ws, 0, lxw_col_t(c), t.constData(), bold) != LXW_NO_ERROR)
            return fail(QStringLiteral("título de columna %1").arg(c + 1));
        widths[size_t(c)] = table.titles[c].size();
    }
    for (int r = 0; r < table.rowCount(); ++r) {
        const QStringList& row = table.rows[size_t(r)];
        const lxw_row_t xr = lxw_row_t(r + 1);
        for (int c = 0; c < columns && c < row.size(); ++c) {
            const QString& cell = row[c];
            if (cell.isEmpty()) continue;
            lxw_error rc = LXW_NO_ERROR;
            const bool numeric = c < int(table.numeric.size()) && table.numeric[size_t(c)];
            const std::optional<double> number = numeric ? parseDisplayedNumber(cell) : std::nullopt;
            if (number)
                rc = worksheet_write_number(ws, xr, lxw_col_t(c), *number, numberFormat(displayedDecimals(cell)));
            else
                rc = worksheet_write_string(ws, xr, lxw_col_t(c), cellText(cell).constData(), nullptr);
            if (rc != LXW_NO_ERROR)
                return fail(QStringLiteral("fila %1, columna %2: %3").arg(r + 1).arg(c + 1).arg(QString::fromUtf8(lxw_strerror(rc))));
            widths[size_t(c)] = std::max(widths[size_t(c)], cell.size());
        }
    }
    for (int c = 0; c < columns; ++c)
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), double(std::clamp<qsizetype>(widths[size_t(c)], 8, 60)) + 2, nullptr);
    worksheet_freeze_panes(ws, 1, 0);

    const lxw_error rc = workbook_close(wb.release());
    if (rc != LXW_NO_ERROR) return fail(QString::fromUtf8(lxw_strerror(rc)));
    return true;
}

}  // namespace ledgrix
