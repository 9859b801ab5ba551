// Users and their passwords, which the programs check themselves because the
// embedded engine does not; and the round trip of a backup.
#include <QFile>
#include <QTemporaryDir>

#include "core/services/paths.h"
#include "tests/support/testdb.h"
#include "tests/tools/dbhelpers.h"
#include "tools/admin/dbsetup/backup.h"
#include "tools/admin/dbsetup/dbsetup.h"
#include "tools/admin/dbsetup/password.h"

namespace ledgrix::test {
namespace {

using dbsetup::ScopedConnection;

class Users : public ::testing::Test {
  protected:
    void SetUp() override {
        inst_ = TestInstallation::create();
        ASSERT_TRUE(inst_);
    }
    QString loc() const { return inst_->location(); }
    std::unique_ptr<TestInstallation> inst_;
};

TEST_F(Users, DemoPasswordsAreCheckedByTheProgram) {
    // User codes are the engine's, which ignores case; passwords do not.
    for (const auto& [user, password, right] :
         {std::tuple{"ADMIN", "admin", true}, {"auxiliar", "auxiliar", true}, {"ADMIN", "Admin", false},
          {"ADMIN", "", false}, {"AUXILIAR", "admin", false}, {"NADIE", "admin", false}})
        EXPECT_EQ(dbsetup::checkPassword(loc(), QString::fromLatin1(user), QString::fromLatin1(password)),
                  right)
            << user << "/" << password;
    EXPECT_FALSE(dbsetup::checkPassword(loc() + QStringLiteral("/no-existe"),
                                        QStringLiteral("ADMIN"), QStringLiteral("admin")));
}

TEST_F(Users, NewUserWithAccentsGetsHisOwnSaltAndAllHisRows) {
    const QString password = QStringLiteral("Contraseña Ñandú ü");
    const dbsetup::Result r =
        dbsetup::addUser(loc(), QStringLiteral("001"), QStringLiteral("jnunez"),
                         QStringLiteral("José Núñez"), password, false);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    ASSERT_TRUE(dbsetup::addUser(loc(), QStringLiteral("001"), QStringLiteral("MPEREZ"),
                                 QStringLiteral("María Pérez"), password, true)
                    .ok);
    EXPECT_TRUE(dbsetup::checkPassword(loc(), QStringLiteral("JNUNEZ"), password));
    EXPECT_FALSE(dbsetup::checkPassword(loc(), QStringLiteral("JNUNEZ"),
                                        QStringLiteral("Contrasena Nandu u")));

    {
        ScopedConnection general(inst_->generalDatabase(), QStringLiteral("JNUNEZ"));
        ASSERT_TRUE(general.open()) << general.error().toStdString();
        EXPECT_EQ(
            scalar(general.db(),
                   QStringLiteral("select USUA_NOMBRE from USUARIO where USUA_COD = 'JNUNEZ'")),
            QStringLiteral("José Núñez"));
        EXPECT_EQ(
            count(general.db(),
                  QStringLiteral(
                      "USUARIO where USUA_COD in ('JNUNEZ', 'MPEREZ') and "
                      "USUA_CLAVE = (select USUA_CLAVE from USUARIO where USUA_COD = 'JNUNEZ')")),
            1)
            << "the same password must not give the same hash";
        EXPECT_EQ(count(general.db(),
                        QStringLiteral(
                            "COMPANIA_USUARIO where USUA_COD = 'JNUNEZ' and COMP_COD = '001'")),
                  1);
        ScopedConnection company(inst_->companyDatabase(), QStringLiteral("JNUNEZ"));
        ASSERT_TRUE(company.open());
        EXPECT_EQ(scalar(company.db(),
                         QStringLiteral("select SUCU_ID from usuario where USER_COD = 'JNUNEZ'"))
                      .toInt(),
                  0);
    }

    const dbsetup::Result twice =
        dbsetup::addUser(loc(), QStringLiteral("001"), QStringLiteral("JNUNEZ"),
                         QStringLiteral("Otro"), QStringLiteral("otra"), false);
    EXPECT_FALSE(twice.ok);
    EXPECT_TRUE(twice.message.contains(QStringLiteral("ya tiene acceso")))
        << twice.message.toStdString();
    EXPECT_TRUE(dbsetup::checkPassword(loc(), QStringLiteral("JNUNEZ"), password))
        << "refusal changed nothing";
}

TEST_F(Users, BadUserInputIsRefused) {
    // Code starting with a digit or holding a space, no password, no name.
    for (const auto& [code, name, password] :
         {std::tuple{"1ABC", "Uno", "x"}, {"A B", "Uno", "x"}, {"UNO", "Uno", ""}, {"UNO", "", "x"}})
        EXPECT_FALSE(dbsetup::addUser(loc(), QStringLiteral("001"), QString::fromLatin1(code),
                                      QString::fromLatin1(name), QString::fromLatin1(password), false)
                         .ok)
            << code << "/" << name << "/" << password;
    const dbsetup::Result noCompany =
        dbsetup::addUser(loc(), QStringLiteral("009"), QStringLiteral("UNO"), QStringLiteral("Uno"),
                         QStringLiteral("x"), false);
    EXPECT_FALSE(noCompany.ok);
    EXPECT_TRUE(noCompany.message.contains(QStringLiteral("009")))
        << noCompany.message.toStdString();
    EXPECT_FALSE(dbsetup::checkPassword(loc(), QStringLiteral("UNO"), QStringLiteral("x")));
}

TEST_F(Users, BackupRestoresIntoAWorkingDatabaseAndNeverOverwritesSilently) {
    QTemporaryDir dir(TestInstallation::scratchRoot() + QStringLiteral("/respaldo-XXXXXX"));
    const QString fbk = dir.path() + QStringLiteral("/ledgrix.fbk");
    const QString restored = dir.path() + QStringLiteral("/restaurada/ledgrix.fdb");
    int configuracion = 0;
    {
        ScopedConnection original(inst_->companyDatabase(), QStringLiteral("AUXILIAR"));
        ASSERT_TRUE(original.open());
        configuracion = count(original.db(), QStringLiteral("CONFIGURACION"));
    }
    ASSERT_GT(configuracion, 0);
    const dbsetup::Result b = dbsetup::backupDatabase(inst_->companyDatabase(), fbk);
    ASSERT_TRUE(b.ok) << b.message.toStdString();
    ASSERT_TRUE(dbsetup::restoreDatabase(fbk, restored, false).ok);
    {
        ScopedConnection con(restored, QStringLiteral("AUXILIAR"));
        ASSERT_TRUE(con.open()) << con.error().toStdString();
        EXPECT_EQ(count(con.db(), QStringLiteral("CONFIGURACION")), configuracion);
        EXPECT_EQ(count(con.db(), QStringLiteral("historia_mensajes('ADMIN')")), 2);
    }
    const dbsetup::Result again = dbsetup::restoreDatabase(fbk, restored, false);
    EXPECT_FALSE(again.ok);
    EXPECT_TRUE(again.message.contains(QStringLiteral("--reemplazar")));
    EXPECT_TRUE(dbsetup::restoreDatabase(fbk, restored, true).ok);
    EXPECT_FALSE(
        dbsetup::restoreDatabase(dir.path() + QStringLiteral("/no-existe.fbk"), restored, true).ok);
    EXPECT_FALSE(dbsetup::backupDatabase(dir.path() + QStringLiteral("/no-existe.fdb"), fbk).ok);
    EXPECT_TRUE(QFile::exists(fbk)) << "a failed backup keeps the previous one";
}

}  // namespace
}  // namespace ledgrix::test
