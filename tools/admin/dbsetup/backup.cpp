#include "tools/admin/dbsetup/backup.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <filesystem>

namespace ledgrix::dbsetup {
namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

Result runGbak(const QStringList& arguments, const QString& what) {
    const QString exe = QStandardPaths::findExecutable(QStringLiteral("gbak"));
    if (exe.isEmpty())
        return {false, QStringLiteral("No se encontró el programa gbak de Firebird en el PATH; "
                                      "instale las utilidades de Firebird.")};
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(exe, QStringList{QStringLiteral("-user"), QStringLiteral("SYSDBA")} + arguments);
    if (!p.waitForStarted())
        return {false, QStringLiteral("No se pudo ejecutar %1: %2").arg(exe, p.errorString())};
    p.closeWriteChannel();
    if (!p.waitForFinished(4 * 60 * 60 * 1000)) {
        p.kill();
        p.waitForFinished();
        return {false, QStringLiteral("%1 no terminó a tiempo.").arg(what)};
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        const QString out = QString::fromLocal8Bit(p.readAll()).trimmed();
        return {false, QStringLiteral("Falló %1:\n%2").arg(what, out)};
    }
    return {true, {}};
}

Result moveIntoPlace(const QString& from, const QString& to) {
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(from).toStdString(),
                            QFile::encodeName(to).toStdString(), ec);
    if (ec) {
        QFile::remove(from);
        return {false, QStringLiteral("No se pudo escribir %1: %2")
                           .arg(native(to), QString::fromLocal8Bit(ec.message().c_str()))};
    }
    return {true, {}};
}

}  // namespace

Result backupDatabase(const QString& database, const QString& backupFile) {
    if (!QFileInfo::exists(database))
        return {false, QStringLiteral("No existe la base de datos %1.").arg(native(database))};
    const QString temp = backupFile + QStringLiteral(".parcial");
    QFile::remove(temp);
    Result r = runGbak({QStringLiteral("-b"), database, temp},
                       QStringLiteral("el respaldo de %1").arg(native(database)));
    if (!r.ok) {
        QFile::remove(temp);
        return r;
    }
    if (r = moveIntoPlace(temp, backupFile); !r.ok)
        return r;
    return {true, QStringLiteral("Respaldo escrito en %1.").arg(native(backupFile))};
}

Result restoreDatabase(const QString& backupFile, const QString& database, bool replace) {
    if (!QFileInfo::exists(backupFile))
        return {false,
                QStringLiteral("No existe el archivo de respaldo %1.").arg(native(backupFile))};
    if (QFileInfo::exists(database) && !replace)
        return {false, QStringLiteral(
                           "La base de datos %1 ya existe. Use --reemplazar para crearla de nuevo.")
                           .arg(native(database))};
    const QString folder = QFileInfo(database).absolutePath();
    if (!QDir().mkpath(folder))
        return {false, QStringLiteral("No se pudo crear la carpeta %1.").arg(native(folder))};
    const QString temp = database + QStringLiteral(".nueva");
    QFile::remove(temp);
    Result r = runGbak({QStringLiteral("-c"), backupFile, temp},
                       QStringLiteral("la restauración de %1").arg(native(backupFile)));
    if (!r.ok) {
        QFile::remove(temp);
        return r;
    }
    if (r = moveIntoPlace(temp, database); !r.ok)
        return r;
    return {true, QStringLiteral("Base de datos restaurada en %1.").arg(native(database))};
}

}  // namespace ledgrix::dbsetup
