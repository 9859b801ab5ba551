#include <gtest/gtest.h>

#include <memory>

#include "core/validaciones/acceso.h"
#include "payables/consulta/consultas_cxp.h"
#include "tests/support/documentos_fixture.h"

using namespace ledgrix;
using ledgrix::test::kTransportes;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

struct Clase {
    int tipo;
    const char* tabla;
    const char* raiz;
    std::function<std::unique_ptr<ConsultaDocumento>(Tfdm&)> cree;
};

const Clase kClases[] = {
    {51, "NOTAS_DEBITO_PROVEEDOR", "NDPR",
     [](Tfdm& dm) { return std::make_unique<ConsultaCargo>(dm); }},
    {52, "NOTAS_CREDITO_PROVEEDOR", "NCPR",
     [](Tfdm& dm) { return std::make_unique<ConsultaDescuento>(dm); }},
};

// A charge and a discount with the same id 5, each with its own trail.
class ConsultaDocumentoTest : public test::DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        cargo(5, S("000005"), kTransportes, QDate(2022, 9, 20), S("1000"));
        descuento(5, S("000005"), kTransportes, QDate(2022, 9, 20), S("300"));
    }
    void trail(int tipo, const char* oper, const char* fecha, const char* hora,
               const char* usuario) {
        run(S("insert into AUDITORIA (TIDO_COD, AUDI_IDDOC, AUDI_OPER, AUDI_FECHA, AUDI_HORA, "
              "AUDI_USUARIO) values (%1, 5, '%2', '%3', '%4', '%5')")
                .arg(tipo)
                .arg(S(oper), S(fecha), S(hora), S(usuario)));
    }
};

// The newest insertion row of the document's own type tells who stored it,
// whatever other types and operations left for the same id; an annulled
// document shows the reason of its annulment row.
TEST_F(ConsultaDocumentoTest, TrailLineAndAnnulmentReasonAreTheDocumentsOwn) {
    run(S("delete from AUDITORIA"));
    trail(51, "I", "2022-09-20", "08:05:03.1234", "MARIA");
    trail(51, "I", "2022-09-02", "09:00:00", "VIEJO");
    trail(52, "I", "2022-09-19", "17:30:00", "PEDRO");
    trail(53, "I", "2022-12-31", "23:00:00", "AJENO");  // another type, same id
    const struct {
        const Clase& clase;
        const char* registro;
    } casos[] = {{kClases[0], "Registro: 2022-09-20-08:05:03-MARIA"},
                 {kClases[1], "Registro: 2022-09-19-17:30:00-PEDRO"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.clase.tipo);
        auto consulta = c.clase.cree(*dm);
        ASSERT_TRUE(consulta->cargue(5));
        EXPECT_EQ(consulta->registro(), S(c.registro));
        EXPECT_EQ(consulta->proveedor(), S("Transportes del Norte S.A.S."));
        EXPECT_FALSE(consulta->anulado());
        EXPECT_EQ(consulta->razon(), QString());

        run(S("update %1 set %2_ANULADO = 'S' where %2_ID = 5")
                .arg(S(c.clase.tabla), S(c.clase.raiz)));
        run(S("update AUDITORIA set AUDI_RAZON = 'Valor errado', AUDI_USUARIO = 'LUIS', "
              "AUDI_FECHA = '2023-01-01' where TIDO_COD = %1 and AUDI_OPER = 'A'")
                .arg(c.clase.tipo));
        ASSERT_TRUE(consulta->cargue(5));
        EXPECT_TRUE(consulta->anulado());
        EXPECT_EQ(consulta->razon(), S("Valor errado. Anulado por:LUIS"));
        EXPECT_EQ(consulta->registro(), S(c.registro)) << "the annulment is not the insertion";
    }
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();

    // An id of nothing says so and offers nothing to print or post.
    auto nada = kClases[0].cree(*dm);
    EXPECT_FALSE(nada->cargue(6));
    EXPECT_EQ(dialogs.texts(S("information")),
              QStringList{S("No Existe un Documento a Consultar")});
    EXPECT_FALSE(nada->entregue());
}

// F11 posts a document that has no ledger voucher under its own type; once
// posted, it opens the voucher only for users allowed to edit vouchers.
TEST_F(ConsultaDocumentoTest, PostingAgainPostsTheDocumentOnceThenAsksForTheRightToEdit) {
    run(S("update INTERFAZ_CXPAGAR set INCP_CONFIRMAR = 'N'"));
    for (const Clase& clase : kClases) {
        SCOPED_TRACE(clase.tipo);
        dialogs.clear();
        auto consulta = clase.cree(*dm);
        ASSERT_TRUE(consulta->cargue(5));
        EXPECT_EQ(consulta->comprobante(), QString());
        consulta->contabilice();
        EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();
        EXPECT_EQ(filas(S("COMPROBANTE_ENCABEZADO where ENCO_TIPOREF = %1 and ENCO_IDREF = 5")
                            .arg(clase.tipo)),
                  1);
        EXPECT_FALSE(consulta->comprobante().isEmpty()) << "the window shows the new voucher";

        consulta->contabilice();
        EXPECT_EQ(dialogs.errors(), QStringList{kAccesoNoPermitido});
        EXPECT_EQ(filas(S("COMPROBANTE_ENCABEZADO where ENCO_TIPOREF = %1").arg(clase.tipo)), 1);
    }
}

}  // namespace
