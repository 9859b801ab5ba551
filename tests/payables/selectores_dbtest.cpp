#include <gtest/gtest.h>

#include "parties/selectores/selector_proveedores.h"
#include "payables/selectores/selectores_cargo.h"
#include "tests/support/documentos_fixture.h"

using namespace ledgrix;
using namespace ledgrix::test;

namespace {

class SelectoresTest : public DocumentosTest {
  protected:
    // The key of the only line a search finds; empty when it finds another count.
    static QString unica(SelectorLista& s, const QString& texto) {
        s.busque(texto);
        if (s.lineas().size() != 1)
            return QStringLiteral("%1 lineas").arg(s.lineas().size());
        return s.elegido(1).value_or(QString());
    }
};

TEST_F(SelectoresTest, EachChooserAnswersTheKeyOfTheLineFound) {
    SelectorProveedores proveedores(*dm);
    EXPECT_EQ(unica(proveedores, QStringLiteral("papeler")), kPapeleria) << "name, any case";
    EXPECT_EQ(unica(proveedores, QStringLiteral("90012")), kTransportes) << "NIT";
    proveedores.busque(QStringLiteral("gómez"));
    EXPECT_TRUE(proveedores.lineas().empty()) << "an inactive supplier is not offered";

    factura(40, QStringLiteral("000040"), kPapeleria, QDate(2022, 9, 1), QStringLiteral("100"));
    SelectorFacturasCompra facturas(*dm, kPapeleria);
    EXPECT_EQ(unica(facturas, QStringLiteral("P-000040")), QStringLiteral("40"))
        << "supplier's number";
    facturas.busque(QString());
    EXPECT_EQ(facturas.lineas().size(), 2u)
        << "the demo invoice and the new one, none of another supplier";
    EXPECT_EQ(SelectorFacturasCompra::numero(*dm, 40), QStringLiteral("0000000040"));
    run(QStringLiteral("update FACTURAS_COMPRA set FACO_ANULADO = 'S' where FACO_ID = 40"));
    EXPECT_EQ(unica(facturas, QStringLiteral("000040")), QStringLiteral("0 lineas")) << "annulled";

    run(QStringLiteral(
        "insert into ARTICULOS (ARTI_COD, ARTI_NOMBRE) values ('RES-75', 'Resma carta 75 g')"));
    run(
        QStringLiteral("insert into ARTICULOS (ARTI_COD, ARTI_NOMBRE, ARTI_ACTIVO) values "
                       "('RES-90', 'Resma vieja', 'N')"));
    SelectorArticulos articulos(*dm);
    EXPECT_EQ(unica(articulos, QStringLiteral("carta 75")), QStringLiteral("RES-75"));

    run(
        QStringLiteral("insert into NEGOCIOS (NEGO_COD, NEGO_NOMBRE) values ('N2022-07', "
                       "'Licitación cuadernos')"));
    SelectorNegocios negocios(*dm);
    EXPECT_EQ(unica(negocios, QStringLiteral("cuadernos")), QStringLiteral("N2022-07"));
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();
}

TEST_F(SelectoresTest, DocumentsToApplyAreTheSuppliersCreditsWithBalance) {
    const QDate d(2022, 9, 10);
    descuento(7, QStringLiteral("000007"), kPapeleria, d, QStringLiteral("50000"));
    anticipo(8, QStringLiteral("000008"), kPapeleria, d, QStringLiteral("30000"));
    descuento(9, QStringLiteral("000009"), kTransportes, d, QStringLiteral("10000"));
    descuento(10, QStringLiteral("000010"), kPapeleria, d, QStringLiteral("20000"));
    // The last discount is used up against the demo invoice.
    aplicacion(1, QStringLiteral("000001"), kPapeleria, d);
    aplicado(1, 1, 52, 10, QStringLiteral("-20000"));
    aplicado(1, 2, 21, 2, QStringLiteral("20000"));

    SelectorDocumentosAplicar documentos(*dm, kPapeleria);
    documentos.busque(QString());
    ASSERT_EQ(documentos.lineas().size(), 2u);
    EXPECT_EQ(documentos.lineas()[0].value(6), QStringLiteral("50000.00"))
        << "what is left, positive";
    documentos.busque(QStringLiteral("0008"));
    const auto anticipo = documentos.documento(1);
    ASSERT_TRUE(anticipo);
    EXPECT_EQ(anticipo->tipo, 55);
    EXPECT_EQ(anticipo->clase, QStringLiteral("ANTICPRV"));
    EXPECT_EQ(anticipo->referencia, QStringLiteral("0000000008"));
    EXPECT_FALSE(documentos.documento(0)) << "the chooser was left without choosing";
    EXPECT_EQ(SelectorDocumentosAplicar::tipo(QStringLiteral("DEVOLPRV")), 24);
}

TEST_F(SelectoresTest, TheChooserWindowIsOpenedByItsNameAndItsAnswerIsTheKey) {
    SelectorProveedores proveedores(*dm);
    dialogs.expectModal(QStringLiteral("Tfbuscprove"), 1);
    EXPECT_EQ(proveedores.pregunte(QStringLiteral("norte")), kTransportes);
    dialogs.expectModal(QStringLiteral("Tfbuscprove"), 0);
    EXPECT_EQ(proveedores.pregunte(QStringLiteral("norte")), QString());
    EXPECT_TRUE(dialogs.allAnswered());
}

}  // namespace
