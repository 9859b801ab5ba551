#include <gtest/gtest.h>

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/sql/runner.h"
#include "core/status/status_line.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;
using ledgrix::test::ModuleTest;

using TfdmTest = ModuleTest;

TEST_F(TfdmTest, ConfigurationIsAnsweredFromMemoryAndMissingKeysAreNamed) {
    conecte();
    EXPECT_FALSE(dm->configuracion(QStringLiteral("GENERAL"), QStringLiteral("GENERAL"),
                                   QStringLiteral("NOMBRE COMPANIA")).isEmpty());
    EXPECT_TRUE(dialogs.errors().isEmpty());

    // Module and category compare exactly: another letter case is another key.
    EXPECT_EQ(dm->configuracion(QStringLiteral("general"), QStringLiteral("GENERAL"),
                                QStringLiteral("NOMBRE COMPANIA")), QString());
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("No se encontró la configuración NOMBRE COMPANIA"));

    // Changes made after loading are not seen until the next load.
    ASSERT_TRUE(dm->sql().execute(QStringLiteral(
        "update CONFIGURACION set CONF_VALOR = null where CONF_PROPIEDAD = 'NOMBRE COMPANIA'")));
    EXPECT_FALSE(dm->configuracion(QStringLiteral("GENERAL"), QStringLiteral("GENERAL"),
                                   QStringLiteral("NOMBRE COMPANIA")).isEmpty());
    dm->cargue_configuracion();
    dialogs.clear();
    EXPECT_EQ(dm->configuracion(QStringLiteral("GENERAL"), QStringLiteral("GENERAL"),
                                QStringLiteral("NOMBRE COMPANIA")), QString());
    EXPECT_TRUE(dialogs.errors().isEmpty()) << "a null value is empty text, not a missing row";
}

TEST_F(TfdmTest, AmountInWordsUsesTheConfiguredCurrencyWords) {
    conecte();
    for (const auto& [valor, propiedad] :
         {std::pair{"PESOS", "NOMBRE DE LA MONEDA A USAR EN LOS MONTOS EN LETRAS"},
          {"CENTAVOS", "FRACCION DE MONEDA EN MONTOS EN LETRAS"},
          {"M/CTE", "FINAL DE LA CADENA DE MONTOS EN LETRAS"}})
        ASSERT_TRUE(dm->sql().execute(
            QStringLiteral("update CONFIGURACION set CONF_VALOR = '%1' where CONF_PROPIEDAD = '%2'")
                .arg(QLatin1String(valor), QLatin1String(propiedad))));
    dm->cargue_configuracion();
    EXPECT_EQ(dm->numero_a_letras(Currency::fromText(QStringLiteral("2500000.50"))),
              QStringLiteral("DOS MILLONES QUINIENTOS MIL PESOS 50 CENTAVOS M/CTE"));
    EXPECT_EQ(dm->numero_a_letras(Currency::fromInt(-5)), QString());
}

// The database's own refusals (its exceptions, raised by triggers and
// procedures) are written for the user: their text is shown alone.
TEST_F(TfdmTest, DatabaseRefusalsShowTheirOwnText) {
    conecte();
    EXPECT_FALSE(dm->sql().execute(QStringLiteral(
        "execute block as begin exception E_CXP_DOC_INEXISTENTE; end")));
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("El documento a abonar no existe."));
    EXPECT_FALSE(dm->sql().execute(QStringLiteral(
        "execute block as begin exception E_CXP_DOC_ANULADO 'Texto propio, con - guion.'; end")));
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("Texto propio, con - guion."));
}

TEST_F(TfdmTest, StatementErrorsAreTranslatedLoggedAndLeaveTheModuleUsable) {
    conecte();
    EXPECT_FALSE(dm->sql().execute(QStringLiteral("insert into NO_EXISTE values (1)")));
    ASSERT_EQ(dialogs.errors().size(), 1);
    EXPECT_TRUE(dialogs.lastError().startsWith(QStringLiteral("Se presento el siguiente error: ")));
    EXPECT_TRUE(dm->error_ocurrido);
    QFile log(inst->dir() + QStringLiteral("/ERRORES.TXT"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString line = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(line.startsWith(QStringLiteral("2022/09/21,10:00:00,ADMIN,"))) << line.toStdString();
    EXPECT_TRUE(dm->sql().scalar(QStringLiteral("select count(*) from CONFIGURACION")).toInt() > 0);
}

TEST_F(TfdmTest, AMissingDatabaseIsReportedAsAMissingFile) {
    EXPECT_FALSE(dm->conecte_compania(inst->dir() + QStringLiteral("/datos/999/ledgrix.fdb"),
                                      QStringLiteral("ADMIN"), QString()));
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("No se encontró el archivo o la ruta ") + inst->dir() +
                                       QStringLiteral("/datos/999/ledgrix.fdb"));
}

// What Qt's Firebird driver gives whatever the connection asks for (see
// docs/architecture.md). When an upgrade changes it, the notes and the text
// lengths must be looked at again.
TEST_F(TfdmTest, ConnectionsAttachInUtf8AndWorkInSnapshotTransactions) {
    conecte();
    for (QSqlDatabase db : {dm->ledgrix(), dm->general()}) {
        SCOPED_TRACE(db.connectionName().toStdString());
        for (const bool explicita : {false, true}) {
            if (explicita) {
                ASSERT_TRUE(db.transaction());
            }
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(QStringLiteral(
                "select trim(cs.RDB$CHARACTER_SET_NAME), t.MON$ISOLATION_MODE from MON$ATTACHMENTS a "
                "join RDB$CHARACTER_SETS cs on cs.RDB$CHARACTER_SET_ID = a.MON$CHARACTER_SET_ID "
                "join MON$TRANSACTIONS t on t.MON$ATTACHMENT_ID = a.MON$ATTACHMENT_ID "
                "where a.MON$ATTACHMENT_ID = CURRENT_CONNECTION and "
                "t.MON$TRANSACTION_ID = CURRENT_TRANSACTION")) &&
                        q.next())
                << q.lastError().text().toStdString();
            EXPECT_EQ(q.value(0).toString(), QStringLiteral("UTF8"));
            EXPECT_EQ(q.value(1).toInt(), 1) << "1: concurrency (snapshot)";
            q.finish();
            if (explicita) {
                ASSERT_TRUE(db.commit());
            }
        }
    }
}

TEST_F(TfdmTest, WarningsLastTheConfiguredTenthsOfSecond) {
    conecte();
    const int d = dm->entero_configurado(QStringLiteral("GENERAL"), QStringLiteral("GENERAL"),
                                         QStringLiteral("DURACION DE LAS ADVERTENCIAS"))
                      .value_or(0);
    ASSERT_GT(d, 0);
    dm->mostrar_advertencia(QStringLiteral("Saldo insuficiente"));
    EXPECT_EQ(dm->estado().text(), QStringLiteral("Advertencia: Saldo insuficiente"));
    EXPECT_EQ(dm->estado().timerInterval(), d * 100);
}

TEST_F(TfdmTest, StatementAmountsComeBackExactlyAsStored) {
    conecte();
    const char* valores[] = {"9999999999999.99", "99.99", "300000"};
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(dm->sql().execute(
            QStringLiteral("insert into TASA_CAMBIO_MONEDA (TACA_ID, TACA_FECHA, TIMO_COD, TACA_VALOR) "
                           "values (%1, '2030/01/0%2', 2, %3)").arg(9001 + i).arg(1 + i).arg(QLatin1String(valores[i]))));
    auto q = dm->sql().select(QStringLiteral(
        "select TACA_VALOR from TASA_CAMBIO_MONEDA where TACA_ID >= 9001 order by TACA_ID"));
    ASSERT_TRUE(q && q->next());
    EXPECT_EQ(decimal(*q, 0).toString(2), QStringLiteral("9999999999999.99"));
    ASSERT_TRUE(q->next());
    EXPECT_EQ(decimal(*q, QStringLiteral("TACA_VALOR")), Currency::fromText(QStringLiteral("99.99")));
    ASSERT_TRUE(q->next());
    EXPECT_EQ(decimal(*q, 0), Currency::fromInt(300000)) << "round amounts arrive in exponent form";
}

// A window holding its datasets inside a panel still gets the shared wiring.
TEST_F(TfdmTest, WiredDatasetsReportWithReadableNamesAndKeepTheUsersData) {
    conecte();
    QObject ventana;
    QObject* panel = new QObject(&ventana);
    auto* p = new Provider(panel, QStringLiteral("PPrefijos"));
    p->setConnectionName(dm->Ledgrix());
    p->setQueryName(QStringLiteral("QPrefijos"));
    p->setCommandText(QStringLiteral("select * from PREFIJOS where TIDO_COD = 51"));
    auto* c = new ClientDataset(panel, QStringLiteral("CPrefijos"));
    c->setProvider(p);
    c->onNewRecord = [](ClientDataset& d) {
        d.fieldByName(QStringLiteral("PREF_AUTO")).setValue(QStringLiteral("S"));
        d.fieldByName(QStringLiteral("PREF_IVAINC")).setValue(QStringLiteral("N"));
        d.fieldByName(QStringLiteral("PREF_ACTIVO")).setValue(QStringLiteral("S"));
        d.fieldByName(QStringLiteral("SUCU_ID")).setValue(0);
    };
    dm->ConfigurarProviders(&ventana);
    ASSERT_TRUE(c->open());

    ASSERT_TRUE(c->append());
    c->fieldByName(QStringLiteral("TIDO_COD")).setValue(51);
    EXPECT_FALSE(c->post());
    EXPECT_EQ(dialogs.lastError().toStdString(), "Los campos Prefijo, Consecutivo actual,  son obligatorios.");
    EXPECT_EQ(c->state(), ClientDataset::State::Insert);

    // The demo series 0000 exists: the server refuses the duplicate and nothing is written.
    c->fieldByName(QStringLiteral("PREF_PRE")).setValue(QStringLiteral("0000"));
    c->fieldByName(QStringLiteral("PREF_ACTUAL")).setValue(QStringLiteral("000001"));
    ASSERT_TRUE(c->post());
    EXPECT_GT(c->applyUpdates(0), 0);
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("Ya existe el registro en la tabla Prefijos"));
    EXPECT_EQ(c->changeCount(), 1);
    EXPECT_EQ(dm->sql().scalar(QStringLiteral("select count(*) from PREFIJOS where TIDO_COD = 51")).toInt(), 1);
}
