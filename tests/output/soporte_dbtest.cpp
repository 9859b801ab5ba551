// The support document leaves as the print window opens, one by one or by
// number range, and its status comes back, all through our component and a
// local stand-in for the tax authority's service. How the program reads an
// answer (a foreign number, a code already stored) is checked on its own.
#include <QFile>

#include "output/impresion/familia.h"
#include "output/impresion/impresion_documento.h"
#include "output/soporte/componente_programa.h"
#include "output/soporte/envio_lote.h"
#include "output/soporte/estado_documento.h"
#include "tests/electronic/servicio/entorno_prueba.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {
namespace {

namespace prueba = electronico::prueba;

TEST(LecturaEnvio, ReglasDeLaRespuesta) {
    const QString error = QStringLiteral("Error enviando documento soporte electrónico:");
    const auto campos = [](const char* linea) { return QString::fromUtf8(linea).split('|'); };
    struct Caso {
        const char* nombre;
        QList<QStringList> lineas;
        QString guardado;
        QString codigo;
        QStringList mensajes;
    } casos[] = {
        {"aceptado", {campos("01|200|DS12|abc")}, {}, QStringLiteral("abc"), {}},
        {"ya conocido", {campos("01|201|DS12|abc")}, {}, QStringLiteral("abc"), {}},
        {"numero ajeno y luego aceptado",
         {campos("01|200|DS13|xyz"), campos("01|200|DS12|abc")},
         {},
         QStringLiteral("abc"),
         {QStringLiteral("Error leyendo archivo DS12.txt el Número retornado no coincide con el "
                         "documento enviado")}},
        {"igual al guardado: sigue leyendo",
         {campos("01|200|DS12|abc"), campos("01|200|DS12|def")},
         QStringLiteral("abc"),
         QStringLiteral("def"),
         {}},
        {"solo el guardado", {campos("01|200|DS12|abc")}, QStringLiteral("abc"), {}, {}},
        {"rechazado", {campos("01|400|DS12|Regla_90")}, {}, {}, {error + "01|400|DS12|Regla_90"}},
    };
    for (const Caso& c : casos) {
        const soporte::LecturaEnvio r = soporte::lea_envio(
            c.lineas, QStringLiteral("DS12"), QStringLiteral("DS12.txt"), c.guardado, error);
        EXPECT_EQ(r.codigo, c.codigo) << c.nombre;
        EXPECT_EQ(r.mensajes, c.mensajes) << c.nombre;
    }
    EXPECT_EQ(soporte::clave(QStringLiteral("DS  "), QStringLiteral("000012")),
              QStringLiteral("DS12"));
}

class SoporteTest : public DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        dm->ctx.es_administrador = true;  // the status query checks the user's access
        const prueba::Certificados& c = prueba::certificados();
        configure(QStringLiteral("ENVIAR FACTURA ELECTRONICA AUTOMATICAMENTE AL GRABAR"),
                  QStringLiteral("SI"));
        configure(QStringLiteral("CERTIFICADO DE FIRMA"), c.firma_p12);
        configure(QStringLiteral("CLAVE DEL CERTIFICADO"), c.clave);
        configure(QStringLiteral("CERTIFICADOS DE CONFIANZA DEL SERVICIO"), c.servidor_pem);
        configure(QStringLiteral("PIN DEL SOFTWARE"), prueba::kPin);
        configure(QStringLiteral("SEGUNDOS DE ESPERA DEL SERVICIO"), QStringLiteral("10"));
    }
    void servicio(const QString& url) {
        configure(QStringLiteral("URL WEBSERVICE FACTURA ELECTRONICA"), url);
    }
    QString codigo(int id) {
        return texto(QStringLiteral("select coalesce(NDPR_NRONDE, '') from "
                                    "NOTAS_DEBITO_PROVEEDOR where NDPR_ID = %1")
                         .arg(id));
    }
    // What opening the charge's print window does.
    ImpresionDocumento abra_impresion(int id) {
        ImpresionDocumento i(*dm, impresion_cargo(), id);
        i.cargue();
        i.envie_documento_electronico();
        return i;
    }
};

TEST_F(SoporteTest, UnCargoSaleAlAbrirSuImpresionYLlevaSuCodigoAlQr) {
    prueba::ServicioLocal local;
    ASSERT_FALSE(local.url().isEmpty());
    servicio(local.url());
    cargo(501, QStringLiteral("000012"), kTransportes, QDate(2022, 9, 20), QStringLiteral("100000"),
          QStringLiteral("19000"));

    ImpresionDocumento i = abra_impresion(501);
    EXPECT_EQ(dialogs.errors(), QStringList());
    const QString cuds = codigo(501);
    EXPECT_EQ(cuds.size(), 96) << cuds.toStdString();
    EXPECT_EQ(i.fila().value(QStringLiteral("CUDS")).toString().trimmed(), cuds);
    EXPECT_TRUE(i.texto_qr().contains(QStringLiteral("CUDS: ") + cuds));
    // The answer, read, is not left behind; a document sent is never sent again.
    const QString respuesta = soporte::ruta_respuesta(*dm, QStringLiteral("000012.txt"));
    EXPECT_FALSE(QFile::exists(respuesta));
    abra_impresion(501);
    EXPECT_FALSE(QFile::exists(respuesta));
    EXPECT_EQ(codigo(501), cuds);

    ConsultaEstado estado(*dm);
    const EstadoSoporte e = estado.consulte(51, QStringLiteral("501"), QStringLiteral("0000"),
                                            QStringLiteral("000012"), 0);
    EXPECT_EQ(e.texto, QStringLiteral("APROBADA"));
    EXPECT_EQ(codigo(501), cuds);

    // Void, or automatic sending off: no call.
    cargo(502, QStringLiteral("000013"), kTransportes, QDate(2022, 9, 20), QStringLiteral("500"));
    run(QStringLiteral("update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'S' where NDPR_ID = 502"));
    abra_impresion(502);
    configure(QStringLiteral("ENVIAR FACTURA ELECTRONICA AUTOMATICAMENTE AL GRABAR"),
              QStringLiteral("NO"));
    cargo(503, QStringLiteral("000014"), kTransportes, QDate(2022, 9, 20), QStringLiteral("500"));
    abra_impresion(503);
    EXPECT_EQ(codigo(502) + codigo(503), QString());
    EXPECT_EQ(dialogs.errors(), QStringList());
}

TEST_F(SoporteTest, UnRangoSaleEntero) {
    prueba::ServicioLocal local;
    servicio(local.url());
    for (int i = 0; i < 3; ++i)
        cargo(600 + i, QStringLiteral("00002%1").arg(i), kPapeleria, QDate(2022, 9, 20),
              QStringLiteral("1000%1").arg(i), QStringLiteral("0"));
    EnvioLote lote(*dm);
    EXPECT_EQ(lote.prefijos(EnvioLote::Documento::Cargos), QStringList{QStringLiteral("0000")});
    QStringList avisos;
    lote.avance = [&](const QString& t) { avisos << t; };
    EXPECT_EQ(lote.envie(EnvioLote::Documento::Cargos, QStringLiteral("0000"),
                         QStringLiteral("000021"), QStringLiteral("000029")),
              2);
    EXPECT_EQ(avisos,
              (QStringList{QStringLiteral("Enviando cargo 0000000021. Espere un momento..."),
                           QStringLiteral("Enviando cargo 0000000022. Espere un momento...")}));
    EXPECT_EQ(codigo(600), QString());
    EXPECT_EQ(codigo(601).size(), 96);
    EXPECT_EQ(dialogs.errors(), QStringList());
}

TEST_F(SoporteTest, UnRechazoOUnServicioCaidoDejanElCargoSinEnviar) {
    cargo(701, QStringLiteral("000031"), kTransportes, QDate(2022, 9, 20), QStringLiteral("900"));
    {
        prueba::ServicioLocal rechazo(QStringLiteral("rechazo"));
        servicio(rechazo.url());
        abra_impresion(701);
        ASSERT_EQ(dialogs.errors().size(), 1);
        EXPECT_TRUE(dialogs.lastError().startsWith(
            QStringLiteral("Error enviando documento soporte electrónico:01|400|000031|")))
            << dialogs.lastError().toStdString();
        EXPECT_EQ(codigo(701), QString());
        // A code the authority later rejects is cleared, so the charge goes again.
        run(QStringLiteral(
            "update NOTAS_DEBITO_PROVEEDOR set NDPR_NRONDE = 'previo' where NDPR_ID = 701"));
        const EstadoSoporte e = ConsultaEstado(*dm).consulte(
            51, QStringLiteral("701"), QStringLiteral("0000"), QStringLiteral("000031"), 0);
        EXPECT_EQ(e.texto, QStringLiteral("RECHAZADA"));
        EXPECT_EQ(dialogs.texts(QStringLiteral("information")).value(0),
                  QStringLiteral("Documento rechazado por la DIAN."));
        EXPECT_EQ(codigo(701), QString());
    }
    dialogs.clear();
    servicio(QStringLiteral("https://127.0.0.1:9/servicio"));  // nothing listens there
    abra_impresion(701);
    EXPECT_TRUE(dialogs.lastError().startsWith(
        QStringLiteral("Error enviando documento soporte electrónico:01|503|")))
        << dialogs.lastError().toStdString();
    EXPECT_EQ(codigo(701), QString());
}

}  // namespace
}  // namespace ledgrix::test
