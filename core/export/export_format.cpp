#include <QFileInfo>
#include <QSaveFile>

#include "core/export/export_writers.h"

namespace ledgrix {

namespace {

struct FormatInfo {
    ExportFormat format;
    const char* extension;
    const char* filter;
};

constexpr FormatInfo kFormats[] = {
    {ExportFormat::Text, "txt", "Texto separado por tabulaciones (*.txt)"},
    {ExportFormat::Csv, "csv", "Valores separados por comas (*.csv)"},
    {ExportFormat::Html, "html", "Página web (*.html)"},
    {ExportFormat::Rtf, "rtf", "Texto enriquecido (*.rtf)"},
    {ExportFormat::Xlsx, "xlsx", "Libro de Excel (*.xlsx)"},
};

const FormatInfo& infoOf(ExportFormat format) {
    for (const auto& f : kFormats)
        if (f.format == format) return f;
    return kFormats[0];
}

}  // namespace

QString extensionOf(ExportFormat format) { return QString::fromLatin1(infoOf(format).extension); }

QString dialogFilterOf(ExportFormat format) { return QString::fromUtf8(infoOf(format).filter); }

QStringList exportDialogFilters() {
    QStringList out;
    for (const auto& f : kFormats) out << QString::fromUtf8(f.filter);
    return out;
}

std::optional<ExportFormat> formatFromFilter(const QString& filter) {
    for (const auto& f : kFormats)
        if (filter == QString::fromUtf8(f.filter)) return f.format;
    return std::nullopt;
}

std::optional<ExportFormat> formatFromPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("htm")) return ExportFormat::Html;
    for (const auto& f : kFormats)
        if (suffix == QLatin1String(f.extension)) return f.format;
    return std::nullopt;
}

QString nombreArchivoPorDefecto(const QString& windowTitle, const QString& extension) {
    // Characters Windows refuses in file names, plus control characters.
    QString name;
    for (QChar ch : windowTitle.simplified()) {
        if (ch.unicode() < 32 || QStringLiteral("\\/:*?\"<>|").contains(ch))
            name += QLatin1Char('_');
        else
            name += ch;
    }
    // A trailing dot or space is dropped silently by Windows; do it here so
    // the proposed name is the name the file gets.
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '))) name.chop(1);
    if (name.isEmpty()) name = QStringLiteral("Exportacion");
    QString ext = extension;
    if (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
    return ext.isEmpty() ? name : name + QLatin1Char('.') + ext;
}

bool writeExport(const ExportTable& table, ExportFormat format, const QString& path, QString* error) {
    switch (format) {
    case ExportFormat::Text: return writeText(table, path, error);
    case ExportFormat::Csv: return writeCsv(table, path, error);
    case ExportFormat::Html: return writeHtml(table, path, error);
    case ExportFormat::Rtf: return writeRtf(table, path, error);
    case ExportFormat::Xlsx: return writeXlsx(table, path, error);
    }
    return false;
}

namespace exportdetail {

bool saveBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) *error = QStringLiteral("No se pudo escribir el archivo %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace exportdetail

}  // namespace ledgrix
