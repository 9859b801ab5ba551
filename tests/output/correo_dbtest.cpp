// A printed voucher e-mailed through the user's own SMTP account, against a
// real SMTP server (tests/support/smtp_prueba.py) on loopback: what arrives,
// read back by another mail reader, and what the user is told when the
// account, the certificate or the server fail.
#include <QApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>

#include "output/correo/correo_documento.h"
#include "output/correo/mensaje_correo.h"
#include "output/impresion/familia.h"
#include "output/impresion/impresion_documento.h"
#include "output/ui/impresion/tfimpresion.h"
#include "tests/electronic/servicio/entorno_prueba.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {
namespace {

namespace prueba = electronico::prueba;

const QString kProveedor = QStringLiteral("cartera@transportes.co");
const QString kCopia = QStringLiteral("compras@ledgrix.co");
const QString kClave = QStringLiteral("s3creta-Ñ");

// The SMTP server of one case, stopped when it goes out of scope.
class ServidorSmtp {
  public:
    enum class Tls { no, propio, ajeno, corte };  // corte: plain, drops the connection at DATA
    ServidorSmtp(Tls tls, const QString& carpeta) : carpeta_(carpeta) {
        const prueba::Certificados& c = prueba::certificados();
        QStringList args{prueba::raiz_fuentes() + QStringLiteral("/tests/support/smtp_prueba.py"),
                         QStringLiteral("--carpeta"),
                         carpeta,
                         QStringLiteral("--usuario"),
                         QStringLiteral("cxp"),
                         QStringLiteral("--clave"),
                         kClave};
        if (tls == Tls::corte)
            args << QStringLiteral("--corte");
        else if (tls != Tls::no)
            args << QStringLiteral("--cert") << (tls == Tls::propio ? c.servidor_pem : c.ajeno_pem)
                 << QStringLiteral("--key") << (tls == Tls::propio ? c.servidor_key : c.ajeno_key);
        p_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Debian's interpreter, which has the SMTP server package.
        p_.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral("-W"), QStringLiteral("ignore")} + args);
        while (p_.canReadLine() || p_.waitForReadyRead(10000)) {
            if (!p_.canReadLine())
                continue;
            const QString linea = QString::fromLatin1(p_.readLine()).trimmed();
            if (linea.startsWith(QStringLiteral("PUERTO "))) {
                puerto_ = linea.mid(7).toInt();
                break;
            }
        }
    }
    ~ServidorSmtp() { detenga(); }
    // Stopping it leaves its port closed: the case of a server that does not listen.
    void detenga() {
        p_.terminate();
        if (p_.state() != QProcess::NotRunning && !p_.waitForFinished(5000))
            p_.kill();
        p_.waitForFinished(5000);
    }
    int puerto() const { return puerto_; }
    // The messages delivered, as the server's mail reader understood them.
    QList<QJsonObject> recibidos() const {
        QList<QJsonObject> r;
        for (int n = 1; QFileInfo::exists(QStringLiteral("%1/%2.json").arg(carpeta_).arg(n)); ++n) {
            QFile f(QStringLiteral("%1/%2.json").arg(carpeta_).arg(n));
            f.open(QIODevice::ReadOnly);
            r << QJsonDocument::fromJson(f.readAll()).object();
        }
        return r;
    }

  private:
    QProcess p_;
    QString carpeta_;
    int puerto_ = 0;
};

class CorreoTest : public DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        dm->ctx.compania.nombre = QStringLiteral("Compañía Ñandú de Pruebas S.A.S.");
        dm->ctx.compania.nit = QStringLiteral("900111222-3");
        cuenta({QStringLiteral("cxp@ledgrix.co"), QStringLiteral("127.0.0.1"),
                QStringLiteral("cxp"), kClave});
        run(QStringLiteral("update TERCEROS set TERC_EMAIL = %1 where TERC_NIT = %2")
                .arg(sql::quoted(kProveedor), sql::quoted(kTransportes)));
        cargo(501, QStringLiteral("000012"), kTransportes, QDate(2022, 9, 20),
              QStringLiteral("100000"), QStringLiteral("19000"));
    }
    // The user's sender, server, user name and password.
    void cuenta(const QStringList& v) {
        run(QStringLiteral("update USUARIO set USER_EMAIL = %1, USER_MAILSERVER = %2, "
                           "USER_MAILUSER = %3, USER_MAILPASS = %4 where USER_COD = 'ADMIN'")
                .arg(sql::quoted(v.value(0)), sql::quoted(v.value(1)), sql::quoted(v.value(2)),
                     sql::quoted(v.value(3))));
    }
    QString carpeta(const QString& nombre) {
        return prueba::carpeta_nueva(QStringLiteral("correo-") + nombre);
    }
    // What F12 on the print window does: check the account, write the PDF, send.
    bool envie(const MiembroImpresion& m, qint64 id, const QString& ca) {
        ImpresionDocumento doc(*dm, m, id);
        doc.cargue();
        QFile::remove(doc.ruta_pdf());
        CorreoDocumento correo(*dm, doc);
        correo.set_ca(ca);
        if (!correo.prepare()) {
            EXPECT_FALSE(QFileInfo::exists(doc.ruta_pdf()));
            return false;
        }
        const QString ruta = doc.imprima_pdf();
        EXPECT_FALSE(ruta.isEmpty()) << dialogs.lastError().toStdString();
        return correo.envie(ruta);
    }
};

TEST_F(CorreoTest, UnCargoLlegaAlProveedorConCopiaAsuntoCuerpoYSuPdf) {
    const QString buzon = carpeta(QStringLiteral("cargo"));
    ServidorSmtp servidor(ServidorSmtp::Tls::propio, buzon);
    ASSERT_GT(servidor.puerto(), 0);
    configure(QStringLiteral("PUERTO TCP PARA ENVIO DE CORREO ELECTRONICO"),
              QString::number(servidor.puerto()));
    configure(QStringLiteral("USAR SSL PARA ENVIO DE CORREO ELECTRONICO"), QStringLiteral("SI"));
    configure(
        QStringLiteral("CUENTA PARA ENVIAR COPIA DEL CORREO ELECTRONICO DE ORDENES DE COMPRA"),
        kCopia);
    configure(
        QStringLiteral("MENSAJE DE PIE DE CORREO ELECTRONICO PARA ENVIO DE ORDENES DE COMPRA"),
        QStringLiteral("No responda este mensaje."));
    configure(QStringLiteral("FIRMA DEL CORREO ELECTRONICO PARA ENVIO DE ORDENES DE COMPRA"),
              QStringLiteral("Área de compras"));

    ASSERT_TRUE(envie(impresion_cargo(), 501, prueba::certificados().servidor_pem))
        << dialogs.lastError().toStdString();
    EXPECT_EQ(
        dialogs.texts(QStringLiteral("information")),
        QStringList{QStringLiteral("Se envió el correo a ") + kProveedor + ", " + kCopia + "."});
    const QList<QJsonObject> r = servidor.recibidos();
    ASSERT_EQ(r.size(), 1);
    const QJsonObject& m = r.first();
    EXPECT_TRUE(m.value("tls").toBool());
    EXPECT_TRUE(m.value("autenticado").toBool());
    EXPECT_EQ(m.value("de").toString(), QStringLiteral("cxp@ledgrix.co"));
    EXPECT_EQ(m.value("rcpt").toArray(), (QJsonArray{kProveedor, kCopia}));
    EXPECT_EQ(m.value("to").toString(), kProveedor);
    EXPECT_EQ(m.value("cc").toString(), kCopia);
    EXPECT_EQ(m.value("subject").toString(),
              QStringLiteral("Compañía Ñandú de Pruebas S.A.S.-CARGO POR PAGAR No 0000000012"));
    const QString nombre = texto(QStringLiteral("select TERC_NOM from TERCEROS where TERC_NIT = ") +
                                 sql::quoted(kTransportes));
    EXPECT_EQ(
        m.value("cuerpo").toString(),
        QStringList({"SEÑORES:", nombre, "",
                     "Anexo documento por pagar No. 0000000012 de fecha 2022/09/20 expedida a "
                     "su nombre.",
                     "", "Cordialmente,", "", "Compañía Ñandú de Pruebas S.A.S.",
                     "Departamento de compras", "NIT 900111222-3", "", "________________________",
                     "No responda este mensaje.", "", "Área de compras"})
            .join("\r\n"));
    EXPECT_EQ(m.value("adjunto").toString(), QStringLiteral("Cargo por pagar No 0000000012.PDF"));
    EXPECT_EQ(m.value("tipo_adjunto").toString(), QStringLiteral("application/pdf"));
    QProcess pdf;
    pdf.start(QStringLiteral("pdftotext"), {buzon + QStringLiteral("/1.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(pdf.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(pdf.readAll()).contains(kTransportes));
}

// Each way the sending can end, from the account to the server.
TEST_F(CorreoTest, ComoTerminaElEnvio) {
    using Tls = ServidorSmtp::Tls;
    const QString propia = prueba::certificados().servidor_pem;
    struct Caso {
        const char* nombre;
        Tls servidor;
        const char* usar_ssl;
        QString clave;        // the account's
        bool escuchando;      // the server is up
        const char* mensaje;  // part of the error shown; empty: delivered
        bool tls;             // delivered over TLS
    } casos[] = {
        {"plano sin copia", Tls::no, "NO", kClave, true, "", false},
        {"clave errada", Tls::propio, "SI", QStringLiteral("otra-clave"), true,
         "rechazó el usuario o la clave", false},
        {"certificado de nadie", Tls::ajeno, "SI", kClave, true, "no es de confianza", false},
        {"TLS pedido a un servidor sin TLS", Tls::no, "SI", kClave, true,
         "no ofrece conexión segura", false},
        {"conexion cortada", Tls::corte, "NO", kClave, true, "Se perdió la conexión", false},
        {"servidor que no escucha", Tls::no, "NO", kClave, false, "No se pudo conectar", false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        dialogs.clear();
        ServidorSmtp servidor(c.servidor, carpeta(QString::fromUtf8(c.nombre).replace(' ', '-')));
        ASSERT_GT(servidor.puerto(), 0);
        if (!c.escuchando)
            servidor.detenga();
        configure(QStringLiteral("PUERTO TCP PARA ENVIO DE CORREO ELECTRONICO"),
                  QString::number(servidor.puerto()));
        configure(QStringLiteral("USAR SSL PARA ENVIO DE CORREO ELECTRONICO"),
                  QString::fromLatin1(c.usar_ssl));
        cuenta({QStringLiteral("cxp@ledgrix.co"), QStringLiteral("127.0.0.1"),
                QStringLiteral("cxp"), c.clave});
        const bool enviado = envie(impresion_cargo(), 501, propia);
        const QList<QJsonObject> r = servidor.recibidos();
        if (!*c.mensaje) {
            EXPECT_TRUE(enviado) << dialogs.lastError().toStdString();
            ASSERT_EQ(r.size(), 1);
            EXPECT_EQ(r.first().value("rcpt").toArray(), QJsonArray{kProveedor});
            EXPECT_EQ(r.first().value("cc").toString(), QString());
            EXPECT_EQ(r.first().value("tls").toBool(), c.tls);
            continue;
        }
        EXPECT_FALSE(enviado);
        EXPECT_TRUE(r.isEmpty());
        EXPECT_TRUE(dialogs.lastError().contains(QString::fromUtf8(c.mensaje)))
            << dialogs.lastError().toStdString();
        EXPECT_FALSE(dialogs.lastError().contains(c.clave));
        // The PDF stays in the application folder.
        EXPECT_TRUE(QFileInfo::exists(dm->directorio() +
                                      QStringLiteral("/Cargo por pagar No 0000000012.PDF")));
    }
}

// Missing addresses stop before anything is written or sent.
TEST_F(CorreoTest, SinCuentaNadaSeImprimeNiSeEnvia) {
    ServidorSmtp servidor(ServidorSmtp::Tls::no, carpeta(QStringLiteral("sin-cuenta")));
    configure(QStringLiteral("PUERTO TCP PARA ENVIO DE CORREO ELECTRONICO"),
              QString::number(servidor.puerto()));
    configure(QStringLiteral("USAR SSL PARA ENVIO DE CORREO ELECTRONICO"), QStringLiteral("NO"));
    egreso(700, QStringLiteral("000040"), kPapeleria, QDate(2022, 9, 20));
    run(QStringLiteral("update TERCEROS set TERC_EMAIL = null where TERC_NIT = ") +
        sql::quoted(kPapeleria));
    const QString usuario = QStringLiteral("Debe configurar una cuenta de correo para el usuario.");
    const QString cliente = QStringLiteral("Debe configurar una cuenta de correo para el cliente.");
    struct Caso {
        const char* nombre;
        QStringList cuenta;
        const MiembroImpresion& miembro;
        qint64 id;
        QString mensaje;
    } casos[] = {
        {"sin servidor", {"cxp@ledgrix.co", "", "cxp", "x"}, impresion_cargo(), 501, usuario},
        {"sin remitente", {"", "127.0.0.1", "cxp", "x"}, impresion_cargo(), 501, usuario},
        {"sin clave", {"cxp@ledgrix.co", "127.0.0.1", "cxp", ""}, impresion_cargo(), 501, usuario},
        {"egreso a un proveedor sin correo",
         {"cxp@ledgrix.co", "127.0.0.1", "cxp", "x"},
         impresion_egreso(),
         700,
         cliente},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        dialogs.clear();
        cuenta(c.cuenta);
        EXPECT_FALSE(envie(c.miembro, c.id, {}));
        EXPECT_EQ(dialogs.errors(), QStringList{c.mensaje});
    }
    EXPECT_TRUE(servidor.recibidos().isEmpty());

    // F12 on the charge's print window checks the account before writing the PDF.
    dialogs.clear();
    cuenta({});
    QFile::remove(dm->directorio() + QStringLiteral("/Cargo por pagar No 0000000012.PDF"));
    Tfimprnotadbp ventana(*dm, 501);
    QKeyEvent f12(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
    QApplication::sendEvent(&ventana, &f12);
    EXPECT_EQ(dialogs.errors(), QStringList{usuario});
    EXPECT_FALSE(
        QFileInfo::exists(dm->directorio() + QStringLiteral("/Cargo por pagar No 0000000012.PDF")));
}

// With the account in place, F12 sends through the window.
TEST_F(CorreoTest, LaVentanaDelCargoEnviaConF12) {
    ServidorSmtp servidor(ServidorSmtp::Tls::no, carpeta(QStringLiteral("ventana")));
    ASSERT_GT(servidor.puerto(), 0);
    configure(QStringLiteral("PUERTO TCP PARA ENVIO DE CORREO ELECTRONICO"),
              QString::number(servidor.puerto()));
    configure(QStringLiteral("USAR SSL PARA ENVIO DE CORREO ELECTRONICO"), QStringLiteral("NO"));
    Tfimprnotadbp ventana(*dm, 501);
    QKeyEvent f12(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
    QApplication::sendEvent(&ventana, &f12);
    EXPECT_EQ(dialogs.errors(), QStringList());
    EXPECT_EQ(servidor.recibidos().size(), 1);
    EXPECT_FALSE(QApplication::overrideCursor());
}

}  // namespace
}  // namespace ledgrix::test
