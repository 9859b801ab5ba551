#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"
#include "payments/aplicaciones/aplicacion.h"
#include "payments/aplicaciones/busqueda_aplicaciones.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/invariantes_cxp.h"

using namespace ledgrix;
using ledgrix::test::kTransportes;

namespace {

const QDate kHoy(2022, 9, 21);

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// The application window's logic on a demo company where the transport
// supplier owes an invoice of 1,000 (21/301) and holds a discount of 1,000
// (52/302) to set against it.
class AplicacionTest : public ledgrix::test::DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
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
    // Ledger vouchers of the application balanced in both books.
    int cuadrados(int id) {
        return filas(S("COMPROBANTE_ENCABEZADO c where c.ENCO_TIPOREF = 53 and c.ENCO_IDREF = %1 "
                       "and (select sum(d.CODE_DEBITOS) - sum(d.CODE_CREDITOS) from "
                       "COMPROBANTE_DETALLE d where d.ENCO_CONSEC = c.ENCO_CONSEC) = 0 and (select "
                       "sum(d.CODE_DEBITOS) - sum(d.CODE_CREDITOS) from COMPROBANTE_DETALLE_NIIF "
                       "d where d.ENCO_CONSEC = c.ENCO_CONSEC) = 0 and (select count(*) from "
                       "COMPROBANTE_DETALLE d where d.ENCO_CONSEC = c.ENCO_CONSEC) > 0")
                         .arg(id));
    }
    int guardada() const {
        return texto(S("select coalesce(max(APPR_ID), 0) from APLICACION_PROVEDOR")).toInt();
    }

    std::unique_ptr<Aplicacion> logica;
    QList<qint64> impresas;
    int cierres = 0;
};

// Lines must add up to exactly zero: a cent short stores nothing and keeps
// the lines for another try; the exact pair settles both documents, posts a
// balanced voucher in both books and goes to the print step.
TEST_F(AplicacionTest, OnlyLinesAddingUpToZeroAreStoredSettledAndPosted) {
    Aplicacion& a = abra();
    EXPECT_EQ(a.campo(S("APPR_NUMERO")).asString(), S("000001"));
    elija_ambos();
    EXPECT_EQ(a.lineas().recordCount(), 2);
    EXPECT_EQ(a.sumas().aplicado, Currency());  // each line takes its balance
    EXPECT_FALSE(a.validando());                // off after a single pick

    monto(1, "-999.99");
    dialogs.clear();
    EXPECT_FALSE(a.grabe());
    EXPECT_EQ(dialogs.lastError(),
              S("La Suma del Documento Aplicado y Las Retenciones Debe ser 0"));
    EXPECT_EQ(filas(S("APLICACION_PROVEDOR")), 0);
    EXPECT_EQ(guardado(21, 301), S("1000.00"));
    EXPECT_EQ(a.lineas().recordCount(), 2);

    monto(1, "-1000");
    ASSERT_TRUE(a.grabe()) << dialogs.lastError().toStdString();
    const int id = guardada();
    ASSERT_GT(id, 0);
    EXPECT_EQ(impresas, QList<qint64>{id});
    EXPECT_EQ(guardado(21, 301), S("0.00"));
    EXPECT_EQ(guardado(52, 302), S("0.00"));
    EXPECT_EQ(cuadrados(id), 1);
    EXPECT_EQ(ledgrix::test::libro_descuadrado(dm->sql()), QStringList());
    // A new application of the same series, the number moved on.
    EXPECT_EQ(a.campo(S("APPR_NUMERO")).asString(), S("000002"));
    EXPECT_TRUE(a.lineas().isEmpty());
    EXPECT_EQ(cierres, 0);
}

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
        // With the switch on, a negative amount on a debt closes the window.
        {"signo",
         [this](Aplicacion& a) {
             elija_ambos();
             a.set_validando(true);
             monto(0, "-5");
         },
         "Monto Incorrecto", 1},
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

// The crossing history of a document lists the application that settled it.
TEST_F(AplicacionTest, CrossingHistoryListsTheApplication) {
    Aplicacion& a = abra();
    elija_ambos();
    ASSERT_TRUE(a.grabe()) << dialogs.lastError().toStdString();
    const int id = guardada();
    EXPECT_EQ(
        texto(S("select TIPODOC || ' ' || IDDOC || ' ' || PREFIJO || NUMERO || ' ' || "
                "cast(VALOR as varchar(20)) || ' ' || FECHA from CRUCES_DOCUMENTOS(52, 302)")),
        S("53 %1 0000000001 -1000.00 2022-09-21").arg(id));
    EXPECT_EQ(filas(S("CRUCES_DOCUMENTOS(21, 301)")), 1);
}

// Annulling from the search gives both documents their balance back and
// keeps the reason; only an administrator may then delete the annulled
// application, and the ledger stays as the annulment left it.
TEST_F(AplicacionTest, AnnulmentRestoresBalancesAndOnlyAnAdministratorDeletes) {
    Aplicacion& a = abra();
    elija_ambos();
    ASSERT_TRUE(a.grabe()) << dialogs.lastError().toStdString();
    const int id = guardada();
    configure(S("ESTABLECER CONTROL DEL PORQUE SE ANULAN LOS DOCUMENTOS"), S("SI"));
    dm->ctx.es_administrador = true;
    BusquedaAplicaciones b(*dm);
    ASSERT_TRUE(b.busque(BusquedaAplicaciones::Columna::Proveedor, S("transp"), false));
    ASSERT_EQ(b.actual(), id);
    QString razon;
    b.pida_razon = [&] { return std::optional<QString>(razon); };

    dialogs.clear();
    EXPECT_FALSE(b.anule());  // an empty reason
    EXPECT_TRUE(dialogs.lastError().startsWith(S("Debera ingresar una razon")));
    razon = S("Cruce equivocado");
    dialogs.expectQuestion(S("Esta seguro de anular la aplicacion No 0000000001?"), true);
    ASSERT_TRUE(b.anule()) << dialogs.lastError().toStdString();
    EXPECT_EQ(guardado(21, 301), S("1000.00"));
    EXPECT_EQ(guardado(52, 302), S("-1000.00"));
    EXPECT_EQ(filas(S("APLICACION_PROVEEDOR_DETALLE where APPD_ANULADO = 'S'")), 2);
    EXPECT_EQ(texto(S("select AUDI_RAZON from AUDITORIA where TIDO_COD = 53 and AUDI_OPER = 'A'")),
              razon);
    EXPECT_EQ(filas(S("CRUCES_DOCUMENTOS(21, 301)")), 0);
    EXPECT_EQ(filas(S("COMPROBANTE_ENCABEZADO where ENCO_TIPOREF = 53 and ENCO_ANULADO = 'N'")), 0);
    EXPECT_EQ(filas(S("COMPROBANTE_ENCABEZADO where ENCO_TIPOREF = 53")), 1);

    // A clerk with the annulment option still may not delete.
    run(S("insert into ACCESO_USUARIO values ('ADMIN', 'C. X PAGAR', 42, 'S')"));
    dm->ctx.es_administrador = false;
    dialogs.clear();
    EXPECT_FALSE(b.anule());
    EXPECT_EQ(dialogs.lastError(), kAccesoNoPermitido);
    EXPECT_EQ(filas(S("APLICACION_PROVEDOR")), 1);

    dm->ctx.es_administrador = true;
    dialogs.expectQuestion(S("Esta seguro de eliminar completamente la aplicación 0000000001?"),
                           true);
    ASSERT_TRUE(b.anule()) << dialogs.lastError().toStdString();
    EXPECT_EQ(filas(S("APLICACION_PROVEDOR")), 0);
    EXPECT_EQ(filas(S("APLICACION_PROVEEDOR_DETALLE")), 0);
    EXPECT_EQ(guardado(21, 301), S("1000.00"));
    EXPECT_EQ(guardado(52, 302), S("-1000.00"));
    EXPECT_TRUE(b.filas().isEmpty());
}

}  // namespace
