#include <gtest/gtest.h>

#include "core/sql/sqltext.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;

namespace {

class NumeracionTest : public ledgrix::test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
    }
    bool cargo(int id, const QString& numero) {
        dialogs.clear();
        const bool ok = dm->sql().execute(
            QStringLiteral("insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, TERC_NIT, "
                           "NDPR_MONTO) values (%1, '0000', %2, '2022/09/21', '900123456', 100)")
                .arg(id)
                .arg(sql::quoted(numero)));
        if (!ok)
            ultimoError = dialogs.lastError();
        return ok;
    }
    QString ultimoError;
    QString actual(int tipo = 51) {
        return dm->sql()
            .scalar(QStringLiteral("select PREF_ACTUAL from PREFIJOS where TIDO_COD = %1 and PREF_PRE = '0000'").arg(tipo))
            .toString();
    }
    QString existe(const QString& nit) {
        return dm->sql().scalar(QStringLiteral("select OK from EXISTE_TERCERO(%1)").arg(sql::quoted(nit))).toString();
    }
};

TEST_F(NumeracionTest, ElConsecutivoSoloAvanza) {
    ASSERT_EQ(actual(), QStringLiteral("000001"));
    ASSERT_TRUE(cargo(1, QStringLiteral("000005"))) << ultimoError.toStdString();
    EXPECT_EQ(actual(), QStringLiteral("000006"));
    ASSERT_TRUE(cargo(2, QStringLiteral("000003")));
    EXPECT_EQ(actual(), QStringLiteral("000006")) << "an older number typed by hand";
    ASSERT_TRUE(cargo(3, QStringLiteral("A-7")));
    EXPECT_EQ(actual(), QStringLiteral("000006")) << "not a consecutive";

    // A series set ahead in the numbering window stays ahead.
    ASSERT_TRUE(dm->sql().execute(
        QStringLiteral("update PREFIJOS set PREF_ACTUAL = '000050' where TIDO_COD = 51 and PREF_PRE = '0000'")));
    ASSERT_TRUE(cargo(4, QStringLiteral("000010")));
    EXPECT_EQ(actual(), QStringLiteral("000050"));
    ASSERT_TRUE(cargo(5, QStringLiteral("000050")));
    EXPECT_EQ(actual(), QStringLiteral("000051"));
    EXPECT_EQ(actual(52), QStringLiteral("000001")) << "each type keeps its own series";

    // The voucher's series moves the same way.
    ASSERT_TRUE(dm->sql().execute(QStringLiteral(
        "insert into EGRESOS (EGRE_ID, PREF_PRE, EGRE_NUMERO, EGRE_FECHA, TERC_NIT) values (1, '0000', '000009', "
        "'2022/09/21', '900123456')")));
    EXPECT_EQ(actual(62), QStringLiteral("000010"));
}

TEST_F(NumeracionTest, UnNumeroPorPrefijo) {
    ASSERT_TRUE(cargo(1, QStringLiteral("000007")));
    EXPECT_FALSE(cargo(2, QStringLiteral("000007")));
    EXPECT_EQ(dm->sql().scalar(QStringLiteral("select count(*) from NOTAS_DEBITO_PROVEEDOR")).toInt(), 1);
    EXPECT_EQ(dm->sql().scalar(QStringLiteral("select count(*) from MOVIMIENTO_PROVEEDOR where MVPR_TIPOREF = 51")).toInt(), 1)
        << "the refused row left no position";
    // The same number in another document table is another document.
    EXPECT_TRUE(dm->sql().execute(QStringLiteral(
        "insert into NOTAS_CREDITO_PROVEEDOR (NCPR_ID, PREF_PRE, NCPR_NUMERO, NCPR_FECHA, TERC_NIT, NCPR_MONTO) "
        "values (1, '0000', '000007', '2022/09/21', '900123456', 10)")));
}

TEST_F(NumeracionTest, AuditoriaDeInsercionAnulacionYBorrado) {
    auto filas = [this](const QString& oper) {
        return dm->sql()
            .scalar(QStringLiteral("select count(*) from AUDITORIA where TIDO_COD = 51 and AUDI_IDDOC = 8 and "
                                   "AUDI_OPER = '%1' and AUDI_COD = '0000000008' and AUDI_USUARIO <> ''").arg(oper))
            .toInt();
    };
    ASSERT_TRUE(cargo(8, QStringLiteral("000008")));
    EXPECT_EQ(filas(QStringLiteral("I")), 1);
    ASSERT_TRUE(dm->sql().execute(QStringLiteral("update NOTAS_DEBITO_PROVEEDOR set NDPR_CONC = 'x' where NDPR_ID = 8")));
    EXPECT_EQ(filas(QStringLiteral("A")), 0) << "an edit is not an annulment";
    ASSERT_TRUE(dm->sql().execute(QStringLiteral("update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'S' where NDPR_ID = 8")));
    ASSERT_TRUE(dm->sql().execute(QStringLiteral("update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'S' where NDPR_ID = 8")));
    EXPECT_EQ(filas(QStringLiteral("A")), 1);
    ASSERT_TRUE(dm->sql().execute(QStringLiteral("delete from NOTAS_DEBITO_PROVEEDOR where NDPR_ID = 8")));
    EXPECT_EQ(filas(QStringLiteral("D")), 1);

    // A half-saved document (id 0) leaves no trail.
    ASSERT_TRUE(cargo(0, QStringLiteral("000009")));
    EXPECT_EQ(dm->sql().scalar(QStringLiteral("select count(*) from AUDITORIA where TIDO_COD = 51 and AUDI_IDDOC = 0")).toInt(), 0);
}

TEST_F(NumeracionTest, ExisteTercero) {
    EXPECT_EQ(existe(QStringLiteral("900123456")), QStringLiteral("S"));
    EXPECT_EQ(existe(QStringLiteral("79456123")), QStringLiteral("N")) << "inactive";
    EXPECT_EQ(existe(QStringLiteral("1")), QStringLiteral("N"));
    EXPECT_EQ(existe(QStringLiteral("O'Brien")), QStringLiteral("N"));
}

}  // namespace
