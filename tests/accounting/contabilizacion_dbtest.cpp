#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "accounting/contabilizacion/contabilizacion.h"
#include "accounting/contabilizacion/revision.h"
#include "core/data/client_dataset.h"
#include "core/validaciones/acceso.h"
#include "tests/support/consultas_contables.h"
#include "tests/support/documentos_fixture.h"

using namespace ledgrix;
using Pagina = RevisionContable::Pagina;

namespace {

const QDate kHoy(2022, 9, 21);
const QString kErrores =
    QStringLiteral("Se presentaron los siguientes errores en la contabilización: ");

class ContabilizacionTest : public ledgrix::test::DocumentosTest {
  protected:
    QString errores(int tipo, int id) { return test::errores(dm->sql(), tipo, id); }
    int interfaz(int tipo) { return test::interfaz(dm->sql(), tipo); }
    void revisar(int tipo, const QString& si_no) {
        run(QStringLiteral("update INTERFAZ_CXPAGAR set INCP_CONFIRMAR = '%1' where TIDO_COD = %2")
                .arg(si_no)
                .arg(tipo));
    }
    // Postable accounts of a chart, as its validation sees them, each given
    // the attributes a case needs.
    QString cuenta(bool niif, const QString& atributos = QStringLiteral("CUEN_TERCERO = 'N'")) {
        const QString tabla = niif ? QStringLiteral("CUENTAS_NIIF") : QStringLiteral("CUENTAS");
        auto q = dm->sql().select(
            QStringLiteral("select CUEN_COD from %1 where CUEN_ACTIVA = 'S' order by CUEN_COD desc")
                .arg(tabla));
        while (q && q->next()) {
            const QString codigo = q->value(0).toString().trimmed();
            if (usadas_.contains(codigo))
                continue;
            const QVariant v =
                dm->sql().scalar(QStringLiteral("select * from %1(%2)")
                                     .arg(niif ? QStringLiteral("valide_cuenta_niif_c")
                                               : QStringLiteral("valide_cuenta_c"),
                                          sql::quoted(codigo)));
            if (v.toInt() != 0)
                continue;
            usadas_ << codigo;
            run(QStringLiteral(
                    "update %1 set CUEN_TERCERO = 'N', CUEN_CENTRO = 'N', CUEN_RETENCION = 'N', "
                    "CUEN_TIPO = 'N' where CUEN_COD = %2")
                    .arg(tabla, sql::quoted(codigo)));
            run(QStringLiteral("update %1 set %2 where CUEN_COD = %3")
                    .arg(tabla, atributos, sql::quoted(codigo)));
            return codigo;
        }
        ADD_FAILURE() << "no postable account left";
        return {};
    }
    // A staging voucher of a charge as a posting writes it: lines are
    // {item, account, debit, credit}.
    struct Linea {
        int item;
        QString cuenta;
        QString debito, credito;
    };
    void preparado(int cntb, int id, const std::vector<Linea>& lineas) {
        run(QStringLiteral("insert into CONTABILIZACION (CNTB_ID, CNTB_TIPOREF, CNTB_IDREF, "
                           "CNTB_PREFREF, CNTB_NUMREF, "
                           "CNTB_FECHA, CNTB_TIPOCOMP, CNTB_PREFCNT, CNTB_CONCEPTO) values (%1, "
                           "51, %2, '0000', "
                           "'000001', '20220921', 'CXP', '0001', 'Cargo')")
                .arg(cntb)
                .arg(id));
        for (const Linea& l : lineas)
            run(QStringLiteral("insert into CONTABILIZACION_DET (CNTB_ID, CNDE_ITEM, CNDE_CUENTA, "
                               "CNDE_DEBITOS, "
                               "CNDE_CREDITOS) values (%1, %2, %3, %4, %5)")
                    .arg(cntb)
                    .arg(l.item)
                    .arg(sql::quoted(l.cuenta), l.debito, l.credito));
    }
    // A new line on a page with the given values, in the order typed.
    static void linea(ClientDataset& ds,
                      const std::vector<std::pair<const char*, QVariant>>& valores) {
        if (ds.state() == ClientDataset::State::Browse) {
            ASSERT_TRUE(ds.append());
        }
        for (const auto& [campo, valor] : valores)
            ds.fieldByName(QString::fromLatin1(campo)).setValue(valor);
    }
    static QString monto(const ClientDataset& ds, const char* campo) {
        return ds.fieldByName(QString::fromLatin1(campo)).asCurrency().toString(2);
    }

    QStringList usadas_;
};

TEST_F(ContabilizacionTest, EveryModePostsBothBooksAndReadsItsErrorsWhereTheProcedureWroteThem) {
    // A discount's problems are recorded under 52 by the local procedure and
    // under 1052 by the NIIF one, and each call clears those of the other.
    cargo(5, QStringLiteral("000005"), test::kTransportes, kHoy, QStringLiteral("1000"));
    descuento(7, QStringLiteral("000007"), test::kTransportes, kHoy, QStringLiteral("1000"));
    revisar(51, QStringLiteral("N"));
    const int incp = interfaz(52);
    ASSERT_GT(incp, 0);
    run(QStringLiteral(
            "update INTERFAZ_CXPAGAR set INCP_BASE = 'K', INCP_CTABASE = null where INCP_ID = %1")
            .arg(incp));
    Contabilizacion c(*dm);
    struct Caso {
        const char* valor;
        int tipo_errores;
    };
    for (const Caso& caso : {Caso{"NO", 52}, Caso{"SI", 1052}, Caso{"", 1052}}) {
        SCOPED_TRACE(caso.valor);
        configure(QStringLiteral("GENERAR CONTABILIZACION LOCAL POR EQUIVALENCIA DESDE NIIF"),
                  QString::fromLatin1(caso.valor));
        dialogs.clear();
        const qint64 idc = c.contabilice_notadb(5, interfaz(51));
        ASSERT_GT(idc, 0);
        EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();
        for (const char* libro : {"< 100000", ">= 100000"})
            EXPECT_EQ(
                dm->sql()
                    .scalar(QStringLiteral(
                                "select count(*) || ' ' || sum(CNDE_DEBITOS - CNDE_CREDITOS) from "
                                "CONTABILIZACION_DET where CNTB_ID = %1 and CNDE_ITEM %2")
                                .arg(idc)
                                .arg(QLatin1String(libro)))
                    .toString(),
                QStringLiteral("2 0.00"))
                << libro;
        // The review shows what was posted on both pages.
        RevisionContable r(*dm, 51, 5);
        EXPECT_EQ(r.lineas(Pagina::Niif).recordCount(), 2);

        c.contabilice_notacr(7, incp);
        const QString filas_errores = errores(caso.tipo_errores, 7);
        EXPECT_FALSE(filas_errores.isEmpty());
        EXPECT_EQ(dialogs.errors(), QStringList{kErrores + filas_errores});
    }
}

// A charge annulled while its voucher waits for review never reaches the
// ledger from that review.
TEST_F(ContabilizacionTest, TheReviewShowsTheNumberTheVoucherWillTake) {
    cargo(5, QStringLiteral("000005"), test::kTransportes, kHoy, QStringLiteral("1000"));
    revisar(51, QStringLiteral("N"));
    run(QStringLiteral("update PREFIJOS_CONTA set PREF_NUMERO = '000041' where TICO_COD = 'CXP'"));
    Contabilizacion c(*dm);
    ASSERT_GT(c.contabilice_notadb(5, interfaz(51)), 0);
    RevisionContable r(*dm, 51, 5);
    EXPECT_EQ(r.encabezado().fieldByName(QStringLiteral("CNTB_NUMERO")).asString(),
              QStringLiteral("000041"));
    run(QStringLiteral("update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'S' where NDPR_ID = 5"));
    EXPECT_FALSE(dm->sql().execute(
        QStringLiteral("EXECUTE PROCEDURE CONTABILIZA_PENDIENTE(%1)").arg(r.voucher())));
    EXPECT_EQ(dm->sql().scalar(QStringLiteral("select count(*) from COMPROBANTE_ENCABEZADO")).toInt(),
              0);
    run(QStringLiteral("update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'N' where NDPR_ID = 5"));
    ASSERT_TRUE(dm->sql().execute(
        QStringLiteral("EXECUTE PROCEDURE CONTABILIZA_PENDIENTE(%1)").arg(r.voucher())));
    EXPECT_EQ(dm->sql()
                  .scalar(QStringLiteral("select ENCO_NUMERO from COMPROBANTE_ENCABEZADO"))
                  .toString(),
              QStringLiteral("000041"));
}

TEST_F(ContabilizacionTest, AnAccountThatCannotTakeMovementsIsRefusedWithItsReason) {
    // No window here creates accounts: a missing one is refused like the rest.
    Tfdmcnt cnt(*dm);
    const struct {
        bool niif;
        const char* cuenta;
        bool valida;
        const char* mensaje;
    } casos[] = {
        {false, "22050501", true, nullptr},
        {false, "513525", true, nullptr},
        {false, "22059901", false, "La cuenta especificada no existe."},
        {false, "22050", false, "El código de cuenta está incompleto o demasiado largo."},
        {false, "2205050101", false, "El código de cuenta está incompleto o demasiado largo."},
        {false, "22O50501", false, "El código de cuenta está incompleto o demasiado largo."},
        {false, "2205", false, "La cuenta es de nivel inferior al mínimo afectable."},
        {false, "220505", false, "La cuenta indicada tiene auxiliares definidos."},
        {true, "22050505", true, nullptr},
        {true, "22050501", false, "La cuenta NIIF especificada no existe."},
        {true, "22", false, "La cuenta NIIF es de nivel inferior al mínimo afectable."},
        {true, "220505", false, "La cuenta NIIF indicada tiene auxiliares definidos."},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.cuenta);
        dialogs.clear();
        const QString cuenta = QString::fromLatin1(caso.cuenta);
        EXPECT_EQ(caso.niif ? cnt.valide_cuenta_niif(cuenta) : cnt.valide_cuenta(cuenta),
                  caso.valida);
        EXPECT_EQ(dialogs.errors(),
                  caso.mensaje ? QStringList{QString::fromUtf8(caso.mensaje)} : QStringList());
    }
}

TEST_F(ContabilizacionTest, ProblemsMakeOneMessageInOrderAndTheVoucherStillComesBack) {
    // No account for the base: the line is left out (one problem) and the
    // voucher does not balance (another).
    cargo(5, QStringLiteral("000005"), test::kTransportes, kHoy, QStringLiteral("1000"));
    const int incp = interfaz(51);
    configure(QStringLiteral("GENERAR CONTABILIZACION LOCAL POR EQUIVALENCIA DESDE NIIF"),
              QStringLiteral("NO"));
    run(QStringLiteral(
            "update INTERFAZ_CXPAGAR set INCP_BASE = 'K', INCP_CTABASE = null where INCP_ID = %1")
            .arg(incp));
    Contabilizacion c(*dm);
    EXPECT_GT(c.contabilice_notadb(5, incp), 0);
    EXPECT_GE(filas(QStringLiteral("ERRORES where ERRO_TIPODOC = 51 and ERRO_IDDOC = 5")), 2);
    EXPECT_EQ(dialogs.errors(), QStringList{kErrores + errores(51, 5)});
}

TEST_F(ContabilizacionTest, TheProtocolReviewsOnlyWhenAskedAndAlwaysPosts) {
    cargo(5, QStringLiteral("000005"), test::kTransportes, kHoy, QStringLiteral("1000"));
    cargo(6, QStringLiteral("000006"), test::kTransportes, kHoy, QStringLiteral("2000"));
    const int incp = interfaz(51);
    Contabilizacion c(*dm);
    revisar(51, QStringLiteral("N"));  // an unexpected review window fails the test
    EXPECT_GT(c.contabilice_documento(DocumentoContable::Cargo, 5, incp), 0);
    EXPECT_FALSE(c.revision.ver);
    EXPECT_NE(c.comprobante_contable(51, 5), 0);

    revisar(51, QStringLiteral("S"));
    dialogs.expectModal(QStringLiteral("Tfcontabiliza"), 0);
    EXPECT_GT(c.contabilice_documento(DocumentoContable::Cargo, 6, incp), 0);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(c.revision.tipo, 51);  // the review window's slots
    EXPECT_EQ(c.revision.id, 6);
    EXPECT_NE(c.comprobante_contable(51, 6), 0) << "a review closed without saving still posts";
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();
}

TEST_F(ContabilizacionTest, PostingAgainPostsOnceThenNeedsTheRightToEditTheVoucher) {
    cargo(5, QStringLiteral("000005"), test::kTransportes, kHoy, QStringLiteral("1000"));
    revisar(51, QStringLiteral("N"));
    Contabilizacion c(*dm);
    c.contabilice_de_nuevo(DocumentoContable::Cargo, 5, QStringLiteral("0000"));
    const qint64 consec = c.comprobante_contable(51, 5);
    ASSERT_NE(consec, 0);

    c.contabilice_de_nuevo(DocumentoContable::Cargo, 5, QStringLiteral("0000"));
    EXPECT_EQ(dialogs.errors(), QStringList{kAccesoNoPermitido});

    run(QStringLiteral("insert into ACCESO_USUARIO values ('ADMIN', 'CONTABILIDAD', 31, 'S')"));
    dialogs.expectModal(QStringLiteral("Tfeditacomprobante"), 1);
    c.contabilice_de_nuevo(DocumentoContable::Cargo, 5, QStringLiteral("0000"));
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(c.comprobante_contable(51, 5), consec);
}

TEST_F(ContabilizacionTest, NewLinesFollowTheLargestItemOfTheirPage) {
    preparado(900, 5, {});
    RevisionContable r(*dm, 51, 5);
    EXPECT_EQ(r.voucher(), 900);
    ASSERT_TRUE(r.lineas(Pagina::Local).append());
    EXPECT_EQ(r.lineas(Pagina::Local).fieldByName(QStringLiteral("CNDE_ITEM")).asInteger(), 2);
    ASSERT_TRUE(r.lineas(Pagina::Niif).append());
    EXPECT_EQ(r.lineas(Pagina::Niif).fieldByName(QStringLiteral("CNDE_ITEM")).asInteger(), 100002);

    const QString local = cuenta(false), niif = cuenta(true);
    preparado(901, 6, {{4, local, "10", "0"}, {100007, niif, "10", "0"}});
    RevisionContable s(*dm, 51, 6);
    EXPECT_EQ(s.item_local(), 4);
    EXPECT_EQ(s.item_niif(), 100007);
}

TEST_F(ContabilizacionTest, AnUnbalancedPageStopsTheSaveUnlessTheCompanyAllowsIt) {
    const QString local = cuenta(false), otra = cuenta(false), niif = cuenta(true),
                  niif2 = cuenta(true);
    preparado(900, 5,
              {{1, local, "100", "0"},
               {2, otra, "0", "100"},
               {100001, niif, "50", "0"},
               {100002, niif2, "0", "60"}});
    {
        RevisionContable r(*dm, 51, 5);
        Pagina mostrada = Pagina::Local;
        r.onPagina = [&mostrada](Pagina p) { mostrada = p; };
        ClientDataset& lineas = r.lineas(Pagina::Local);
        ASSERT_TRUE(lineas.first() && lineas.edit());
        lineas.fieldByName(QStringLiteral("CNDE_CONC")).setValue(QStringLiteral("Corregido"));
        EXPECT_FALSE(r.grabe());
        EXPECT_EQ(dialogs.errors(),
                  QStringList{QStringLiteral("No puede grabar un comprobante NIIF descuadrado")});
        EXPECT_EQ(mostrada, Pagina::Niif);
        EXPECT_EQ(filas(QStringLiteral("CONTABILIZACION_DET where CNDE_CONC = 'Corregido'")), 0);
        EXPECT_TRUE(r.hay_cambios());
    }
    configure(QStringLiteral("PERMITIR COMPROBANTES DESCUADRADOS"), QStringLiteral("SI"));
    RevisionContable r(*dm, 51, 5);
    ClientDataset& niif_lineas = r.lineas(Pagina::Niif);
    ASSERT_TRUE(niif_lineas.first() && niif_lineas.edit());
    niif_lineas.fieldByName(QStringLiteral("CNDE_DEBITOS")).setValue(QStringLiteral("55"));
    EXPECT_TRUE(r.grabe());
    EXPECT_EQ(
        filas(QStringLiteral("CONTABILIZACION_DET where CNDE_ITEM = 100001 and CNDE_DEBITOS = 55")),
        1);
}

TEST_F(ContabilizacionTest, BaseTimesRateGivesTheDebitOrForANegativeBaseTheCredit) {
    const QString retencion =
        cuenta(false, QStringLiteral("CUEN_RETENCION = 'S', CUEN_BASEMIN = 0, CUEN_PORC = 2.5"));
    preparado(900, 5, {});
    RevisionContable r(*dm, 51, 5);
    ClientDataset& ds = r.lineas(Pagina::Local);
    linea(ds, {{"CNDE_CUENTA", retencion}, {"CNDE_BASE", QStringLiteral("1000000")}});
    EXPECT_EQ(monto(ds, "CNDE_PORC"), QStringLiteral("2.50"));
    EXPECT_EQ(monto(ds, "CNDE_DEBITOS"), QStringLiteral("25000.00"));
    EXPECT_EQ(monto(ds, "CNDE_CREDITOS"), QStringLiteral("0.00"));
    // Below the threshold the rate is not proposed: it is the line's own.
    ds.fieldByName(QStringLiteral("CNDE_BASE")).setValue(QStringLiteral("-1000000"));
    EXPECT_EQ(monto(ds, "CNDE_DEBITOS"), QStringLiteral("0.00"));
    EXPECT_EQ(monto(ds, "CNDE_CREDITOS"), QStringLiteral("25000.00"));
    // Debit and credit exclude each other.
    ds.fieldByName(QStringLiteral("CNDE_DEBITOS")).setValue(QStringLiteral("10"));
    EXPECT_EQ(monto(ds, "CNDE_CREDITOS"), QStringLiteral("0.00"));
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();
}

TEST_F(ContabilizacionTest, LineChecksRunInOrderAndKeepTheLineInEdit) {
    const QString retencion =
        cuenta(false, QStringLiteral("CUEN_RETENCION = 'S', CUEN_TERCERO = 'S'"));
    const QString centro = cuenta(false, QStringLiteral("CUEN_CENTRO = 'S'"));
    const QString activo = cuenta(false, QStringLiteral("CUEN_TIPO = 'A'"));
    const QString simple = cuenta(false);
    preparado(900, 5, {});
    RevisionContable r(*dm, 51, 5);
    ClientDataset& ds = r.lineas(Pagina::Local);

    // A line with nothing in it goes away silently.
    ASSERT_TRUE(ds.append());
    ds.post();
    EXPECT_TRUE(ds.isEmpty());
    EXPECT_TRUE(dialogs.errors().isEmpty());

    struct Paso {
        std::vector<std::pair<const char*, QVariant>> valores;
        QString mensaje;
    };
    const std::vector<Paso> pasos{
        {{{"CNDE_DEBITOS", QStringLiteral("10")}},
         QStringLiteral("Debe indicar una cuenta para el movimiento.")},
        {{{"CNDE_CUENTA", retencion}}, QStringLiteral("Debe indicar un NIT para el movimiento.")},
        {{{"CNDE_TERC", test::kTransportes}},
         QStringLiteral("Debe indicar una base para el movimiento.")},
        {{{"CNDE_BASE", QStringLiteral("1000")}, {"CNDE_PORC", QStringLiteral("0")}},
         QStringLiteral("Debe indicar un porcentaje para el movimiento.")},
        {{{"CNDE_CUENTA", centro}},
         QStringLiteral("Debe indicar un Proyecto-Centro-Subcentro para el movimiento.")},
        {{{"CNDE_CUENTA", activo}}, QStringLiteral("Debe indicar un Artículo para el movimiento.")},
        {{{"CNDE_CUENTA", simple}, {"CNDE_DEBITOS", QStringLiteral("0")}},
         QStringLiteral("Debe indicar un valor débito o crédito para la cuenta ") + simple +
             QStringLiteral(" o eliminar el registro completo.")},
    };
    for (const Paso& paso : pasos) {
        dialogs.clear();
        linea(ds, paso.valores);
        EXPECT_FALSE(ds.post());
        EXPECT_EQ(dialogs.errors(), QStringList{paso.mensaje});
        EXPECT_EQ(ds.state(), ClientDataset::State::Insert);
    }
    dialogs.clear();
    linea(ds, {{"CNDE_CREDITOS", QStringLiteral("10")}});
    EXPECT_TRUE(ds.post());
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();
}

TEST_F(ContabilizacionTest, ThirdPartiesAreChosenRepeatedOrOfferedForCreation) {
    const QString simple = cuenta(false);
    preparado(900, 5, {});
    RevisionContable r(*dm, 51, 5);
    ClientDataset& ds = r.lineas(Pagina::Local);

    dialogs.expectModal(QStringLiteral("Tfbuscterceros"), 1);  // the first line found
    linea(ds, {{"CNDE_CUENTA", simple},
               {"CNDE_TERC", QStringLiteral("?Papeler")},
               {"CNDE_DEBITOS", QStringLiteral("5")}});
    EXPECT_EQ(ds.fieldByName(QStringLiteral("CNDE_TERC")).asString(), test::kPapeleria);
    EXPECT_EQ(r.nombre_tercero(), QStringLiteral("Papelería Industrial Andina S.A."));
    ASSERT_TRUE(ds.post());

    linea(ds, {{"CNDE_TERC", QStringLiteral("\"")}});
    EXPECT_EQ(ds.fieldByName(QStringLiteral("CNDE_TERC")).asString(), test::kPapeleria);

    dialogs.expectQuestion(QStringLiteral("Tercero no encontrado. Desea crearlo?"), true);
    dialogs.expectModal(QStringLiteral("Tfnvoproveedor"), 1);
    ds.fieldByName(QStringLiteral("CNDE_TERC")).setValue(QStringLiteral("123"));
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(ContabilizacionTest, ATemplateReplacesThePageAfterTheUserAgrees) {
    const QString a = cuenta(false), b = cuenta(false);
    run(
        QStringLiteral("insert into PLANTILLA_ENCABEZADO (PLAN_ID, TICO_COD, PLAN_CONCEPTO) values "
                       "(1, 'EGR', 'Otra')"));
    run(
        QStringLiteral("insert into PLANTILLA_ENCABEZADO (PLAN_ID, TICO_COD, PLAN_CONCEPTO) values "
                       "(2, 'CXP', 'Fletes')"));
    run(QStringLiteral(
            "insert into PLANTILLA_DETALLE (PLAN_ID, PLDE_ITEM, CUEN_COD, PLDE_CONCEPTO, "
            "PLDE_DEBITOS, "
            "PLDE_BASE, PLDE_PORC, TERC_NIT) values (2, 1, %1, 'Flete', 70, 100, 1.5, %2)")
            .arg(sql::quoted(a), sql::quoted(test::kTransportes)));
    run(QStringLiteral("insert into PLANTILLA_DETALLE (PLAN_ID, PLDE_ITEM, CUEN_COD, "
                       "PLDE_CREDITOS) values (2, 2, %1, 70)")
            .arg(sql::quoted(b)));
    preparado(900, 5, {{3, a, "10", "0"}});
    RevisionContable r(*dm, 51, 5);
    ClientDataset& ds = r.lineas(Pagina::Local);

    const QString pregunta = QStringLiteral(
        "Al traer la plantilla perderá los movimientos digitados en el comprobante, Continuar?");
    dialogs.expectModal(QStringLiteral("Tfbuscplantillas"), 1);
    dialogs.expectQuestion(pregunta, false);
    EXPECT_FALSE(r.traiga_plantilla());
    EXPECT_EQ(ds.recordCount(), 1);

    dialogs.expectModal(QStringLiteral("Tfbuscplantillas"), 1);
    dialogs.expectQuestion(pregunta, true);
    ASSERT_TRUE(r.traiga_plantilla());
    ASSERT_EQ(r.plantillas().lineas().size(), 1u) << "only the voucher type's templates";
    ASSERT_EQ(ds.recordCount(), 2);
    ASSERT_TRUE(ds.first());
    EXPECT_EQ(ds.fieldByName(QStringLiteral("CNDE_ITEM")).asInteger(), 4);
    EXPECT_EQ(ds.fieldByName(QStringLiteral("CNDE_CONC")).asString(), QStringLiteral("Flete"));
    EXPECT_EQ(ds.fieldByName(QStringLiteral("CNDE_TERC")).asString(), test::kTransportes);
    EXPECT_EQ(monto(ds, "CNDE_DEBITOS"),
              QStringLiteral("70.00"));  // as stored, not recomputed from the base
    EXPECT_EQ(monto(ds, "CNDE_PORC"), QStringLiteral("1.50"));
    ASSERT_TRUE(r.grabe()) << dialogs.errors().join('\n').toStdString();
    EXPECT_EQ(
        filas(QStringLiteral("CONTABILIZACION_DET where CNTB_ID = 900 and CNDE_ITEM < 100000")), 2);
}

TEST_F(ContabilizacionTest, SavingAReviewRemovesTheOldLedgerVoucherBeforeTheNewPosting) {
    cargo(5, QStringLiteral("000005"), test::kTransportes, kHoy, QStringLiteral("1000"));
    revisar(51, QStringLiteral("N"));
    Contabilizacion c(*dm);
    const qint64 idc = c.contabilice_documento(DocumentoContable::Cargo, 5, interfaz(51));
    ASSERT_GT(idc, 0);
    const qint64 viejo = c.comprobante_contable(51, 5);
    ASSERT_NE(viejo, 0);
    ASSERT_GT(filas(QStringLiteral("COMPROBANTE_DETALLE where ENCO_CONSEC = %1").arg(viejo)), 0);

    RevisionContable r(*dm, 51, 5);
    ASSERT_TRUE(r.encabezado().edit());
    r.encabezado()
        .fieldByName(QStringLiteral("CNTB_CONCEPTO"))
        .setValue(QStringLiteral("Revisado"));
    ASSERT_TRUE(r.grabe()) << dialogs.errors().join('\n').toStdString();
    for (const char* tabla :
         {"COMPROBANTE_ENCABEZADO", "COMPROBANTE_DETALLE", "COMPROBANTE_DETALLE_NIIF"})
        EXPECT_EQ(
            filas(QStringLiteral("%1 where ENCO_CONSEC = %2").arg(QLatin1String(tabla)).arg(viejo)),
            0)
            << tabla;

    ASSERT_TRUE(
        dm->sql().execute(QStringLiteral("EXECUTE PROCEDURE CONTABILIZA_PENDIENTE(%1)").arg(idc)));
    const qint64 nuevo = c.comprobante_contable(51, 5);
    EXPECT_NE(nuevo, 0);
    EXPECT_EQ(
        dm->sql()
            .scalar(QStringLiteral(
                        "select ENCO_CONCEPTO from COMPROBANTE_ENCABEZADO where ENCO_CONSEC = %1")
                        .arg(nuevo))
            .toString(),
        QStringLiteral("Revisado"));
}

TEST_F(ContabilizacionTest, AReviewSaveThatFailsHalfWayLeavesEverythingAsItWas) {
    // Local books follow the NIIF lines, and another module's record holds
    // on to the document's ledger voucher, so removing it fails last.
    configure(QStringLiteral("GENERAR CONTABILIZACION LOCAL POR EQUIVALENCIA DESDE NIIF"),
              QStringLiteral("SI"));
    cargo(5, QStringLiteral("000005"), test::kTransportes, kHoy, QStringLiteral("1000"));
    revisar(51, QStringLiteral("N"));
    Contabilizacion c(*dm);
    ASSERT_GT(c.contabilice_documento(DocumentoContable::Cargo, 5, interfaz(51)), 0);
    const qint64 viejo = c.comprobante_contable(51, 5);
    ASSERT_NE(viejo, 0);
    {
        // Only the owner of the ledger tables may point at them.
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), QStringLiteral("propietario"));
        db.setDatabaseName(inst->companyDatabase());
        db.setUserName(QStringLiteral("SYSDBA"));
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery q(db);
        ASSERT_TRUE(
            q.exec(QStringLiteral("create table CONCILIADO (ENCO_CONSEC integer references "
                                  "COMPROBANTE_ENCABEZADO)")))
            << q.lastError().text().toStdString();
        ASSERT_TRUE(q.exec(QStringLiteral("grant all on CONCILIADO to public")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("propietario"));
    run(QStringLiteral("insert into CONCILIADO values (%1)").arg(viejo));
    const QString ledger = QStringLiteral("COMPROBANTE_DETALLE where ENCO_CONSEC = %1").arg(viejo);
    const int lineas_ledger = filas(ledger);
    ASSERT_GT(lineas_ledger, 0);

    RevisionContable r(*dm, 51, 5);
    ClientDataset& niif = r.lineas(Pagina::Niif);
    ASSERT_TRUE(niif.first() && niif.edit());
    niif.fieldByName(QStringLiteral("CNDE_CONC")).setValue(QStringLiteral("Revisado"));
    EXPECT_FALSE(r.grabe());
    EXPECT_FALSE(dialogs.errors().isEmpty());
    EXPECT_EQ(filas(QStringLiteral("CONTABILIZACION_DET where CNDE_CONC = 'Revisado'")), 0);
    EXPECT_EQ(filas(QStringLiteral("CONTABILIZACION_DET where CNTB_ID = %1 and CNDE_ITEM < 100000")
                        .arg(r.voucher())),
              2);
    EXPECT_EQ(filas(ledger), lineas_ledger);
    EXPECT_TRUE(r.hay_cambios());

    // Once the other record lets go, the same entries save whole.
    run(QStringLiteral("delete from CONCILIADO"));
    dialogs.clear();
    ASSERT_TRUE(r.grabe()) << dialogs.errors().join('\n').toStdString();
    EXPECT_EQ(filas(QStringLiteral("CONTABILIZACION_DET where CNDE_CONC = 'Revisado'")), 2)
        << "both books";
    EXPECT_EQ(filas(QStringLiteral("COMPROBANTE_ENCABEZADO where ENCO_CONSEC = %1").arg(viejo)), 0);
}

}  // namespace
