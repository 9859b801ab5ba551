// The component's two calls against the local stand-in for the authority's
// service, which checks the schema, the signature (xmlsec1) and the CUDS of
// what it receives as the real one would.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "tests/electronic/servicio/entorno_prueba.h"

namespace ledgrix::electronico {
namespace {

using namespace prueba;

const QString kArchivo = QStringLiteral("SEDS984.txt");
const QString kEstado = QStringLiteral("hkafact21fresult.txt");

class ComponenteEnvio : public ::testing::Test {
  protected:
    void SetUp() override {
        carpeta_ = carpeta_nueva(QStringLiteral("componente"));
        conf_ = configuracion_prueba(carpeta_);
        configure(conf_);
    }

    QStringList envie(const QString& url, const Bloques& b = bloques_prueba(),
                      const QString& empresa = QStringLiteral("empresa-1"),
                      const QString& archivo = kArchivo) {
        const auto l = [](const QString& t) { return t.toLatin1(); };
        const QByteArray u = l(url), e = l(empresa), cl = l(b.cliente), en = l(b.encabezado),
                         an = l(b.anticipos), cp = l(b.condiciones_pago), ent = l(b.entrega),
                         im = l(b.impuestos), pa = l(b.pago), tr = l(b.trm), ex = l(b.extra),
                         de = l(b.detalle), se = l(b.separador), ar = l(archivo);
        EnviarCustom(u.constData(), e.constData(), "clave-1", cl.constData(), en.constData(),
                     an.constData(), cp.constData(), ent.constData(), im.constData(),
                     pa.constData(), tr.constData(), ex.constData(), de.constData(), "0",
                     se.constData(), ar.constData(), 1);
        return campos_respuesta(carpeta_ + "/" + archivo);
    }

    QStringList consulte(const QString& url, const char* clave = "SEDS984") {
        const QByteArray u = url.toLatin1();
        EstadoDocumento(u.constData(), "empresa-1", "clave-1", clave, "", 1);
        return campos_respuesta(carpeta_ + "/" + kEstado);
    }

    QString carpeta_;
    Configuracion conf_;
};

TEST_F(ComponenteEnvio, AceptadoDejaElCudsYLaConsultaLoDaPorAprobado) {
    ServicioLocal servicio;
    ASSERT_FALSE(servicio.url().isEmpty());
    const QString cuds = construya_documento(bloques_prueba(), conf_).cuds;
    ASSERT_EQ(cuds.size(), 96);

    EXPECT_EQ(envie(servicio.url()), QStringList({"01", "200", "SEDS984", cuds}));
    // A second send (the first answer lost on the way) is known to the
    // authority: the program still gets the code to store.
    EXPECT_EQ(envie(servicio.url()), QStringList({"01", "201", "SEDS984", cuds}));

    const QStringList estado = consulte(servicio.url());
    ASSERT_EQ(estado.size(), 11) << estado.join('|').toStdString();
    EXPECT_EQ(estado.mid(0, 4), QStringList({"01", "200", "1", "SEDS984"}));
    EXPECT_EQ(estado[6], cuds);
    EXPECT_EQ(estado[10], "1");
    EXPECT_EQ(consulte(servicio.url(), "SEDS5").value(1), "404");

    // Its adjustment note goes out as a credit note under its own key.
    const Bloques nota = bloques_nota(cuds);
    EXPECT_EQ(envie(servicio.url(), nota, "empresa-1", "NAS7.txt"),
              QStringList({"01", "200", "NAS7", construya_documento(nota, conf_).cuds}));
}

TEST_F(ComponenteEnvio, RechazadoDaLasRazonesYLaConsultaLoMarcaInvalido) {
    ServicioLocal servicio(QStringLiteral("rechazo"));
    const QStringList envio = envie(servicio.url());
    ASSERT_EQ(envio.size(), 4) << envio.join('|').toStdString();
    EXPECT_EQ(envio.mid(0, 3), QStringList({"01", "400", "SEDS984"}));
    EXPECT_TRUE(envio[3].contains("DSAK24")) << envio[3].toStdString();
    // Only the simulated business rule: schema, signature and CUDS passed.
    EXPECT_FALSE(envio[3].contains(";")) << envio[3].toStdString();

    const QStringList estado = consulte(servicio.url());
    ASSERT_EQ(estado.size(), 11) << estado.join('|').toStdString();
    EXPECT_EQ(estado.mid(0, 4), QStringList({"01", "200", "2", "SEDS984"}));
    EXPECT_EQ(estado[10], "0");
}

TEST_F(ComponenteEnvio, ServicioQueFallaDejaUnCodigoYUnMotivoSinPasarDelTiempoDeEspera) {
    conf_.segundos_espera = 2;
    configure(conf_);
    QString apagado;
    {
        ServicioLocal breve;
        apagado = breve.url();
    }
    ServicioLocal ajeno(QStringLiteral("normal"), true);
    ServicioLocal malformado(QStringLiteral("malformado"));
    ServicioLocal lento(QStringLiteral("lento"), false, 20);
    const struct {
        const char* caso;
        QString url;
        QString codigo, motivo;
    } casos[] = {
        {"apagado", apagado, "503", "No se pudo conectar"},
        {"certificado ajeno", ajeno.url(), "495", "no es de confianza"},
        {"respuesta mal formada", malformado.url(), "502", "no se pudo leer"},
        {"lento", lento.url(), "504", "no respondió en 2 segundos"},
        {"sin https", QString(ajeno.url()).replace("https:", "http:"), "503",
         "no es una dirección https"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        QElapsedTimer reloj;
        reloj.start();
        const QStringList envio = envie(c.url);
        ASSERT_EQ(envio.size(), 4) << envio.join('|').toStdString();
        EXPECT_EQ(envio.mid(0, 3), QStringList({"01", c.codigo, "SEDS984"}));
        EXPECT_TRUE(envio[3].contains(c.motivo)) << envio[3].toStdString();
        EXPECT_EQ(consulte(c.url).value(1), c.codigo);
        EXPECT_LT(reloj.elapsed(), 2 * 2000 + 3000);
    }
}

TEST_F(ComponenteEnvio, LoQueNoSePuedeArmarNiFirmarNoSaleYSeExplica) {
    ServicioLocal servicio;
    Bloques sin_detalle = bloques_prueba();
    sin_detalle.detalle.clear();
    const struct {
        const char* caso;
        Bloques bloques;
        QString empresa, clave_certificado, codigo, motivo;
    } casos[] = {
        {"sin credenciales", bloques_prueba(), "", conf_.clave_certificado, "401", "credenciales"},
        {"bloques incompletos", sin_detalle, "empresa-1", conf_.clave_certificado, "422",
         "bloque de detalle"},
        {"clave del certificado", bloques_prueba(), "empresa-1", "otra-clave", "422",
         certificados().firma_p12},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        conf_.clave_certificado = c.clave_certificado;
        configure(conf_);
        const QStringList envio = envie(servicio.url(), c.bloques, c.empresa);
        ASSERT_EQ(envio.size(), 4) << envio.join('|').toStdString();
        EXPECT_EQ(envio.mid(0, 3), QStringList({"01", c.codigo, "SEDS984"}));
        EXPECT_TRUE(envio[3].contains(c.motivo)) << envio[3].toStdString();
        EXPECT_FALSE(envio[3].contains(c.clave_certificado));
    }
    // Nothing of it reached the authority.
    EXPECT_EQ(consulte(servicio.url()).value(1), "404");
}

}  // namespace
}  // namespace ledgrix::electronico
