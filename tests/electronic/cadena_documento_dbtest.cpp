#include <gtest/gtest.h>

#include <QXmlStreamReader>

#include "electronic/documento/documento_soporte.h"
#include "tests/electronic/documento_validacion.h"
#include "tests/support/documentos_fixture.h"

using namespace ledgrix::electronico;

namespace ledgrix::test {

namespace {

#define S QStringLiteral

QString elemento(const QByteArray& xml, const QString& nombre) {
    QXmlStreamReader r(xml);
    while (!r.atEnd())
        if (r.readNext() == QXmlStreamReader::StartElement && r.qualifiedName() == nombre)
            return r.readElementText(QXmlStreamReader::IncludeChildElements);
    return S("(no está)");
}

// The demo company as the issuer, and the numbering authorisation of the
// charges' series "0000" from 1 to 1000.
class CadenaDocumento : public DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        configure(S("NIT EMISOR"), S("901456789"));
        configure(S("DV EMISOR"), S("8"));
        configure(S("DIRECCION EMISOR"), S("Carrera 7 No. 71-21"));
        run(
            S("update CONFIGURACION set CONF_VALOR = 'Ledgrix Demo S.A.S.' where CONF_PROPIEDAD = "
              "'NOMBRE COMPANIA'"));
        // Its own authorisation, narrower than the demo's.
        run(S("delete from AUTORIZACIONES"));
        run(S(
            "insert into AUTORIZACIONES (AUTO_NUMERO, TIDO_COD, PREF_PRE, AUTO_FECHA, "
            "AUTO_INICIAL, "
            "AUTO_FINAL, AUTO_VENCE) values ('18760000001', 51, '0000', '2022-01-19', '1', '1000', "
            "'2023-01-19')"));
        conf.ambiente = S("2");
        conf.software_id = S("56f2ae4e-9812-4fad-9255-08fcfcbd6d8c");
        conf.pin = texto(
            S("select CONF_VALOR from CONFIGURACION where CONF_PROPIEDAD = 'PIN DEL SOFTWARE'"));
    }

    // The blocks as the program hands them to the component.
    Bloques bloques(int tipo, const QString& numero) {
        Bloques b;
        auto q = dm->sql().select(
            S("SELECT * FROM cadena_factelectronica21(%1, '0000', '%2')").arg(tipo).arg(numero));
        EXPECT_TRUE(q && q->next()) << "sin fila";
        if (!q || !q->isValid())
            return b;
        auto v = [&](const char* c) { return q->value(QString::fromLatin1(c)).toString(); };
        b.cliente = v("CADCLIENTE");
        b.encabezado = v("CADENCABEZA");
        b.anticipos = v("CADANTICIPO") + S("%%") + v("CADAUTORIZADO") + S("%%") + v("CADDESCUENTO");
        b.condiciones_pago = v("CADCONDPAGO");
        b.entrega = v("CADENTREGA");
        b.impuestos = v("CADIMPTOS");
        b.pago = v("CADPAGO") + S("%%") + v("CADORDEN");
        b.trm = v("CADTRM");
        b.extra = v("CADEXTRA");
        b.detalle = v("CADDETALLE");
        b.separador = S("%%%%%");
        return b;
    }

    // A document built from the database that passes the UBL schema.
    Documento valido(int tipo, const QString& numero) {
        const Documento d = construya_documento(bloques(tipo, numero), conf);
        EXPECT_TRUE(d.valido) << d.error.toStdString();
        EXPECT_TRUE(hay_esquemas()) << carpeta_ubl().toStdString();
        EXPECT_EQ(errores_esquema(con_firma_simulada(d.xml), d.nota), QString())
            << d.xml.constData();
        return d;
    }

    const QDate dia{2022, 9, 21};
    Configuracion conf;
};

}  // namespace

// A charge with VAT, an extra value and withholdings, then a discount on it
// once the authority accepted it: the amounts the document declares are the
// stored ones, and the note points at the charge's code.
TEST_F(CadenaDocumento, CargoYSuNotaDeAjuste) {
    cargo(1, S("000001"), kTransportes, dia, S("1000000"), S("190000"));
    run(
        S("update NOTAS_DEBITO_PROVEEDOR set NDPR_EXTRA = 50000, NDPR_IVAPORC = 19, NDPR_RTFTEPORC "
          "= 1, "
          "NDPR_RTFTEMONTO = 10000, NDPR_RTICAPORC = 4.14, NDPR_RTICAMONTO = 4140, NDPR_VENCE = "
          "'2022-10-21', "
          "NDPR_CONC = 'Fletes de septiembre' where NDPR_ID = 1"));
    const Documento ds = valido(51, S("000001"));
    EXPECT_EQ(ds.clave, S("00001"));
    EXPECT_EQ(elemento(ds.xml, S("cbc:LineExtensionAmount")), S("1050000.00"));
    EXPECT_EQ(elemento(ds.xml, S("cbc:PayableAmount")), S("1240000.00"));
    EXPECT_EQ(elemento(ds.xml, S("cac:TaxTotal")).remove(u'\n'),
              S("190000.001000000.00190000.0019.0001IVA"));
    EXPECT_EQ(ds.xml.count("<cac:WithholdingTaxTotal>"), 2);
    EXPECT_TRUE(ds.xml.contains("<cbc:Percent>0.414</cbc:Percent>"))
        << "ICA por mil como porcentaje";
    EXPECT_EQ(elemento(ds.xml, S("cbc:CompanyID")), kTransportes);
    EXPECT_EQ(elemento(ds.xml, S("sts:InvoiceAuthorization")), S("18760000001"));
    EXPECT_EQ(elemento(ds.xml, S("cbc:PaymentDueDate")), S("2022-10-21"));
    // The time is the one the charge was stored at, the same on every call.
    EXPECT_EQ(construya_documento(bloques(51, S("000001")), conf).cuds, ds.cuds);

    run(S("update NOTAS_DEBITO_PROVEEDOR set NDPR_NRONDE = '%1' where NDPR_ID = 1").arg(ds.cuds));
    descuento(2, S("000001"), kTransportes, dia.addDays(3), S("100000"));
    run(
        S("update NOTAS_CREDITO_PROVEEDOR set NCPR_TIPODS = 51, NCPR_DOCSOPORTE = '0000000001', "
          "NCPR_TIPONE = 1, NCPR_CONC = 'Devolución parcial' where NCPR_ID = 2"));
    const Documento nota = valido(52, S("000001"));
    ASSERT_TRUE(nota.nota);
    EXPECT_EQ(elemento(nota.xml, S("cac:BillingReference")).remove(u'\n'),
              S("00001") + ds.cuds + S("2022-09-21"));
    EXPECT_EQ(elemento(nota.xml, S("cbc:ResponseCode")), S("1"));
    EXPECT_EQ(elemento(nota.xml, S("cbc:PayableAmount")), S("100000.00"));
}

// What users type reaches the document without breaking it: quotes,
// markup characters, '%', a control character, Ñ.
TEST_F(CadenaDocumento, TextoHostilDelProveedorYElConcepto) {
    run(S("update TERCEROS set TERC_NOM = 'O''Brien & <Ñandú> 50%% \"Ltda\"' where TERC_NIT = '%1'")
            .arg(kTransportes));
    cargo(1, S("000002"), kTransportes, dia, S("200000"));
    run(
        S("update NOTAS_DEBITO_PROVEEDOR set NDPR_CONC = 'Flete' || ASCII_CHAR(7) || '<urgente> & "
          "5%' "
          "where NDPR_ID = 1"));
    const Documento ds = valido(51, S("000002"));
    EXPECT_EQ(elemento(ds.xml, S("cbc:RegistrationName")), S("O'Brien & <Ñandú> 50%% \"Ltda\""));
    EXPECT_EQ(elemento(ds.xml, S("cbc:Note")), S("Flete <urgente> & 5%"));
}

// A foreign-currency charge declares its rate; a number outside every
// authorised range is refused before anything is built.
TEST_F(CadenaDocumento, MonedaExtranjeraYNumeroSinAutorizacion) {
    cargo(1, S("000003"), kTransportes, dia, S("1500"));
    run(S(
        "update NOTAS_DEBITO_PROVEEDOR set NDPR_MONEDA = 2, NDPR_TRM = 4420.35 where NDPR_ID = 1"));
    const Documento usd = valido(51, S("000003"));
    EXPECT_EQ(elemento(usd.xml, S("cbc:DocumentCurrencyCode")), S("USD"));
    EXPECT_EQ(elemento(usd.xml, S("cbc:CalculationRate")), S("4420.35"));

    cargo(2, S("001001"), kTransportes, dia, S("1500"));
    const Documento fuera = construya_documento(bloques(51, S("001001")), conf);
    EXPECT_FALSE(fuera.valido);
    EXPECT_EQ(fuera.error, S("El documento soporte 00001001 no tiene una autorización de "
                             "numeración que cubra su número."));
    auto q = dm->sql().select(S("SELECT * FROM cadena_factelectronica21(51, '0000', '999999')"));
    ASSERT_TRUE(q.has_value());
    EXPECT_FALSE(q->next()) << "un documento que no existe no da fila";
}

#undef S

}  // namespace ledgrix::test
