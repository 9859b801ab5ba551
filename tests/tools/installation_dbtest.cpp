// Building the databases from db/: refusal of existing files, all-or-nothing
// builds, and what the demo installation holds for the programs' users.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTime>

#include "core/services/paths.h"
#include "tests/support/testdb.h"
#include "tests/tools/dbhelpers.h"
#include "tools/admin/dbsetup/dbsetup.h"

namespace ledgrix::test {
namespace {

using dbsetup::ScopedConnection;

QString scratch() {
    return TestInstallation::scratchRoot() + QStringLiteral("/tools-XXXXXX");
}

void writeFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

int companies(const QString& location) {
    ScopedConnection con(paths::generalDatabase(location), QStringLiteral("SYSDBA"));
    EXPECT_TRUE(con.open()) << con.error().toStdString();
    return count(con.db(), QStringLiteral("COMPANIA"));
}

TEST(CreateDatabases, ExistingDatabaseIsRefusedAndKeptUntilReplaceIsAsked) {
    QTemporaryDir dir(scratch());
    const QString loc = dir.path();
    ASSERT_TRUE(dbsetup::createGeneral(loc).ok);
    const dbsetup::Result company =
        dbsetup::createCompany(loc, QStringLiteral("002"), QStringLiteral("Lácteos del Valle"));
    ASSERT_TRUE(company.ok) << company.message.toStdString();
    ASSERT_EQ(companies(loc), 1);

    const dbsetup::Result again = dbsetup::createGeneral(loc);
    EXPECT_FALSE(again.ok);
    EXPECT_TRUE(again.message.contains(QStringLiteral("ya existe")) &&
                again.message.contains(QStringLiteral("--reemplazar")))
        << again.message.toStdString();
    EXPECT_FALSE(dbsetup::createCompany(loc, QStringLiteral("002"), QStringLiteral("Otra")).ok);
    EXPECT_EQ(companies(loc), 1);

    dbsetup::Options replace;
    replace.replace = true;
    ASSERT_TRUE(dbsetup::createGeneral(loc, replace).ok);
    EXPECT_EQ(companies(loc), 0);
}

TEST(CreateDatabases, FailingScriptNamesItsFileAndLosesNothing) {
    QTemporaryDir dir(scratch());
    const QString loc = dir.path() + QStringLiteral("/instalacion");
    ASSERT_TRUE(dbsetup::createGeneral(loc).ok);
    ASSERT_TRUE(dbsetup::createCompany(loc, QStringLiteral("001"), QStringLiteral("Andina")).ok);

    dbsetup::Options broken;
    broken.replace = true;
    broken.scriptsDir = dir.path() + QStringLiteral("/db");
    writeFile(broken.scriptsDir + QStringLiteral("/general/001_bien.sql"),
              "CREATE TABLE T1 (A INTEGER);\n");
    writeFile(broken.scriptsDir + QStringLiteral("/general/002_roto.sql"),
              "CREATE TABL T2 (A INTEGER);\n");

    const dbsetup::Result r = dbsetup::createGeneral(loc, broken);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains(QStringLiteral("002_roto.sql"))) << r.message.toStdString();
    EXPECT_EQ(companies(loc), 1) << "the old database must survive a failed replacement";
    EXPECT_FALSE(QFile::exists(paths::generalDatabase(loc) + QStringLiteral(".nueva")));
}

TEST(CreateDatabases, BadInputIsRefusedBeforeAnythingIsWritten) {
    QTemporaryDir dir(scratch());
    const QString loc = dir.path();
    EXPECT_TRUE(dbsetup::createCompany(loc, QStringLiteral("001"), QStringLiteral("Andina"))
                    .message.contains(QStringLiteral("No existe la base de datos general")));
    ASSERT_TRUE(dbsetup::createGeneral(loc).ok);
    for (const QString& code : {QStringLiteral("../x"), QString(), QStringLiteral("ABCDEFGHIJK")})
        EXPECT_FALSE(dbsetup::createCompany(loc, code, QStringLiteral("Andina")).ok)
            << code.toStdString();
    // The euro sign is outside the databases' character set.
    EXPECT_FALSE(dbsetup::createCompany(loc, QStringLiteral("001"), QStringLiteral("Andina €")).ok);
    EXPECT_FALSE(dbsetup::createCompany(loc, QStringLiteral("001"), QStringLiteral("  ")).ok);
    EXPECT_FALSE(dbsetup::createGeneral(QStringLiteral("servidor:/datos")).ok);
    EXPECT_EQ(
        QDir(loc + QStringLiteral("/datos")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList{QStringLiteral("general.fdb")});
}

// The programs connect as the user's own code, never as SYSDBA: every check
// below goes through the grants the scripts give.
class DemoInstallation : public ::testing::Test {
  protected:
    void SetUp() override {
        inst_ = TestInstallation::create();
        ASSERT_TRUE(inst_);
    }
    std::unique_ptr<ScopedConnection> connect(const QString& user, bool general = false) {
        auto con = std::make_unique<ScopedConnection>(
            general ? inst_->generalDatabase() : inst_->companyDatabase(), user);
        EXPECT_TRUE(con->open()) << con->error().toStdString();
        return con;
    }
    std::unique_ptr<TestInstallation> inst_;
};

TEST_F(DemoInstallation, ConfigurationHoldsEveryPropertyOnceForTheProgramsUser) {
    auto con = connect(QStringLiteral("ADMIN"));
    // One property of each module and category family the programs read.
    const QStringList samples[] = {
        {"GENERAL", "GENERAL", "MAXIMO NUMERO DE DIAS PARA DOCUMENTOS FUTUROS"},
        {"CXPAGAR", "DOCUMENTOS", "REDONDEO AL MULTIPLO DE DIEZ EN TOTALES"},
        {"CAJA", "EGRESOS",
         "GENERAR UN SOLO EGRESO POR PROGRAMACION DE PAGOS SI SE PERMITEN VARIOS PROVEEDORES POR "
         "EGRESO"},
        {"CONTABILIDAD", "GENERAL", "FECHA DE BLOQUEO"},
        {"INVENTARIO", "EXISTENCIAS", "FILTRAR BODEGAS POR USUARIO"},
    };
    for (const QStringList& s : samples)
        EXPECT_EQ(count(con->db(), QStringLiteral("CONFIGURACION where CONF_MODULO = '%1' and "
                                                  "CONF_CATEGORIA = '%2' and CONF_PROPIEDAD = '%3'")
                                       .arg(s[0], s[1], s[2])),
                  1)
            << s.join(QLatin1Char('/')).toStdString();
    EXPECT_EQ(count(con->db(),
                    QStringLiteral("(select CONF_MODULO from CONFIGURACION group by CONF_MODULO, "
                                   "CONF_CATEGORIA, CONF_PROPIEDAD having count(*) > 1)")),
              0);
    EXPECT_EQ(scalar(con->db(),
                     QStringLiteral("select CONF_VALOR from CONFIGURACION where CONF_PROPIEDAD = "
                                    "'NOMBRE COMPANIA'")),
              QStringLiteral("Comercializadora Andina S.A.S."));
}

TEST_F(DemoInstallation, KeysRefuseDuplicatesTheProgramsRelyOn) {
    auto con = connect(QStringLiteral("ADMIN"));
    QString error;
    EXPECT_FALSE(accepts(con->db(), QStringLiteral("insert into CONFIGURACION values ('GENERAL', "
                                                   "'GENERAL', 'NOMBRE COMPANIA', 'Otra')")));
    EXPECT_FALSE(accepts(con->db(),
                         QStringLiteral("insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL) "
                                        "values (51, '0000', '000001')"),
                         &error));
    EXPECT_TRUE(error.contains(QStringLiteral("violation of PRIMARY"))) << error.toStdString();
    EXPECT_FALSE(
        accepts(con->db(), QStringLiteral("insert into TASA_CAMBIO_MONEDA (TACA_FECHA, TIMO_COD, "
                                          "TACA_VALOR) values (current_date, 2, 4000)")));
    EXPECT_TRUE(
        accepts(con->db(), QStringLiteral("insert into TASA_CAMBIO_MONEDA (TACA_FECHA, TIMO_COD, "
                                          "TACA_VALOR) values (current_date + 1, 2, 4000)")));
}

TEST_F(DemoInstallation, AuditRowsAreStampedByTheServer) {
    auto con = connect(QStringLiteral("AUXILIAR"));
    const QString entry = QStringLiteral(
        "insert into auditoria (TIDO_COD, AUDI_IDDOC, AUDI_OPER, AUDI_COD) "
        "values (198, 0, 'I', 'C. X PAGAR')");
    ASSERT_TRUE(accepts(con->db(), entry));
    ASSERT_TRUE(accepts(con->db(), entry));
    QSqlQuery q(con->db());
    ASSERT_TRUE(
        q.exec(QStringLiteral("select AUDI_ID, AUDI_FECHA, AUDI_HORA, AUDI_USUARIO from auditoria "
                              "where TIDO_COD = 198 order by AUDI_ID")));
    QList<int> ids;
    while (q.next()) {
        ids << q.value(0).toInt();
        EXPECT_EQ(q.value(1).toDate(), QDate::currentDate());
        EXPECT_LE(std::abs(q.value(2).toTime().secsTo(QTime::currentTime())), 120);
        EXPECT_EQ(q.value(3).toString(), QStringLiteral("AUXILIAR"));
    }
    ASSERT_EQ(ids.size(), 2);
    EXPECT_GT(ids[0], 0);
    EXPECT_NE(ids[0], ids[1]);
}

TEST_F(DemoInstallation, MessageHistoryShowsSentAndReceivedIncludingEverybodys) {
    {
        auto clerk = connect(QStringLiteral("AUXILIAR"));
        ASSERT_TRUE(
            accepts(clerk->db(),
                    QStringLiteral("insert into mensajeria (MENS_ID, MENS_MENSAJE, MENS_DESTINO) "
                                   "values (0, 'Factura de ñandú pendiente', 'ADMIN')")));
    }
    // (kind, other party, text) of each row of a user's history.
    auto history = [this](const QString& user) {
        auto con = connect(user);
        QSqlQuery q(con->db());
        EXPECT_TRUE(
            q.exec(QStringLiteral("select EOS, REMITE, MENSAJE, FECHA from historia_mensajes('%1')")
                       .arg(user)))
            << q.lastError().text().toStdString();
        QStringList rows;
        while (q.next()) {
            EXPECT_TRUE(q.value(3).toDate().isValid());
            rows << q.value(0).toString() + QLatin1Char('|') + q.value(1).toString() +
                        QLatin1Char('|') + q.value(2).toString().left(15);
        }
        return rows;
    };
    const QStringList admin = history(QStringLiteral("ADMIN"));
    EXPECT_TRUE(admin.contains(QStringLiteral("R|AUXILIAR|Factura de ñand")))
        << admin.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(admin.contains(QStringLiteral("E|Todos|Recuerden regis")));
    EXPECT_FALSE(admin.contains(QStringLiteral("R|ADMIN|Recuerden regis")))
        << "own broadcast is not received";

    const QStringList clerk = history(QStringLiteral("AUXILIAR"));
    EXPECT_TRUE(clerk.contains(QStringLiteral("E|ADMIN|Factura de ñand")));
    EXPECT_TRUE(clerk.contains(QStringLiteral("R|ADMIN|Recuerden regis")))
        << clerk.join(QLatin1Char('\n')).toStdString();
}

TEST_F(DemoInstallation, ClerkAndAdministratorRights) {
    auto con = connect(QStringLiteral("AUXILIAR"));
    const QString clerk =
        QStringLiteral("acceso_usuario where user_cod = 'AUXILIAR' and acus_si = ");
    const QString cxp = QStringLiteral(" and acus_modulo = 'C. X PAGAR' and acus_opcion in ");
    EXPECT_EQ(
        count(con->db(), clerk + QStringLiteral("'S'") + cxp + QStringLiteral("(1, 10, 30, 113)")),
        4);
    EXPECT_EQ(
        count(con->db(), clerk + QStringLiteral("'N'") + cxp + QStringLiteral("(12, 22, 42, 68)")),
        4);
    EXPECT_EQ(count(con->db(), clerk + QStringLiteral("'S'")), 22);

    auto general = connect(QStringLiteral("AUXILIAR"), true);
    for (const auto& [user, agency, admin] : {std::tuple{"ADMIN", 0, "S"}, {"AUXILIAR", 1, "N"}}) {
        const QString code = QLatin1String(user);
        EXPECT_EQ(
            scalar(con->db(),
                   QStringLiteral("select SUCU_ID from usuario where USER_COD = '%1'").arg(code))
                .toInt(),
            agency)
            << user;
        EXPECT_EQ(
            scalar(
                general->db(),
                QStringLiteral("select USUA_ADMIN from USUARIO where USUA_COD = '%1'").arg(code)),
            QString::fromLatin1(admin))
            << user;
    }
    EXPECT_EQ(count(general->db(), QStringLiteral("COMPANIA_USUARIO where COMP_COD = '001'")), 2);
}

TEST_F(DemoInstallation, TheCompanyIsNoneOfItsOwnThirdParties) {
    // Its NIT is what the support documents name as the buyer.
    const QString nit =
        scalar(connect(QStringLiteral("ADMIN"), true)->db(),
               QStringLiteral("select COMP_NIT from COMPANIA where COMP_COD = '001'"))
            .toString();
    ASSERT_TRUE(nit.contains(QLatin1Char('-'))) << nit.toStdString();
    EXPECT_EQ(count(connect(QStringLiteral("ADMIN"))->db(),
                    QStringLiteral("TERCEROS where TERC_NIT = '%1'")
                        .arg(nit.section(QLatin1Char('-'), 0, 0))),
              0);
}

}  // namespace
}  // namespace ledgrix::test
