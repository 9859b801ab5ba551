// The signature is checked by xmlsec1 itself, the verifier the authority's
// side stands for: a signature only this code could read would prove nothing.
#include <gtest/gtest.h>

#include <QFile>

#include "electronic/firma/firma.h"
#include "tests/electronic/documento_validacion.h"
#include "tests/electronic/servicio/entorno_prueba.h"

namespace ledgrix::electronico {
namespace {

using namespace prueba;

QByteArray documento_sin_firma() {
    const Documento d = construya_documento(bloques_prueba(), configuracion_prueba({}));
    EXPECT_TRUE(d.valido) << d.error.toStdString();
    return d.xml;
}

void escriba(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(datos);
}

TEST(FirmaDocumento, ElVerificadorAceptaLaFirmaYRechazaCualquierParteAlterada) {
    const QString carpeta = carpeta_nueva(QStringLiteral("firma"));
    const Certificados& c = certificados();
    const DocumentoFirmado f = firme_documento(
        documento_sin_firma(), c.firma_p12, c.clave,
        QDateTime::fromString(QStringLiteral("2026-12-05T10:21:00-05:00"), Qt::ISODate));
    ASSERT_TRUE(f.valido) << f.error.toStdString();
    const QString firmado = carpeta + QStringLiteral("/firmado.xml");
    escriba(firmado, f.xml);
    QString salida;
    EXPECT_TRUE(firma_verificada(firmado, &salida)) << salida.toStdString();
    EXPECT_TRUE(
        ejecute(QStringLiteral("xmllint"),
                {QStringLiteral("--noout"), QStringLiteral("--schema"),
                 test::carpeta_ubl() + QStringLiteral("/maindoc/UBL-Invoice-2.1.xsd"), firmado},
                &salida))
        << salida.toStdString();

    // One change in each signed reference: the document, the certificate
    // the signer shows, and the signed properties.
    struct Caso {
        const char* parte;
        QByteArray antes, despues;
    } casos[] = {
        {"documento", "<cbc:PayableAmount currencyID=\"COP\">119000.00",
         "<cbc:PayableAmount currencyID=\"COP\">911900.00"},
        // Still the same certificate to a base64 reader: only the reference
        // to the KeyInfo notices.
        {"certificado", "<ds:X509Certificate>", "<ds:X509Certificate>\n"},
        {"propiedades", "<xades:ClaimedRole>supplier<", "<xades:ClaimedRole>third party<"},
        {"propiedades", "2026-12-05T10:21:00", "2026-12-04T10:21:00"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.parte);
        ASSERT_EQ(f.xml.count(caso.antes), 1);
        QByteArray alterado = f.xml;
        alterado.replace(caso.antes, caso.despues);
        const QString ruta = carpeta + QStringLiteral("/alterado.xml");
        escriba(ruta, alterado);
        EXPECT_FALSE(firma_verificada(ruta, &salida)) << salida.toStdString();
    }
}

}  // namespace
}  // namespace ledgrix::electronico
