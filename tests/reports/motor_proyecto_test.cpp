// Report projects: what a technician's mistake in the file reads like, and
// the layouts shipped with the program printing the columns the report
// procedures answer.
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>

#include "reports/motor/proyecto.h"
#include "reports/motor/reporte.h"
#include "reports/motor/ubicacion.h"
#include "tests/reports/motor_apoyo.h"
#include "tests/support/qt_printers.h"

namespace ledgrix {
namespace {

using prueba::monto;

QByteArray con_bandas(const char* bandas) {
    return QByteArray(R"({"reportes": [{"nombre": "detallado", "bandas": [)") + bandas + "]}]}";
}

TEST(ProyectoReporte, LosErroresDelArchivoDicenDondeYQue) {
    const struct {
        QByteArray json;
        QString dice;
    } casos[] = {
        {R"({"reportes": [ {"nombre": "detallado",
              "bandas": [}]})",
         QStringLiteral("en la línea 2")},
        {con_bandas(R"({"nombre": "detalle", "tipo": "detalle", "alto": 5, "elementos": [
              {"tipo": "campo", "columna": "NIT", "x": 0, "anch": 20, "alto": 4}]})"),
         QStringLiteral("banda 1 «detalle», elemento 1: la clave «anch» no se conoce")},
        {con_bandas(R"({"nombre": "detalle", "tipo": "detail", "alto": 5})"),
         QStringLiteral("«tipo» vale «detail»; se admite detalle, encabezado_grupo")},
        {con_bandas(
             R"({"nombre": "totalgrupo", "tipo": "pie_grupo", "grupo": "grupo", "alto": 5})"),
         QStringLiteral("cierra el grupo «grupo», que no es una banda encabezado_grupo anterior")},
        {con_bandas(R"({"nombre": "grupo", "tipo": "encabezado_grupo", "alto": 5})"),
         QStringLiteral("banda 1 «grupo»: falta «campo»")},
        {con_bandas(R"({"nombre": "detalle", "tipo": "detalle", "alto": 500})"),
         QStringLiteral("la banda «detalle» no cabe en la página")},
        {con_bandas(R"({"nombre": "detalle", "tipo": "detalle", "alto": 5, "elementos": [
              {"tipo": "suma", "columna": "SALDO", "ancho": 20, "alto": 4}]})"),
         QStringLiteral("una suma o cuenta no va en la banda de detalle")},
        {con_bandas(R"({"nombre": "detalle", "tipo": "detalle", "alto": "5"})"),
         QStringLiteral("«alto» debe ser un número")},
    };
    for (const auto& c : casos) {
        QString error;
        EXPECT_FALSE(
            ProyectoReporte::de_texto(c.json, QStringLiteral("repoanalisis.lrep"), &error));
        EXPECT_TRUE(error.contains(QStringLiteral("repoanalisis.lrep"))) << error.toStdString();
        EXPECT_TRUE(error.contains(c.dice)) << error.toStdString();
    }
}

TEST(ProyectoReporte, ReporteDesconocidoYColumnaQueNoVieneEnLosDatos) {
    QString error;
    const auto p = ProyectoReporte::de_texto(
        con_bandas(R"({"nombre": "detalle", "tipo": "detalle", "alto": 5, "elementos": [
            {"tipo": "campo", "columna": "SALDOX", "ancho": 20, "alto": 4}]})"),
        QStringLiteral("repcxpcondet.lrep"), &error);
    ASSERT_TRUE(p) << error.toStdString();
    Reporte desconocido(*p, QStringLiteral("mensual"));
    EXPECT_FALSE(desconocido.valido());
    EXPECT_EQ(
        desconocido.error(),
        QStringLiteral("El archivo de reporte repcxpcondet.lrep no tiene el reporte «mensual»; "
                       "trae: detallado."));

    prueba::FuenteMemoria filas({"SALDO"});
    filas.agregue({monto("1")});
    Reporte r(*p, QStringLiteral("detallado"));
    r.datos(filas);
    const QTemporaryDir dir(prueba::carpeta_temporal() + QStringLiteral("/motor-XXXXXX"));
    EXPECT_FALSE(r.escriba_pdf(dir.filePath(QStringLiteral("r.pdf"))));
    EXPECT_TRUE(
        r.error().contains(QStringLiteral("la columna «SALDOX», que no viene en los datos")))
        << r.error().toStdString();
}

// The columns each report procedure answers, two rows in two groups.
prueba::FuenteMemoria filas_de(const QString& proyecto) {
    QStringList columnas = {"NIT",     "NOMBRE",   "TELEFONO", "CIUDAD",  "CODZONA",   "NOMZONA",
                            "GRUPO",   "NOMGRUPO", "CODCIUD",  "NOMCIUD", "TIPONOM",   "PREFIJO",
                            "NUMERO",  "NUMPROV",  "FECDOC",   "VENCE",   "DIAS",      "SALDO",
                            "RTFTE",   "RTIVA",    "RTICA",    "DTOF",    "CORRIENTE", "CERO",
                            "TREINTA", "SESENTA",  "NOVENTA"};
    if (proyecto == u"repodocxprovee")
        columnas = {"PREF",   "NUMERO", "FECHA",    "VENCE",      "CONCEPTO",   "NIT",
                    "NOMBRE", "MONTO",  "IVAMONTO", "RTFTEMONTO", "RTIVAMONTO", "RTICAMONTO",
                    "TOTAL",  "NETO",   "ANULADO",  "ITEM",       "TIPODOC",    "PREFDOC",
                    "NUMDOC", "ABONO",  "CODZONA",  "NOMZONA",    "CODCIUD",    "NOMCIUD"};
    prueba::FuenteMemoria f(columnas);
    for (int i = 0; i < 2; ++i) {
        QVariantList fila;
        for (const QString& c : columnas) {
            if (c.startsWith(u"FEC") || c == u"VENCE")
                fila << QDate(2024, 1, 31);
            else if (c == u"CODZONA" || c == u"GRUPO" || c == u"CODCIUD")
                fila << QStringLiteral("G%1").arg(i);
            else if (c == u"NOMBRE" || c == u"NIT" || c.startsWith(u"NOM") || c == u"TELEFONO" ||
                     c == u"CIUDAD" || c.startsWith(u"PREF") || c.startsWith(u"NUM") ||
                     c == u"CONCEPTO" || c == u"ANULADO" || c.startsWith(u"TIPO"))
                fila << QStringLiteral("%1-%2").arg(c).arg(i);
            else if (c == u"DIAS" || c == u"ITEM")
                fila << qint64(45);
            else
                fila << monto("1234567.89");
        }
        f.agregue(fila);
    }
    return f;
}

TEST(ReportesIncluidos, ImprimenLasColumnasDeSusProcedimientos) {
    const QTemporaryDir instalacion(prueba::carpeta_temporal() + QStringLiteral("/motor-XXXXXX"));
    const struct {
        const char* proyecto;
        QStringList grupos;
    } casos[] = {{"repcxpcondet", {"grupo"}},
                 {"repoanalisis", {"grupo"}},
                 {"repodocxprovee", {"grupo", "ciudad"}}};
    for (const auto& c : casos) {
        const QString nombre = QString::fromLatin1(c.proyecto);
        QString error;
        const auto p = cargue_proyecto(instalacion.path(), nombre, &error);
        ASSERT_TRUE(p) << error.toStdString();
        EXPECT_EQ(p->reportes(), (QStringList{"consolidado", "detallado"}));
        const prueba::FuenteMemoria filas = filas_de(nombre);
        for (const QString& reporte : p->reportes()) {
            for (const bool agrupado : {true, false}) {
                SCOPED_TRACE((nombre + QLatin1Char(' ') + reporte).toStdString());
                Reporte r(*p, reporte);
                r.datos(filas);
                r.parametro(QStringLiteral("nomcia"), QStringLiteral("Comercializadora Andina"));
                for (const QString& g : c.grupos) {
                    if (!agrupado) {
                        r.suprima_banda(g);
                        r.suprima_banda(QStringLiteral("total") + g);
                    }
                }
                const QString pdf = instalacion.filePath(nombre + reporte + QStringLiteral(".pdf"));
                ASSERT_TRUE(r.escriba_pdf(pdf)) << r.error().toStdString();
                const QStringList paginas = prueba::paginas_pdf(pdf);
                ASSERT_EQ(paginas.size(), 1);
                const QString& t = paginas[0];
                EXPECT_TRUE(t.contains(QStringLiteral("Comercializadora Andina")));
                EXPECT_TRUE(t.contains(QStringLiteral("Página 1 de 1")));
                EXPECT_TRUE(t.contains(QStringLiteral("1.234.567,89")));
                EXPECT_TRUE(t.contains(QStringLiteral("2.469.135,78")));  // two rows
                EXPECT_TRUE(t.contains(QStringLiteral("NOMBRE-1")));
                EXPECT_EQ(t.contains(QStringLiteral("Total grupo G0")), agrupado)
                    << t.toStdString();
                EXPECT_EQ(t.contains(QStringLiteral("Grupo: G1")), agrupado);
            }
        }
    }
}

TEST(ReportesIncluidos, LaCopiaDeLaInstalacionManda) {
    const QTemporaryDir instalacion(prueba::carpeta_temporal() + QStringLiteral("/motor-XXXXXX"));
    const QString ruta = ruta_proyecto(instalacion.path(), QStringLiteral("repoanalisis"));
    EXPECT_EQ(ruta, instalacion.path() + QStringLiteral("/cxpagar/reportes/repoanalisis.lrep"));
    QDir().mkpath(QFileInfo(ruta).path());
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"({"reportes": [{"nombre": "propio", "bandas": []}]})");
    f.close();
    QString error;
    const auto p = cargue_proyecto(instalacion.path(), QStringLiteral("repoanalisis"), &error);
    ASSERT_TRUE(p) << error.toStdString();
    EXPECT_EQ(p->reportes(), QStringList{QStringLiteral("propio")});
    EXPECT_FALSE(cargue_proyecto(instalacion.path(), QStringLiteral("noexiste"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("noexiste.lrep"))) << error.toStdString();
}

}  // namespace
}  // namespace ledgrix
