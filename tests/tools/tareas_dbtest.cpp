// The unattended command line on a demo company with months of history: each
// task writes its file with the windows' own logic (the aging and the
// relation read back from the PDF and the spreadsheet, the bank file byte
// lengths, support documents sent to a local stand-in for the tax
// authority), the access option of the task's window refuses a user, bad
// arguments stop before anything runs, and the real program splits its
// output between stdout and stderr.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>

#include "core/money/currency.h"
#include "core/money/formato_numero.h"
#include "core/services/clock.h"
#include "core/services/paths.h"
#include "core/sql/sqltext.h"
#include "tests/electronic/servicio/entorno_prueba.h"
#include "tests/support/testdb.h"
#include "tests/tools/dbhelpers.h"
#include "tools/admin/historia/historia.h"
#include "tools/tareas/tareas.h"

namespace ledgrix::test {
namespace {

using dbsetup::ScopedConnection;
namespace prueba = electronico::prueba;

const QDate kDia(2025, 11, 28);

QString S(const char* s) {
    return QString::fromUtf8(s);
}

struct Corrida {
    int codigo = -1;
    QString salida, errores;
};

QString texto_pdf(const QString& ruta) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ruta, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000));
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

// Every part of the spreadsheet, for looking texts and numbers up.
QString texto_xlsx(const QString& ruta) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), ruta});
    EXPECT_TRUE(unzip.waitForFinished(30000));
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

class TareasTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        inst_ = TestInstallation::create().release();
        ASSERT_TRUE(inst_);
        const dbsetup::Result r = historia::agregue(inst_->location(), kDia);
        ASSERT_TRUE(r.ok) << r.message.toStdString();
        // The installation's folder, as the module finds it; the other
        // tests of this program find the variable as they left it.
        directorio_previo_ = qgetenv("LEDGRIX_DIR");
        qputenv("LEDGRIX_DIR", inst_->dir().toLocal8Bit());
    }
    static void TearDownTestSuite() {
        if (directorio_previo_.isEmpty())
            qunsetenv("LEDGRIX_DIR");
        else
            qputenv("LEDGRIX_DIR", directorio_previo_);
        delete inst_;
        inst_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(inst_);
        carpeta_ = std::make_unique<QTemporaryDir>(TestInstallation::scratchRoot() +
                                                   QStringLiteral("/tareas-XXXXXX"));
    }

    QString archivo(const QString& nombre) const { return carpeta_->filePath(nombre); }

    Corrida corra(QStringList args, const QString& usuario = QStringLiteral("ADMIN"),
                  const QString& clave = QStringLiteral("admin")) {
        args << QStringLiteral("--usuario") << usuario << QStringLiteral("--compania")
             << QStringLiteral("001") << QStringLiteral("--ubicacion") << inst_->location();
        QProcessEnvironment entorno;
        if (!clave.isEmpty())
            entorno.insert(QStringLiteral("LEDGRIX_CLAVE"), clave);
        Corrida c;
        QTextStream salida(&c.salida);
        QTextStream errores(&c.errores);
        const FixedClock reloj(QDateTime(kDia, QTime(6, 0)));
        c.codigo = tareas::ejecute(args, entorno, reloj, salida, errores);
        salida.flush();
        errores.flush();
        return c;
    }

    // Runs a statement on the company database as the technician would.
    static QStringList filas(const QString& select) {
        ScopedConnection con(inst_->companyDatabase(), QStringLiteral("SYSDBA"));
        EXPECT_TRUE(con.open()) << con.error().toStdString();
        QSqlQuery q(con.db());
        EXPECT_TRUE(q.exec(select)) << select.toStdString() << q.lastError().text().toStdString();
        QStringList out;
        while (q.next()) {
            QStringList cols;
            for (int i = 0; i < q.record().count(); ++i)
                cols << q.value(i).toString().trimmed();
            out << cols.join(u'|');
        }
        return out;
    }
    static void ejecute(const QString& sentencia) {
        ScopedConnection con(inst_->companyDatabase(), QStringLiteral("SYSDBA"));
        ASSERT_TRUE(con.open()) << con.error().toStdString();
        QString error;
        ASSERT_TRUE(accepts(con.db(), sentencia, &error)) << error.toStdString();
    }

    static TestInstallation* inst_;
    static QByteArray directorio_previo_;
    std::unique_ptr<QTemporaryDir> carpeta_;
};
TestInstallation* TareasTest::inst_ = nullptr;
QByteArray TareasTest::directorio_previo_;

TEST_F(TareasTest, AgingAndRelationWriteTheSupplierAndItsBalanceToPdfAndSpreadsheet) {
    // The supplier owing most at the cut-off, and its balance as the ledger
    // answers it, independent of the report procedures.
    const QStringList proveedor = filas(
        S("select first 1 t.TERC_NIT, t.TERC_NOM, cast(s.SALDO as varchar(24)) from TERCEROS t "
          "join PROVEEDORES p on p.TERC_NIT = t.TERC_NIT, SALDO_TERCERO_CXPAGAR(t.TERC_NIT, %1) s "
          "order by s.SALDO desc")
            .arg(sql::date(kDia)));
    ASSERT_EQ(proveedor.size(), 1);
    const QStringList p = proveedor.front().split(u'|');
    const QString nit = p[0], nombre = p[1];
    const Currency saldo = Currency::fromText(p[2]);
    ASSERT_FALSE(saldo.isZero());

    const struct {
        const char* tarea;
        const char* archivo;
        QStringList extra;
    } casos[] = {
        {"vencimientos", "vencimientos.pdf", {QStringLiteral("--detalle")}},
        {"vencimientos", "vencimientos.xlsx", {}},
        {"relacion", "relacion.pdf", {}},
        {"relacion", "relacion.xlsx", {QStringLiteral("--consolidado")}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.archivo);
        const QString ruta = archivo(QString::fromLatin1(c.archivo));
        const Corrida r =
            corra(QStringList{QString::fromLatin1(c.tarea), QStringLiteral("--corte"),
                              QStringLiteral("2025-11-28"), QStringLiteral("--proveedor"), nit,
                              QStringLiteral("--salida"), ruta} +
                  c.extra);
        ASSERT_EQ(r.codigo, 0) << r.errores.toStdString();
        EXPECT_EQ(r.salida.count(u'\n'), 1) << r.salida.toStdString();
        const QString escrito = FormatoNumero::instalacion().escriba(saldo);
        EXPECT_TRUE(r.salida.contains(S("saldo ") + escrito)) << r.salida.toStdString();
        EXPECT_FALSE(r.errores.contains(S("Error"))) << r.errores.toStdString();
        const QString texto =
            ruta.endsWith(QStringLiteral(".pdf")) ? texto_pdf(ruta) : texto_xlsx(ruta);
        // Twelve letters: the PDF's font joins "fi" into one glyph.
        EXPECT_TRUE(texto.contains(nombre.left(12))) << texto.left(2000).toStdString();
        // The sheet holds the supplier's line, the PDF the report's total.
        const QString total =
            ruta.endsWith(QStringLiteral(".pdf")) ? escrito : S("<v>%1</v>").arg(saldo.wholePart());
        EXPECT_TRUE(texto.contains(total)) << total.toStdString() << "\n"
                                           << texto.left(3000).toStdString();
    }

    // A supplier with nothing owed: nothing to report, and no file.
    const Corrida vacio =
        corra({QStringLiteral("relacion"), QStringLiteral("--corte"), QStringLiteral("2025-11-28"),
               QStringLiteral("--proveedor"), QStringLiteral("1"), QStringLiteral("--salida"),
               archivo(QStringLiteral("vacio.pdf"))});
    EXPECT_EQ(vacio.codigo, 1);
    EXPECT_TRUE(vacio.errores.contains(S("No hay datos para el reporte.")))
        << vacio.errores.toStdString();
    EXPECT_TRUE(vacio.salida.isEmpty());
    EXPECT_FALSE(QFile::exists(archivo(QStringLiteral("vacio.pdf"))));
}

TEST_F(TareasTest, BadArgumentsStopBeforeLoggingInAndRefusalsSayWhy) {
    const QString pdf = archivo(QStringLiteral("x.pdf"));
    const struct {
        QStringList args;
        const char* mensaje;
    } malos[] = {
        {{}, "Falta la tarea"},
        {{QStringLiteral("vencer")}, "La tarea «vencer» no existe"},
        {{QStringLiteral("relacion"), QStringLiteral("--salida"), pdf}, "Falta la opción --corte"},
        {{QStringLiteral("relacion"), QStringLiteral("--corte"), QStringLiteral("2025-13-01"),
          QStringLiteral("--salida"), pdf},
         "no es válida: escríbala como AAAA-MM-DD"},
        {{QStringLiteral("relacion"), QStringLiteral("--corte=2025-11-28"),
          QStringLiteral("--salida"), archivo(QStringLiteral("x.txt"))},
         "debe terminar en .pdf o .xlsx"},
        {{QStringLiteral("relacion"), QStringLiteral("--corte=2025-11-28"),
          QStringLiteral("--salida"), pdf, QStringLiteral("--rango-dias"), QStringLiteral("30")},
         "La tarea relacion no tiene la opción --rango-dias"},
        {{QStringLiteral("soportes"), QStringLiteral("--documento"), QStringLiteral("cargos"),
          QStringLiteral("--prefijo"), QStringLiteral("0000"), QStringLiteral("--desde"),
          QStringLiteral("9"), QStringLiteral("--hasta"), QStringLiteral("3")},
         "El rango está invertido"},
        {{QStringLiteral("recalculo"), QStringLiteral("--desde"), QStringLiteral("1"),
          QStringLiteral("--hasta"), QStringLiteral("9"), QStringLiteral("--clave"),
          QStringLiteral("admin")},
         "La clave no se escribe en la línea de órdenes"},
    };
    for (const auto& m : malos) {
        const Corrida r = corra(m.args);
        EXPECT_EQ(r.codigo, 2) << m.mensaje;
        EXPECT_TRUE(r.errores.contains(S(m.mensaje))) << r.errores.toStdString();
        EXPECT_TRUE(r.errores.contains(QStringLiteral("--help"))) << m.mensaje;
        EXPECT_TRUE(r.salida.isEmpty()) << m.mensaje;
    }
    const QStringList recalculo{QStringLiteral("recalculo"), QStringLiteral("--desde"),
                                QStringLiteral("1"), QStringLiteral("--hasta"),
                                QStringLiteral("9")};
    const Corrida sin_clave = corra(recalculo, QStringLiteral("ADMIN"), QString());
    EXPECT_EQ(sin_clave.codigo, 2);
    EXPECT_TRUE(sin_clave.errores.contains(S("LEDGRIX_CLAVE"))) << sin_clave.errores.toStdString();

    // The clerk may not open the recalculation window, nor run its task.
    const Corrida auxiliar =
        corra(recalculo, QStringLiteral("AUXILIAR"), QStringLiteral("auxiliar"));
    EXPECT_EQ(auxiliar.codigo, 1);
    EXPECT_TRUE(auxiliar.errores.contains(
        S("Acceso no permitido. Comuníquese con el administrador del sistema.")))
        << auxiliar.errores.toStdString();
    const Corrida mala_clave = corra(recalculo, QStringLiteral("ADMIN"), QStringLiteral("otra"));
    EXPECT_EQ(mala_clave.codigo, 1);
    EXPECT_TRUE(mala_clave.errores.contains(S("El nombre de Usuario o la clave son incorrectas.")))
        << mala_clave.errores.toStdString();
    const Corrida sin_carpeta =
        corra({QStringLiteral("relacion"), QStringLiteral("--corte"), QStringLiteral("2025-11-28"),
               QStringLiteral("--salida"), archivo(QStringLiteral("no/hay/x.pdf"))});
    EXPECT_EQ(sin_carpeta.codigo, 1);
    EXPECT_TRUE(sin_carpeta.errores.contains(S("no existe"))) << sin_carpeta.errores.toStdString();

    const Corrida moneda = corra({QStringLiteral("vencimientos"), QStringLiteral("--corte"),
                                  QStringLiteral("2025-11-28"), QStringLiteral("--moneda"),
                                  QStringLiteral("XYZ"), QStringLiteral("--salida"), pdf});
    EXPECT_EQ(moneda.codigo, 1);
    EXPECT_TRUE(moneda.errores.contains(S("la moneda «XYZ» no existe")))
        << moneda.errores.toStdString();

    const Corrida ayuda = corra({QStringLiteral("dispersion"), QStringLiteral("--help")});
    EXPECT_EQ(ayuda.codigo, 0);
    EXPECT_TRUE(ayuda.salida.contains(QStringLiteral("--programacion")))
        << ayuda.salida.toStdString();
}

TEST_F(TareasTest, ConfirmedScheduleWritesThePabFileAndAnUnconfirmedOneNone) {
    ejecute(
        S("update CONFIGURACION set CONF_VALOR = '800111222' where CONF_MODULO = 'CXPAGAR' and "
          "CONF_CATEGORIA = 'DOCUMENTO SOPORTE' and CONF_PROPIEDAD = 'NIT EMISOR'"));
    ejecute(
        S("update PROVEEDORES set PROV_BANCO = '07', PROV_TIPOCTA = 'A', PROV_CUENTA = "
          "'605-000111-22' where TERC_NIT = '900123456'"));
    ejecute(
        S("update PROVEEDORES set PROV_BANCO = '01', PROV_TIPOCTA = 'C', PROV_CUENTA = "
          "'0123456789' where TERC_NIT = '860045678'"));
    for (const auto& [id, numero, confirmado] :
         {std::tuple{71, "000071", "S"}, std::tuple{72, "000072", "N"}}) {
        ejecute(
            S("insert into PROGRAMACION_PAGOS_ENC (PRPG_ID, PRPG_PREF, PRPG_NUMERO, PRPG_FECHA, "
              "PRPG_CONC, PRPG_CONFIRMADO) values (%1, '0000', '%2', '2025-11-27', 'Pagos', "
              "'%3')")
                .arg(id)
                .arg(QLatin1String(numero), QLatin1String(confirmado)));
        for (const auto& [item, factura, abono] :
             {std::tuple{1, 1, "1000000.00"}, std::tuple{2, 2, "2500000.50"}})
            ejecute(S("insert into PROGRAMACION_PAGOS (PRPG_ID, PRPG_ITEM, PRPG_TIPODOC, "
                      "PRPG_IDDOC, PRPG_ABONO, PRPG_COB, PRPG_IDCAJA, PRPG_ANULADO) values (%1, "
                      "%2, 21, %3, %4, 'B', 'BOGCTE', 'N')")
                        .arg(id)
                        .arg(item)
                        .arg(factura)
                        .arg(QLatin1String(abono)));
    }
    const auto dispersion = [this](const char* numero, const QString& ruta) {
        return corra({QStringLiteral("dispersion"), QStringLiteral("--programacion"),
                      QLatin1String(numero), QStringLiteral("--formato"), QStringLiteral("PAB"),
                      QStringLiteral("--fecha"), QStringLiteral("2025-12-01"),
                      QStringLiteral("--secuencia"), QStringLiteral("A"),
                      QStringLiteral("--salida"), ruta});
    };
    const Corrida r = dispersion("71", archivo(QStringLiteral("pab")));
    ASSERT_EQ(r.codigo, 0) << r.errores.toStdString();
    EXPECT_TRUE(r.salida.contains(
        S("2 pagos por ") +
        FormatoNumero::instalacion().escriba(*Currency::parse(QStringLiteral("3500000.50")))))
        << r.salida.toStdString();
    QFile f(archivo(QStringLiteral("pab.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lineas = f.readAll().split('\n');
    ASSERT_EQ(lineas.size(), 3 + 1);  // the account's control, two details; the last break
    for (int i = 0; i + 1 < lineas.size(); ++i)
        EXPECT_EQ(lineas[i].size(), 264 + 1) << i;  // and its CR

    const Corrida sin_confirmar = dispersion("0000000072", archivo(QStringLiteral("no.txt")));
    EXPECT_EQ(sin_confirmar.codigo, 1);
    EXPECT_TRUE(sin_confirmar.errores.contains(S("no está confirmada")))
        << sin_confirmar.errores.toStdString();
    EXPECT_FALSE(QFile::exists(archivo(QStringLiteral("no.txt"))));
}

TEST_F(TareasTest, SupportDocumentsOfARangeGoOutAndARejectionFailsTheRun) {
    const prueba::Certificados& c = prueba::certificados();
    const auto configure = [](const char* propiedad, const QString& valor) {
        ejecute(S("update CONFIGURACION set CONF_VALOR = %1 where CONF_PROPIEDAD = '%2'")
                    .arg(sql::quoted(valor), QLatin1String(propiedad)));
    };
    configure("CERTIFICADO DE FIRMA", c.firma_p12);
    configure("CLAVE DEL CERTIFICADO", c.clave);
    configure("CERTIFICADOS DE CONFIANZA DEL SERVICIO", c.servidor_pem);
    configure("PIN DEL SOFTWARE", prueba::kPin);
    configure("SEGUNDOS DE ESPERA DEL SERVICIO", QStringLiteral("10"));
    // Off, the run says so instead of sending nothing.
    configure("ENVIAR FACTURA ELECTRONICA AUTOMATICAMENTE AL GRABAR", QStringLiteral("NO"));
    const Corrida apagado =
        corra({QStringLiteral("soportes"), QStringLiteral("--documento"), QStringLiteral("cargos"),
               QStringLiteral("--prefijo"), QStringLiteral("0000"), QStringLiteral("--desde"),
               QStringLiteral("1"), QStringLiteral("--hasta"), QStringLiteral("999999")});
    EXPECT_EQ(apagado.codigo, 1);
    EXPECT_TRUE(apagado.errores.contains(S("el envío de cargos está apagado")))
        << apagado.errores.toStdString();
    configure("ENVIAR FACTURA ELECTRONICA AUTOMATICAMENTE AL GRABAR", QStringLiteral("SI"));
    const QStringList numeros = filas(
        S("select first 3 NDPR_NUMERO from NOTAS_DEBITO_PROVEEDOR where PREF_PRE = '0000' and "
          "coalesce(NDPR_NRONDE, '') = '' and NDPR_ANULADO = 'N' order by NDPR_NUMERO"));
    ASSERT_EQ(numeros.size(), 3);
    const auto envie = [this](const QString& desde, const QString& hasta) {
        return corra({QStringLiteral("soportes"), QStringLiteral("--documento"),
                      QStringLiteral("cargos"), QStringLiteral("--prefijo"), QStringLiteral("0000"),
                      QStringLiteral("--desde"), desde, QStringLiteral("--hasta"), hasta});
    };
    {
        prueba::ServicioLocal local;
        ASSERT_FALSE(local.url().isEmpty());
        configure("URL WEBSERVICE FACTURA ELECTRONICA", local.url());
        const Corrida r = envie(numeros[0], numeros[1]);
        EXPECT_EQ(r.codigo, 0) << r.errores.toStdString();
        EXPECT_TRUE(
            r.salida.contains(S("soportes: 2 cargos de la serie 0000 enviados, 0 con error")))
            << r.salida.toStdString();
        EXPECT_EQ(r.errores.count(S("Enviando cargo 0000")), 2) << r.errores.toStdString();
    }
    {
        prueba::ServicioLocal rechazo(QStringLiteral("rechazo"));
        configure("URL WEBSERVICE FACTURA ELECTRONICA", rechazo.url());
        const Corrida r = envie(numeros[0], numeros[2]);
        EXPECT_EQ(r.codigo, 1);
        EXPECT_TRUE(r.errores.contains(S("Error: Error enviando documento soporte electrónico:")))
            << r.errores.toStdString();
        EXPECT_TRUE(r.errores.contains(S("0 cargos de la serie 0000 enviados, 1 con error")))
            << r.errores.toStdString();
    }
    EXPECT_EQ(filas(S("select count(*) from NOTAS_DEBITO_PROVEEDOR where PREF_PRE = '0000' and "
                      "NDPR_NUMERO in ('%1', '%2') and char_length(NDPR_NRONDE) = 96")
                        .arg(numeros[0], numeros[1])),
              QStringList{QStringLiteral("2")});
}

TEST_F(TareasTest, RecalculationRepairsABalanceChangedByHandAndListsItInTheCsv) {
    const QStringList doc =
        filas(S("select first 1 MVPR_TIPOREF, MVPR_IDREF, MVPR_NUMERO, TERC_NIT from "
                "MOVIMIENTO_PROVEEDOR where MVPR_SALDO <> 0 order by MVPR_IDREF"));
    ASSERT_EQ(doc.size(), 1);
    const QStringList d = doc.front().split(u'|');
    ejecute(S("update MOVIMIENTO_PROVEEDOR set MVPR_SALDO = MVPR_SALDO + 7 where MVPR_TIPOREF = "
              "%1 and MVPR_IDREF = %2")
                .arg(d[0], d[1]));
    const QString csv = archivo(QStringLiteral("errores.csv"));
    const auto recalcule = [&] {
        return corra({QStringLiteral("recalculo"), QStringLiteral("--desde"), d[3],
                      QStringLiteral("--hasta"), d[3], QStringLiteral("--salida"), csv});
    };
    const Corrida r = recalcule();
    ASSERT_EQ(r.codigo, 0) << r.errores.toStdString();
    EXPECT_TRUE(r.salida.contains(S("1 documentos corregidos"))) << r.salida.toStdString();
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString contenido = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(contenido.contains(d[2]) && contenido.contains(S("Saldo guardado")))
        << contenido.toStdString();
    // Repaired once, right the second time.
    EXPECT_TRUE(recalcule().salida.contains(S("0 documentos corregidos")));
}

// The program itself, on an installation no other process has open (the
// embedded engine keeps a database to the process that opened it): exit
// codes, one summary line on stdout, progress and messages on stderr.
TEST(TareasPrograma, ExitsWithItsCodeAndSplitsStdoutFromStderr) {
    const auto inst = TestInstallation::create();
    ASSERT_TRUE(inst);
    QTemporaryDir dir(TestInstallation::scratchRoot() + QStringLiteral("/tareas-bin-XXXXXX"));
    const auto corra = [&inst](const QStringList& args) {
        QProcess p;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("LEDGRIX_DIR"), inst->dir());
        e.insert(QStringLiteral("LEDGRIX_CLAVE"), QStringLiteral("admin"));
        p.setProcessEnvironment(e);
        p.start(QStringLiteral(LEDGRIX_TAREAS),
                args + QStringList{QStringLiteral("--usuario"), QStringLiteral("ADMIN"),
                                   QStringLiteral("--compania"), QStringLiteral("001")});
        EXPECT_TRUE(p.waitForFinished(120000));
        return Corrida{p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                       QString::fromUtf8(p.readAllStandardError())};
    };
    // The demo's invoices are dated from the day it was built: a late
    // cut-off sees them all.
    const QString pdf = dir.filePath(QStringLiteral("vencimientos.pdf"));
    const Corrida bien = corra({QStringLiteral("vencimientos"), QStringLiteral("--corte"),
                                QStringLiteral("2099-12-31"), QStringLiteral("--salida"), pdf});
    EXPECT_EQ(bien.codigo, 0) << bien.errores.toStdString();
    EXPECT_TRUE(bien.salida.startsWith(QStringLiteral("vencimientos: ")))
        << bien.salida.toStdString();
    EXPECT_EQ(bien.salida.count(u'\n'), 1) << bien.salida.toStdString();
    EXPECT_TRUE(bien.errores.contains(QStringLiteral("[100%]"))) << bien.errores.toStdString();
    EXPECT_TRUE(texto_pdf(pdf).contains(S("Transportes del Norte")))
        << texto_pdf(pdf).toStdString();

    const Corrida mal = corra({QStringLiteral("vencimientos"), QStringLiteral("--salida"), pdf});
    EXPECT_EQ(mal.codigo, 2);
    EXPECT_TRUE(mal.salida.isEmpty());
    EXPECT_TRUE(mal.errores.contains(S("Falta la opción --corte"))) << mal.errores.toStdString();
}

}  // namespace
}  // namespace ledgrix::test
