#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QProcess>

#include "core/money/formato_numero.h"
#include "core/tfdm/tfdm.h"
#include "output/impresion/familia.h"
#include "output/impresion/impresion_documento.h"
#include "output/ui/impresion/tfimpresion.h"
#include "tests/support/documentos_fixture.h"

using namespace ledgrix;
using ledgrix::test::kPapeleria;
using ledgrix::test::kTransportes;

namespace {

const QDate kHoy(2022, 9, 21);

// Vouchers of the demo installation printed with the demo formats of series
// "0000" and read back from the PDF.
class ImpresionTest : public ledgrix::test::DocumentosTest {
  protected:
    // The company of the login, as printed headers take it.
    void SetUp() override {
        DocumentosTest::SetUp();
        auto q = dm->sqlGeneral().select(
            QStringLiteral("select COM_NOMBRE, COMP_NIT, COMP_DIR, COMP_TELS, COMP_ENCABEZADO from "
                           "COMPANIA where COMP_COD = '001'"));
        ASSERT_TRUE(q && q->next());
        RegistroCompania& c = dm->ctx.compania;
        c.nombre = q->value(0).toString();
        c.nit = q->value(1).toString();
        c.direccion = q->value(2).toString();
        c.telefonos = q->value(3).toString();
        c.encabezado = q->value(4).toString();
    }
    QString letras(int pesos) { return dm->numero_a_letras(Currency::fromInt(pesos)).simplified(); }
    // A charge with VAT and withholding at source, stored and posted as the
    // charge window does; its insertion time pinned for the QR text.
    void cargo_contabilizado(int id) {
        run(QStringLiteral("insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, "
                           "NDPR_FECHA, TERC_NIT, "
                           "NDPR_CONC, NDPR_MONTO, NDPR_IVAPORC, NDPR_IVAMONTO, NDPR_RTFTEPORC, "
                           "NDPR_RTFTEMONTO, "
                           "NDPR_NUMPROV, NDPR_NRONDE, NDPR_VENCE, NDPR_OBS) values (%1, '0000', "
                           "'000123', '2022/09/21', '%2', "
                           "'Fletes de septiembre', 1000000, 19, 190000, 2.5, 25000, 'FE-77', "
                           "'cuds-4f2a9e', '2022/10/21', "
                           "'Entrega en bodega principal')")
                .arg(id)
                .arg(kPapeleria));
        run(QStringLiteral("update AUDITORIA set AUDI_HORA = '14:35:07' where TIDO_COD = 51 and "
                           "AUDI_IDDOC = %1")
                .arg(id));
        const int interfaz =
            dm->sql()
                .scalar(
                    QStringLiteral("select min(INCP_ID) from INTERFAZ_CXPAGAR where TIDO_COD = 51"))
                .toInt();
        const int idc = dm->sql()
                            .scalar(QStringLiteral("select IDC from CONTABIL_NOTADBPR(%1, %2, 0)")
                                        .arg(id)
                                        .arg(interfaz))
                            .toInt();
        ASSERT_GT(idc, 0);
        run(QStringLiteral("execute procedure CONTABILIZA_PENDIENTE(%1)").arg(idc));
    }
    // The PDF's text, one line per printed row with runs of blanks collapsed.
    static QString texto_pdf(const QString& ruta) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), ruta, QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(30000));
        QStringList lineas;
        for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
            if (!l.trimmed().isEmpty())
                lineas << l.simplified();
        return lineas.join(u'\n');
    }
    QString imprima(const MiembroImpresion& m, qint64 id) {
        ImpresionDocumento doc(*dm, m, id);
        EXPECT_TRUE(doc.cargue()) << m.ventana.toStdString();
        const QString ruta = doc.imprima_pdf();
        EXPECT_FALSE(ruta.isEmpty())
            << m.ventana.toStdString() << " " << dialogs.lastError().toStdString();
        return ruta;
    }
};

TEST_F(ImpresionTest, APostedChargePrintsSupplierAmountsWordsAndAccountingLines) {
    cargo_contabilizado(500);
    ImpresionDocumento doc(*dm, impresion_cargo(), 500);
    ASSERT_TRUE(doc.cargue());
    EXPECT_FALSE(doc.anulado());

    // Items whose value is not a plain column.
    const DatosImpresos e = doc.encabezado();
    EXPECT_EQ(e.value(QStringLiteral("NUMERO SIN CEROS")).texto, QStringLiteral("123"));
    EXPECT_EQ(e.value(QStringLiteral("TOTAL LETRAS")).texto,
              dm->numero_a_letras(Currency::fromInt(1190000)));
    EXPECT_EQ(e.value(QStringLiteral("NETO LETRAS")).texto,
              dm->numero_a_letras(Currency::fromInt(1165000)));
    EXPECT_EQ(e.value(QStringLiteral("HORA REGISTRO")).texto, QStringLiteral("14:35:07"));
    EXPECT_FALSE(e.value(QStringLiteral("CODIGO QR")).imagen.isNull());

    // The support document's QR text, lines ended by CR LF.
    EXPECT_EQ(
        doc.texto_qr(),
        QStringLiteral(
            "NumDS: 0000123\r\nFecDS: 2022-09-21\r\nHorDS: 14:35:07\r\nValDS: 1000000.00\r\n"
            "CodImp: 06ValImp: 25000.00\r\nValTol: 1190000.00\r\nNumSNO: 860045678\r\n"
            "NITABS: 901456789\r\nSoftware-PIN: 75312CUDS: cuds-4f2a9e\r\n"
            "https://catalogo-vpfe.dian.gov.co/document/searchqr?documentkey=cuds-4f2a9e\r\n"));

    const QString ruta = doc.imprima_pdf();
    ASSERT_FALSE(ruta.isEmpty()) << dialogs.lastError().toStdString();
    EXPECT_EQ(QFileInfo(ruta).fileName(), QStringLiteral("Cargo por pagar No 0000000123.PDF"));
    const QString t = texto_pdf(ruta);
    for (const QString& esperado :
         {QStringLiteral("Papelería Industrial Andina S.A."), QStringLiteral("860045678"),
          QStringLiteral("Fletes de septiembre"), QStringLiteral("Entrega en bodega principal"),
          QStringLiteral("$1.000.000,00"), QStringLiteral("$190.000,00"),
          QStringLiteral("$1.190.000,00"), QStringLiteral("$25.000,00"),
          QStringLiteral("$1.165.000,00"), letras(1190000), dm->ctx.compania.nombre,
          QStringLiteral("901456789-8")})
        EXPECT_TRUE(t.contains(esperado)) << esperado.toStdString() << "\n" << t.toStdString();

    // One printed row per ledger line, with its account and amounts.
    auto q = dm->sql().select(QStringLiteral(
        "select d.CUEN_COD, cast(d.CODE_DEBITOS as varchar(20)), cast(d.CODE_CREDITOS as "
        "varchar(20)) "
        "from COMPROBANTE_DETALLE d join COMPROBANTE_ENCABEZADO e on e.ENCO_CONSEC = d.ENCO_CONSEC "
        "where e.ENCO_TIPOREF = 51 and e.ENCO_IDREF = 500"));
    ASSERT_TRUE(q);
    int lineas = 0;
    for (; q->next(); ++lineas) {
        const QString cuenta = q->value(0).toString();
        const FormatoNumero& formato = FormatoNumero::instalacion();
        const QString debito = formato.escriba(Currency::fromText(q->value(1).toString()));
        const QString credito = formato.escriba(Currency::fromText(q->value(2).toString()));
        const QStringList fila = t.split(u'\n').filter(cuenta + u' ');
        ASSERT_FALSE(fila.isEmpty()) << cuenta.toStdString() << "\n" << t.toStdString();
        EXPECT_TRUE(fila.first().endsWith(debito + u' ' + credito)) << fila.first().toStdString();
    }
    EXPECT_GE(lineas, 3);
    EXPECT_EQ(doc.detalle().size(), lineas);
}

// The charge's print window, as the charge window opens it after a save:
// F12 writes the PDF under the document's name and hands it to the e-mail step.
TEST_F(ImpresionTest, TheChargePrintWindowWritesItsPdf) {
    cargo_contabilizado(124);
    Tfimprnotadbp ventana(*dm, 124);
    QString enviado;
    ventana.envie_correo = [&](const QString& ruta) { enviado = ruta; };
    QKeyEvent f12(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
    QApplication::sendEvent(&ventana, &f12);
    ASSERT_FALSE(enviado.isEmpty()) << dialogs.errors().join(u'\n').toStdString();
    EXPECT_EQ(QFileInfo(enviado).fileName(), QStringLiteral("Cargo por pagar No 0000000123.PDF"));
    EXPECT_TRUE(texto_pdf(enviado).contains(QStringLiteral("Fletes de septiembre")));
    EXPECT_TRUE(dialogs.errors().isEmpty());
}

TEST_F(ImpresionTest, VoidChargesMissingFormatsAndUnknownDocuments) {
    cargo_contabilizado(501);
    run(QStringLiteral("update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'S' where NDPR_ID = 501"));
    ImpresionDocumento anulado(*dm, impresion_cargo(), 501);
    anulado.cargue();
    EXPECT_TRUE(anulado.anulado());
    EXPECT_TRUE(anulado.documento().anulado);

    // A document that does not exist prints no data, only the format.
    ImpresionDocumento nada(*dm, impresion_cargo(), 999);
    EXPECT_FALSE(nada.cargue());
    EXPECT_TRUE(nada.encabezado().isEmpty());
    EXPECT_TRUE(nada.detalle().isEmpty());

    run(QStringLiteral("delete from FORMATOS where TIDO_COD = 51"));
    dialogs.clear();
    EXPECT_TRUE(anulado.imprima_pdf().isEmpty());
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("No se encontró el formato de impresión."));
    EXPECT_FALSE(QFileInfo::exists(anulado.ruta_pdf()));
}

// A voucher paid from the bank prints on the bank document's format when so
// configured, and a configured bank account adds the cheque as a second job.
TEST_F(ImpresionTest, PaymentVoucherFormatFollowsTheBankDocument) {
    egreso(700, QStringLiteral("000040"), kTransportes, kHoy);
    run(
        QStringLiteral("insert into CUENTAS_BANCOS (CUBA_COD, BANC_COD, CUBA_NUMERO) "
                       "values ('BOG-01', '01', '001-1')"));
    run(QStringLiteral(
        "insert into PREFIJOS_BANCOS (CUBA_COD, TIDO_COD, PRBA_PREF) "
        "select 'BOG-01', TIDO_COD, 'CH01' from TIPO_DOCUMENTO where TIDO_COD in (72, 73)"));
    run(
        QStringLiteral("insert into EGREBANCO (EGRE_ID, EGBC_TIPOBCO, CUBA_COD, PRBA_PREF, "
                       "EGBC_NUMERO, EGBC_MONTO) "
                       "values (700, 72, 'BOG-01', 'CH01', '004512', 250000)"));
    const auto formato = [&] {
        ImpresionDocumento doc(*dm, impresion_egreso(), 700);
        doc.cargue();
        return doc.formato_a_usar();
    };
    EXPECT_EQ(formato(), std::pair(62, QStringLiteral("0000")));
    configure(QStringLiteral("IMPRIMIR CON FORMATO DEL CHEQUE SI EL PAGO ES DEL BANCO"),
              QStringLiteral("SI"));
    EXPECT_EQ(formato(), std::pair(72, QStringLiteral("CH01")));

    run(QStringLiteral("update EGREBANCO set EGBC_TIPOBCO = 73 where EGRE_ID = 700"));
    EXPECT_EQ(formato(), std::pair(62, QStringLiteral("0000")));
    configure(QStringLiteral("USAR FORMATO DEL RETIRO O DEL CHEQUE SEGUN TIPO EN EL EGRESO"),
              QStringLiteral("SI"));
    EXPECT_EQ(formato(), std::pair(73, QStringLiteral("CH01")));

    ImpresionDocumento doc(*dm, impresion_egreso(), 700);
    doc.cargue();
    EXPECT_FALSE(doc.cheque_adicional());
    configure(QStringLiteral("CODIGO DE LA CUENTA DEL BANCO PARA IMPRESION ADICIONAL DE CHEQUE"),
              QStringLiteral("BOG-01"));
    EXPECT_EQ(doc.cheque_adicional(), std::optional(std::pair(72, QStringLiteral("CH01"))));
}

// Every other member prints through the same body with its own procedure,
// titles, PDF name and detail sections.
TEST_F(ImpresionTest, EveryDocumentOfTheFamilyPrintsItsOwnData) {
    descuento(600, QStringLiteral("000045"), kTransportes, kHoy, QStringLiteral("80000"));
    anticipo(610, QStringLiteral("000007"), kTransportes, kHoy, QStringLiteral("300000"));
    cargo(620, QStringLiteral("000200"), kTransportes, kHoy, QStringLiteral("50000"));
    aplicacion(630, QStringLiteral("000003"), kTransportes, kHoy);
    aplicado(630, 1, 51, 620, QStringLiteral("20000"));
    aplicado(630, 2, 52, 600, QStringLiteral("-20000"));
    egreso(640, QStringLiteral("000031"), kTransportes, kHoy.addDays(1));
    pago(640, 1, 51, 620, QStringLiteral("30000"));
    run(QStringLiteral(
        "update EGRESOS set EGRE_MONTO = 30000, EGRE_CONC = 'Pago cargo 200' where EGRE_ID = 640"));
    run(QStringLiteral(
        "insert into DOCUMENTOS_PAGO_CAJA (CAJA_ID, FOPA_ID, DPCA_NUMERO, DPCA_MONTO) "
        "values (1, 2, 'TR-889', 30000)"));
    run(QStringLiteral(
        "insert into EGRECAJA (EGRE_ID, EGCA_ITEM, CAJA_ID, FOPA_ID, EGCA_NUMERO, EGCA_MONTO) "
        "values (640, 1, 1, 2, 'TR-889', 30000)"));
    run(QStringLiteral("insert into CREDITO_CXPAGAR (CRCX_ID, CRCX_PREF, CRCX_NUMERO, CRCX_FECHA, "
                       "CRCX_NIT, CRCX_TOTAL, "
                       "CRCX_CUOTAS) values (650, '0000', '000009', '2022/09/21', '%1', 90000, 2)")
            .arg(kTransportes));
    run(QStringLiteral(
        "insert into CREDITO_CXPAGAR_DET (CRCX_ID, CRCD_ITEM, CRCD_FECHA, CRCD_MONTO) values "
        "(650, 1, '2022/10/21', 45000)"));
    run(QStringLiteral(
        "insert into CREDITO_CXPAGAR_DET (CRCX_ID, CRCD_ITEM, CRCD_FECHA, CRCD_MONTO) values "
        "(650, 2, '2022/11/21', 45000)"));

    struct Caso {
        const MiembroImpresion& m;
        qint64 id;
        QString pdf;
        QStringList textos;
    };
    const QList<Caso> casos = {
        {impresion_descuento(),
         600,
         QStringLiteral("Descuento acreedor No 0000000045.PDF"),
         {QStringLiteral("NOTA DE AJUSTE"), QStringLiteral("$80.000,00")}},
        {impresion_anticipo(),
         610,
         QStringLiteral("Anticipo proveedor No 0000000007.PDF"),
         {QStringLiteral("ANTICIPO A PROVEEDOR"), QStringLiteral("$300.000,00")}},
        {impresion_aplicacion(),
         630,
         QStringLiteral("Aplicacion proveedor No 0000000003.PDF"),
         {QStringLiteral("000200"), QStringLiteral("000045"), QStringLiteral("20.000,00")}},
        {impresion_egreso(),
         640,
         QStringLiteral("Egreso No 0000000031.PDF"),
         {QStringLiteral("Pago cargo 200"), QStringLiteral("TR-889"), QStringLiteral("$30.000,00"),
          letras(30000)}},
        {impresion_credito(),
         650,
         QStringLiteral("Causa credito No 0000000009.PDF"),
         {QStringLiteral("2022/11/21"), QStringLiteral("45.000,00"), QStringLiteral("$90.000,00")}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.m.ventana.toStdString());
        const QString ruta = imprima(c.m, c.id);
        ASSERT_FALSE(ruta.isEmpty());
        EXPECT_EQ(QFileInfo(ruta).fileName(), c.pdf);
        const QString t = texto_pdf(ruta);
        EXPECT_TRUE(t.contains(QStringLiteral("Transportes del Norte S.A.S."))) << t.toStdString();
        for (const QString& esperado : c.textos)
            EXPECT_TRUE(t.contains(esperado)) << esperado.toStdString() << "\n" << t.toStdString();
    }

    // Applied documents before the accounting lines, with the balances around the application.
    ImpresionDocumento apl(*dm, impresion_aplicacion(), 630);
    apl.cargue();
    const QList<DatosImpresos> filas = apl.detalle();
    ASSERT_GE(filas.size(), 2);
    EXPECT_EQ(filas[0].value(QStringLiteral("NUMDOC")).texto, QStringLiteral("000200"));
    EXPECT_EQ(filas[0].value(QStringLiteral("DOCUMENTO SALDO")).numero, Currency::fromInt(30000));
    EXPECT_EQ(filas[0].value(QStringLiteral("DOCUMENTO ANTERIOR")).numero,
              Currency::fromInt(50000));
    EXPECT_EQ(filas[1].value(QStringLiteral("NUMDOC")).texto, QStringLiteral("000045"));
}

}  // namespace
