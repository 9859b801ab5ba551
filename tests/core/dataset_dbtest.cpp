#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/ui/grid/grid_filter_proxy.h"
#include "core/data/provider.h"
#include "data_scratch_db.h"

using namespace ledgrix;
using ledgrix::test::ScratchDb;

namespace {

const char* kTables = R"(
CREATE TABLE EGRESOS (EGRE_ID INTEGER NOT NULL PRIMARY KEY, EGRE_NUMERO VARCHAR(6) NOT NULL,
  TERC_NIT VARCHAR(20), EGRE_CONC VARCHAR(60), EGRE_VALOR NUMERIC(15,2), EGRE_FECHA DATE);
CREATE TABLE EGRESOS_DET (EGRE_ID INTEGER NOT NULL REFERENCES EGRESOS(EGRE_ID), EGDE_ITEM INTEGER NOT NULL,
  EGDE_VALOR NUMERIC(15,2) NOT NULL CHECK (EGDE_VALOR > 0), PRIMARY KEY (EGRE_ID, EGDE_ITEM));
)";

class DatasetTest : public ::testing::Test {
protected:
    DatasetTest() : db(kTables) {}

    // Query, provider and client dataset as a window declares them.
    ClientDataset* dataset(const QString& table, const QString& sql) {
        auto* p = new Provider(&owner, QStringLiteral("P") + table);
        p->setConnectionName(db.connection());
        p->setQueryName(QStringLiteral("Q") + table);
        p->setCommandText(sql);
        auto* ds = new ClientDataset(&owner, QStringLiteral("C") + table);
        ds->setProvider(p);
        return ds;
    }

    ClientDataset* egresos(const QString& name = QStringLiteral("Egresos")) {
        return dataset(name, QStringLiteral("SELECT * FROM EGRESOS ORDER BY EGRE_ID"));
    }

    void seed(int masters) {
        QStringList sql;
        for (int i = 1; i <= masters; ++i) {
            sql << QStringLiteral("INSERT INTO EGRESOS VALUES (%1, '%2', '%3', 'Pago %1', %1.50, '2022/09/%4')")
                       .arg(i)
                       .arg(i, 6, 10, QChar(u'0'))
                       .arg(i % 2 ? QStringLiteral("800") : QStringLiteral("900"))
                       .arg(i % 28 + 1);
            for (int item = 1; item <= i % 3 + 1; ++item)
                sql << QStringLiteral("INSERT INTO EGRESOS_DET VALUES (%1, %2, %3)").arg(i).arg(item).arg(i * 10 + item);
        }
        db.exec(sql);
    }

    int count(const QString& table) { return db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt(); }
    // A stored value as the server writes it, read through a fresh connection.
    QString stored(const char* column, const char* table, const QString& where) {
        return db.scalar(QStringLiteral("SELECT CAST(%1 AS VARCHAR(30)) FROM %2 WHERE %3")
                             .arg(QLatin1String(column), QLatin1String(table), where)).toString();
    }
    static Field& f(ClientDataset* ds, const char* name) { return ds->fieldByName(QString::fromLatin1(name)); }
    static void set(ClientDataset* ds, std::initializer_list<std::pair<const char*, QVariant>> values) {
        for (const auto& [name, value] : values) f(ds, name).setValue(value);
    }

    ScratchDb db;
    QObject owner;
};

TEST_F(DatasetTest, PacketsAreReadAsTheCursorNeedsThem) {
    seed(10);
    ClientDataset* ds = egresos();
    ds->setPacketSize(3);
    int before = 0, after = 0;
    ds->beforeFetch = [&](ClientDataset&) { ++before; };
    ds->afterFetch = [&](ClientDataset&) { EXPECT_EQ(before, ++after); };
    DatasetModel model(ds);
    ASSERT_TRUE(ds->open());
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_TRUE(model.canFetchMore({}));
    model.fetchMore({});
    EXPECT_EQ(model.rowCount(), 6);
    ds->moveTo(5);
    ds->next();  // past the last row held: the third packet
    EXPECT_EQ(ds->recordCount(), 9);
    EXPECT_EQ(f(ds, "EGRE_ID").asInteger(), 7);
    ds->last();  // the fourth packet brings the last row and meets the end
    EXPECT_EQ(ds->recordCount(), 10);
    EXPECT_EQ(model.rowCount(), 10);
    EXPECT_EQ(after, 4);
    EXPECT_FALSE(model.canFetchMore({}));
    EXPECT_EQ(f(ds, "EGRE_ID").asInteger(), 10);

    // locate reads further packets until it finds the row.
    ASSERT_TRUE(ds->open());
    EXPECT_TRUE(ds->locate(QStringLiteral("TERC_NIT;EGRE_NUMERO"), {QStringLiteral("900"), QStringLiteral("000008")}));
    EXPECT_EQ(f(ds, "EGRE_ID").asInteger(), 8);
    EXPECT_FALSE(ds->locate(QStringLiteral("TERC_NIT;EGRE_NUMERO"), {QStringLiteral("800"), QStringLiteral("000008")}));
}

TEST_F(DatasetTest, AmountsAndTextRoundTripExactly) {
    ClientDataset* ds = egresos();
    ASSERT_TRUE(ds->open());
    const QStringList amounts = {QStringLiteral("9999999999999.99"), QStringLiteral("-0.01"),
                                 QStringLiteral("0.29"), QStringLiteral("-1234567.89"), QStringLiteral("99.99"),
                                 QStringLiteral("1234567890123.45"), QStringLiteral("0.07")};
    const QString text = QStringLiteral("PEÑA O'Brien \"ñandú\" ÁÉÍÓÚ");
    for (int i = 0; i < amounts.size(); ++i) {
        ASSERT_TRUE(ds->append());
        set(ds, {{"EGRE_ID", i + 1}, {"EGRE_NUMERO", QStringLiteral("00000%1").arg(i + 1)}, {"EGRE_CONC", text},
                 {"EGRE_FECHA", "2022/02/28"}});
        f(ds, "EGRE_VALOR").setCurrency(*Currency::parse(amounts[i]));
        ASSERT_TRUE(ds->post());
    }
    ASSERT_EQ(ds->applyUpdates(0), 0) << ds->lastError().message.toStdString();
    EXPECT_EQ(ds->changeCount(), 0);
    for (int i = 0; i < amounts.size(); ++i)
        EXPECT_EQ(stored("EGRE_VALOR", "EGRESOS", QStringLiteral("EGRE_ID = %1").arg(i + 1)), amounts[i]);

    ClientDataset* again = egresos(QStringLiteral("Egresos2"));
    ASSERT_TRUE(again->open());
    for (int i = 0; i < amounts.size(); ++i, again->next()) {
        // All four decimals: the value read is the stored one, not a neighbour.
        EXPECT_EQ(f(again, "EGRE_VALOR").asCurrency().toString(4), amounts[i] + QStringLiteral("00"));
        EXPECT_EQ(f(again, "EGRE_CONC").asString(), text);
        EXPECT_EQ(f(again, "EGRE_FECHA").asDate(), QDate(2022, 2, 28));
    }
    // An update writes the changed amount back exactly, found by its key.
    again->first();
    again->edit();
    f(again, "EGRE_VALOR").setValue(QStringLiteral("-9999999999999.99"));
    ASSERT_EQ(again->applyUpdates(0), 0);
    EXPECT_EQ(stored("EGRE_VALOR", "EGRESOS", QStringLiteral("EGRE_ID = 1")), QStringLiteral("-9999999999999.99"));
    EXPECT_EQ(stored("EGRE_CONC", "EGRESOS", QStringLiteral("EGRE_ID = 1")), text);
}

TEST_F(DatasetTest, FieldsComeFromTheQueryAndFormatForGrids) {
    seed(2);
    ClientDataset* ds = egresos();
    ds->declareField(QStringLiteral("EGRE_VALOR")).setDisplayLabel(QStringLiteral("Valor"));
    ds->declareField(QStringLiteral("EGRE_CONC")).setVisible(false);
    ds->open();
    EXPECT_EQ(f(ds, "EGRE_ID").type(), Field::Type::Integer);
    EXPECT_TRUE(f(ds, "EGRE_ID").required());
    EXPECT_FALSE(f(ds, "TERC_NIT").required());
    EXPECT_EQ(f(ds, "EGRE_NUMERO").size(), 6);
    EXPECT_EQ(f(ds, "EGRE_VALOR").type(), Field::Type::Currency);
    EXPECT_EQ(f(ds, "EGRE_VALOR").decimals(), 2);
    EXPECT_EQ(f(ds, "EGRE_FECHA").type(), Field::Type::Date);
    EXPECT_THROW(f(ds, "NO_EXISTE"), std::logic_error);

    DatasetModel model(ds);
    EXPECT_EQ(model.columnCount(), ds->fieldCount() - 1);
    const int valorColumn = 3;  // EGRE_CONC is hidden
    EXPECT_EQ(model.headerData(valorColumn, Qt::Horizontal).toString(), QStringLiteral("Valor"));
    ds->edit();
    f(ds, "EGRE_VALOR").setValue(QStringLiteral("1234567.5"));
    ds->post();
    // Amounts are shown and edited in the installation's number format.
    EXPECT_EQ(model.data(model.index(0, valorColumn)).toString(), QStringLiteral("1.234.567,50"));
    EXPECT_EQ(model.data(model.index(0, valorColumn), Qt::EditRole).toString(),
              QStringLiteral("1.234.567,50"));
    EXPECT_EQ(model.data(model.index(1, 4)).toString(), QStringLiteral("2022/09/03"));
    EXPECT_FALSE(model.setData(model.index(1, valorColumn), QStringLiteral("1,000.50")));
    EXPECT_EQ(ds->state(), ClientDataset::State::Browse) << "a refused text leaves the row alone";
    EXPECT_TRUE(model.setData(model.index(1, valorColumn), QStringLiteral("1.000,5")));
    EXPECT_EQ(f(ds, "EGRE_VALOR").asCurrency().toString(2), QStringLiteral("1000.50"));
    EXPECT_EQ(ds->state(), ClientDataset::State::Edit);
    EXPECT_EQ(ds->recNo(), 1);
}

// A sorted grid orders amounts by value: as texts "10,50" came before
// "2,50" and "1.234.567,50" before "999,50".
TEST_F(DatasetTest, SortedGridsOrderAmountsByValue) {
    seed(12);
    ClientDataset* ds = egresos();
    ds->open();
    ds->moveTo(4);
    ds->edit();
    f(ds, "EGRE_VALOR").setValue(QStringLiteral("1234567.5"));
    ds->post();
    ds->moveTo(8);
    ds->edit();
    f(ds, "EGRE_VALOR").clear();
    ds->post();
    DatasetModel model(ds);
    GridFilterProxy proxy;
    proxy.setSourceModel(&model);
    const int valor = 4;
    ASSERT_EQ(f(ds, "EGRE_VALOR").index(), valor);
    const auto columna = [&] {
        QStringList textos;
        for (int r = 0; r < proxy.rowCount(); ++r)
            textos << proxy.index(r, valor).data().toString();
        return textos;
    };
    proxy.sort(valor, Qt::AscendingOrder);
    EXPECT_EQ(columna(), (QStringList{QString(), QStringLiteral("1,50"), QStringLiteral("2,50"),
                                      QStringLiteral("3,50"), QStringLiteral("4,50"),
                                      QStringLiteral("6,50"), QStringLiteral("7,50"),
                                      QStringLiteral("8,50"), QStringLiteral("10,50"),
                                      QStringLiteral("11,50"), QStringLiteral("12,50"),
                                      QStringLiteral("1.234.567,50")}));
    proxy.sort(valor, Qt::DescendingOrder);
    EXPECT_EQ(columna().first(), QStringLiteral("1.234.567,50"));
    // Texts still sort as shown.
    proxy.sort(2, Qt::AscendingOrder);
    EXPECT_EQ(proxy.index(0, 2).data().toString(), QStringLiteral("800"));
}

TEST_F(DatasetTest, FiltersAndCalculatedFields) {
    seed(6);
    ClientDataset* ds = egresos();
    ds->addCalculatedField(QStringLiteral("DOBLE"), Field::Type::Currency);
    ds->onCalcFields = [](ClientDataset& d) { f(&d, "DOBLE").setCurrency(f(&d, "EGRE_VALOR").asCurrency() * 2); };
    ds->open();
    EXPECT_EQ(f(ds, "DOBLE").asCurrency().toString(2), QStringLiteral("3.00"));
    ds->last();
    EXPECT_EQ(f(ds, "DOBLE").asCurrency().toString(2), QStringLiteral("13.00"));
    ds->edit();
    f(ds, "EGRE_VALOR").setValue(QStringLiteral("0.25"));
    EXPECT_EQ(f(ds, "DOBLE").asCurrency().toString(2), QStringLiteral("0.50"));
    ds->post();

    EXPECT_TRUE(ds->setFilterText(QStringLiteral("TERC_NIT = '900'")));
    EXPECT_EQ(ds->recordCount(), 3);
    EXPECT_TRUE(ds->setFilterText(QStringLiteral("terc_nit = '900' and EGRE_VALOR = 4.5")));
    EXPECT_EQ(ds->recordCount(), 1);
    EXPECT_EQ(f(ds, "EGRE_ID").asInteger(), 4);
    EXPECT_FALSE(ds->setFilterText(QStringLiteral("EGRE_VALOR > 4")));
    EXPECT_EQ(ds->recordCount(), 1);  // a filter not understood leaves the one in force
    ds->setFilter([](const ClientDataset& d) { return d.fieldByName(QStringLiteral("DOBLE")).asCurrency() > Currency::fromInt(8); });
    EXPECT_EQ(ds->recordCount(), 2);  // 9.00 and 11.00; the last row now doubles 0.25
    ds->clearFilter();
    EXPECT_EQ(ds->recordCount(), 6);
}

TEST_F(DatasetTest, EventsRunInOrderAndAFailedPostKeepsTheRecord) {
    ClientDataset* ds = dataset(QStringLiteral("Egresos"), QStringLiteral("SELECT * FROM EGRESOS"));
    QStringList events;
    auto note = [&](const char* name) { return [&events, name](ClientDataset&) { events << QString::fromLatin1(name); }; };
    ds->beforeInsert = note("beforeInsert");
    ds->afterInsert = note("afterInsert");
    ds->afterScroll = note("afterScroll");
    ds->afterPost = note("afterPost");
    ds->beforePost = note("beforePost");
    ds->onNewRecord = [&](ClientDataset& d) {
        events << QStringLiteral("onNewRecord");
        f(&d, "EGRE_ID").setValue(0);
    };
    ds->onPostError = [&](ClientDataset&, const DataError& e, ErrorAction& action) {
        events << QStringLiteral("postError: ") + e.message;
        action = ErrorAction::Abort;
    };
    ds->open();
    f(ds, "TERC_NIT").onChange = [&](Field& fld) { events << QStringLiteral("change ") + fld.asString(); };
    events.clear();
    ds->append();
    f(ds, "TERC_NIT").setValue(QStringLiteral("800"));
    EXPECT_FALSE(ds->post());
    EXPECT_EQ(events, (QStringList{"beforeInsert", "onNewRecord", "afterInsert", "afterScroll", "change 800",
                                   "beforePost", "postError: Field 'EGRE_NUMERO' must have a value"}));
    EXPECT_EQ(ds->state(), ClientDataset::State::Insert);
    EXPECT_EQ(f(ds, "TERC_NIT").asString(), QStringLiteral("800"));
    EXPECT_EQ(f(ds, "EGRE_ID").asInteger(), 0);

    // A before-handler can stop the post quietly.
    ds->beforePost = [](ClientDataset& d) { d.abort(); };
    f(ds, "EGRE_NUMERO").setValue(QStringLiteral("000001"));
    EXPECT_FALSE(ds->post());
    EXPECT_EQ(ds->state(), ClientDataset::State::Insert);
    ds->beforePost = nullptr;
    events.clear();
    EXPECT_TRUE(ds->post());
    EXPECT_EQ(events, QStringList{"afterPost"});
    EXPECT_EQ(ds->changeCount(), 1);

    ds->cancelUpdates();
    EXPECT_EQ(ds->recordCount(), 0);
    EXPECT_EQ(ds->changeCount(), 0);
}

TEST_F(DatasetTest, OnlyColumnsOfTheUpdateTableAreWritten) {
    seed(1);
    ClientDataset* ds = dataset(QStringLiteral("Egresos_det"),
                                QStringLiteral("SELECT d.*, e.EGRE_NUMERO, d.EGDE_VALOR * 2 AS DOBLE FROM EGRESOS_DET d "
                                               "JOIN EGRESOS e ON e.EGRE_ID = d.EGRE_ID ORDER BY d.EGDE_ITEM"));
    ASSERT_TRUE(ds->open());
    EXPECT_EQ(ds->provider()->updateTable(), QStringLiteral("EGRESOS_DET"));
    EXPECT_EQ(ds->provider()->keyFields(), (QStringList{"EGRE_ID", "EGDE_ITEM"}));
    ds->edit();
    set(ds, {{"EGDE_VALOR", "99.99"}, {"EGRE_NUMERO", "XXXXXX"}, {"DOBLE", 1}});
    ASSERT_EQ(ds->applyUpdates(0), 0) << ds->lastError().message.toStdString();
    EXPECT_EQ(stored("EGDE_VALOR", "EGRESOS_DET", QStringLiteral("EGDE_ITEM = 1")), QStringLiteral("99.99"));
    EXPECT_EQ(stored("EGDE_VALOR", "EGRESOS_DET", QStringLiteral("EGDE_ITEM = 2")), QStringLiteral("12.00"));
    EXPECT_EQ(stored("EGRE_NUMERO", "EGRESOS", QStringLiteral("1 = 1")), QStringLiteral("000001"));
}

class MasterDetailTest : public DatasetTest {
protected:
    void SetUp() override {
        seed(3);  // masters 1..3 with 2, 3 and 1 detail rows
        master = egresos();
        detail = dataset(QStringLiteral("Egresos_det"),
                         QStringLiteral("SELECT * FROM EGRESOS_DET WHERE EGRE_ID = :EGRE_ID ORDER BY EGDE_ITEM"));
        detail->setMaster(master, {{QStringLiteral("EGRE_ID"), QStringLiteral("EGRE_ID")}});
        ASSERT_TRUE(master->open());
        ASSERT_TRUE(detail->active());
    }
    QStringList items() {
        QStringList out;
        for (int i = 0; i < detail->recordCount(); ++i)
            out << detail->valueAt(i, 0).toString() + u'/' + detail->valueAt(i, 1).toString();
        return out;
    }
    void addItem(int item, const QString& valor) {
        ASSERT_TRUE(detail->append());
        set(detail, {{"EGDE_ITEM", item}, {"EGDE_VALOR", valor}});
        ASSERT_TRUE(detail->post());
    }
    ClientDataset* master = nullptr;
    ClientDataset* detail = nullptr;
};

TEST_F(MasterDetailTest, DetailFollowsTheMasterAndKeepsPendingRows) {
    EXPECT_EQ(items(), (QStringList{"1/1", "1/2"}));
    master->next();
    EXPECT_EQ(items(), (QStringList{"2/1", "2/2", "2/3"}));
    master->next();
    EXPECT_EQ(items(), QStringList{"3/1"});
    addItem(9, QStringLiteral("5"));
    master->first();
    EXPECT_EQ(items(), (QStringList{"1/1", "1/2"}));
    master->last();
    EXPECT_EQ(items(), (QStringList{"3/1", "3/9"}));
    EXPECT_EQ(master->changeCount(), 1);

    // A new master gets its own details; the link is filled from it.
    master->append();
    set(master, {{"EGRE_ID", 4}, {"EGRE_NUMERO", "000004"}});
    EXPECT_TRUE(items().isEmpty());
    addItem(1, QStringLiteral("7.25"));  // posts the master first
    EXPECT_EQ(master->state(), ClientDataset::State::Browse);
    EXPECT_EQ(items(), QStringList{"4/1"});
    ASSERT_EQ(master->applyUpdates(0), 0) << master->lastError().message.toStdString();
    EXPECT_EQ(count(QStringLiteral("EGRESOS")), 4);
    EXPECT_EQ(count(QStringLiteral("EGRESOS_DET")), 8);
    EXPECT_EQ(master->changeCount(), 0);

    // Deleting a master takes its details with it, written before it.
    master->first();
    master->remove();
    EXPECT_EQ(master->changeCount(), 3);
    ASSERT_EQ(detail->applyUpdates(0), 0) << master->lastError().message.toStdString();
    EXPECT_EQ(count(QStringLiteral("EGRESOS")), 3);
    EXPECT_EQ(count(QStringLiteral("EGRESOS_DET")), 6);
}

TEST_F(MasterDetailTest, AFailingDetailRollsBackTheWholeApply) {
    master->edit();
    f(master, "EGRE_CONC").setValue(QStringLiteral("cambiado"));
    addItem(7, QStringLiteral("-1"));  // refused by the table's check
    int reported = 0;
    master->provider()->onUpdateError = [&](Provider&, ClientDataset&, UpdateKind, const DataError&, ErrorResponse&) {
        ADD_FAILURE() << "the master row was written fine";
    };
    detail->provider()->onUpdateError = [&](Provider& p, ClientDataset& ds, UpdateKind kind, const DataError& e,
                                            ErrorResponse& response) {
        ++reported;
        EXPECT_EQ(&p, detail->provider());
        EXPECT_EQ(&ds, detail);
        EXPECT_EQ(kind, UpdateKind::Insert);
        EXPECT_TRUE(e.message.startsWith(Provider::kWritePrefix));
        EXPECT_TRUE(e.databaseText.contains(QLatin1String("CHECK"))) << e.databaseText.toStdString();
        response = ErrorResponse::Abort;
    };
    EXPECT_EQ(master->applyUpdates(0), 1);
    EXPECT_EQ(reported, 1);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT EGRE_CONC FROM EGRESOS WHERE EGRE_ID = 1")).toString(), QStringLiteral("Pago 1"));
    EXPECT_EQ(count(QStringLiteral("EGRESOS_DET")), 6);
    EXPECT_EQ(master->changeCount(), 2);
    EXPECT_EQ(items(), (QStringList{"1/1", "1/2", "1/7"}));

    // The user fixes the value and saves again.
    detail->last();
    detail->edit();
    f(detail, "EGDE_VALOR").setValue(QStringLiteral("1"));
    EXPECT_EQ(master->applyUpdates(0), 0);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT EGRE_CONC FROM EGRESOS WHERE EGRE_ID = 1")).toString(), QStringLiteral("cambiado"));
    EXPECT_EQ(count(QStringLiteral("EGRESOS_DET")), 7);
}

}  // namespace
