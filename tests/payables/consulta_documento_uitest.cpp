#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <functional>
#include <memory>

#include "core/ui/grid/ledgrix_grid.h"
#include "payables/consulta/consulta_documento.h"
#include "payables/ui/consulta/tfconsnotcrcxp.h"
#include "payables/ui/consulta/tfconsnotdbcxp.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using ledgrix::test::kPapeleria;
using ledgrix::test::tecla;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

using Vistos = std::vector<std::pair<const char*, const char*>>;

// A charge and a discount on it, with every figure the windows show.
class ConsultaVentanaTest : public test::DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        cargo(5, S("000005"), kPapeleria, QDate(2022, 9, 20), S("1000"), S("190"));
        run(S(
            "update NOTAS_DEBITO_PROVEEDOR set NDPR_CONC = 'Fletes de septiembre', "
            "NDPR_VENCE = '2022-10-20', NDPR_EXTRA = 50, NDPR_IVAPORC = 19, NDPR_RTFTEPORC = 2.5, "
            "NDPR_RTFTEMONTO = 25, NDPR_RTICAPORC = 9.66, NDPR_RTICAMONTO = 9.66, "
            "NDPR_NRONDE = 'CUDS-123', NDPR_NUMPROV = 'FP-88' where NDPR_ID = 5"));
        run(
            S("insert into CENTROS_DOCUMENTO (TIDO_COD, CEDO_IDDOC, CEDO_ITEM, PROY_COD, CENT_COD, "
              "SUBC_COD, CEDO_MONTO) select 51, 5, 1, PROY_COD, CENT_COD, '', 600 from CENTROS "
              "rows 1"));
        run(
            S("insert into CENTROS_DOCUMENTO (TIDO_COD, CEDO_IDDOC, CEDO_ITEM, PROY_COD, CENT_COD, "
              "SUBC_COD, CEDO_MONTO) select 51, 5, 2, PROY_COD, CENT_COD, '', 400 from CENTROS "
              "rows 1"));
        descuento(7, S("000007"), kPapeleria, QDate(2022, 9, 22), S("200"));
        run(S(
            "update NOTAS_CREDITO_PROVEEDOR set NCPR_TIPODS = 51, NCPR_DOCSOPORTE = '0000000005', "
            "NCPR_FACID = 5, NCPR_TIPONE = 4, NCPR_IVAMONTO = 38 where NCPR_ID = 7"));
    }
};

TEST_F(ConsultaVentanaTest, ChargeAndDiscountShowWhatWasStoredAndPrintWithTheirOwnWindow) {
    const struct {
        int tipo, id;
        std::function<Tfconsulta*(Tfdm&)> abra;
        Vistos vistos;
        const char* impresion;
    } casos[] = {
        {51,
         5,
         [](Tfdm& dm) { return new Tfconsnotdbcxp(dm); },
         {{"NDPR_NUMERO", "000005"},
          {"NDPR_FECHA", "2022/09/20"},
          {"NDPR_VENCE", "2022/10/20"},
          {"NDPR_CONC", "Fletes de septiembre"},
          {"NDPR_MONTO", "1.000,00"},
          {"NDPR_IVAMONTO", "190,00"},
          {"NDPR_EXTRA", "50,00"},
          {"TOTAL", "1.240,00"},
          {"NDPR_RTICAPORC", "9,66"},
          {"NETO", "1.205,34"},
          {"NDPR_NRONDE", "CUDS-123"},
          {"proveedor", "Papelería Industrial Andina S.A."}},
         "Tfimprnotadbp"},
        {52,
         7,
         [](Tfdm& dm) { return new Tfconsnotcrcxp(dm); },
         {{"NCPR_NUMERO", "000007"},
          {"NCPR_MONTO", "200,00"},
          {"TOTAL", "238,00"},
          {"TIPODS_NOMBRE", "CARGOS A ACREEDORES"},
          {"NCPR_DOCSOPORTE", "0000000005"},
          {"TIPONE_NOMBRE", "Ajuste de precio"},
          {"proveedor", "Papelería Industrial Andina S.A."}},
         "Tfimprnotacrp"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tipo);
        dm->documento_consultado = {c.tipo, c.id, {}, {}, {}};
        std::unique_ptr<Tfconsulta> w(c.abra(*dm));
        w->show();
        QApplication::setActiveWindow(w.get());
        for (const auto& [campo, texto] : c.vistos) {
            SCOPED_TRACE(campo);
            ASSERT_TRUE(w->valor(S(campo)));
            EXPECT_EQ(w->valor(S(campo))->text(), S(texto));
        }
        EXPECT_TRUE(w->registro().startsWith(S("Registro: 20"))) << w->registro().toStdString();
        EXPECT_EQ(w->anulacion(), QString());
        // The keys work from the first box the window gives the cursor to.
        ASSERT_EQ(QApplication::focusWidget(), w->valor(S("TERC_NIT")));
        dialogs.expectModal(S(c.impresion), 1);
        tecla(QApplication::focusWidget(), Qt::Key_F2);
        dialogs.expectModal(S("Tfnotasdoc"), 1);
        tecla(QApplication::focusWidget(), Qt::Key_F6);
        EXPECT_TRUE(dialogs.allAnswered());
        EXPECT_EQ(dm->documento_consultado.numero, w->consulta().numero());
        EXPECT_EQ(dm->documento_consultado.prefijo, S("0000"));
    }
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();
}

TEST_F(ConsultaVentanaTest, TheChargeListsItsCostCentresAndAnAnnulledOneSaysWhy) {
    run(S("update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'S' where NDPR_ID = 5"));
    run(
        S("update AUDITORIA set AUDI_RAZON = 'Duplicado', AUDI_USUARIO = 'LUIS' where TIDO_COD = "
          "51 and AUDI_OPER = 'A'"));
    dm->documento_consultado = {51, 5, {}, {}, {}};
    Tfconsnotdbcxp w(*dm);
    EXPECT_EQ(w.anulacion(), S("ANULADO   Duplicado. Anulado por:LUIS"));
    LedgrixGrid* centros = w.lista(S("Centros de costo"));
    ASSERT_TRUE(centros);
    ASSERT_EQ(centros->model()->rowCount(), 2);
    EXPECT_EQ(centros->model()->index(1, centros->model()->columnCount() - 1).data().toString(),
              S("400,00"));

    // A discount's id handed to the charge's window is no charge.
    dm->documento_consultado = {52, 7, {}, {}, {}};
    Tfconsnotdbcxp otro(*dm);
    EXPECT_EQ(dialogs.texts(S("information")),
              QStringList{S("No Existe un Documento a Consultar")});
    EXPECT_FALSE(otro.valor(S("NDPR_MONTO")));
}

}  // namespace
