#include "tools/admin/dbsetup/scripts.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "core/sql/sqltext.h"

namespace ledgrix::dbsetup::scripts {
namespace {

// Debian installs Firebird's isql as isql-fb because unixODBC owns "isql";
// a Windows installation calls it isql.exe.
QString isqlProgram() {
    QString exe = QStandardPaths::findExecutable(QStringLiteral("isql-fb"));
#ifdef Q_OS_WIN
    if (exe.isEmpty())
        exe = QStandardPaths::findExecutable(QStringLiteral("isql"));
#endif
    return exe;
}

// The scripts are UTF-8 files; -ch UTF8 makes the engine transliterate their
// accents into the ISO8859_1 columns. -b stops at the first failing statement.
Result runIsql(const QStringList& arguments, const QString& what) {
    const QString exe = isqlProgram();
    if (exe.isEmpty())
        return {false, QStringLiteral("No se encontró el programa isql-fb de Firebird en el PATH; "
                                      "instale las utilidades de Firebird.")};
    QProcess p;
    p.start(exe, QStringList{QStringLiteral("-b"), QStringLiteral("-q"), QStringLiteral("-ch"),
                             QStringLiteral("UTF8")} +
                     arguments);
    if (!p.waitForStarted())
        return {false, QStringLiteral("No se pudo ejecutar %1: %2").arg(exe, p.errorString())};
    p.closeWriteChannel();
    // A large data script on a slow disk takes minutes, never hours.
    if (!p.waitForFinished(30 * 60 * 1000)) {
        p.kill();
        p.waitForFinished();
        return {false, QStringLiteral("%1 no terminó a tiempo.").arg(what)};
    }
    const QString err = QString::fromUtf8(p.readAllStandardError()).trimmed();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 || !err.isEmpty()) {
        QString detail =
            err.isEmpty() ? QString::fromUtf8(p.readAllStandardOutput()).trimmed() : err;
        if (detail.isEmpty())
            detail = QStringLiteral("isql terminó con código %1").arg(p.exitCode());
        return {false, QStringLiteral("Falló %1:\n%2").arg(what, detail)};
    }
    return {true, {}};
}

QStringList onDatabase(const QString& database, const QString& script) {
    return {QStringLiteral("-user"), QStringLiteral("SYSDBA"), QStringLiteral("-i"), script,
            database};
}

// `database` empty: the script opens or creates its own.
Result runTemporary(const QString& text, const QString& database, const QString& what) {
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/ledgrix-XXXXXX.sql"));
    if (!file.open() || file.write(text.toUtf8()) < 0 || !file.flush())
        return {false,
                QStringLiteral("No se pudo escribir el script temporal %1.").arg(file.fileName())};
    file.close();
    return runIsql(database.isEmpty() ? QStringList{QStringLiteral("-i"), file.fileName()}
                                      : onDatabase(database, file.fileName()),
                   what);
}

}  // namespace

QStringList files(const QString& folder) {
    QDir dir(folder);
    QStringList out;
    for (const QString& name : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name))
        out << dir.filePath(name);
    return out;
}

Result createDatabase(const QString& database) {
    const QString text = QStringLiteral(
                             "CREATE DATABASE %1 USER 'SYSDBA' PAGE_SIZE 8192 "
                             "DEFAULT CHARACTER SET ISO8859_1;\n")
                             .arg(sql::quoted(database));
    return runTemporary(text, QString(), QStringLiteral("la creación de %1").arg(database));
}

Result runFile(const QString& database, const QString& file) {
    return runIsql(onDatabase(database, file),
                   QStringLiteral("el script %1").arg(QDir::toNativeSeparators(file)));
}

Result runFolder(const QString& database, const QString& folder) {
    if (!QDir(folder).exists())
        return {false, QStringLiteral("No existe la carpeta de scripts %1.")
                           .arg(QDir::toNativeSeparators(folder))};
    for (const QString& file : files(folder)) {
        Result r = runFile(database, file);
        if (!r.ok)
            return r;
    }
    return {true, {}};
}

Result runText(const QString& database, const QString& statements) {
    return runTemporary(statements + QStringLiteral("\nCOMMIT;\n"), database,
                        QStringLiteral("la actualización de %1").arg(database));
}

}  // namespace ledgrix::dbsetup::scripts
