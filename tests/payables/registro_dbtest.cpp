#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "payables/registro_cxp.h"
#include "tests/support/documentos_fixture.h"

using namespace ledgrix;
using ledgrix::test::kPapeleria;
using ledgrix::test::kTransportes;

namespace {

const QDate kSep1(2022, 9, 1);
const QDate kSep10(2022, 9, 10);
const QDate kHoy(2022, 9, 21);

// The fields of a payment line that the registry fills, on a real dataset.
class RegistroTest : public ledgrix::test::DocumentosTest {
protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        provider = new Provider(&ventana, QStringLiteral("PLinea"));
        provider->setConnectionName(dm->Ledgrix());
        provider->setCommandText(QStringLiteral("select * from EGRESODETALLE where EGRE_ID = -1"));
        linea = new ClientDataset(&ventana, QStringLiteral("CLinea"));
        linea->setProvider(provider);
        dm->ConfigurarProviders(&ventana);
        ASSERT_TRUE(linea->open());
        ASSERT_TRUE(linea->append());
    }
    Field& f(const char* nombre) { return linea->fieldByName(QString::fromLatin1(nombre)); }
    RegistroCxp::Campos campos() {
        return {f("EGDE_IDDOC"), f("EGDE_RTFTE"), f("EGDE_RTIVA"), f("EGDE_RTICA"),
                f("EGDE_RCREE"), f("EGDE_DTOF"), f("EGDE_ABONO"), f("EGDE_NUMPROV")};
    }
    bool valide(int tipo, const QString& numero, const QString& nit, const QDate& d) {
        return RegistroCxp(*dm).valide_doc_cxpagar(nit, tipo, QStringLiteral("0000"), numero, d, campos());
    }

    QObject ventana;
    Provider* provider = nullptr;
    ClientDataset* linea = nullptr;
};

}  // namespace

TEST_F(RegistroTest, AUsableDocumentFillsTheLineAndEveryRefusalIsExplained) {
    factura(500, QStringLiteral("000500"), kTransportes, kSep1, QStringLiteral("1000"), QStringLiteral("190"),
            QStringLiteral("25"));
    ASSERT_TRUE(valide(21, QStringLiteral("000500"), kTransportes, kSep10));
    EXPECT_EQ(f("EGDE_IDDOC").asInteger(), 500);
    EXPECT_EQ(f("EGDE_ABONO").asCurrency(), Currency::fromInt(1165));
    EXPECT_EQ(f("EGDE_NUMPROV").asString(), QStringLiteral("P-000500"));
    EXPECT_TRUE(dialogs.errors().isEmpty());

    const struct {
        int tipo;
        const char* numero;
        QString nit;
        QDate fecha;
        const char* mensaje;
    } casos[] = {
        {21, "009999", kTransportes, kSep10, "No se encontró el documento indicado."},
        {21, "000500", kPapeleria, kSep10, "El documento indicado pertenece a otro Cliente."},
        {21, "000500", kTransportes, QDate(2022, 8, 31), "La fecha del abono es anterior al documento."},
    };
    for (const auto& c : casos) {
        dialogs.clear();
        EXPECT_FALSE(valide(c.tipo, QString::fromLatin1(c.numero), c.nit, c.fecha));
        EXPECT_EQ(dialogs.errors(), QStringList{QString::fromUtf8(c.mensaje)});
        EXPECT_EQ(f("EGDE_IDDOC").asInteger(), 0);
        EXPECT_TRUE(f("EGDE_ABONO").asCurrency().isZero());
        EXPECT_TRUE(f("EGDE_NUMPROV").asString().isEmpty());
    }

    // Paid in full: the figures are cleared and the user told so.
    egreso(500, QStringLiteral("000500"), kTransportes, kSep10);
    pago(500, 1, 21, 500, QStringLiteral("1165"));
    dialogs.clear();
    EXPECT_FALSE(valide(21, QStringLiteral("000500"), kTransportes, kHoy));
    EXPECT_EQ(dialogs.errors(), QStringList{QStringLiteral("Documento totalmente cancelado.")});
}

TEST_F(RegistroTest, AnAdvanceShowsWhatIsStillToDoWithIt) {
    // Not paid out yet: the voucher that creates it must pay 100.
    anticipo(510, QStringLiteral("000510"), kTransportes, kSep10, QStringLiteral("100"));
    RegistroCxp registro(*dm);
    EXPECT_EQ(registro.saldo_doc_cxpagar(55, 510, kHoy), Currency::fromInt(100));
    ASSERT_TRUE(valide(55, QStringLiteral("000510"), kTransportes, kHoy));
    EXPECT_EQ(f("EGDE_ABONO").asCurrency(), Currency::fromInt(100));

    // Paid out: a credit of 100 that applications set against invoices.
    egreso(510, QStringLiteral("000510"), kTransportes, kSep10);
    pago(510, 1, 55, 510, QStringLiteral("100"));
    EXPECT_EQ(registro.saldo_doc_cxpagar(55, 510, kHoy), Currency::fromInt(-100));
    ASSERT_TRUE(valide(55, QStringLiteral("000510"), kTransportes, kHoy));
    EXPECT_EQ(f("EGDE_ABONO").asCurrency(), Currency::fromInt(-100));

    // An advance that no longer exists has no balance.
    EXPECT_TRUE(registro.saldo_doc_cxpagar(55, 999, kHoy).isZero());
}

TEST_F(RegistroTest, IdDocKeepsTheFiguresOfItsOwnSupplierOnly) {
    factura(520, QStringLiteral("000520"), kTransportes, kSep1, QStringLiteral("300000"), QStringLiteral("57000"),
            QStringLiteral("7500"));
    RegistroCxp registro(*dm);
    EXPECT_EQ(registro.id_doc(21, QStringLiteral("0000"), QStringLiteral("000520"), kTransportes, kHoy), 520);
    EXPECT_EQ(registro.saldo_doc, Currency::fromInt(349500)) << "round amounts read exactly";
    EXPECT_EQ(registro.id_doc(21, QStringLiteral("0000"), QStringLiteral("000520"), kPapeleria, kHoy), 0);
    EXPECT_TRUE(registro.saldo_doc.isZero());
    EXPECT_TRUE(dialogs.errors().isEmpty()) << "id_doc never speaks";
    // A prefix with a quote is sent safely and finds nothing.
    EXPECT_EQ(registro.id_doc(21, QStringLiteral("0'0"), QStringLiteral("000520"), kTransportes, kHoy), 0);
    EXPECT_TRUE(dialogs.errors().isEmpty());
}
