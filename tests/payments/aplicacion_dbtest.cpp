#include <gtest/gtest.h>

#include "core/validaciones/acceso.h"
#include "payments/aplicaciones/aplicacion.h"
#include "payments/aplicaciones/busqueda_aplicaciones.h"
#include "tests/payments/pagos_fixture.h"

namespace ledgrix::test {
namespace {

// The application window's logic on a demo company where the transport
// supplier owes an invoice of 1,000 (21/301) and holds a discount of 1,000
// (52/302) to set against it.
class AplicacionTest : public PagosTest {
  protected:
    void SetUp() override {
        PagosTest::SetUp();
        factura(301, S("000301"), kTransportes, kHoy.addDays(-20), S("1000"));
        descuento(302, S("000302"), kTransportes, kHoy.addDays(-10), S("1000"));
    }
    Aplicacion& abra() {
        logica = std::make_unique<Aplicacion>(*dm);
        EXPECT_TRUE(logica->abra()) << dialogs.lastError().toStdString();
        logica->imprima = [this](qint64 id) { impresas << id; };
        QObject::connect(logica.get(), &Aplicacion::cierre, [this] { ++cierres; });
        return *logica;
    }
    // The invoice and the discount picked one at a time, as the consultation
    // hands them.
    void elija_ambos() {
        logica->cambie_nit(kTransportes);
        ASSERT_TRUE(logica->reciba_documentos({{21, 301, S("0000"), S("000301"), {}}}))
            << dialogs.lastError().toStdString();
        ASSERT_TRUE(logica->reciba_documentos({{52, 302, S("0000"), S("000302"), {}}}))
            << dialogs.lastError().toStdString();
    }
    void monto(int fila, const char* valor) {
        ClientDataset& ds = logica->lineas();
        ASSERT_TRUE(ds.moveTo(fila));
        ASSERT_TRUE(ds.edit());
        ds.fieldByName(S("APPD_APLICADO")).setCurrency(Currency::fromText(S(valor)));
    }
    int guardada() const {
        return texto(S("select coalesce(max(APPR_ID), 0) from APLICACION_PROVEDOR")).toInt();
    }

    std::unique_ptr<Aplicacion> logica;
    QList<qint64> impresas;
    int cierres = 0;
};

// Refusals that store nothing: each leaves the window as typed or, for the
// two closing cases, asks the window to close.
TEST_F(AplicacionTest, RefusalsStoreNothing) {
    const struct {
        const char* caso;
        std::function<void(Aplicacion&)> prepare;
        const char* mensaje;
        int cierres;
    } casos[] = {
        {"sin nit", [](Aplicacion& a) { a.campo(S("TERC_NIT")).clear(); }, "Debe Existir un Nit.",
         0},
        {"sin lineas", [](Aplicacion& a) { a.cambie_nit(kTransportes); },
         "Debe Digitar al menos un documento a Aplicar", 1},
        {"repetido",
         [this](Aplicacion& a) {
             elija_ambos();
             a.reciba_documentos({{21, 301, S("0000"), S("000301"), {}}});
         },
         "El documento a cruzar ya existe en esta aplicación.", 0},
        {"inexistente",
         [](Aplicacion& a) {
             a.cambie_nit(kTransportes);
             a.reciba_documentos({{21, 0, S("0000"), S("009999"), {}}});
         },
         "No existe el documento a pagar", 0},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.caso);
        cierres = 0;
        Aplicacion& a = abra();
        dialogs.clear();
        k.prepare(a);
        if (cierres == 0 && dialogs.errors().isEmpty()) {
            EXPECT_FALSE(a.grabe());
        }
        EXPECT_EQ(dialogs.lastError(), S(k.mensaje));
        EXPECT_EQ(cierres, k.cierres);
        EXPECT_EQ(filas(S("APLICACION_PROVEDOR")), 0);
    }
    EXPECT_EQ(guardado(21, 301), S("1000.00"));
}

// A leftover stored with id 0 comes back on opening and is replaced by the
// application that finishes it; refused, it is deleted.
TEST_F(AplicacionTest, LeftoverWithIdZeroIsRecoveredOrDropped) {
    aplicacion(0, S("000001"), kTransportes, kHoy);
    aplicado(0, 1, 21, 301, S("1000"));
    aplicado(0, 2, 52, 302, S("-1000"));
    dialogs.expectQuestion(
        S("Se encontró un pago previo incorrectamente registrado. Desea traerlo a pantalla?"),
        true);
    Aplicacion& a = abra();
    EXPECT_EQ(a.lineas().recordCount(), 2);
    EXPECT_EQ(a.campo(S("TERC_NIT")).asString(), kTransportes);
    ASSERT_TRUE(a.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(filas(S("APLICACION_PROVEDOR where APPR_ID = 0")), 0);
    EXPECT_EQ(
        filas(S("APLICACION_PROVEEDOR_DETALLE where APPR_ID = ") + QString::number(guardada())), 2);
    EXPECT_EQ(guardado(21, 301), S("0.00"));

    aplicacion(0, S("000009"), kTransportes, kHoy);
    dialogs.expectQuestion({}, false);
    abra();
    EXPECT_EQ(filas(S("APLICACION_PROVEDOR where APPR_ID = 0")), 0);
}

// Annulled from the search, both documents get their balance back and the
// ledger voucher is annulled with it; only an administrator may then delete
// the application, and the ledger stays as the annulment left it.
TEST_F(AplicacionTest, AnnulmentRestoresBalancesAndOnlyAnAdministratorDeletes) {
    Aplicacion& a = abra();
    elija_ambos();
    ASSERT_TRUE(a.grabe()) << dialogs.lastError().toStdString();
    ASSERT_EQ(impresas, QList<qint64>{guardada()});
    dm->ctx.es_administrador = true;
    BusquedaAplicaciones b(*dm);
    ASSERT_TRUE(b.busque(BusquedaAplicaciones::Columna::Proveedor, S("transp"), true));
    ASSERT_EQ(b.actual(), guardada());
    dialogs.expectQuestion(S("Esta seguro de anular la aplicacion No 0000000001?"), true);
    ASSERT_TRUE(b.anule(S("Cruce equivocado"))) << dialogs.lastError().toStdString();
    EXPECT_EQ(guardado(21, 301), S("1000.00"));
    EXPECT_EQ(guardado(52, 302), S("-1000.00"));
    EXPECT_EQ(filas(S("APLICACION_PROVEEDOR_DETALLE where APPD_ANULADO = 'S'")), 2);
    EXPECT_EQ(filas(S("CRUCES_DOCUMENTOS(21, 301)")), 0);
    EXPECT_EQ(filas(S("COMPROBANTE_ENCABEZADO where ENCO_TIPOREF = 53 and ENCO_ANULADO = 'N'")), 0);
    EXPECT_EQ(filas(S("COMPROBANTE_ENCABEZADO where ENCO_TIPOREF = 53")), 1);

    // A clerk with the annulment option still may not delete.
    run(S("insert into ACCESO_USUARIO values ('ADMIN', 'C. X PAGAR', 42, 'S')"));
    dm->ctx.es_administrador = false;
    dialogs.clear();
    EXPECT_FALSE(b.anule(S("Duplicada")));
    EXPECT_EQ(dialogs.texts(S("information")).value(0),
              S("El documento ya está anulado. Solo un administrador puede eliminarlo."));
    EXPECT_EQ(filas(S("APLICACION_PROVEDOR")), 1);

    dm->ctx.es_administrador = true;
    dialogs.expectQuestion(S("Esta seguro de eliminar completamente la aplicación 0000000001?"),
                           true);
    ASSERT_TRUE(b.anule(S("Duplicada"))) << dialogs.lastError().toStdString();
    EXPECT_EQ(filas(S("APLICACION_PROVEDOR")), 0);
    EXPECT_EQ(filas(S("APLICACION_PROVEEDOR_DETALLE")), 0);
    EXPECT_EQ(guardado(21, 301), S("1000.00"));
    EXPECT_TRUE(b.filas().isEmpty());
}

}  // namespace
}  // namespace ledgrix::test
