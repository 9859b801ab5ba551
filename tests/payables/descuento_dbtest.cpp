#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "core/sql/sqltext.h"
#include "payables/cargos/cargo.h"
#include "payables/cargos/descuento.h"
#include "tests/payables/cargo_fixture.h"

using namespace ledgrix;
using ledgrix::test::kPapeleria;
using ledgrix::test::kTransportes;
using ledgrix::test::M;

namespace {

const QDate kHoy(2022, 9, 21);

// The discount window's logic on a demo installation, driven as the window does.
class DescuentoTest : public ledgrix::test::DocumentoCxpTest<Descuento> {
  protected:
    QString suma(const QString& detalle, qint64 id) {
        return texto(QStringLiteral("select cast(sum(d.CODE_DEBITOS) - sum(d.CODE_CREDITOS) as "
                                    "varchar(20)) || ' ' || count(*) from %1 d join "
                                    "COMPROBANTE_ENCABEZADO e on e.ENCO_CONSEC = d.ENCO_CONSEC "
                                    "where e.ENCO_TIPOREF = 52 and e.ENCO_IDREF = %2")
                         .arg(detalle)
                         .arg(id));
    }
};

// Below the supplier's base a discount withholds nothing on its amount, but a
// later change of VAT% takes the IVA withholding from the VAT regardless;
// the charge keeps the threshold for the same steps.
TEST_F(DescuentoTest, AChangeOfVatRateWithholdsIvaWithoutTheThreshold) {
    Descuento& d = abra();
    EXPECT_EQ(t("NCPR_NUMERO"), QStringLiteral("000001"));
    EXPECT_EQ(t("TIDO_COD"), QStringLiteral("52"));
    d.cambie_nit(kPapeleria);
    ASSERT_GT(v("NCPR_RTIVAPORC"), Currency()) << "the demo supplier withholds IVA";
    d.cambie_monto(M("500000"));
    d.cambie_porcentaje(DocumentoCxp::Porcentaje::Iva, M("0"));
    EXPECT_EQ(v("NCPR_RTFTEMONTO"), M("0"));
    EXPECT_EQ(v("NCPR_RTIVAMONTO"), M("0"));
    d.cambie_porcentaje(DocumentoCxp::Porcentaje::Iva, M("19"));
    EXPECT_EQ(v("NCPR_IVAMONTO"), M("95000"));
    EXPECT_EQ(v("NCPR_RTIVAMONTO"), R(M("95000") * v("NCPR_RTIVAPORC") / M("100"), 0));
    EXPECT_EQ(v("NCPR_RTFTEMONTO"), M("0"));

    Cargo cargo(*dm);
    ASSERT_TRUE(cargo.abra());
    cargo.cambie_nit(kPapeleria);
    cargo.cambie_monto(M("500000"));
    cargo.cambie_porcentaje(DocumentoCxp::Porcentaje::Iva, M("19"));
    EXPECT_EQ(cargo.campo(QStringLiteral("NDPR_RTIVAMONTO")).asCurrency(), M("0"));
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
}

// The support document arrives from the charge search or the purchase
// invoice chooser with its id; its printed number follows, a wrong id is
// refused and a change of type drops it.
TEST_F(DescuentoTest, TheSupportDocumentCarriesItsTypeNumberAndId) {
    cargo(800, QStringLiteral("000800"), kTransportes, kHoy, QStringLiteral("300000"));
    factura(801, QStringLiteral("000801"), kTransportes, kHoy, QStringLiteral("400000"));
    Descuento& d = abra();
    const struct {
        int tipo;
        qint64 id;
        const char* numero;
    } casos[] = {{51, 800, "0000000800"}, {21, 801, "0000000801"}, {51, 801, nullptr}};
    for (const auto& k : casos) {
        dialogs.clear();
        EXPECT_EQ(d.reciba_soporte(k.tipo, k.id), k.numero != nullptr) << k.tipo << " " << k.id;
        EXPECT_EQ(t("NCPR_TIPODS").toInt(), k.tipo);
        EXPECT_EQ(t("NCPR_DOCSOPORTE"), k.numero ? QString::fromLatin1(k.numero) : QString());
        EXPECT_EQ(logica->campo(QStringLiteral("NCPR_FACID")).asInteger(), k.numero ? k.id : 0);
        EXPECT_EQ(
            dialogs.lastError(),
            k.numero ? QString() : QStringLiteral("No existe el documento soporte del descuento."));
    }
    d.reciba_soporte(51, 800);
    d.cambie_tipo_soporte(51);
    EXPECT_EQ(t("NCPR_DOCSOPORTE"), QStringLiteral("0000000800"));
    d.cambie_tipo_soporte(21);
    EXPECT_TRUE(t("NCPR_DOCSOPORTE").isEmpty());
    EXPECT_TRUE(logica->campo(QStringLiteral("NCPR_FACID")).isNull());
}

// Only discounts are consulted, annulled ones included.
TEST_F(DescuentoTest, SupplierNumberIsCheckedAgainstDiscountsOnly) {
    descuento(90, QStringLiteral("000090"), kTransportes, kHoy, QStringLiteral("1000"));
    run(
        QStringLiteral("update NOTAS_CREDITO_PROVEEDOR set NCPR_NUMPROV = 'NC-1', "
                       "NCPR_ANULADO = 'S' where NCPR_ID = 90"));
    cargo(91, QStringLiteral("000091"), kTransportes, kHoy, QStringLiteral("1000"));
    run(QStringLiteral(
        "update NOTAS_DEBITO_PROVEEDOR set NDPR_NUMPROV = 'FX-1' where NDPR_ID = 91"));
    configure("COMPRAS", "FACTURAS",
              "ACCION A TOMAR SI SE REPITE EL NUMERO DE FACTURA DEL PROVEEDOR",
              QStringLiteral("PROHIBIR"));
    const struct {
        const char* numero;
        const char* mensaje;
    } casos[] = {
        {"NC-1", "El descuento No. 0000000090 ya tiene ese número de proveedor."},
        {"FX-1", nullptr},
    };
    Descuento& d = abra();
    d.cambie_nit(kTransportes);
    for (const auto& k : casos) {
        dialogs.clear();
        d.cambie_numprov(QString::fromLatin1(k.numero));
        EXPECT_EQ(dialogs.texts(QStringLiteral("warning")),
                  k.mensaje ? QStringList{QString::fromUtf8(k.mensaje)} : QStringList{})
            << k.numero;
        EXPECT_EQ(t("NCPR_NUMPROV").isEmpty(), k.mensaje != nullptr) << k.numero;
    }
}

TEST_F(DescuentoTest, AHalfSavedDiscountIsOfferedBackOrDropped) {
    descuento(0, QStringLiteral("000077"), kTransportes, kHoy, QStringLiteral("5000"));
    const QString pregunta = QStringLiteral(
        "Se encontró un pago previo incorrectamente registrado. Desea traerlo a pantalla?");
    dialogs.expectQuestion(pregunta, true);
    abra();
    EXPECT_EQ(t("NCPR_NUMERO"), QStringLiteral("000077"));
    EXPECT_EQ(v("NCPR_MONTO"), M("5000"));

    dialogs.expectQuestion(pregunta, false);
    abra();
    EXPECT_EQ(filas(QStringLiteral("NOTAS_CREDITO_PROVEEDOR where NCPR_ID = 0")), 0);
    EXPECT_TRUE(dialogs.allAnswered());
}

// A saved discount is posted balanced in both books, lowers what the
// supplier of its support document is owed, prints, and leaves the window
// ready for the next one.
TEST_F(DescuentoTest, SavePostsBothBooksLowersTheBalanceAndPrints) {
    cargo(800, QStringLiteral("000800"), kPapeleria, kHoy, QStringLiteral("300000"));
    const QString antes = saldoTercero(kPapeleria, kHoy);

    Descuento& d = abra();
    EXPECT_FALSE(d.grabe());
    EXPECT_EQ(dialogs.lastError(),
              QStringLiteral("Debe indicar un monto y un tercero para el descuento."));

    d.cambie_nit(kPapeleria);
    d.reciba_soporte(51, 800);
    ASSERT_GT(d.tipos_nota().recordCount(), 0);
    d.cambie_tipo_nota(3);
    d.cambie_porcentaje(DocumentoCxp::Porcentaje::Iva, M("19"));
    d.cambie_monto(M("100000"));
    qint64 impreso = 0;
    d.imprima = [&](qint64 id) { impreso = id; };
    ASSERT_TRUE(d.grabe()) << dialogs.lastError().toStdString();
    ASSERT_GT(impreso, 0);
    EXPECT_EQ(texto(QStringLiteral("select NCPR_NUMERO || ' ' || NCPR_TIPODS || ' ' || "
                                   "NCPR_DOCSOPORTE || ' ' || NCPR_TIPONE || ' ' || NCPR_FACID "
                                   "from NOTAS_CREDITO_PROVEEDOR where NCPR_ID = %1")
                        .arg(impreso)),
              QStringLiteral("000001 51 0000000800 3 800"));

    // Net 119,000: the supplier is owed that much less.
    EXPECT_EQ(Currency::fromText(antes) - Currency::fromText(saldoTercero(kPapeleria, kHoy)),
              M("119000"));
    for (const char* libro : {"COMPROBANTE_DETALLE", "COMPROBANTE_DETALLE_NIIF"}) {
        const QStringList s = suma(QString::fromLatin1(libro), impreso).split(u' ');
        ASSERT_EQ(s.size(), 2) << libro;
        EXPECT_EQ(s[0], QStringLiteral("0.00")) << libro;
        EXPECT_GT(s[1].toInt(), 0) << libro;
    }

    EXPECT_EQ(t("NCPR_NUMERO"), QStringLiteral("000002"));
    EXPECT_EQ(logica->campo(QStringLiteral("NCPR_ID")).asInteger(), 0);
    EXPECT_TRUE(t("TERC_NIT").isEmpty());
}

}  // namespace
