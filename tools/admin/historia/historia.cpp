#include "tools/admin/historia/historia.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <filesystem>

#include "core/services/paths.h"
#include "core/tfdm/tfdm.h"
#include "tools/admin/dbsetup/scripts.h"
#include "tools/admin/historia/entrada.h"

namespace ledgrix::historia {
namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

int cuantos(const Plan& plan, Clase clase) {
    int n = 0;
    for (const Documento& d : plan.documentos)
        n += d.clase == clase;
    return n;
}

dbsetup::Result entre(const QString& location, const Plan& plan) {
    Mensajes mensajes;
    FixedClock reloj(QDateTime(plan.desde, QTime(8, 0)));
    // The module's logs of the entry are of no use to the installation.
    QTemporaryDir bitacoras;
    Tfdm dm(mensajes, reloj);
    dm.setDirectorio(bitacoras.path());
    const QString usuario = QString::fromLatin1(dbsetup::kDemoAdmin);
    const QString company = QString::fromLatin1(dbsetup::kDemoCompany);
    if (!dm.conecte_compania(paths::companyDatabase(location, company), usuario, {}) ||
        !dm.conecte_general(paths::generalDatabase(location), usuario, {}))
        return {false, QStringLiteral("No se pudo abrir la compañía de demostración. ") +
                           mensajes.primerError};
    dm.cargue_configuracion();
    dm.ctx.usuario = usuario;
    Entrada e{dm, reloj, mensajes, plan, std::vector<qint64>(plan.documentos.size(), 0), {}};
    if (!registreTasas(e) || !registreFacturas(e) || !registreCargos(e) || !registreEgresos(e))
        return {false, e.error};
    return {true, {}};
}

// Every file built in `stage` goes to the same place under `location`. The
// databases replace the old ones; any other file (a report layout a
// technician may have edited) stays where a copy is already installed.
dbsetup::Result mueva(const QString& stage, const QString& location) {
    const QString company = QString::fromLatin1(dbsetup::kDemoCompany);
    const QStringList bases{paths::generalDatabase(stage), paths::companyDatabase(stage, company)};
    QDirIterator it(stage, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString built = it.next();
        const QString target = location + QLatin1Char('/') + QDir(stage).relativeFilePath(built);
        if (!bases.contains(built) && QFileInfo::exists(target))
            continue;
        std::error_code ec;
        if (QDir().mkpath(QFileInfo(target).absolutePath()))
            std::filesystem::rename(QFile::encodeName(built).toStdString(),
                                    QFile::encodeName(target).toStdString(), ec);
        else
            ec = std::make_error_code(std::errc::permission_denied);
        if (ec)
            return {false, QStringLiteral("No se pudo reemplazar %1: %2")
                               .arg(native(target), QString::fromLocal8Bit(ec.message().c_str()))};
    }
    return {true, {}};
}

}  // namespace

dbsetup::Result agregue(const QString& location, const QDate& hoy, const QString& scriptsDir) {
    const QString companyDb =
        paths::companyDatabase(location, QString::fromLatin1(dbsetup::kDemoCompany));
    // The suppliers only the history deals with; the engine holds the file
    // for one process at a time, so they go in before the module connects.
    if (dbsetup::Result r =
            dbsetup::scripts::runFolder(companyDb, scriptsDir + QStringLiteral("/demo/historia"));
        !r.ok)
        return r;
    const Plan plan = planee(hoy);
    if (dbsetup::Result r = entre(location, plan); !r.ok)
        return r;
    return {true,
            QStringLiteral("Historia desde el %1: %2 facturas de compra, %3 cargos y %4 egresos.")
                .arg(plan.desde.toString(QStringLiteral("yyyy/MM/dd")))
                .arg(cuantos(plan, Clase::Factura))
                .arg(cuantos(plan, Clase::Cargo))
                .arg(cuantos(plan, Clase::Egreso))};
}

dbsetup::Result instaleDemo(const QString& location, const dbsetup::Options& options,
                            const QDate& hoy) {
    const QString company = QString::fromLatin1(dbsetup::kDemoCompany);
    // What the demo alone refuses (no location, a server's, an installation
    // not to be replaced) it refuses without touching anything.
    if (location.trimmed().isEmpty() || paths::isServerLocation(location) ||
        (!options.replace && (QFileInfo::exists(paths::generalDatabase(location)) ||
                              QFileInfo::exists(paths::companyDatabase(location, company)))))
        return dbsetup::createDemo(location, options);

    const QString stage = location + QStringLiteral("/.historia-en-construccion");
    QDir(stage).removeRecursively();
    dbsetup::Options fresh = options;
    fresh.replace = true;
    dbsetup::Result demo = dbsetup::createDemo(stage, fresh);
    dbsetup::Result r = demo;
    if (r.ok) {
        r = agregue(stage, hoy, options.scriptsDir);
        if (!r.ok)
            r.message =
                QStringLiteral("No se pudo crear la historia de la demostración: ") + r.message;
    }
    const QString historia = r.message;
    if (r.ok)
        r = mueva(stage, location);
    QDir(stage).removeRecursively();
    if (!r.ok)
        return r;
    return {true,
            demo.message.replace(native(stage), native(location)) + QLatin1Char('\n') + historia};
}

}  // namespace ledgrix::historia
