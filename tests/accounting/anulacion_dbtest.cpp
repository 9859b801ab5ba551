#include <gtest/gtest.h>

#include "core/validaciones/anulacion.h"
#include "tests/support/documentos_fixture.h"

namespace {

const QDate kHoy(2022, 9, 21);

using AnulacionTest = ledgrix::test::DocumentosTest;

// A window annuls a charge by marking it and writing the audit row with the
// user's reason; the charge's own trigger writes its trail too. Whatever
// the order, the annulment is told once and with the reason.
TEST_F(AnulacionTest, OneAnnulmentRowWithTheUsersReasonWhicheverComesFirst) {
    const QString marca =
        QStringLiteral("update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'S' where NDPR_ID = %1");
    const QString razon = QStringLiteral(
        "insert into AUDITORIA (TIDO_COD, AUDI_IDDOC, AUDI_OPER, AUDI_RAZON, AUDI_USUARIO, "
        "AUDI_MOTIVO) "
        "values (51, %1, 'A', 'duplicado', 'ANA', 1)");
    const struct {
        int id;
        bool razon_primero;
        bool con_razon;
        const char* texto;
    } casos[] = {
        {5, false, true, "Digitación:duplicado. Anulado por:ANA"},
        {6, true, true, "Digitación:duplicado. Anulado por:ANA"},
        {7, false, false, "Sin explicación del usuario. Anulado por:"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.id);
        cargo(c.id, QStringLiteral("00000%1").arg(c.id), ledgrix::test::kTransportes, kHoy,
              QStringLiteral("1000"));
        if (c.razon_primero)
            run(razon.arg(c.id));
        run(marca.arg(c.id));
        if (c.con_razon && !c.razon_primero)
            run(razon.arg(c.id));

        EXPECT_EQ(
            dm->sql()
                .scalar(
                    QStringLiteral(
                        "select count(*) from AUDITORIA where TIDO_COD = 51 and AUDI_IDDOC = %1 "
                        "and AUDI_OPER = 'A'")
                        .arg(c.id))
                .toInt(),
            1);
        EXPECT_TRUE(ledgrix::razon_anulacion(*dm, 51, c.id).startsWith(QString::fromUtf8(c.texto)));
    }
}

}  // namespace
