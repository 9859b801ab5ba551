// The bulk withholding change and the due-date change of a charge on a real
// company database: what each statement touches, typed values that must not
// reach the database, and the aging reading the new due date.
#include <map>

#include "maintenance/cambios/cambio_retenciones.h"
#include "maintenance/cambios/cambio_vencimiento.h"
#include "maintenance/progreso.h"
#include "tests/maintenance/como_propietario.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {
namespace {

using Par = CambioRetenciones::Par;

class CambiosTest : public DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        ponga_retenciones();
    }
    void ponga_retenciones() {
        run(
            QStringLiteral("update PROVEEDORES set PROV_RETEFTE = 2.5, PROV_RTFTEBASE = 1000000, "
                           "PROV_RTEIVA = 15, PROV_RTEICA = 9.66, PROV_RTCREE = 0.4 "
                           "where TERC_NIT = '900123456'"));
        run(
            QStringLiteral("update PROVEEDORES set PROV_RETEFTE = 3.5, PROV_RTFTEBASE = 500000, "
                           "PROV_RTEIVA = 15, PROV_RTEICA = 4.14, PROV_RTCREE = 0.8 "
                           "where TERC_NIT = '860045678'"));
    }
    QStringList retenciones() {
        return lineas(QStringLiteral(
            "select TERC_NIT, cast(PROV_RETEFTE as varchar(20)), cast(PROV_RTFTEBASE as "
            "varchar(20)), cast(PROV_RTEIVA as varchar(20)), cast(PROV_RTEICA as varchar(20)), "
            "cast(PROV_RTCREE as varchar(20)) from PROVEEDORES where TERC_NIT in ('900123456', "
            "'860045678') order by TERC_NIT"));
    }
    // The charge CA000123 of Transportes, due on its own date.
    qint64 cargo_ca() {
        run(
            QStringLiteral("insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, "
                           "NDPR_FECHA, NDPR_VENCE, TERC_NIT, NDPR_MONTO, NDPR_NUMPROV) values "
                           "(700, 'CA', '000123', '2022/08/01', '2022/08/01', '900123456', 500, "
                           "'F-9')"));
        return 700;
    }
};

TEST_F(CambiosTest, EachFilledPairChangesOnlyItsColumn) {
    const QString papeleria = QStringLiteral("860045678|3.50|500000.00|15.00|4.14|0.8000");
    struct Caso {
        std::map<Par, CambioRetenciones::Valores> pares;
        QString transportes;
    };
    const Caso casos[] = {
        {{{Par::Cree, {"0,4", "0,8"}}}, "900123456|2.50|1000000.00|15.00|9.66|0.8000"},
        // A pair with an empty side is left out.
        {{{Par::RetefuenteBase, {"1.000.000", "1.100.000,50"}},
          {Par::Iva, {"15", ""}},
          {Par::Ica, {"", "5"}}},
         "900123456|2.50|1100000.50|15.00|9.66|0.4000"},
        {{{Par::RetefuentePorcentaje, {"2,5", "3"}}, {Par::Ica, {"9,66", "11,04"}}},
         "900123456|3.00|1000000.00|15.00|11.04|0.4000"},
    };
    for (const Caso& c : casos) {
        ponga_retenciones();
        CambioRetenciones cambio(*dm);
        for (const auto& [par, valores] : c.pares)
            cambio.pares[par] = valores;
        SinProgreso progreso;
        ASSERT_TRUE(cambio.grabe(progreso)) << dialogs.lastError().toStdString();
        EXPECT_EQ(retenciones(), (QStringList{papeleria, c.transportes}));
    }
}

TEST_F(CambiosTest, ANonNumberIsRefusedBeforeAnythingRunsAndAFailureKeepsEarlierPairs) {
    const QStringList antes = retenciones();
    CambioRetenciones cambio(*dm);
    cambio.pares[Par::RetefuentePorcentaje] = {"2,5", "3"};
    cambio.pares[Par::Ica] = {"9,66", "9.66"};  // not the installation's format
    SinProgreso progreso;
    EXPECT_FALSE(cambio.grabe(progreso));
    EXPECT_EQ(dialogs.texts(QStringLiteral("warning")),
              QStringList{"Porcentaje de retención de ICA (nuevo): El valor «9.66» no es un "
                          "número válido. Use el formato 1.234.567,89."});
    EXPECT_EQ(retenciones(), antes);

    // Each statement on its own: the VAT rate a rule of the database refuses
    // fails after the income-tax rate was already changed, and the CREE pair
    // after it is not reached.
    como_propietario(inst->companyDatabase(),
                     QStringLiteral("alter table PROVEEDORES add constraint CK_PRUEBA_RTEIVA "
                                    "check (PROV_RTEIVA <= 100)"));
    cambio.pares[Par::Ica] = {};
    cambio.pares[Par::Iva] = {"15", "150"};
    cambio.pares[Par::Cree] = {"0,4", "0,9"};
    dialogs.clear();
    EXPECT_FALSE(cambio.grabe(progreso));
    EXPECT_FALSE(dialogs.errors().isEmpty());
    EXPECT_EQ(retenciones(),
              (QStringList{antes[0], "900123456|3.00|1000000.00|15.00|9.66|0.4000"}));
}

TEST_F(CambiosTest, TheChargeIsFoundByItsFullNumberAndQuotesAreOnlyText) {
    cargo_ca();
    struct Caso {
        QString tecleado;
        bool encontrado;
    };
    const Caso casos[] = {
        {"CA000123", true}, {" CA000123 ", true},         {"CA00012", false},
        {"000123", false},  {"CA' or ''='000123", false}, {"x' or 1=1 --000123", false},
    };
    for (const Caso& c : casos) {
        dialogs.clear();
        CambioVencimiento cambio(*dm);
        EXPECT_EQ(cambio.busque(c.tecleado), c.encontrado) << c.tecleado.toStdString();
        EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
        if (c.encontrado) {
            EXPECT_EQ(cambio.id, 700);
            EXPECT_EQ(cambio.prefijo, QStringLiteral("CA"));
            EXPECT_EQ(cambio.numero, QStringLiteral("000123"));
            EXPECT_EQ(cambio.fecha, QDate(2022, 8, 1));
            EXPECT_EQ(cambio.numero_proveedor, QStringLiteral("F-9"));
            EXPECT_FALSE(cambio.proveedor.isEmpty());
        } else {
            EXPECT_EQ(dialogs.texts(QStringLiteral("warning")),
                      QStringList{"No se encontró el cargo."});
        }
    }
}

TEST_F(CambiosTest, TheNewDueDateReachesTheLedgerAndTheAging) {
    cargo_ca();
    const QString aging = QStringLiteral(
        "select cast(VENCE as varchar(10)), cast(CORRIENTE as varchar(20)), cast(TREINTA as "
        "varchar(20)) from rep_analisis_cxpagar('', 'ZZZZZZZZZZZZZZZZZZZZ', '', 'zz', "
        "'2022/09/21', 'S', 'N', 'N', 30, 0, 'N', 0) where TIPO = 51 and ID = 700");
    EXPECT_EQ(lineas(aging), QStringList{"2022-08-01|0.00|500.00"});

    CambioVencimiento cambio(*dm);
    ASSERT_TRUE(cambio.busque(QStringLiteral("CA000123")));
    // Refused, and nothing stored: no date, a date before the charge's.
    const std::pair<QDate, QString> rechazos[] = {
        {QDate(), "Debe indicar el número completo del cargo y el nuevo vencimiento."},
        {QDate(2022, 7, 31),
         "El nuevo vencimiento no puede ser anterior a la fecha del cargo (2022/08/01)."},
    };
    for (const auto& [fecha, mensaje] : rechazos) {
        dialogs.clear();
        EXPECT_FALSE(cambio.cambie(fecha, QStringLiteral("X")));
        EXPECT_EQ(dialogs.texts(QStringLiteral("warning")), QStringList{mensaje});
    }

    ASSERT_TRUE(cambio.cambie(QDate(2022, 10, 15), QStringLiteral("F-1'2")))
        << dialogs.lastError().toStdString();
    EXPECT_EQ(lineas(QStringLiteral("select cast(NDPR_VENCE as varchar(10)), NDPR_NUMPROV from "
                                    "NOTAS_DEBITO_PROVEEDOR where NDPR_ID = 700")),
              QStringList{"2022-10-15|F-1'2"});
    EXPECT_EQ(lineas(aging), QStringList{"2022-10-15|500.00|0.00"});

    // Without a supplier's number only the due date changes.
    ASSERT_TRUE(cambio.cambie(QDate(2022, 8, 1), QString()));
    EXPECT_EQ(lineas(QStringLiteral("select cast(MVPR_VENCE as varchar(10)), MVPR_NUMPROV from "
                                    "MOVIMIENTO_PROVEEDOR where MVPR_TIPOREF = 51 and "
                                    "MVPR_IDREF = 700")),
              QStringList{"2022-08-01|F-1'2"});
}

}  // namespace
}  // namespace ledgrix::test
