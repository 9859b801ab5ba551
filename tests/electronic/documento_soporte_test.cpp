#include <gtest/gtest.h>

#include <QXmlStreamReader>

#include "electronic/documento/documento_soporte.h"
#include "electronic/documento/lectura.h"
#include "tests/electronic/documento_validacion.h"

using namespace ledgrix::electronico;
using namespace ledgrix::test;

namespace {

#define S QStringLiteral

const QString F = S("%%%%%");

QString b(const QStringList& campos) {
    return campos.join(F);
}

Configuracion de_prueba() {
    Configuracion c;
    c.ambiente = S("2");
    c.software_id = S("56f2ae4e-9812-4fad-9255-08fcfcbd6d8c");
    c.pin = S("75312");
    return c;
}

// A charge of 1,000,000 with 19% VAT and an extra value of 50,000, with
// withholdings, numbered SEDS 984000123 under its authorisation.
Bloques cargo() {
    Bloques x;
    x.separador = F;
    x.cliente = b({S("PRV1"), S("2"), S("13"), S("79456123"), S("2"), S("Gómez Ruiz Andrés"),
                   S("Calle 45 No. 20-11"), S("11001"), S("Bogotá D.C."), S("170"), S("S"),
                   S("andres@correo.example"), S("3105550000"), S("R-99-PN")});
    x.encabezado = b({S("ENC1"), S("51"), S("SEDS"), S("984000123"), S("2022-09-21"), S("10:15:30"),
                      S("2022-10-21"), S("COP"), S("Fletes 50% urgentes"), S("N"), S("1050000.00"),
                      S("190000.00"), S("1240000.00"), S("2")});
    x.anticipos = S("%%") +
                  b({S("AUT1"), S("18760000001"), S("2022-01-19"), S("2023-01-19"), S("SEDS"),
                     S("984000000"), S("985000000")}) +
                  S("%%");
    x.condiciones_pago = b({S("CPG1"), S("2"), S("2022-10-21")});
    x.impuestos = b({S("IMP1"), S("01"), S("IVA"), S("1000000.00"), S("19.00"), S("190000.00"),
                     S("06"), S("ReteRenta"), S("1000000.00"), S("6.00"), S("60000.00"), S("07"),
                     S("ReteICA"), S("1000000.00"), S("0.966"), S("9660.00")});
    x.pago = b({S("PAG1"), S("1")}) + S("%%");
    x.extra = b({S("EMI1"), S("1"), S("31"), S("901456789"), S("8"), S("Ledgrix Demo S.A.S."),
                 S("Carrera 7 No. 71-21"), S("11001"), S("Bogotá D.C."), S("170"), S("S"),
                 S("dian@demo.example"), S("6013456789"), S("O-13;O-15")});
    x.detalle = b({S("DET1"), S("1"), S("Fletes 50% urgentes"), S("1"), S("1000000.00"),
                   S("1000000.00"), S("19.00"), S("190000.00"), S("2"), S("Otros cargos"), S("1"),
                   S("50000.00"), S("50000.00"), S(""), S("")});
    return x;
}

// A discount of 100,000 without VAT on that charge.
Bloques nota() {
    Bloques x = cargo();
    x.encabezado = b({S("ENC1"), S("52"), S("NAS"), S("000007"), S("2022-09-30"), S("08:00:00"),
                      S(""), S("COP"), S("Rebaja por demora"), S("N"), S("100000.00"), S("0.00"),
                      S("100000.00"), S("1")});
    x.anticipos = S("%%%%") + b({S("REF1"), S("51"), S("SEDS"), S("984000123"), S("a1b2c3"),
                                 S("2022-09-21"), S("3"), S("Rebaja por demora")});
    x.impuestos = b({S("IMP1"), S("01"), S("IVA"), S("100000.00"), S("0.00"), S("0.00")});
    x.detalle = b({S("DET1"), S("1"), S("Rebaja por demora"), S("1"), S("100000.00"),
                   S("100000.00"), S("0.00"), S("0.00")});
    return x;
}

// Text of the first element with this qualified name.
QString elemento(const QByteArray& xml, const QString& nombre) {
    QXmlStreamReader r(xml);
    while (!r.atEnd())
        if (r.readNext() == QXmlStreamReader::StartElement && r.qualifiedName() == nombre)
            return r.readElementText(QXmlStreamReader::IncludeChildElements);
    return S("(no está)");
}

}  // namespace

// The codes are checked against digests openssl computes from the
// concatenation written out by hand here, not by the code under test.
TEST(DocumentoSoporte, CudsYCodigoDeSeguridadSegunLaFormula) {
    const Documento d = construya_documento(cargo(), de_prueba());
    ASSERT_TRUE(d.valido) << d.error.toStdString();
    const QByteArray cadena =
        "SEDS984000123"
        "2022-09-21"
        "10:15:30-05:00"
        "1050000.00"
        "01"
        "190000.00"
        "1240000.00"
        "79456123"
        "901456789"
        "75312"
        "2";
    EXPECT_EQ(d.cuds, sha384_openssl(cadena));
    EXPECT_EQ(d.clave, S("SEDS984000123"));
    EXPECT_EQ(elemento(d.xml, S("cbc:UUID")), d.cuds);
    EXPECT_EQ(elemento(d.xml, S("sts:SoftwareSecurityCode")),
              sha384_openssl("56f2ae4e-9812-4fad-9255-08fcfcbd6d8c"
                             "75312"
                             "SEDS984000123"));
    EXPECT_TRUE(d.texto_qr.contains(S("CUDS: ") + d.cuds)) << d.texto_qr.toStdString();
    // The same blocks give the same code: a document sent again keeps it.
    EXPECT_EQ(construya_documento(cargo(), de_prueba()).cuds, d.cuds);
    Configuracion produccion = de_prueba();
    produccion.ambiente = S("1");
    EXPECT_NE(construya_documento(cargo(), produccion).cuds, d.cuds);
}

TEST(DocumentoSoporte, ValidoContraElEsquemaUbl) {
    ASSERT_TRUE(hay_esquemas()) << "sin esquemas UBL en " << carpeta_ubl().toStdString();
    Bloques dolares = cargo();
    dolares.cliente.replace(S("%%%%%170%%%%%S%%%%%"), S("%%%%%840%%%%%N%%%%%"));
    dolares.encabezado.replace(S("COP"), S("USD"));
    dolares.trm = b({S("TRM1"), S("USD"), S("4420.35"), S("2022-09-21")});
    struct Caso {
        const char* nombre;
        Bloques bloques;
        const char* raiz;
        const char* tipo;
    } casos[] = {
        {"cargo", cargo(), "Invoice", "05"},
        {"cargo en dólares a un no residente", dolares, "Invoice", "05"},
        {"nota", nota(), "CreditNote", "95"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const Documento d = construya_documento(c.bloques, de_prueba());
        ASSERT_TRUE(d.valido) << d.error.toStdString();
        const QByteArray firmado = con_firma_simulada(d.xml);
        ASSERT_FALSE(firmado.isEmpty()) << "sin la extensión vacía para la firma";
        EXPECT_EQ(errores_esquema(firmado, d.nota), QString()) << d.xml.constData();
        QXmlStreamReader r(d.xml);
        r.readNextStartElement();
        EXPECT_EQ(r.name().toString(), QLatin1String(c.raiz));
        EXPECT_EQ(elemento(d.xml, d.nota ? S("cbc:CreditNoteTypeCode") : S("cbc:InvoiceTypeCode")),
                  QLatin1String(c.tipo));
    }
    const Documento usd = construya_documento(dolares, de_prueba());
    EXPECT_EQ(elemento(usd.xml, S("cbc:CustomizationID")), S("11"));
    EXPECT_EQ(elemento(usd.xml, S("cbc:CalculationRate")), S("4420.35"));
    const Documento cop = construya_documento(cargo(), de_prueba());
    EXPECT_EQ(elemento(cop.xml, S("cbc:CustomizationID")), S("10"));
    EXPECT_EQ(elemento(cop.xml, S("cbc:PayableAmount")), S("1240000.00"));
    EXPECT_EQ(elemento(cop.xml, S("cbc:TaxExclusiveAmount")), S("1000000.00"));
    EXPECT_EQ(elemento(cop.xml, S("cac:PaymentExchangeRate")), S("(no está)"));
    // Withholdings go apart from the VAT, one total per tax.
    EXPECT_EQ(cop.xml.count("<cac:WithholdingTaxTotal>"), 2);
    const Documento n = construya_documento(nota(), de_prueba());
    EXPECT_EQ(elemento(n.xml, S("cac:BillingReference")).remove(u'\n'),
              S("SEDS984000123a1b2c32022-09-21"));
    EXPECT_EQ(elemento(n.xml, S("cbc:ResponseCode")), S("3"));
}

// User text (names, addresses, concepts) reaches the document whatever it
// holds, and the document stays well-formed and valid.
TEST(DocumentoSoporte, NombresHostilesDanXmlValido) {
    ASSERT_TRUE(hay_esquemas()) << "sin esquemas UBL en " << carpeta_ubl().toStdString();
    const QString largo = QString(5000, u'Ñ');
    struct Caso {
        QString nombre;    // as stored
        QString esperado;  // as the document carries it
    } casos[] = {
        {S("O'Brien & \"Hijos\" <Ltda>"), S("O'Brien & \"Hijos\" <Ltda>")},
        {S("PEÑA CASTAÑO ÁLVARO"), S("PEÑA CASTAÑO ÁLVARO")},
        {S("Uno%25%25Dos ]]> fin"), S("Uno%%Dos ]]> fin")},
        {S("Tab\tBell\aNul") + QChar(u'\0') + S("Esc\x1b"), S("Tab\tBell Nul Esc ")},
        {S("Sustituto ") + QChar(0xD800) + S(" suelto ") + QChar(0xFFFE),
         S("Sustituto   suelto  ")},
        {largo, largo},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.esperado.left(40).toStdString());
        Bloques x = cargo();
        x.cliente.replace(S("Gómez Ruiz Andrés"), c.nombre);
        x.detalle.replace(S("Fletes 50% urgentes"), c.nombre);
        const Documento d = construya_documento(x, de_prueba());
        ASSERT_TRUE(d.valido) << d.error.toStdString();
        EXPECT_EQ(elemento(d.xml, S("cbc:RegistrationName")), c.esperado);
        EXPECT_EQ(elemento(d.xml, S("cac:Item")), c.esperado + S("1"));
        EXPECT_EQ(errores_esquema(con_firma_simulada(d.xml), false), QString());
    }
}

// Blocks that cannot make a true document are refused with the reason,
// and nothing is built.
TEST(DocumentoSoporte, BloquesQueNoCuadranSeRechazan) {
    Bloques sin_autorizacion = cargo();
    sin_autorizacion.anticipos = S("%%%%");
    Bloques descuadre = cargo();
    descuadre.detalle.replace(S("50000.00%%%%%50000.00"), S("50000.00%%%%%40000.00"));
    Bloques iva_ajeno = cargo();
    iva_ajeno.impuestos.replace(S("19.00%%%%%190000.00"), S("19.00%%%%%180000.00"));
    Bloques nota_sin_cuds = nota();
    nota_sin_cuds.anticipos.replace(S("a1b2c3"), QString());
    Bloques sin_emisor = cargo();
    sin_emisor.extra.replace(S("901456789"), QString());
    Bloques monto_malo = cargo();
    monto_malo.encabezado.replace(S("1240000.00"), S("1.240.000,00"));
    Bloques lineas_de_mas = cargo();
    lineas_de_mas.encabezado.replace(S("%%%%%2"), S("%%%%%3"));
    Bloques sin_tasa = cargo();
    sin_tasa.encabezado.replace(S("COP"), S("USD"));
    Bloques otra_forma = cargo();
    otra_forma.cliente.replace(S("PRV1"), S("PRV2"));
    Configuracion sin_pin = de_prueba();
    sin_pin.pin.clear();
    Configuracion ambiente_malo = de_prueba();
    ambiente_malo.ambiente = S("3");
    struct Caso {
        Bloques bloques;
        Configuracion conf;
        QString motivo;
    } casos[] = {
        {sin_autorizacion, de_prueba(), S("no tiene una autorización de numeración")},
        {descuadre, de_prueba(), S("suman 1040000.00 y su subtotal es 1050000.00")},
        {iva_ajeno, de_prueba(),
         S("no es el de sus líneas (190000.00) ni el de sus impuestos (180000.00)")},
        {nota_sin_cuds, de_prueba(),
         S("SEDS984000123 que ajusta la nota NAS7 no ha sido aceptado")},
        {sin_emisor, de_prueba(), S("NIT EMISOR")},
        {monto_malo, de_prueba(), S("«1.240.000,00» del bloque de encabezado no es un monto")},
        {lineas_de_mas, de_prueba(), S("dice tener 3 líneas y el detalle trae 2")},
        {sin_tasa, de_prueba(), S("está en USD y no trae la tasa de cambio")},
        {otra_forma, de_prueba(), S("no tiene la forma PRV1")},
        {cargo(), sin_pin, S("PIN del software")},
        {cargo(), ambiente_malo, S("ambiente «3»")},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.motivo.toStdString());
        const Documento d = construya_documento(c.bloques, c.conf);
        EXPECT_FALSE(d.valido);
        EXPECT_TRUE(d.xml.isEmpty());
        EXPECT_TRUE(d.error.contains(c.motivo)) << d.error.toStdString();
    }
}

// Glued blocks split back even when a block ends with an empty field or
// is empty itself.
TEST(DocumentoSoporte, BloquesPegadosSeSeparan) {
    struct Caso {
        QString pegado;
        QStringList bloques;
    } casos[] = {
        {S("%%%%"), {S(""), S(""), S("")}},
        {S("A%%%%%%%B%%%%%x"), {S("A%%%%%"), S("B%%%%%x")}},
        {S("%%A%%%%%1%%%%%%%"), {S(""), S("A%%%%%1%%%%%"), S("")}},
        {S("A%%%%%50%25%%B"), {S("A%%%%%50%25"), S("B")}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(separe_pegados(c.pegado, F), c.bloques) << c.pegado.toStdString();
}

#undef S
