#include <gtest/gtest.h>

#include <Qt>

#include "core/data/client_dataset.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/egreso.h"
#include "payments/egresos/medios_pago.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/invariantes_cxp.h"

using namespace ledgrix;
using ledgrix::test::kPapeleria;
using ledgrix::test::kTransportes;

namespace {

const QDate kHoy(2022, 9, 21);

QString S(const char* s) {
    return QString::fromUtf8(s);
}
Currency M(const char* texto) {
    return Currency::fromText(QString::fromLatin1(texto));
}

// The voucher window's logic on a demo installation, driven as the window
// drives it.
class EgresoTest : public ledgrix::test::DocumentosTest {
  protected:
    void configure(const char* modulo, const char* categoria, const char* propiedad,
                   const char* valor) {
        run(S("update CONFIGURACION set CONF_VALOR = '%1' where CONF_MODULO = '%2' and "
              "CONF_CATEGORIA = '%3' and CONF_PROPIEDAD = '%4'")
                .arg(S(valor), S(modulo), S(categoria), S(propiedad)));
        dm->cargue_configuracion();
    }
    Egreso& abra() {
        logica = std::make_unique<Egreso>(*dm);
        EXPECT_TRUE(logica->abra()) << dialogs.lastError().toStdString();
        return *logica;
    }
    ClientDataset& lineas() const { return logica->documentos(); }
    Currency v(const char* campo) const { return logica->campo(S(campo)).asCurrency(); }
    QString t(const char* campo) const { return logica->campo(S(campo)).asString(); }
    Currency l(const char* campo) const { return lineas().fieldByName(S(campo)).asCurrency(); }
    void ponga(ClientDataset& ds, const char* campo, const char* valor) {
        ASSERT_TRUE(ds.edit());
        ds.fieldByName(S(campo)).setCurrency(M(valor));
    }
    // A payables document of series "0000" picked for the voucher.
    void pague(int tipo, const char* numero) {
        logica->reciba_documento_cxp({tipo, 0, S("0000"), S(numero), {}});
    }
    // The whole amount from the bank's current account.
    void por_banco() {
        ASSERT_TRUE(logica->medios().abra_banco()) << dialogs.lastError().toStdString();
        ASSERT_TRUE(logica->medios().continue_banco()) << dialogs.lastError().toStdString();
    }
    // Stored vouchers with a ledger voucher whose debits equal its credits in
    // both books.
    int cuadrados() {
        return filas(
            S("EGRESOS e where e.EGRE_ID > 0 and (select count(*) from COMPROBANTE_ENCABEZADO c "
              "where c.ENCO_TIPOREF = 62 and c.ENCO_IDREF = e.EGRE_ID and (select "
              "sum(d.CODE_DEBITOS) "
              "- sum(d.CODE_CREDITOS) from COMPROBANTE_DETALLE d where d.ENCO_CONSEC = "
              "c.ENCO_CONSEC) = 0 and (select sum(d.CODE_DEBITOS) - sum(d.CODE_CREDITOS) from "
              "COMPROBANTE_DETALLE_NIIF d where d.ENCO_CONSEC = c.ENCO_CONSEC) = 0) = 1"));
    }

    std::unique_ptr<Egreso> logica;
};

TEST_F(EgresoTest, PartialPaymentsAndDiscountLowerEachBalanceByWhatWasPaid) {
    factura(101, S("000101"), kTransportes, kHoy.addDays(-30), S("1000"));
    factura(102, S("000102"), kTransportes, kHoy.addDays(-20), S("2500"));
    cargo(103, S("000103"), kTransportes, kHoy.addDays(-10), S("700"));
    Egreso& e = abra();
    EXPECT_EQ(t("EGRE_NUMERO"), S("000001"));
    e.cambie_nit(kTransportes);
    EXPECT_EQ(e.panel(), Egreso::Panel::Documentos);
    EXPECT_FALSE(e.montos_editables());
    pague(21, "000101");
    pague(21, "000102");
    ponga(lineas(), "EGDE_ABONO", "1200.50");  // part of 2,500
    pague(51, "000103");
    ponga(lineas(), "EGDE_DTOF", "70");  // the abono gives way: 630
    EXPECT_EQ(l("EGDE_ABONO"), M("630"));
    ASSERT_TRUE(e.continue_documentos());
    EXPECT_EQ(lineas().recordCount(), 3);
    // The last line settles its charge; supplier numbers stand for invoices;
    // the concept column holds 60 characters.
    EXPECT_EQ(t("EGRE_CONC"), S("Cancela FACTCOMP P-000101, FACTCOMP P-000102, CARGOACR 00000"));
    EXPECT_EQ(v("EGRE_MONTO"), M("2830.50"));
    EXPECT_EQ(v("EGRE_DTOF"), M("70"));
    EXPECT_TRUE(e.boton_banco());
    por_banco();
    ASSERT_TRUE(e.grabe()) << dialogs.lastError().toStdString();

    EXPECT_EQ(guardado(21, 101), S("0.00"));
    EXPECT_EQ(guardado(21, 102), S("1299.50"));
    EXPECT_EQ(guardado(51, 103), S("0.00"));
    EXPECT_EQ(cuadrados(), 1);
    EXPECT_EQ(ledgrix::test::libro_descuadrado(dm->sql()), QStringList());
    // A new voucher in the same series, the number moved on.
    EXPECT_EQ(t("EGRE_NUMERO"), S("000002"));
    EXPECT_TRUE(lineas().isEmpty());
    EXPECT_EQ(texto(S("select cast(EGRE_MONTO as varchar(20)) from EGRESOS where EGRE_ID > 0")),
              S("2830.50"));
}

}  // namespace
