#include "core/export/export_writers.h"

namespace ledgrix {

namespace {

QString csvField(const QString& cell) {
    static const QString special = QStringLiteral(",\"\r\n");
    bool quote = false;
    for (QChar ch : cell)
        if (special.contains(ch)) {
            quote = true;
            break;
        }
    // Leading or trailing blanks are trimmed by some readers unless quoted.
    if (!cell.isEmpty() && (cell.front().isSpace() || cell.back().isSpace())) quote = true;
    if (!quote) return cell;
    QString out = cell;
    out.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

void appendRecord(QString& out, const QStringList& cells) {
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i) out += QLatin1Char(',');
        out += csvField(cells[i]);
    }
    out += QLatin1String("\r\n");
}

}  // namespace

bool writeCsv(const ExportTable& table, const QString& path, QString* error) {
    QString out;
    appendRecord(out, table.titles);
    for (const QStringList& row : table.rows) appendRecord(out, row);
    // Without the byte-order mark spreadsheet programs read the file in the
    // machine's code page and accents come out garbled.
    QByteArray bytes("\xEF\xBB\xBF");
    bytes += out.toUtf8();
    return exportdetail::saveBytes(path, bytes, error);
}

}  // namespace ledgrix
