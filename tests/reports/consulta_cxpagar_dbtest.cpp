// The consultation of a supplier's open documents on a real company
// database: the statement it sends, the exact sum of the marked balances,
// what it hands back to the window that opened it, and hostile NITs.
#include <QStringList>

#include "core/data/client_dataset.h"
#include "reports/consulta/consulta_cxpagar.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {
namespace {

const QDate kAgo10(2022, 8, 10), kSep05(2022, 9, 5);

class ConsultaCxpagarTest : public DocumentosTest {
  protected:
    // Three charges of Transportes whose balances add up to a cent-exact total
    // and one of Papelería that must not show up.
    void SetUp() override {
        DocumentosTest::SetUp();
        cargo(200, QStringLiteral("000200"), kTransportes, kAgo10, QStringLiteral("1234.56"));
        cargo(201, QStringLiteral("000201"), kTransportes, kAgo10, QStringLiteral("0.01"));
        cargo(202, QStringLiteral("000202"), kTransportes, kSep05, QStringLiteral("99999.99"));
        cargo(203, QStringLiteral("000203"), kPapeleria, kAgo10, QStringLiteral("77"));
    }

    // Dataset rows ordered by document number.
    QList<int> posiciones(ConsultaCxpagar& c, const QStringList& numeros) {
        QList<int> out;
        ClientDataset& ds = c.documentos();
        for (int i = 0; i < ds.recordCount(); ++i)
            if (numeros.contains(c.documento(i).numero))
                out << i;
        return out;
    }
};

TEST_F(ConsultaCxpagarTest, TheStatementQuotesWhatTheUserCannotControl) {
    struct Caso {
        QString nit;
        int moneda;
        QString esperado;
    };
    const Caso casos[] = {
        {kTransportes, 0, "select * from cxpagar_proveedor('900123456', '2022/09/21',0)"},
        {"x'; delete from t--", 2,
         "select * from cxpagar_proveedor('x''; delete from t--', '2022/09/21',2)"},
    };
    const int terceros = filas(QStringLiteral("TERCEROS"));
    for (const Caso& c : casos) {
        ConsultaCxpagar consulta(*dm);
        consulta.abra(c.nit);
        consulta.cambie_moneda(c.moneda);
        EXPECT_EQ(consulta.consulta(), c.esperado);
        EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
    }
    EXPECT_EQ(filas(QStringLiteral("TERCEROS")), terceros);
}

TEST_F(ConsultaCxpagarTest, ASupplierTooLongOrUnwritableIsRefusedWithoutAStatement) {
    for (const QString& nit : {QString(40, QLatin1Char('9')), QStringLiteral("90012\u20AC")}) {
        dialogs.clear();
        ConsultaCxpagar consulta(*dm);
        consulta.abra(nit);
        EXPECT_EQ(dialogs.errors(),
                  QStringList{QStringLiteral("El Nit del proveedor no es válido.")});
        EXPECT_FALSE(consulta.seleccione_actual());
        EXPECT_FALSE(consulta.a_consultar().has_value());
    }
}

TEST_F(ConsultaCxpagarTest, OnlyTheSuppliersOpenDocumentsAtTheDateAndTheirExactSum) {
    ConsultaCxpagar consulta(*dm);
    consulta.abra(kTransportes);
    ASSERT_EQ(consulta.documentos().recordCount(), 3) << dialogs.lastError().toStdString();
    const QList<int> todas = posiciones(consulta, {"000200", "000201", "000202"});
    EXPECT_EQ(consulta.suma(todas).toString(2), QStringLiteral("101234.56"));
    EXPECT_EQ(consulta.suma(posiciones(consulta, {"000200", "000201"})).toString(2),
              QStringLiteral("1234.57"));
    EXPECT_EQ(consulta.suma({}).toString(2), QStringLiteral("0.00"));

    // The date re-runs the statement: on Sep 1 the Sep 5 charge did not exist.
    consulta.cambie_fecha(QDate(2022, 9, 1));
    EXPECT_EQ(consulta.documentos().recordCount(), 2);
    consulta.cambie_fecha(QDate(2022, 8, 1));
    EXPECT_TRUE(consulta.documentos().isEmpty());
    EXPECT_FALSE(consulta.seleccione_actual());
    dialogs.clear();
    EXPECT_FALSE(consulta.a_consultar().has_value());
    EXPECT_EQ(dialogs.texts(QStringLiteral("information")),
              QStringList{QStringLiteral("No Existe un Documento a Consultar")});
}

TEST_F(ConsultaCxpagarTest, TheChosenDocumentsGoBackToTheOpener) {
    dm->documentos_seleccionados = {DocumentoSeleccionado{21, 9, "X", "1", "viejo"}};
    ConsultaCxpagar consulta(*dm);
    consulta.abra(kTransportes);
    // What an earlier consultation handed over is gone.
    EXPECT_TRUE(dm->documentos_seleccionados.isEmpty());

    const QList<int> dos = posiciones(consulta, {"000200", "000202"});
    ASSERT_EQ(dos.size(), 2);
    consulta.documentos().moveTo(dos[1]);
    ASSERT_TRUE(consulta.seleccione_actual());
    ASSERT_EQ(dm->documentos_seleccionados.size(), 1);
    const DocumentoSeleccionado d = dm->documentos_seleccionados.first();
    EXPECT_EQ(d.tipo, 51);
    EXPECT_EQ(d.id, 202);
    EXPECT_EQ(d.prefijo, QStringLiteral("0000"));
    EXPECT_EQ(d.numero, QStringLiteral("000202"));
    EXPECT_EQ(d.nombre,
              texto("select terc_nom from terceros where terc_nit = '900123456'").trimmed());

    ASSERT_TRUE(consulta.seleccione(dos));
    QList<qint64> ids;
    for (const DocumentoSeleccionado& s : dm->documentos_seleccionados)
        ids << s.id;
    EXPECT_EQ(ids, (QList<qint64>{200, 202}));
    // Nothing marked keeps what was handed over.
    EXPECT_FALSE(consulta.seleccione({}));
    EXPECT_EQ(dm->documentos_seleccionados.size(), 2);

    ASSERT_TRUE(consulta.a_consultar().has_value());
    EXPECT_EQ(dm->documento_consultado.id, 202);
    EXPECT_EQ(ConsultaCxpagar::ventana_de(dm->documento_consultado.tipo),
              QStringLiteral("Tfconsnotdbcxp"));
}

}  // namespace
}  // namespace ledgrix::test
