#pragma once

// What the component's tests run against: certificates made with openssl in
// the test's scratch folder, the local stand-in for the authority's service
// (autoridad_local.py) and a support document's payload blocks.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include "electronic/componente.h"
#include "electronic/documento/documento_soporte.h"
#include "tests/electronic/documento_validacion.h"

namespace ledgrix::electronico::prueba {

inline QString raiz_fuentes() {
    return QStringLiteral(LEDGRIX_DB_DIR "/..");
}

inline QString carpeta_nueva(const QString& nombre) {
    QString raiz = qEnvironmentVariable("LEDGRIX_TEST_TMP");
    if (raiz.isEmpty())
        raiz = QDir::tempPath() + QStringLiteral("/ledgrix-tests");
    const QString c = QStringLiteral("%1/electronic-%2-%3")
                          .arg(raiz, nombre)
                          .arg(QCoreApplication::applicationPid());
    QDir(c).removeRecursively();
    QDir().mkpath(c);
    return c;
}

// Runs a program to its end; false (with its output in *salida) when it
// could not start, timed out or exited with an error.
inline bool ejecute(const QString& programa, const QStringList& args, QString* salida = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programa, args);
    const bool fin = p.waitForFinished(120000);
    if (salida)
        *salida = QString::fromLocal8Bit(p.readAll());
    return fin && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

struct Certificados {
    QString carpeta;
    QString firma_p12, firma_pem;
    QString clave = QStringLiteral("clave de prueba");
    QString servidor_pem, servidor_key;  // for 127.0.0.1, trusted by the tests
    QString ajeno_pem, ajeno_key;        // for 127.0.0.1 too, trusted by no one
};

inline void cree_par(const QString& carpeta, const QString& nombre, const QString& sujeto,
                     const QStringList& extensiones) {
    QStringList args{QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                     QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                     QStringLiteral("30"), QStringLiteral("-subj"), sujeto,
                     QStringLiteral("-keyout"), carpeta + "/" + nombre + ".key",
                     QStringLiteral("-out"), carpeta + "/" + nombre + ".pem",
                     // xmllint reads xs:integer up to 24 digits only; the
                     // usual 20-byte random serial would fail the schema.
                     QStringLiteral("-set_serial"), QStringLiteral("7340012345678901")};
    for (const QString& e : extensiones)
        args << QStringLiteral("-addext") << e;
    QString salida;
    ASSERT_TRUE(ejecute(QStringLiteral("openssl"), args, &salida)) << salida.toStdString();
}

// Made once per test program: RSA keys take a while.
inline const Certificados& certificados() {
    static const Certificados c = [] {
        Certificados r;
        r.carpeta = carpeta_nueva(QStringLiteral("certificados"));
        const QStringList servidor{QStringLiteral("subjectAltName=IP:127.0.0.1,DNS:localhost")};
        cree_par(r.carpeta, QStringLiteral("firma"),
                 QStringLiteral("/C=CO/O=Ledgrix Pruebas SAS/CN=Firma de pruebas"), {});
        cree_par(r.carpeta, QStringLiteral("servidor"), QStringLiteral("/CN=127.0.0.1"), servidor);
        cree_par(r.carpeta, QStringLiteral("ajeno"), QStringLiteral("/CN=127.0.0.1"), servidor);
        r.firma_pem = r.carpeta + QStringLiteral("/firma.pem");
        r.firma_p12 = r.carpeta + QStringLiteral("/firma.p12");
        r.servidor_pem = r.carpeta + QStringLiteral("/servidor.pem");
        r.servidor_key = r.carpeta + QStringLiteral("/servidor.key");
        r.ajeno_pem = r.carpeta + QStringLiteral("/ajeno.pem");
        r.ajeno_key = r.carpeta + QStringLiteral("/ajeno.key");
        QString salida;
        EXPECT_TRUE(
            ejecute(QStringLiteral("openssl"),
                    {QStringLiteral("pkcs12"), QStringLiteral("-export"), QStringLiteral("-inkey"),
                     r.carpeta + QStringLiteral("/firma.key"), QStringLiteral("-in"), r.firma_pem,
                     QStringLiteral("-out"), r.firma_p12, QStringLiteral("-passout"),
                     QStringLiteral("pass:") + r.clave},
                    &salida))
            << salida.toStdString();
        return r;
    }();
    return c;
}

// `xmlsec1 --verify` of a signed document with the test's signing certificate.
inline bool firma_verificada(const QString& xml, QString* salida) {
    return ejecute(QStringLiteral("xmlsec1"),
                   {QStringLiteral("--verify"), QStringLiteral("--id-attr:Id"),
                    QStringLiteral("http://uri.etsi.org/01903/v1.3.2#:SignedProperties"),
                    QStringLiteral("--trusted-pem"), certificados().firma_pem, xml},
                   salida);
}

inline const QString kPin = QStringLiteral("75315");

inline Configuracion configuracion_prueba(const QString& carpeta) {
    Configuracion c;
    c.carpeta_respuestas = carpeta;
    c.ambiente = QStringLiteral("2");
    c.software_id = QStringLiteral("5d1c8f2a-ledgrix");
    c.pin = kPin;
    c.certificado = certificados().firma_p12;
    c.clave_certificado = certificados().clave;
    c.ca_servicio = certificados().servidor_pem;
    c.segundos_espera = 10;
    return c;
}

// A charge of 100,000 pesos plus 19% VAT to a natural person, number
// `numero` of prefix SEDS, as the database renders it.
inline Bloques bloques_prueba(const QString& numero = QStringLiteral("000984")) {
    const QString s = QStringLiteral("%%%%%");
    auto b = [&](const QStringList& campos) { return campos.join(s); };
    Bloques r;
    r.separador = s;
    r.cliente = b({"PRV1", "2", "13", "79123456", "", "Pedro Pérez Gómez", "Calle 10 # 4-20",
                   "11001", "Bogotá", "CO", "S", "pedro@correo.co", "3001234567", "R-99-PN"});
    r.encabezado = b({"ENC1", "51", "SEDS", numero, "2026-12-05", "10:20:30", "2027-01-04", "COP",
                      "Transporte de mercancía", "N", "100000.00", "19000.00", "119000.00", "1"});
    r.anticipos = QStringLiteral("%%") +
                  b({"AUT1", "18760000001", "2026-01-01", "2027-12-31", "SEDS", "1", "5000"}) +
                  QStringLiteral("%%");
    r.condiciones_pago = b({"CPG1", "2", "2027-01-04"});
    r.impuestos = b({"IMP1", "01", "IVA", "100000.00", "19.00", "19000.00"});
    r.pago = b({"PAG1", "10"}) + QStringLiteral("%%");
    r.extra = b({"EMI1", "1", "31", "900123456", "7", "Ledgrix Pruebas SAS", "Carrera 7 # 12-30",
                 "11001", "Bogotá", "CO", "S", "cxp@ledgrix.co", "6015550000", "O-13"});
    r.detalle = b({"DET1", "1", "Transporte Bogotá - Tunja", "1", "100000.00", "100000.00", "19.00",
                   "19000.00"});
    return r;
}

// A discount of 10,000 pesos plus VAT on that charge, already accepted with
// `cuds`: the adjustment note NAS7.
inline Bloques bloques_nota(const QString& cuds) {
    Bloques r = bloques_prueba();
    const auto b = [&](const QStringList& campos) { return campos.join(r.separador); };
    r.encabezado = b({"ENC1", "52", "NAS", "000007", "2026-12-06", "09:00:00", "", "COP",
                      "Descuento por pronto pago", "N", "10000.00", "1900.00", "11900.00", "1"});
    r.anticipos = QStringLiteral("%%%%") + b({"REF1", "51", "SEDS", "000984", cuds, "2026-12-05",
                                              "2", "Descuento por pronto pago"});
    r.impuestos = b({"IMP1", "01", "IVA", "10000.00", "19.00", "1900.00"});
    r.detalle = b({"DET1", "1", "Descuento por pronto pago", "1", "10000.00", "10000.00", "19.00",
                   "1900.00"});
    return r;
}

// The local service in one of its modes, stopped when it goes out of scope.
class ServicioLocal {
  public:
    explicit ServicioLocal(const QString& modo = QStringLiteral("normal"), bool ajeno = false,
                           int segundos = 30) {
        const Certificados& c = certificados();
        p_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p_.start(QStringLiteral("python3"),
                 {raiz_fuentes() + QStringLiteral("/tests/electronic/servicio/autoridad_local.py"),
                  QStringLiteral("--cert"), ajeno ? c.ajeno_pem : c.servidor_pem,
                  QStringLiteral("--key"), ajeno ? c.ajeno_key : c.servidor_key,
                  QStringLiteral("--firma"), c.firma_pem, QStringLiteral("--xsd"),
                  test::carpeta_ubl() + QStringLiteral("/maindoc"), QStringLiteral("--pin"), kPin,
                  QStringLiteral("--modo"), modo, QStringLiteral("--segundos"),
                  QString::number(segundos)});
        while (p_.waitForReadyRead(10000) || p_.canReadLine()) {
            const QString linea = QString::fromLatin1(p_.readLine()).trimmed();
            if (linea.startsWith(QStringLiteral("PUERTO "))) {
                url_ = QStringLiteral("https://127.0.0.1:%1/WcfDianCustomerServices.svc")
                           .arg(linea.mid(7));
                break;
            }
        }
    }
    ~ServicioLocal() { detenga(); }
    ServicioLocal(const ServicioLocal&) = delete;
    ServicioLocal& operator=(const ServicioLocal&) = delete;

    void detenga() {
        if (p_.state() == QProcess::NotRunning)
            return;
        p_.terminate();
        if (!p_.waitForFinished(5000)) {
            p_.kill();
            p_.waitForFinished(5000);
        }
    }
    QString url() const { return url_; }

  private:
    QProcess p_;
    QString url_;
};

// Fields of the first line of an answer file, as the program splits them.
inline QStringList campos_respuesta(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readLine()).trimmed().split(QLatin1Char('|'));
}

}  // namespace ledgrix::electronico::prueba
