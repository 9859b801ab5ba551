#include "tools/admin/commands.h"

#include <functional>

#include "core/login/clave.h"
#include "core/services/clock.h"
#include "tools/admin/dbsetup/backup.h"
#include "tools/admin/dbsetup/dbsetup.h"
#include "tools/admin/historia/historia.h"

namespace ledgrix::admin {
namespace {

const char* const kUsage =
    "Uso: ledgrix-admin <comando> <argumentos>\n"
    "\n"
    "Comandos:\n"
    "  general <ubicacion> [--reemplazar]\n"
    "      Crea la base de datos general (usuarios y compañías) en <ubicacion>/datos/general.fdb.\n"
    "  compania <ubicacion> <codigo> <nombre> [--reemplazar]\n"
    "      Crea la base de datos de una compañía en <ubicacion>/datos/<codigo>/ledgrix.fdb\n"
    "      con sus tablas y datos básicos, y la registra en la base de datos general.\n"
    "  usuario <ubicacion> <compania> <codigo> <nombre> <clave> [--admin]\n"
    "      Registra un usuario con acceso a la compañía; --admin lo hace administrador.\n"
    "  demo <ubicacion> [--reemplazar]\n"
    "      Instala la compañía de demostración 001 con los usuarios ADMIN (clave admin)\n"
    "      y AUXILIAR (clave auxiliar), con unos meses de facturas de compra y cargos\n"
    "      hasta el día de hoy.\n"
    "  respaldo <archivo.fdb> <archivo.fbk>\n"
    "      Respalda una base de datos con gbak.\n"
    "  restaurar <archivo.fbk> <archivo.fdb> [--reemplazar]\n"
    "      Restaura un respaldo de gbak en una base de datos nueva.\n"
    "  embrollar <clave>\n"
    "      Escribe la clave como la recibe el módulo en su línea de órdenes.\n"
    "\n"
    "Sin --reemplazar una base de datos existente no se toca.\n"
    "  --ayuda  muestra este texto.\n";

struct Command {
    QString name;
    int arguments;
    QStringList options;  // accepted switches
    std::function<dbsetup::Result(const QStringList&, const QStringList&)> run;
};

dbsetup::Options withReplace(const QStringList& switches) {
    dbsetup::Options o;
    o.replace = switches.contains(QStringLiteral("--reemplazar"));
    return o;
}

const QList<Command>& commands() {
    static const QList<Command> list{
        {QStringLiteral("general"),
         1,
         {QStringLiteral("--reemplazar")},
         [](const QStringList& a, const QStringList& s) {
             return dbsetup::createGeneral(a[0], withReplace(s));
         }},
        {QStringLiteral("compania"),
         3,
         {QStringLiteral("--reemplazar")},
         [](const QStringList& a, const QStringList& s) {
             return dbsetup::createCompany(a[0], a[1], a[2], withReplace(s));
         }},
        {QStringLiteral("usuario"),
         5,
         {QStringLiteral("--admin")},
         [](const QStringList& a, const QStringList& s) {
             return dbsetup::addUser(a[0], a[1], a[2], a[3], a[4],
                                     s.contains(QStringLiteral("--admin")));
         }},
        {QStringLiteral("demo"),
         1,
         {QStringLiteral("--reemplazar")},
         [](const QStringList& a, const QStringList& s) {
             return historia::instaleDemo(a[0], withReplace(s), SystemClock().today());
         }},
        {QStringLiteral("respaldo"),
         2,
         {},
         [](const QStringList& a, const QStringList&) {
             return dbsetup::backupDatabase(a[0], a[1]);
         }},
        {QStringLiteral("restaurar"),
         2,
         {QStringLiteral("--reemplazar")},
         [](const QStringList& a, const QStringList& s) {
             return dbsetup::restoreDatabase(a[0], a[1],
                                             s.contains(QStringLiteral("--reemplazar")));
         }},
        {QStringLiteral("embrollar"),
         1,
         {},
         [](const QStringList& a, const QStringList&) {
             return dbsetup::Result{true, embrolle_clave(a[0])};
         }},
    };
    return list;
}

Outcome refuse(const QString& message) {
    return {1, {}, message + QStringLiteral("\n\n") + QString::fromUtf8(kUsage)};
}

}  // namespace

Outcome runCommand(const QStringList& arguments) {
    if (arguments.isEmpty())
        return refuse(QStringLiteral("Falta el comando."));
    if (arguments.contains(QStringLiteral("--ayuda")))
        return {0, QString::fromUtf8(kUsage), {}};

    const QString name = arguments.first();
    const Command* command = nullptr;
    for (const Command& c : commands())
        if (c.name == name)
            command = &c;
    if (!command)
        return refuse(QStringLiteral("Comando desconocido: %1").arg(name));

    QStringList positional, switches;
    for (const QString& a : arguments.mid(1)) {
        if (!a.startsWith(QStringLiteral("--"))) {
            positional << a;
        } else if (command->options.contains(a)) {
            switches << a;
        } else {
            return refuse(QStringLiteral("Opción desconocida para %1: %2").arg(name, a));
        }
    }
    if (positional.size() != command->arguments)
        return refuse(QStringLiteral("El comando %1 necesita %2 argumentos y recibió %3.")
                          .arg(name)
                          .arg(command->arguments)
                          .arg(positional.size()));

    const dbsetup::Result r = command->run(positional, switches);
    if (!r.ok)
        return {1, {}, r.message + QLatin1Char('\n')};
    return {0, r.message + QLatin1Char('\n'), {}};
}

}  // namespace ledgrix::admin
