#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/services/installation.h"
#include "core/services/paths.h"
#include "tests/support/scripted_dialogs.h"

using namespace ledgrix;

namespace {
void write(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}
}  // namespace

TEST(Installation, ConnectionFileLosesItsLastTwoCharacters) {
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    write(dir.filePath(QStringLiteral("conexion.cfg")), "srv:C:\r\n");
    const QString loc = instalacion::lea_conexion(dir.path(), dialogs);
    EXPECT_EQ(loc, QStringLiteral("srv:C:"));
    EXPECT_EQ(paths::companyDatabase(loc, QStringLiteral("001")), QStringLiteral("srv:C:/datos/001/ledgrix.fdb"));
    // Written without a line break, the last two characters are lost all the same.
    write(dir.filePath(QStringLiteral("conexion.cfg")), "/srv/ledgrix");
    EXPECT_EQ(instalacion::lea_conexion(dir.path(), dialogs), QStringLiteral("/srv/ledgr"));
    EXPECT_TRUE(dialogs.errors().isEmpty());
}

TEST(Installation, ArgumentFiveWinsAndAMissingFileIsReported) {
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(instalacion::ubicaciondb(QStringLiteral("/otra"), dir.path(), dialogs), QStringLiteral("/otra"));
    EXPECT_TRUE(dialogs.errors().isEmpty()) << "the file is not read when the argument is given";
    EXPECT_EQ(instalacion::ubicaciondb(QString(), dir.path(), dialogs), QString());
    EXPECT_EQ(dialogs.errors(),
              QStringList{QStringLiteral("No se encontró el archivo de conexión con la base de datos.")});
}

TEST(Installation, DirectoryComesFromTheEnvironmentOrIsReportedMissing) {
    test::ScriptedDialogs dialogs;
    const QByteArray saved = qgetenv("LEDGRIX_DIR");
    qputenv("LEDGRIX_DIR", "/opt/ledgrix");
    EXPECT_EQ(instalacion::Diraplicacion(dialogs), QStringLiteral("/opt/ledgrix"));
    qunsetenv("LEDGRIX_DIR");
    qputenv("XDG_CONFIG_DIRS", "/nonexistent-ledgrix-config");
    EXPECT_EQ(instalacion::Diraplicacion(dialogs), QString());
    EXPECT_EQ(dialogs.errors(), QStringList{QStringLiteral(
                                    "No se encontró la Clave HKEY_LOCAL_MACHINE\\Software\\KVO\\LedgrixERP2022\\Directorio")});
    if (!saved.isEmpty()) qputenv("LEDGRIX_DIR", saved);
}

TEST(Installation, ServerLocationsAreToldFromLocalFolders) {
    EXPECT_TRUE(paths::isServerLocation(QStringLiteral("srv:/var/ledgrix")));
    EXPECT_TRUE(paths::isServerLocation(QStringLiteral("127.0.0.1/3050:/var/ledgrix")));
    EXPECT_FALSE(paths::isServerLocation(QStringLiteral("/var/ledgrix")));
    EXPECT_FALSE(paths::isServerLocation(QStringLiteral("C:/ledgrix")));
}
