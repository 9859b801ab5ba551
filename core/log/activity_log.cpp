#include "core/log/activity_log.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "core/sql/sqltext.h"

namespace ledgrix {

namespace {

QString oneLine(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n]+"));
    QString out = text;
    return out.replace(breaks, QStringLiteral(" "));
}

}  // namespace

ActivityLog::ActivityLog(QString installationDir, const Clock& clock, UserSource user)
    : dir_(std::move(installationDir)), clock_(clock), user_(std::move(user)) {}

QString ActivityLog::errorFile() const {
    return QDir(dir_).filePath(QStringLiteral("ERRORES.TXT"));
}

QString ActivityLog::performanceFile() const {
    return QDir(dir_).filePath(QStringLiteral("RENDIMIENTO.TXT"));
}

QString ActivityLog::stamp() const {
    const QDateTime now = clock_.now();
    return sql::dateText(now.date()) + QLatin1Char(',') +
           now.time().toString(QStringLiteral("HH:mm:ss"));
}

bool ActivityLog::error(const QString& message) const {
    const QString user = user_ ? user_() : QString();
    return append(errorFile(), user + QLatin1Char(',') + oneLine(message));
}

bool ActivityLog::MensajeRend(const QString& text) const {
    return append(performanceFile(), oneLine(text));
}

bool ActivityLog::append(const QString& path, const QString& fields) const {
    // Without a directory the file would land wherever the process happens to run.
    if (dir_.isEmpty())
        return false;
    QFile file(path);
    // Append mode: concurrent sessions on one installation add whole lines
    // rather than overwrite each other.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = (stamp() + QLatin1Char(',') + fields + QLatin1Char('\n')).toUtf8();
    const bool written = file.write(line) == line.size();
    return file.flush() && written;
}

}  // namespace ledgrix
