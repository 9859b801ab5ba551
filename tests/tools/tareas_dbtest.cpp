// The unattended command line on a demo company with months of history: each
// task writes its file with the windows' own logic (the aging and the
// relation read back from the PDF and the spreadsheet, the bank file byte
// lengths, support documents sent to a local stand-in for the tax
// authority), the access option of the task's window refuses a user, bad
// arguments stop before anything runs, and the real program splits its
// output between stdout and stderr.
#include <QFile>
#include <QProcess>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>

#include "core/money/currency.h"
#include "core/money/formato_numero.h"
#include "core/services/clock.h"
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

    // The task's arguments in one line split at spaces; a word starting with
    // '@' names a file in the test's folder.
    Corrida corra(const QString& linea, const QString& usuario = QStringLiteral("ADMIN"),
                  const QString& clave = QStringLiteral("admin")) {
        QStringList args;
        for (const QString& p : linea.split(u' ', Qt::SkipEmptyParts))
            args << (p.startsWith(u'@') ? archivo(p.mid(1)) : p);
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
    const QString escrito = FormatoNumero::instalacion().escriba(saldo);

    for (const char* tarea :
         {"vencimientos @vencimientos.pdf --detalle", "vencimientos @vencimientos.xlsx",
          "relacion @relacion.pdf", "relacion @relacion.xlsx --consolidado"}) {
        SCOPED_TRACE(tarea);
        const QStringList partes = S(tarea).split(u' ');
        const QString ruta = archivo(partes[1].mid(1));
        const Corrida r = corra(S("%1 --corte 2025-11-28 --proveedor %2 --salida %3")
                                    .arg(partes[0], nit, partes.mid(1).join(u' ')));
        ASSERT_EQ(r.codigo, 0) << r.errores.toStdString();
        EXPECT_EQ(r.salida.count(u'\n'), 1) << r.salida.toStdString();
        EXPECT_TRUE(r.salida.contains(S("saldo ") + escrito)) << r.salida.toStdString();
        EXPECT_FALSE(r.errores.contains(S("Error"))) << r.errores.toStdString();
        const bool pdf = ruta.endsWith(QStringLiteral(".pdf"));
        const QString texto = pdf ? texto_pdf(ruta) : texto_xlsx(ruta);
        // Twelve letters: the PDF's font joins "fi" into one glyph.
        EXPECT_TRUE(texto.contains(nombre.left(12))) << texto.left(2000).toStdString();
        // The sheet holds the supplier's line, the PDF the report's total.
        const QString total = pdf ? escrito : S("<v>%1</v>").arg(saldo.wholePart());
        EXPECT_TRUE(texto.contains(total)) << total.toStdString() << "\n"
                                           << texto.left(3000).toStdString();
    }
}

// Bad arguments stop before logging in (code 2, the way to --help); a run
// that cannot be done fails with code 1 and says why; neither writes a
// summary or a file.
TEST_F(TareasTest, BadArgumentsStopBeforeLoggingInAndRefusalsSayWhy) {
    const QString recalculo = S("recalculo --desde 1 --hasta 9");
    const struct {
        QString args;
        int codigo;
        const char* mensaje;
        const char* usuario = "ADMIN";
        const char* clave = "admin";
    } casos[] = {
        {{}, 2, "Falta la tarea"},
        {S("vencer"), 2, "La tarea «vencer» no existe"},
        {S("relacion --salida @x.pdf"), 2, "Falta la opción --corte"},
        {S("relacion --corte 2025-13-01 --salida @x.pdf"), 2,
         "no es válida: escríbala como AAAA-MM-DD"},
        {S("relacion --corte=2025-11-28 --salida @x.txt"), 2, "debe terminar en .pdf o .xlsx"},
        {S("relacion --corte=2025-11-28 --salida @x.pdf --rango-dias 30"), 2,
         "La tarea relacion no tiene la opción --rango-dias"},
        {S("soportes --documento cargos --prefijo 0000 --desde 9 --hasta 3"), 2,
         "El rango está invertido"},
        {recalculo + S(" --clave admin"), 2, "La clave no se escribe en la línea de órdenes"},
        {recalculo, 2, "LEDGRIX_CLAVE", "ADMIN", ""},
        // The clerk may not open the recalculation window, nor run its task.
        {recalculo, 1, "Acceso no permitido. Comuníquese con el administrador del sistema.",
         "AUXILIAR", "auxiliar"},
        {recalculo, 1, "El nombre de Usuario o la clave son incorrectas.", "ADMIN", "otra"},
        {S("relacion --corte 2025-11-28 --salida @no/hay/x.pdf"), 1, "no existe"},
        {S("vencimientos --corte 2025-11-28 --moneda XYZ --salida @x.pdf"), 1,
         "la moneda «XYZ» no existe"},
        // A supplier with nothing owed: nothing to report.
        {S("relacion --corte 2025-11-28 --proveedor 1 --salida @x.pdf"), 1,
         "No hay datos para el reporte."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.args.toStdString());
        const Corrida r = corra(c.args, S(c.usuario), S(c.clave));
        EXPECT_EQ(r.codigo, c.codigo);
        EXPECT_TRUE(r.errores.contains(S(c.mensaje))) << r.errores.toStdString();
        EXPECT_EQ(r.errores.contains(QStringLiteral("--help")), c.codigo == 2);
        EXPECT_TRUE(r.salida.isEmpty()) << r.salida.toStdString();
    }
    EXPECT_FALSE(QFile::exists(archivo(QStringLiteral("x.pdf"))));

    const Corrida ayuda = corra(S("dispersion --help"));
    EXPECT_EQ(ayuda.codigo, 0);
    EXPECT_TRUE(ayuda.salida.contains(QStringLiteral("--programacion")))
        << ayuda.salida.toStdString();
}

TEST_F(TareasTest, ConfirmedScheduleWritesThePabFileAndAnUnconfirmedOneNone) {
    ejecute(
        S("update CONFIGURACION set CONF_VALOR = '800111222' where CONF_MODULO = 'CXPAGAR' and "
          "CONF_CATEGORIA = 'DOCUMENTO SOPORTE' and CONF_PROPIEDAD = 'NIT EMISOR'"));
    for (const char* cuenta : {"'07', PROV_TIPOCTA = 'A', PROV_CUENTA = '605-000111-22' where "
                               "TERC_NIT = '900123456'",
                               "'01', PROV_TIPOCTA = 'C', PROV_CUENTA = '0123456789' where "
                               "TERC_NIT = '860045678'"})
        ejecute(S("update PROVEEDORES set PROV_BANCO = ") + S(cuenta));
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
    const auto dispersion = [this](const char* numero, const char* archivo) {
        return corra(S("dispersion --programacion %1 --formato PAB --fecha 2025-12-01 --secuencia "
                       "A --salida @%2")
                         .arg(QLatin1String(numero), QLatin1String(archivo)));
    };
    const Corrida r = dispersion("71", "pab");
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

    const Corrida sin_confirmar = dispersion("0000000072", "no.txt");
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
    // Sending off: the run says so instead of sending nothing.
    for (const auto& [propiedad, valor] :
         {std::pair{"CERTIFICADO DE FIRMA", c.firma_p12},
          {"CLAVE DEL CERTIFICADO", c.clave},
          {"CERTIFICADOS DE CONFIANZA DEL SERVICIO", c.servidor_pem},
          {"PIN DEL SOFTWARE", prueba::kPin},
          {"SEGUNDOS DE ESPERA DEL SERVICIO", S("10")},
          {"ENVIAR FACTURA ELECTRONICA AUTOMATICAMENTE AL GRABAR", S("NO")}})
        configure(propiedad, valor);
    const auto envie = [this](const QString& desde, const QString& hasta) {
        return corra(S("soportes --documento cargos --prefijo 0000 --desde %1 --hasta %2")
                         .arg(desde, hasta));
    };
    const Corrida apagado = envie(QStringLiteral("1"), QStringLiteral("999999"));
    EXPECT_EQ(apagado.codigo, 1);
    EXPECT_TRUE(apagado.errores.contains(S("el envío de cargos está apagado")))
        << apagado.errores.toStdString();
    configure("ENVIAR FACTURA ELECTRONICA AUTOMATICAMENTE AL GRABAR", QStringLiteral("SI"));
    const QStringList numeros = filas(
        S("select first 3 NDPR_NUMERO from NOTAS_DEBITO_PROVEEDOR where PREF_PRE = '0000' and "
          "coalesce(NDPR_NRONDE, '') = '' and NDPR_ANULADO = 'N' order by NDPR_NUMERO"));
    ASSERT_EQ(numeros.size(), 3);
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
    const auto recalcule = [&] {
        return corra(S("recalculo --desde %1 --hasta %1 --salida @errores.csv").arg(d[3]));
    };
    const Corrida r = recalcule();
    ASSERT_EQ(r.codigo, 0) << r.errores.toStdString();
    EXPECT_TRUE(r.salida.contains(S("1 documentos corregidos"))) << r.salida.toStdString();
    QFile f(archivo(QStringLiteral("errores.csv")));
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
    const auto corra = [&inst](QStringList args) {
        QProcess p;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("LEDGRIX_DIR"), inst->dir());
        e.insert(QStringLiteral("LEDGRIX_CLAVE"), QStringLiteral("admin"));
        p.setProcessEnvironment(e);
        p.start(QStringLiteral(LEDGRIX_TAREAS),
                args << S("--usuario") << S("ADMIN") << S("--compania") << S("001"));
        EXPECT_TRUE(p.waitForFinished(120000));
        return Corrida{p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                       QString::fromUtf8(p.readAllStandardError())};
    };
    // The demo's invoices are dated from the day it was built: a late
    // cut-off sees them all.
    const QString pdf = dir.filePath(QStringLiteral("vencimientos.pdf"));
    const Corrida bien =
        corra({S("vencimientos"), S("--corte"), S("2099-12-31"), S("--salida"), pdf});
    EXPECT_EQ(bien.codigo, 0) << bien.errores.toStdString();
    EXPECT_TRUE(bien.salida.startsWith(QStringLiteral("vencimientos: ")))
        << bien.salida.toStdString();
    EXPECT_EQ(bien.salida.count(u'\n'), 1) << bien.salida.toStdString();
    EXPECT_TRUE(bien.errores.contains(QStringLiteral("[100%]"))) << bien.errores.toStdString();
    EXPECT_TRUE(texto_pdf(pdf).contains(S("Transportes del Norte")))
        << texto_pdf(pdf).toStdString();

    const Corrida mal = corra({S("vencimientos"), S("--salida"), pdf});
    EXPECT_EQ(mal.codigo, 2);
    EXPECT_TRUE(mal.salida.isEmpty());
    EXPECT_TRUE(mal.errores.contains(S("Falta la opción --corte"))) << mal.errores.toStdString();
}

}  // namespace
}  // namespace ledgrix::test
