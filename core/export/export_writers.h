#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/export/export_table.h"

namespace ledgrix {

enum class ExportFormat { Text, Csv, Html, Rtf, Xlsx };

// File extension without the dot ("xlsx").
QString extensionOf(ExportFormat format);
// Filter line for a save dialog ("Libro de Excel (*.xlsx)").
QString dialogFilterOf(ExportFormat format);
// Every format's filter line, in the order of ExportFormat.
QStringList exportDialogFilters();
// The format a chosen filter line or a file name stands for; nothing when the
// extension is not one we write.
std::optional<ExportFormat> formatFromFilter(const QString& filter);
std::optional<ExportFormat> formatFromPath(const QString& path);

// The name a save dialog proposes: the window's title made safe for a file
// name, plus the extension.
QString nombreArchivoPorDefecto(const QString& windowTitle, const QString& extension);

// Tab-separated lines, titles first when asked; what the clipboard receives
// and what a .txt export holds. Tabs and line breaks inside a cell become
// spaces so each row stays one line.
QString toTabSeparated(const ExportTable& table, bool withTitles);

// A complete UTF-8 HTML document holding the table; also what prints.
QString toHtmlDocument(const ExportTable& table);

// Writers: true on success; on failure `error` (when given) says why and no
// partial file is left behind for the text formats.
bool writeText(const ExportTable& table, const QString& path, QString* error = nullptr);
bool writeCsv(const ExportTable& table, const QString& path, QString* error = nullptr);
bool writeHtml(const ExportTable& table, const QString& path, QString* error = nullptr);
bool writeRtf(const ExportTable& table, const QString& path, QString* error = nullptr);
bool writeXlsx(const ExportTable& table, const QString& path, QString* error = nullptr);
bool writeExport(const ExportTable& table, ExportFormat format, const QString& path, QString* error = nullptr);

namespace exportdetail {
// Writes the whole file or nothing at all.
bool saveBytes(const QString& path, const QByteArray& bytes, QString* error);
}

}  // namespace ledgrix
