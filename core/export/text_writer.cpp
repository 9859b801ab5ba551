#include "core/export/export_writers.h"

namespace ledgrix {

QString toTabSeparated(const ExportTable& table, bool withTitles) {
    auto oneLine = [](QString cell) {
        cell.replace(QLatin1String("\r\n"), QLatin1String(" "));
        for (QChar& ch : cell)
            if (ch == QLatin1Char('\t') || ch == QLatin1Char('\n') || ch == QLatin1Char('\r')) ch = QLatin1Char(' ');
        return cell;
    };
    auto line = [&](const QStringList& cells) {
        QStringList clean;
        clean.reserve(cells.size());
        for (const QString& c : cells) clean << oneLine(c);
        return clean.join(QLatin1Char('\t')) + QLatin1String("\r\n");
    };
    QString out;
    if (withTitles) out += line(table.titles);
    for (const QStringList& row : table.rows) out += line(row);
    return out;
}

bool writeText(const ExportTable& table, const QString& path, QString* error) {
    return exportdetail::saveBytes(path, toTabSeparated(table, true).toUtf8(), error);
}

}  // namespace ledgrix
