#include <gtest/gtest.h>

#include <QList>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "payments/busquedas/busqueda_egresos.h"
#include "tests/payments/pagos_fixture.h"

namespace ledgrix::test {
namespace {

class BusquedaEgresosTest : public PagosTest {
  protected:
    void SetUp() override {
        PagosTest::SetUp();
        dm->ctx.es_administrador = true;
        busqueda = std::make_unique<BusquedaEgresos>(*dm);
    }
    // A voucher header as another module or an older release left it.
    void guarde(int id, const char* numero, int dias_atras, const char* tipo = "1",
                const char* nombre = "TRANSPORTES", const char* concepto = "Pago fletes",
                const char* prefijo = "0000") {
        run(S("insert into EGRESOS (EGRE_ID, PREF_PRE, EGRE_NUMERO, EGRE_FECHA, TERC_NIT, "
              "EGRE_NOMTERC, EGRE_CONC, EGRE_TIPO, CLEG_ID, EGRE_MONTO) values (%1, %2, %3, %4, "
              "%5, %6, %7, %8, 1, 100)")
                .arg(id)
                .arg(sql::quoted(S(prefijo)), sql::quoted(S(numero)),
                     fecha(kHoy.addDays(-dias_atras)), sql::quoted(kTransportes),
                     sql::quoted(S(nombre)), sql::quoted(S(concepto)), sql::quoted(S(tipo))));
    }
    QList<qint64> ids() const {
        QList<qint64> r;
        ClientDataset& f = busqueda->filas();
        f.fetchAll();
        const int col = f.fieldByName(S("EGRE_ID")).index();
        for (int i = 0; i < f.recordCount(); ++i)
            r << f.valueAt(i, col).toLongLong();
        return r;
    }
    // A voucher of the window paying invoice `factura` of 1,500 by cheque
    // or withdrawal; its id.
    qint64 pague(int factura_id, const QString& numero, bool retiro) {
        factura(factura_id, numero, kTransportes, kHoy.addDays(-3), S("1500"));
        Egreso& e = abra_egreso(kTransportes);
        e.reciba_documento_cxp({21, 0, S("0000"), numero, {}});
        EXPECT_TRUE(e.continue_documentos());
        EXPECT_TRUE(e.medios().abra_banco());
        if (retiro)
            e.medios().cambie_tipo_banco(S("RETIRO"));
        EXPECT_TRUE(e.medios().continue_banco());
        EXPECT_TRUE(e.grabe()) << dialogs.lastError().toStdString();
        return texto(S("select EGRE_ID from EGRESODETALLE where EGDE_TIPODOC = 21 and "
                       "EGDE_IDDOC = %1")
                         .arg(factura_id))
            .toLongLong();
    }
    QString anulado(qint64 id) const {
        return texto(S("select EGRE_ANULADO from EGRESOS where EGRE_ID = %1").arg(id));
    }
    QString razon(qint64 id, const char* oper) const {
        return texto(S("select AUDI_RAZON from AUDITORIA where TIDO_COD = 62 and AUDI_IDDOC = %1 "
                       "and AUDI_OPER = '%2'")
                         .arg(id)
                         .arg(QLatin1String(oper)));
    }
    // Finds one voucher by its number and leaves the cursor on it.
    void elija(const QString& numero) {
        ASSERT_TRUE(busqueda->busque(0, numero, false));
        ASSERT_FALSE(busqueda->filas().isEmpty()) << numero.toStdString();
        ASSERT_EQ(busqueda->numero(), numero);
    }
    // The clerk of the demo, of agency 1, without option 32 unless given.
    void como_auxiliar(bool con_opcion) {
        dm->ctx.usuario = S("AUXILIAR");
        dm->ctx.es_administrador = false;
        dm->ctx.agencia = 1;
        if (con_opcion)
            run(S("insert into ACCESO_USUARIO values ('AUXILIAR', 'C. X PAGAR', 32, 'S')"));
    }

    std::unique_ptr<BusquedaEgresos> busqueda;
};

TEST_F(BusquedaEgresosTest, ListsThePayablesVouchersOfTheLastDaysByTheColumnChosen) {
    configure(S("NUMERO DE DIAS PARA BUSCAR DOCUMENTOS"), S("30"));
    run(S(
        "insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL, PREF_AUTO, PREF_IVAINC, "
        "PREF_ACTIVO, PREF_USUARIO, SUCU_ID) values (62, 'AG2', '000001', 'S', 'N', 'S', 'x', 2)"));
    guarde(11, "000101", 30, "1", "TRANSPORTES", "Pago fletes");
    guarde(12, "000102", 31);
    guarde(13, "000103", 5, "3");
    guarde(14, "000104", 1, "1", "O'BRIEN Y CIA", "Pago 50% O'Brien");
    guarde(15, "000105", 0, "1", "PAPELERIA", "Anticipo papelería");
    guarde(16, "000106", 2, "1", "SUCURSAL", "Otra agencia", "AG2");
    struct Caso {
        const char* nombre;
        int agencia, columna;
        const char* texto;
        bool contiene;
        QList<qint64> esperados;
    };
    const Caso casos[] = {
        {"by date, newest first", 0, 1, "", false, {15, 14, 16, 11}},
        {"a date on", 0, 1, "2022/09/20", false, {15, 14}},
        {"number from", 0, 0, "000104", false, {14, 15, 16}},
        {"number anywhere", 0, 0, "10", true, {11, 14, 15, 16}},
        {"concept anywhere, any case", 0, 2, "PAGO", true, {14, 11}},
        {"payee from", 0, 3, "p", false, {15, 16, 11}},
        {"quotes and wildcards are text", 0, 2, "50% O'Bri", true, {14}},
        {"an injection finds nothing", 0, 3, "x' or '1'='1", true, {}},
        {"the agency's series and the shared ones", 1, 1, "", false, {15, 14, 11}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        dm->ctx.agencia = c.agencia;
        ASSERT_TRUE(busqueda->busque(c.columna, S(c.texto), c.contiene))
            << dialogs.lastError().toStdString();
        EXPECT_EQ(ids(), c.esperados) << busqueda->sentencia().toStdString();
    }
    // Without a look-back the old voucher comes back; other kinds never do.
    dm->ctx.agencia = 0;
    configure(S("NUMERO DE DIAS PARA BUSCAR DOCUMENTOS"), S("0"));
    ASSERT_TRUE(busqueda->busque(1, {}, false));
    EXPECT_EQ(ids(), (QList<qint64>{15, 14, 16, 11, 12}));
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
}

TEST_F(BusquedaEgresosTest,
       AnnulmentGivesTheInvoiceItsBalanceBackAndFreesTheBankNumberOnlyIfAsked) {
    configure(S("ESTABLECER CONTROL DEL PORQUE SE ANULAN LOS DOCUMENTOS"), S("SI"));
    struct Caso {
        const char* nombre;
        bool retiro, reutilizar;
    };
    const Caso casos[] = {
        {"cheque reused", false, true},
        {"withdrawal reused", true, true},
        {"cheque kept", false, false},
    };
    int factura_id = 500;
    qint64 id = 0;
    QString numero;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        ++factura_id;
        id = pague(factura_id, S("%1").arg(factura_id, 6, 10, QLatin1Char('0')), c.retiro);
        ASSERT_EQ(guardado(21, factura_id), S("0.00"));
        const QString banco =
            texto(S("select PRBA_PREF || EGBC_NUMERO from EGREBANCO where EGRE_ID = %1").arg(id));
        const QString doc = c.retiro ? S("RETIROS where RETI_ANULADO = '%2' and RETI_IDORI = %1")
                                     : S("CHEQUES where CHEQ_ANULADO = '%2' and CHEQ_IDORI = %1");
        numero = texto(S("select EGRE_NUMERO from EGRESOS where EGRE_ID = %1").arg(id));
        elija(numero);
        dialogs.expectQuestion(S("Esta seguro de anular el EGRESO 0000") + numero + S("?"), true);
        dialogs.expectQuestion(S("Desea volver a utilizar el cheque/retiro No. ") + banco + S("?"),
                               c.reutilizar);
        ASSERT_TRUE(busqueda->anule(S("Cheque mal girado"))) << dialogs.lastError().toStdString();
        EXPECT_EQ(anulado(id), S("S"));
        EXPECT_EQ(guardado(21, factura_id), S("1500.00"));
        EXPECT_EQ(filas(S("COMPROBANTE_ENCABEZADO where ENCO_TIPOREF = 62 and ENCO_IDREF = %1 "
                          "and ENCO_ANULADO = 'N'")
                            .arg(id)),
                  0);
        EXPECT_EQ(filas(doc.arg(id).arg(QLatin1Char('N'))), 0);
        EXPECT_EQ(filas(doc.arg(id).arg(QLatin1Char('S'))), c.reutilizar ? 0 : 1);
        EXPECT_EQ(razon(id, "A"), S("Cheque mal girado"));
    }
    EXPECT_EQ(
        texto(S("select count(*) from CHEQUEO_SALDOS_DOC_CXPAGAR('', 'ZZZZZZZZZZZZZZZZZZZZ')")),
        S("0"));

    // The last one, annulled with its cheque kept: a clerk may not delete
    // it, an administrator may, and the cheque's number stays spent unless
    // he releases it then.
    como_auxiliar(true);
    elija(numero);
    EXPECT_FALSE(busqueda->anule(S("Duplicado")));
    EXPECT_EQ(dialogs.texts(S("information")).value(0),
              S("El documento ya está anulado. Solo un administrador puede eliminarlo."));
    dm->ctx.es_administrador = true;
    dialogs.expectQuestion(
        S("Esta seguro de eliminar completamente el EGRESO 0000") + numero + S("?"), true);
    dialogs.expectQuestion({}, false);
    ASSERT_TRUE(busqueda->anule(S("Duplicado"))) << dialogs.lastError().toStdString();
    EXPECT_EQ(filas(S("EGRESOS where EGRE_ID = %1").arg(id)), 0);
    EXPECT_EQ(filas(S("CHEQUES where CHEQ_ANULADO = 'S' and CHEQ_IDORI = %1").arg(id)), 1);
    EXPECT_EQ(razon(id, "D"), S("Duplicado"));
    EXPECT_EQ(razon(id, "A"), S("Cheque mal girado"));
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(BusquedaEgresosTest, PayrollVouchersAndUsersWithoutTheRightAreRefusedAndNothingChanges) {
    guarde(21, "000201", 1);
    const char* const nomina[][2] = {
        {"insert into PRESTAMO_NOMINA (PRNO_ID, PRNO_PAGOID) values (1, 21)",
         "El egreso corresponde a un préstamo de nómina, para anularlo anule el préstamo."},
        {"insert into PAGO_NOMINA_EGRESOS (PGNO_ID, EGRE_ID) values (7, 21)",
         "El egreso corresponde a un pago de nómina, para anularlo anule el pago en el módulo de "
         "nómina."},
    };
    for (const auto& [preparar, mensaje] : nomina) {
        SCOPED_TRACE(preparar);
        run(S("delete from PRESTAMO_NOMINA"));
        run(S(preparar));
        elija(S("000201"));
        EXPECT_FALSE(busqueda->anule());
        EXPECT_EQ(dialogs.lastError(), S(mensaje));
        EXPECT_EQ(anulado(21), S("N"));
    }
    run(S("delete from PAGO_NOMINA_EGRESOS"));

    // The right to annul: option 32 in payables, 42 in any other module.
    como_auxiliar(false);
    elija(S("000201"));
    EXPECT_FALSE(busqueda->anule());
    EXPECT_EQ(anulado(21), S("N"));
    EXPECT_FALSE(busqueda->puede_anular());
    EXPECT_EQ(dialogs.lastError(),
              S("Acceso no permitido. Comuníquese con el administrador del sistema."));
    const std::pair<const char*, int> derechos[] = {{"C. X PAGAR", 32}, {"TESORERIA", 42}};
    for (const auto& [modulo, opcion] : derechos) {
        SCOPED_TRACE(modulo);
        dm->ctx.modulo = S(modulo);
        EXPECT_FALSE(busqueda->puede_anular());
        run(S("insert into ACCESO_USUARIO values ('AUXILIAR', %1, %2, 'S')")
                .arg(sql::quoted(S(modulo)))
                .arg(opcion));
        EXPECT_TRUE(busqueda->puede_anular());
    }
}

}  // namespace
}  // namespace ledgrix::test
