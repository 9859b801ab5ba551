#include "core/export/export_writers.h"

namespace ledgrix {

namespace {

QString htmlCell(const QString& text) {
    QString out = text.toHtmlEscaped();
    out.replace(QLatin1String("\r\n"), QLatin1String("<br/>"));
    out.replace(QLatin1Char('\n'), QLatin1String("<br/>"));
    out.replace(QLatin1Char('\r'), QLatin1String("<br/>"));
    return out;
}

}  // namespace

QString toHtmlDocument(const ExportTable& table) {
    // Well-formed XHTML-style markup: browsers and spreadsheet programs read it
    // and so does any XML tool.
    QString out;
    out += QLatin1String("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\"/>\n<title>");
    out += htmlCell(table.title);
    out += QLatin1String(
        "</title>\n<style>table{border-collapse:collapse;font-family:sans-serif;font-size:10pt}"
        "th,td{border:1px solid #999;padding:2px 6px;vertical-align:top}th{background:#ddd}"
        ".n{text-align:right;white-space:nowrap}</style>\n</head>\n<body>\n<table>\n<thead>\n<tr>");
    for (const QString& t : table.titles) out += QLatin1String("<th>") + htmlCell(t) + QLatin1String("</th>");
    out += QLatin1String("</tr>\n</thead>\n<tbody>\n");
    for (const QStringList& row : table.rows) {
        out += QLatin1String("<tr>");
        for (qsizetype c = 0; c < row.size(); ++c) {
            const bool numeric = c < qsizetype(table.numeric.size()) && table.numeric[size_t(c)];
            out += numeric ? QLatin1String("<td class=\"n\">") : QLatin1String("<td>");
            out += htmlCell(row[c]) + QLatin1String("</td>");
        }
        out += QLatin1String("</tr>\n");
    }
    out += QLatin1String("</tbody>\n</table>\n</body>\n</html>\n");
    return out;
}

bool writeHtml(const ExportTable& table, const QString& path, QString* error) {
    return exportdetail::saveBytes(path, toHtmlDocument(table).toUtf8(), error);
}

}  // namespace ledgrix
