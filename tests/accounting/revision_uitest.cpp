#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTabWidget>

#include "accounting/selectores/terceros.h"
#include "accounting/ui/revision/tfcontabiliza.h"
#include "accounting/ui/selectores/tfbuscterceros.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using ledgrix::test::tecla;

namespace {

const QString kSalir =
    QStringLiteral("Desea salir del comprobante y perder los movimientos que no ha grabado?");

class RevisionVentanaTest : public ledgrix::test::DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        // A balanced staging voucher of charge 5 on two accounts of each chart.
        run(QStringLiteral(
            "insert into CONTABILIZACION (CNTB_ID, CNTB_TIPOREF, CNTB_IDREF, CNTB_PREFREF, "
            "CNTB_NUMREF, "
            "CNTB_FECHA, CNTB_TIPOCOMP, CNTB_PREFCNT, CNTB_CONCEPTO) values (900, 51, 5, '0000', "
            "'000005', '20220921', 'CXP', '0001', 'Cargo')"));
        int item = 1;
        for (const char* tabla : {"CUENTAS", "CUENTAS_NIIF"}) {
            auto q = dm->sql().select(
                QStringLiteral("select first 2 CUEN_COD from %1 order by CUEN_COD desc")
                    .arg(QLatin1String(tabla)));
            for (const char* lado : {"CNDE_DEBITOS", "CNDE_CREDITOS"}) {
                ASSERT_TRUE(q && q->next());
                run(QStringLiteral(
                        "insert into CONTABILIZACION_DET (CNTB_ID, CNDE_ITEM, CNDE_CUENTA, %1) "
                        "values (900, %2, %3, 100)")
                        .arg(QLatin1String(lado))
                        .arg(item++)
                        .arg(sql::quoted(q->value(0).toString())));
            }
            item = 100001;
        }
    }
    QString concepto() {
        return dm->sql()
            .scalar(QStringLiteral("select CNTB_CONCEPTO from CONTABILIZACION where CNTB_ID = 900"))
            .toString();
    }
};

TEST_F(RevisionVentanaTest, OpensOnTheConfiguredPageWithTheBooksTheCompanyKeeps) {
    {
        Tfcontabiliza v(*dm, 51, 5);
        EXPECT_EQ(v.windowTitle(), QStringLiteral("Contabilización"));
        EXPECT_EQ(v.paginas()->tabText(v.paginas()->currentIndex()), QStringLiteral("Dec.2649"));
        EXPECT_TRUE(v.paginas()->isTabEnabled(1));
        EXPECT_EQ(v.grilla(RevisionContable::Pagina::Local)->model()->rowCount(), 2);
        EXPECT_EQ(v.grilla(RevisionContable::Pagina::Niif)->model()->rowCount(), 2);
        EXPECT_EQ(v.grilla(RevisionContable::Pagina::Local)->exportTitle(),
                  QStringLiteral("EdCompCont"));
    }
    configure(QStringLiteral("MOSTRAR VENTANAS 2649 O NIIF INICIALMENTE AL REGISTRAR COMPROBANTES "
                             "Y HACER CONSULTAS"),
              QStringLiteral("NIIF"));
    configure(QStringLiteral("GENERAR CONTABILIZACION LOCAL POR EQUIVALENCIA DESDE NIIF"),
              QStringLiteral("SI"));
    {
        Tfcontabiliza v(*dm, 51, 5);
        EXPECT_EQ(v.paginas()->tabText(v.paginas()->currentIndex()), QStringLiteral("NIIF"));
        EXPECT_FALSE(v.paginas()->isTabEnabled(0));
    }
    configure(QStringLiteral("GENERAR COMPROBANTES DE NIIF POR INTERFAZ O EQUIVALENCIAS"),
              QStringLiteral("EQUIVALENCIAS"));
    Tfcontabiliza v(*dm, 51, 5);
    EXPECT_FALSE(v.paginas()->isTabEnabled(1));
}

TEST_F(RevisionVentanaTest, F2SavesAndEndsAccepted) {
    Tfcontabiliza v(*dm, 51, 5);
    v.show();
    v.concepto()->setText(QStringLiteral("Cargo revisado"));
    emit v.concepto()->textEdited(v.concepto()->text());
    tecla(v.grilla(RevisionContable::Pagina::Local), Qt::Key_F2);
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(v.result(), QDialog::Accepted);
    EXPECT_EQ(concepto(), QStringLiteral("Cargo revisado"));
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();
}

TEST_F(RevisionVentanaTest, EscWithPendingChangesAsksAndYesDiscardsThem) {
    Tfcontabiliza v(*dm, 51, 5);
    v.show();
    tecla(v.grilla(RevisionContable::Pagina::Local),
          Qt::Key_Escape);  // nothing changed: no question
    EXPECT_FALSE(v.isVisible());

    v.show();
    v.concepto()->setText(QStringLiteral("Otro"));
    emit v.concepto()->textEdited(v.concepto()->text());
    dialogs.expectQuestion(kSalir, false);
    tecla(v.concepto(), Qt::Key_Escape);
    EXPECT_TRUE(v.isVisible());
    dialogs.expectQuestion(kSalir, true);
    tecla(v.concepto(), Qt::Key_Escape);
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(v.result(), QDialog::Rejected);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(concepto(), QStringLiteral("Cargo"));
}

TEST_F(RevisionVentanaTest, TheThirdPartyChooserAnswersTheLineFoundAndEntered) {
    SelectorTerceros selector(*dm);
    Tfbuscterceros v(selector);
    v.show();
    v.busqueda()->setText(QStringLiteral("norte"));
    ASSERT_EQ(v.grilla()->model()->rowCount(), 1);
    tecla(v.busqueda(), Qt::Key_Return);
    EXPECT_EQ(selector.elegido(v.result()), test::kTransportes);
}

}  // namespace
