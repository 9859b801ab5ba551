// The balance recalculation on a real company database corrupted by hand:
// what it repairs and reports, what it leaves alone outside the range, and
// how the range of suppliers is read.
#include <set>

#include "maintenance/progreso.h"
#include "maintenance/recalculo/recalculo_saldos.h"
#include "tests/maintenance/como_propietario.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {
namespace {

const QDate kSep1(2022, 9, 1), kSep10(2022, 9, 10);
const QString kTodos = QStringLiteral("ZZZZZZZZZZZZZZZZZZZZ");

class RecalculoTest : public DocumentosTest {
  protected:
    // "tipo/id prefijo numero: error" per row; nullopt when refused.
    std::optional<QStringList> recalcule(const QString& desde, const QString& hasta) {
        SinProgreso progreso;
        RecalculoSaldos recalculo(*dm);
        const auto errores = recalculo.recalcule(desde, hasta, progreso);
        if (!errores)
            return std::nullopt;
        QStringList filas;
        for (const ErrorSaldo& e : *errores)
            filas << QStringLiteral("%1/%2 %3%4: %5")
                         .arg(e.tipo)
                         .arg(e.id)
                         .arg(e.prefijo, e.numero, e.error);
        return filas;
    }
    // A ledger position no document stands behind.
    void posicion_huerfana(int id, const QString& nit) {
        run(QStringLiteral("insert into MOVIMIENTO_PROVEEDOR (MVPR_TIPOREF, MVPR_IDREF, "
                           "MVPR_PREFIJO, MVPR_NUMERO, TERC_NIT, MVPR_FECHA, MVPR_VALOR, "
                           "MVPR_SALDO) values (51, %1, 'XX', '%1', %2, '2022/09/01', 10, 10)")
                .arg(id)
                .arg(sql::quoted(nit)));
    }
};

TEST_F(RecalculoTest, RepairsWhatWasChangedByHandInTheRangeAndSaysWhat) {
    factura(600, QStringLiteral("000600"), kTransportes, kSep1, QStringLiteral("1000"));
    cargo(601, QStringLiteral("000601"), kTransportes, kSep1, QStringLiteral("200"));
    cargo(602, QStringLiteral("000602"), kPapeleria, kSep1, QStringLiteral("300"));
    cargo(603, QStringLiteral("000603"), kTransportes, kSep1, QStringLiteral("80"));
    cargo(604, QStringLiteral("000604"), kTransportes, kSep1, QStringLiteral("70"));
    egreso(600, QStringLiteral("000600"), kTransportes, kSep10);
    pago(600, 1, 21, 600, QStringLiteral("400"));
    pago(600, 2, 51, 601, QStringLiteral("50"));
    EXPECT_EQ(recalcule(QStringLiteral("0"), kTodos), QStringList());

    // A wrong stored balance and a lost movement on the same invoice.
    run(
        QStringLiteral("update MOVIMIENTO_PROVEEDOR set MVPR_SALDO = 7 where MVPR_TIPOREF = 21 "
                       "and MVPR_IDREF = 600"));
    run(QStringLiteral(
        "delete from ABONOS_PROVEEDOR where ABPR_TIPOREF = 21 and ABPR_IDREF = 600"));
    // A payment no voucher line stands behind.
    run(
        QStringLiteral("execute procedure CXP_REGISTRE_ABONO('E', 600, 9, 51, 601, '2022/09/10', "
                       "25, 0, 0, 0, 0, 0)"));
    run(
        QStringLiteral("update MOVIMIENTO_PROVEEDOR set MVPR_VALOR = 90 where MVPR_TIPOREF = 51 "
                       "and MVPR_IDREF = 603"));
    run(QStringLiteral(
        "delete from MOVIMIENTO_PROVEEDOR where MVPR_TIPOREF = 51 and MVPR_IDREF = 604"));
    posicion_huerfana(999, kTransportes);
    // Another supplier's damage, outside the range.
    run(
        QStringLiteral("update MOVIMIENTO_PROVEEDOR set MVPR_SALDO = 1 where MVPR_TIPOREF = 51 "
                       "and MVPR_IDREF = 602"));

    EXPECT_EQ(recalcule(kTransportes, kTransportes),
              (QStringList{
                  "21/600 0000000600: Movimiento faltante creado (pago del egreso 0000000600, "
                  "línea 1): 400,00. Saldo guardado 7,00; recalculado 600,00",
                  "51/601 0000000601: Movimiento sin línea vigente eliminado (pago del egreso "
                  "0000000600, línea 9): 25,00. Saldo guardado 125,00; recalculado 150,00",
                  "51/603 0000000603: Valor guardado 90,00; recalculado 80,00",
                  "51/604 0000000604: Documento sin posición: posición creada",
                  "51/999 XX999: Posición sin documento eliminada",
              }));
    EXPECT_EQ(guardado(21, 600), QStringLiteral("600.00"));
    EXPECT_EQ(saldo(21, 600, kSep10), QStringLiteral("600.00"));
    EXPECT_EQ(saldo(21, 600, kSep1), QStringLiteral("1000.00"));
    EXPECT_EQ(guardado(51, 601), QStringLiteral("150.00"));
    EXPECT_EQ(guardado(51, 603), QStringLiteral("80.00"));
    EXPECT_EQ(guardado(51, 604), QStringLiteral("70.00"));
    EXPECT_EQ(guardado(51, 999), QStringLiteral("sin fila"));
    EXPECT_EQ(guardado(51, 602), QStringLiteral("1.00"));
    EXPECT_EQ(filas(QStringLiteral("ABONOS_PROVEEDOR where ABPR_IDORI = 600")), 2);

    // Repaired once: nothing left in the range; the rest of the suppliers
    // are repaired when their turn comes.
    EXPECT_EQ(recalcule(kTransportes, kTransportes), QStringList());
    EXPECT_EQ(recalcule(QStringLiteral("0"), kTodos),
              QStringList{"51/602 0000000602: Saldo guardado 1,00; recalculado 300,00"});
    EXPECT_EQ(guardado(51, 602), QStringLiteral("300.00"));
}

TEST_F(RecalculoTest, TheRangeIsTextInUpperCaseLikeTheSupplierSearch) {
    struct Caso {
        QString desde, hasta;
        std::set<int> reparadas;
    };
    const Caso casos[] = {
        {kTransportes, kTransportes, {901}},
        // Text order: "900123456" comes after "9".
        {QStringLiteral("8"), QStringLiteral("9"), {902}},
        {QStringLiteral(" abc "), QStringLiteral("ABD"), {903}},
        {QStringLiteral("0"), kTodos, {901, 902, 903}},
    };
    for (const Caso& c : casos) {
        posicion_huerfana(901, kTransportes);
        posicion_huerfana(902, kPapeleria);
        posicion_huerfana(903, QStringLiteral("abc9"));
        const auto filas = recalcule(c.desde, c.hasta);
        ASSERT_TRUE(filas) << dialogs.lastError().toStdString();
        std::set<int> reparadas;
        for (const QString& f : *filas)
            reparadas.insert(
                f.section(QLatin1Char('/'), 1).section(QLatin1Char(' '), 0, 0).toInt());
        EXPECT_EQ(reparadas, c.reparadas) << c.desde.toStdString() << ".." << c.hasta.toStdString();
        run(
            QStringLiteral("delete from MOVIMIENTO_PROVEEDOR where MVPR_IDREF between 901 and 903 "
                           "and MVPR_TIPOREF = 51"));
    }

    // Without both bounds nothing runs.
    posicion_huerfana(901, kTransportes);
    for (const auto& [desde, hasta] : {std::pair{QString(), kTodos}, std::pair{kTodos, QString()},
                                       std::pair{QStringLiteral("  "), kTodos}}) {
        dialogs.clear();
        EXPECT_FALSE(recalcule(desde, hasta));
        EXPECT_EQ(dialogs.texts(QStringLiteral("warning")),
                  QStringList{"Ingrese un rango de proveedores para realizar el procedimiento."});
    }
    EXPECT_EQ(filas(QStringLiteral("MOVIMIENTO_PROVEEDOR where MVPR_IDREF = 901")), 1);
}

TEST_F(RecalculoTest, ARepairTheDatabaseRefusesLeavesTheWholeRunUndone) {
    cargo(610, QStringLiteral("000610"), kTransportes, kSep1, QStringLiteral("100"));
    cargo(611, QStringLiteral("000611"), kTransportes, kSep1, QStringLiteral("123.45"));
    run(
        QStringLiteral("update MOVIMIENTO_PROVEEDOR set MVPR_SALDO = 1 where MVPR_TIPOREF = 51 "
                       "and MVPR_IDREF in (610, 611)"));
    // The second balance cannot be written back.
    como_propietario(inst->companyDatabase(),
                     QStringLiteral("alter table MOVIMIENTO_PROVEEDOR add constraint CK_PRUEBA "
                                    "check (MVPR_SALDO <> 123.45)"));
    EXPECT_FALSE(recalcule(kTransportes, kTransportes));
    EXPECT_FALSE(dialogs.errors().isEmpty());
    EXPECT_EQ(guardado(51, 610), QStringLiteral("1.00"));
    EXPECT_EQ(guardado(51, 611), QStringLiteral("1.00"));
}

}  // namespace
}  // namespace ledgrix::test
