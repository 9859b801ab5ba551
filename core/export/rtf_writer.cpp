#include <algorithm>

#include "core/export/export_writers.h"

namespace ledgrix {

namespace {

// RTF is 7-bit: everything past ASCII goes out as \uN? (N a signed 16-bit
// UTF-16 unit, '?' what old readers show instead), so surrogate pairs come
// out as two escapes, which is what word processors expect.
QString rtfText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const char16_t u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += QLatin1Char('\\');
            out += ch;
        } else if (u == '\r') {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
            out += QLatin1String("\\line ");
        } else if (u == '\n') {
            out += QLatin1String("\\line ");
        } else if (u == '\t') {
            out += QLatin1String("\\tab ");
        } else if (u < 0x20) {
            // Other control characters have no place in a cell.
        } else if (u < 0x80) {
            out += ch;
        } else {
            out += QStringLiteral("\\u%1?").arg(static_cast<int16_t>(u));
        }
    }
    return out;
}

}  // namespace

bool writeRtf(const ExportTable& table, const QString& path, QString* error) {
    const int columns = table.columnCount();
    // Column widths in twips from the longest text, within bounds that keep a
    // landscape page readable.
    std::vector<int> right(size_t(columns), 0);
    int edge = 0;
    for (int c = 0; c < columns; ++c) {
        qsizetype chars = table.titles[c].size();
        for (const QStringList& row : table.rows)
            if (c < row.size()) chars = std::max(chars, row[c].size());
        edge += int(std::clamp<qsizetype>(chars, 6, 40)) * 110 + 120;
        right[size_t(c)] = edge;
    }
    auto rowHeader = [&] {
        QString h = QStringLiteral("\\trowd\\trgaph60\\trleft0");
        for (int c = 0; c < columns; ++c)
            h += QStringLiteral("\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                                "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx%1")
                     .arg(right[size_t(c)]);
        return h + QLatin1Char('\n');
    };

    QString out = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl{\\f0\\fswiss Arial;}}\n\\f0\\fs18\n");
    out += rowHeader() + QLatin1String("\\trhdr\n");
    for (int c = 0; c < columns; ++c)
        out += QLatin1String("\\pard\\intbl\\ql\\b ") + rtfText(table.titles[c]) + QLatin1String("\\b0\\cell\n");
    out += QLatin1String("\\row\n");
    for (const QStringList& row : table.rows) {
        out += rowHeader();
        for (int c = 0; c < columns; ++c) {
            const bool numeric = c < int(table.numeric.size()) && table.numeric[size_t(c)];
            out += numeric ? QLatin1String("\\pard\\intbl\\qr ") : QLatin1String("\\pard\\intbl\\ql ");
            out += rtfText(c < row.size() ? row[c] : QString()) + QLatin1String("\\cell\n");
        }
        out += QLatin1String("\\row\n");
    }
    out += QLatin1String("\\pard\n}\n");
    return exportdetail::saveBytes(path, out.toLatin1(), error);
}

}  // namespace ledgrix
