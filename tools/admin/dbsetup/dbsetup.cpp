#include "tools/admin/dbsetup/dbsetup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <filesystem>

#include "core/services/clock.h"
#include "core/services/paths.h"
#include "core/sql/sqltext.h"
#include "tools/admin/dbsetup/connection.h"
#include "tools/admin/dbsetup/password.h"
#include "tools/admin/dbsetup/scripts.h"

namespace ledgrix::dbsetup {
namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

Result alreadyExists(const QString& path) {
    return {false,
            QStringLiteral("La base de datos %1 ya existe. Use --reemplazar para crearla de nuevo.")
                .arg(native(path))};
}

// Databases are built in a file beside the target and moved over it only
// when complete, so a failing script never leaves a half-built database and
// --reemplazar loses the old one only once the new one is ready.
QString buildingPath(const QString& target) {
    return target + QStringLiteral(".nueva");
}

Result moveIntoPlace(const QString& built, const QString& target) {
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(built).toStdString(),
                            QFile::encodeName(target).toStdString(), ec);
    if (ec)
        return {false, QStringLiteral("No se pudo reemplazar %1: %2")
                           .arg(native(target), QString::fromLocal8Bit(ec.message().c_str()))};
    return {true, {}};
}

Result build(const QString& target, const QStringList& folders, const QString& extraStatements) {
    const QString temp = buildingPath(target);
    QFile::remove(temp);  // left by an interrupted run
    Result r = scripts::createDatabase(temp);
    for (const QString& folder : folders) {
        if (!r.ok)
            break;
        r = scripts::runFolder(temp, folder);
    }
    // The programs connect as the user's own code, not SYSDBA: every object the
    // folders created is granted to PUBLIC once they have all run.
    if (r.ok && !folders.isEmpty())
        r = scripts::runFile(temp, QFileInfo(folders.first()).dir().filePath(QStringLiteral("permisos.sql")));
    if (r.ok && !extraStatements.isEmpty())
        r = scripts::runText(temp, extraStatements);
    if (!r.ok)
        QFile::remove(temp);
    return r;
}

// Database files can be checked, built and moved only on this workstation.
Result checkLocalLocation(const QString& location) {
    if (location.trimmed().isEmpty())
        return {false, QStringLiteral("Indique la ubicación de las bases de datos.")};
    if (paths::isServerLocation(location))
        return {false,
                QStringLiteral("Las bases de datos se crean en una carpeta de este equipo; "
                               "\"%1\" es una ubicación de servidor. Créelas en la carpeta del "
                               "servidor desde ese equipo.")
                    .arg(location)};
    return {true, {}};
}

Result makeFolderFor(const QString& file) {
    const QString dir = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(dir))
        return {false, QStringLiteral("No se pudo crear la carpeta %1.").arg(native(dir))};
    return {true, {}};
}

// The columns are ISO8859_1: anything beyond it cannot be stored.
bool fitsLatin1(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

Result checkName(const QString& name, int maxLength, const QString& what) {
    if (name.isEmpty())
        return {false, QStringLiteral("Indique el nombre %1.").arg(what)};
    if (name.size() > maxLength)
        return {
            false,
            QStringLiteral("El nombre %1 tiene más de %2 caracteres.").arg(what).arg(maxLength)};
    if (!fitsLatin1(name))
        return {false,
                QStringLiteral(
                    "El nombre %1 contiene caracteres que la base de datos no puede guardar.")
                    .arg(what)};
    return {true, {}};
}

// The code names a folder of the location, so nothing that could leave it.
bool validCompanyCode(const QString& code) {
    static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9_-]{1,10}$"));
    return re.match(code).hasMatch();
}

// The code is also the engine's user name, written unquoted in statements.
bool validUserCode(const QString& code) {
    static const QRegularExpression re(QStringLiteral("^[A-Z][A-Z0-9_]{0,9}$"));
    return re.match(code).hasMatch();
}

struct Failure {
    QString message;
};

void run(QSqlDatabase db, const QString& statement) {
    QString error;
    if (!exec(db, statement, &error))
        throw Failure{error};
}

bool exists(QSqlDatabase db, const QString& select) {
    QSqlQuery q(db);
    if (!q.exec(select))
        throw Failure{q.lastError().databaseText()};
    return q.next();
}

Result writeUser(QSqlDatabase general, QSqlDatabase company, const QString& companyCode,
                 const QString& code, const QString& name, const QString& password,
                 bool administrator, bool server) {
    const QString quotedCode = sql::quoted(code);
    try {
        if (!exists(general, QStringLiteral("select 1 from COMPANIA where COMP_COD = ") +
                                 sql::quoted(companyCode)))
            return {false,
                    QStringLiteral("La compañía %1 no está registrada en la base de datos general.")
                        .arg(companyCode)};
        if (exists(general, QStringLiteral("select 1 from COMPANIA_USUARIO where COMP_COD = ") +
                                sql::quoted(companyCode) + QStringLiteral(" and USUA_COD = ") +
                                quotedCode))
            return {false, QStringLiteral("El usuario %1 ya tiene acceso a la compañía %2.")
                               .arg(code, companyCode)};
        // On a server the engine itself checks the password at every connection.
        if (server)
            run(general, QStringLiteral("create or alter user %1 password %2")
                             .arg(code, sql::quoted(password)));

        general.transaction();
        company.transaction();
        const QDate today = SystemClock().today();
        if (!exists(company,
                    QStringLiteral("select 1 from USUARIO where USER_COD = ") + quotedCode))
            run(company,
                QStringLiteral("insert into USUARIO (USER_COD, USER_ANOCNT, USER_PERCNT, SUCU_ID) "
                               "values (%1, %2, %3, 0)")
                    .arg(quotedCode, sql::quoted(QString::number(today.year())),
                         sql::number(today.month())));
        const QString salt = newSalt();
        run(general,
            QStringLiteral(
                "update or insert into USUARIO (USUA_COD, USUA_NOMBRE, USUA_ADMIN, USUA_SAL, "
                "USUA_CLAVE) values (%1, %2, %3, %4, %5) matching (USUA_COD)")
                .arg(quotedCode, sql::quoted(name),
                     sql::quoted(administrator ? QStringLiteral("S") : QStringLiteral("N")),
                     sql::quoted(salt), sql::quoted(passwordHash(salt, password))));
        run(general,
            QStringLiteral("insert into COMPANIA_USUARIO (COMP_COD, USUA_COD) values (%1, %2)")
                .arg(sql::quoted(companyCode), quotedCode));
        if (!company.commit())
            throw Failure{company.lastError().databaseText()};
        if (!general.commit())
            throw Failure{general.lastError().databaseText()};
    } catch (const Failure& f) {
        company.rollback();
        general.rollback();
        return {false,
                QStringLiteral("No se pudo registrar el usuario %1: %2").arg(code, f.message)};
    }
    return {true,
            QStringLiteral("Usuario %1 registrado en la compañía %2.").arg(code, companyCode)};
}

}  // namespace

Result createGeneral(const QString& location, const Options& options) {
    if (Result r = checkLocalLocation(location); !r.ok)
        return r;
    const QString target = paths::generalDatabase(location);
    if (QFileInfo::exists(target) && !options.replace)
        return alreadyExists(target);
    if (Result r = makeFolderFor(target); !r.ok)
        return r;
    if (Result r = build(target, {options.scriptsDir + QStringLiteral("/general")}, {}); !r.ok)
        return r;
    if (Result r = moveIntoPlace(buildingPath(target), target); !r.ok)
        return r;
    return {true, QStringLiteral("Base de datos general creada: %1").arg(native(target))};
}

Result createCompany(const QString& location, const QString& company, const QString& name,
                     const Options& options) {
    if (Result r = checkLocalLocation(location); !r.ok)
        return r;
    if (!validCompanyCode(company))
        return {false,
                QStringLiteral("El código de compañía \"%1\" no es válido: use de 1 a 10 letras, "
                               "dígitos, - o _.")
                    .arg(company)};
    const QString companyName = name.trimmed();
    if (Result r = checkName(companyName, 80, QStringLiteral("de la compañía")); !r.ok)
        return r;
    const QString general = paths::generalDatabase(location);
    if (!QFileInfo::exists(general))
        return {false, QStringLiteral(
                           "No existe la base de datos general %1; créela antes que la compañía.")
                           .arg(native(general))};
    const QString target = paths::companyDatabase(location, company);
    if (QFileInfo::exists(target) && !options.replace)
        return alreadyExists(target);
    if (Result r = makeFolderFor(target); !r.ok)
        return r;

    const QString setName =
        QStringLiteral(
            "update CONFIGURACION set CONF_VALOR = %1 where CONF_MODULO = 'GENERAL' "
            "and CONF_CATEGORIA = 'GENERAL' and CONF_PROPIEDAD = 'NOMBRE COMPANIA';")
            .arg(sql::quoted(companyName));
    Result r = build(target,
                     {options.scriptsDir + QStringLiteral("/company"),
                      options.scriptsDir + QStringLiteral("/company/data")},
                     setName);
    if (!r.ok)
        return r;
    // A recreated company has lost its user rows; links to it would let
    // users in whom the company no longer knows.
    const QString register_ = QStringLiteral(
                                  "update or insert into COMPANIA (COMP_COD, COM_NOMBRE) values "
                                  "(%1, %2) matching (COMP_COD);\n"
                                  "delete from COMPANIA_USUARIO where COMP_COD = %1;")
                                  .arg(sql::quoted(company), sql::quoted(companyName));
    r = scripts::runText(general, register_);
    if (!r.ok) {
        QFile::remove(buildingPath(target));
        return r;
    }
    if (r = moveIntoPlace(buildingPath(target), target); !r.ok)
        return r;
    return {true, QStringLiteral("Compañía %1 creada: %2").arg(company, native(target))};
}

Result addUser(const QString& location, const QString& company, const QString& user,
               const QString& name, const QString& password, bool administrator) {
    const QString code = user.trimmed().toUpper();
    if (!validUserCode(code))
        return {false,
                QStringLiteral(
                    "El código de usuario \"%1\" no es válido: use de 1 a 10 letras, dígitos "
                    "o _, empezando por una letra.")
                    .arg(user)};
    const QString userName = name.trimmed();
    if (Result r = checkName(userName, 60, QStringLiteral("del usuario")); !r.ok)
        return r;
    if (password.isEmpty())
        return {false, QStringLiteral("La clave del usuario no puede estar vacía.")};
    if (!validCompanyCode(company))
        return {false, QStringLiteral("El código de compañía \"%1\" no es válido.").arg(company)};

    const bool server = paths::isServerLocation(location);
    const QString generalDb = paths::generalDatabase(location);
    const QString companyDb = paths::companyDatabase(location, company);
    if (!server) {
        if (!QFileInfo::exists(generalDb))
            return {
                false,
                QStringLiteral("No existe la base de datos general %1.").arg(native(generalDb))};
        if (!QFileInfo::exists(companyDb))
            return {false, QStringLiteral("No existe la base de datos de la compañía %1 (%2).")
                               .arg(company, native(companyDb))};
    }
    // Embedded, the engine asks no password; a server takes SYSDBA's from
    // the environment variable its own tools read.
    const QString sysdbaPassword = server ? qEnvironmentVariable("ISC_PASSWORD") : QString();
    ScopedConnection general(generalDb, QStringLiteral("SYSDBA"), sysdbaPassword);
    if (!general.open())
        return {
            false,
            QStringLiteral("No se pudo abrir la base de datos general: %1").arg(general.error())};
    ScopedConnection companyCon(companyDb, QStringLiteral("SYSDBA"), sysdbaPassword);
    if (!companyCon.open())
        return {false, QStringLiteral("No se pudo abrir la base de datos de la compañía %1: %2")
                           .arg(company, companyCon.error())};
    return writeUser(general.db(), companyCon.db(), company, code, userName, password,
                     administrator, server);
}

Result createDemo(const QString& location, const Options& options) {
    if (Result r = checkLocalLocation(location); !r.ok)
        return r;
    const QString company = QString::fromLatin1(kDemoCompany);
    const QString general = paths::generalDatabase(location);
    const QString companyDb = paths::companyDatabase(location, company);
    if (!options.replace) {
        for (const QString& target : {general, companyDb})
            if (QFileInfo::exists(target))
                return alreadyExists(target);
    }
    // Everything is built in a scratch location first, so a failure leaves
    // an existing installation as it was.
    const QString stage = location + QStringLiteral("/.demo-en-construccion");
    QDir(stage).removeRecursively();
    Options fresh = options;
    fresh.replace = true;
    auto install = [&]() -> Result {
        if (Result r = createGeneral(stage, fresh); !r.ok)
            return r;
        if (Result r = createCompany(stage, company,
                                     QStringLiteral("Comercializadora Andina S.A.S."), fresh);
            !r.ok)
            return r;
        if (Result r = addUser(stage, company, QString::fromLatin1(kDemoAdmin),
                               QStringLiteral("Administrador del sistema"),
                               QString::fromLatin1(kDemoAdminPassword), true);
            !r.ok)
            return r;
        if (Result r = addUser(stage, company, QString::fromLatin1(kDemoClerk),
                               QStringLiteral("Auxiliar de cuentas por pagar"),
                               QString::fromLatin1(kDemoClerkPassword), false);
            !r.ok)
            return r;
        if (Result r = scripts::runFolder(paths::generalDatabase(stage),
                                          options.scriptsDir + QStringLiteral("/demo/general"));
            !r.ok)
            return r;
        if (Result r = scripts::runFolder(paths::companyDatabase(stage, company),
                                          options.scriptsDir + QStringLiteral("/demo"));
            !r.ok)
            return r;
        // The report layouts, where a technician edits them; a copy already
        // there may hold such edits and stays.
        const QDir layouts(options.scriptsDir + QStringLiteral("/../reports/reportes"));
        const QString reportes = location + QStringLiteral("/cxpagar/reportes");
        for (const QString& f :
             layouts.entryList({QStringLiteral("*.lrep"), QStringLiteral("*.mds")}, QDir::Files)) {
            const QString destino = reportes + QLatin1Char('/') + f;
            if (!QFileInfo::exists(destino) &&
                !(QDir().mkpath(reportes) && QFile::copy(layouts.filePath(f), destino)))
                return {false,
                        QStringLiteral("No se pudo copiar el reporte %1.").arg(native(destino))};
        }
        if (Result r = makeFolderFor(companyDb); !r.ok)
            return r;
        if (Result r = moveIntoPlace(paths::generalDatabase(stage), general); !r.ok)
            return r;
        return moveIntoPlace(paths::companyDatabase(stage, company), companyDb);
    };
    Result r = install();
    QDir(stage).removeRecursively();
    if (!r.ok)
        return r;
    return {true, QStringLiteral(
                      "Compañía de demostración %1 instalada en %2. Usuarios: %3 (clave \"%4\", "
                      "administrador) y %5 (clave \"%6\").")
                      .arg(company, native(location), QString::fromLatin1(kDemoAdmin),
                           QString::fromLatin1(kDemoAdminPassword), QString::fromLatin1(kDemoClerk),
                           QString::fromLatin1(kDemoClerkPassword))};
}

}  // namespace ledgrix::dbsetup
