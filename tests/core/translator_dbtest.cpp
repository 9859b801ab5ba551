#include <gtest/gtest.h>

#include "core/data/configurar.h"
#include "core/errors/error_translator.h"
#include "data_recording_dialogs.h"
#include "data_scratch_db.h"

using namespace ledgrix;
using ledgrix::test::RecordingDialogs;
using ledgrix::test::ScratchDb;

namespace {

const char* kTables = R"(
CREATE TABLE CIUDADES (CIUD_COD VARCHAR(5) NOT NULL PRIMARY KEY);
CREATE TABLE TERCEROS (TERC_NIT VARCHAR(20) NOT NULL PRIMARY KEY, TERC_NOMBRE VARCHAR(60) NOT NULL,
  CIUD_COD VARCHAR(5) REFERENCES CIUDADES(CIUD_COD));
CREATE TABLE PREFIJOS (TIDO_COD INTEGER NOT NULL, PREF_PRE VARCHAR(4) NOT NULL, PREF_ACTUAL VARCHAR(6),
  PRIMARY KEY (TIDO_COD, PREF_PRE));
INSERT INTO CIUDADES VALUES ('05001');
INSERT INTO TERCEROS VALUES ('800', 'ACME', '05001');
INSERT INTO PREFIJOS VALUES (51, 'CG', '000001');
)";

// Errors raised by a real database, through real providers and datasets
// wired as every window wires them, shown as the user reads them.
class TranslatorTest : public ::testing::Test {
protected:
    TranslatorTest()
        : db(kTables),
          dialogs(events),
          translator(
              dialogs, [this](const QString& m) { events << QStringLiteral("log: ") + m; },
              [this](const QString& t) { events << QStringLiteral("warn: ") + t; },
              [](const QString& column) {
                  if (column == QLatin1String("TERC_NIT")) return QStringLiteral("Nit");
                  if (column == QLatin1String("TERC_NOMBRE")) return QStringLiteral("Nombre");
                  return column;
              },
              &errorOccurred) {}

    ClientDataset* dataset(const QString& table) {
        auto* p = new Provider(&owner, QStringLiteral("P") + table);
        p->setConnectionName(db.connection());
        p->setQueryName(QStringLiteral("Q") + table);
        p->setCommandText(QStringLiteral("SELECT * FROM ") + table.toUpper());
        auto* ds = new ClientDataset(&owner, QStringLiteral("C") + table);
        ds->setProvider(p);
        DataHandlers h;
        h.updateError = [this](Provider& s, ClientDataset& d, UpdateKind k, const DataError& e, ErrorResponse& r) {
            translator.ManejarError(&s, &d, r, k, e);
        };
        h.clientError = [this](ClientDataset& d, const DataError& e, ErrorAction& a) {
            translator.ManejarClientError(d, e, a);
        };
        configurarProviders(&owner, h);
        EXPECT_TRUE(ds->open()) << ds->lastError().message.toStdString();
        return ds;
    }

    static void set(ClientDataset* ds, std::initializer_list<std::pair<const char*, QVariant>> values) {
        for (const auto& [name, value] : values) ds->fieldByName(QString::fromLatin1(name)).setValue(value);
    }
    int count(const QString& table) { return db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt(); }
    QString shown() const { return events.filter(QStringLiteral("error: ")).join(u'|'); }

    ScratchDb db;
    QStringList events;
    RecordingDialogs dialogs;
    bool errorOccurred = false;
    ErrorTranslator translator;
    QObject owner;
};

TEST_F(TranslatorTest, DuplicateKeyIsLoggedShownAndLeavesTheChangesToRetry) {
    ClientDataset* ds = dataset(QStringLiteral("Prefijos"));
    ds->append();
    set(ds, {{"TIDO_COD", 51}, {"PREF_PRE", "CG"}, {"PREF_ACTUAL", "000009"}});
    EXPECT_EQ(ds->applyUpdates(0), 1);
    ASSERT_EQ(events.size(), 3);
    EXPECT_TRUE(events[0].startsWith(QLatin1String("log: Error de escritura: violation of PRIMARY or UNIQUE KEY"))) << events[0].toStdString();
    EXPECT_EQ(events[1], QStringLiteral("beep"));
    EXPECT_EQ(events[2], QStringLiteral("error: Ya existe el registro en la tabla Prefijos"));
    EXPECT_TRUE(errorOccurred);
    EXPECT_EQ(count(QStringLiteral("PREFIJOS")), 1);
    EXPECT_EQ(ds->changeCount(), 1);

    ds->edit();
    set(ds, {{"PREF_PRE", "CX"}});
    EXPECT_EQ(ds->applyUpdates(0), 0);
    EXPECT_EQ(count(QStringLiteral("PREFIJOS")), 2);
}

TEST_F(TranslatorTest, ServerRefusalsOfAWrite) {
    ClientDataset* ds = dataset(QStringLiteral("Terceros"));
    ds->append();
    set(ds, {{"TERC_NIT", "900"}, {"TERC_NOMBRE", QStringLiteral("PEÑA")}, {"CIUD_COD", "99999"}});
    EXPECT_EQ(ds->applyUpdates(0), 1);
    EXPECT_EQ(shown(), QStringLiteral("error: Está borrando o insertando un registro en la tabla Terceros que tiene "
                                      "una relación con otra tabla."));

    // A column the server requires but the window let go empty: shown as the
    // server said it, after the write-error prefix.
    events.clear();
    ds->edit();
    set(ds, {{"CIUD_COD", "05001"}});
    ds->fieldByName(QStringLiteral("TERC_NOMBRE")).setRequired(false);
    ds->fieldByName(QStringLiteral("TERC_NOMBRE")).clear();
    EXPECT_EQ(ds->applyUpdates(0), 1);
    EXPECT_TRUE(shown().startsWith(QLatin1String("error: Error de escritura: validation error for column"))) << shown().toStdString();
    EXPECT_EQ(count(QStringLiteral("TERCEROS")), 1);

    // Deleting a row others point to.
    events.clear();
    ClientDataset* ciudades = dataset(QStringLiteral("Ciudades"));
    ciudades->remove();
    EXPECT_EQ(ciudades->applyUpdates(0), 1);
    EXPECT_EQ(shown(), QStringLiteral("error: Está borrando o insertando un registro en la tabla Ciudades que tiene "
                                      "una relación con otra tabla."));
    EXPECT_EQ(count(QStringLiteral("CIUDADES")), 1);
}

TEST_F(TranslatorTest, ClientRefusalsKeepTheRecordAsTyped) {
    ClientDataset* ds = dataset(QStringLiteral("Terceros"));
    ds->append();
    set(ds, {{"CIUD_COD", "05001"}});
    EXPECT_FALSE(ds->post());
    EXPECT_EQ(events, (QStringList{"log: Field 'TERC_NIT' must have a value",
                                   "warn: CTerceros: Field 'TERC_NIT' must have a value", "beep",
                                   "error: Los campos Nit, Nombre,  son obligatorios."}));
    EXPECT_EQ(ds->state(), ClientDataset::State::Insert);
    EXPECT_EQ(ds->fieldByName(QStringLiteral("CIUD_COD")).asString(), QStringLiteral("05001"));

    events.clear();
    ds->setUniqueIndex({QStringLiteral("TERC_NIT")});
    set(ds, {{"TERC_NIT", "800"}, {"TERC_NOMBRE", "Otro"}});
    EXPECT_FALSE(ds->post());
    EXPECT_EQ(shown(), QStringLiteral("error: Ya existe un registro con el mismo Nit "));
    EXPECT_EQ(ds->state(), ClientDataset::State::Insert);
    EXPECT_EQ(ds->fieldByName(QStringLiteral("TERC_NOMBRE")).asString(), QStringLiteral("Otro"));
    EXPECT_EQ(count(QStringLiteral("TERCEROS")), 1);

    events.clear();
    ds->cancel();
    ds->setFilterText(QStringLiteral("TERC_NIT = 'nadie'"));
    EXPECT_FALSE(ds->edit());
    EXPECT_EQ(shown(), QStringLiteral("error: Cannot perform this operation on an empty dataset"));
}

}  // namespace
