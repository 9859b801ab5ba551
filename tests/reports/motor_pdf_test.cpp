// Reports rendered to PDF and read back with pdftotext: grouping, totals by
// group, page and report, page numbering over several pages, parameters,
// replaced texts, suppressed bands and the installation's number format.
#include <gtest/gtest.h>

#include <QDate>
#include <QRegularExpression>

#include "core/money/formato_numero.h"
#include "reports/motor/proyecto.h"
#include "reports/motor/reporte.h"
#include "tests/reports/motor_apoyo.h"
#include "tests/support/qt_printers.h"

namespace ledgrix {
namespace {

using prueba::monto;

// A small page so that thirty rows take several pages.
const char* kProyecto = R"({
  "parametros": {"nomcia": "", "usuario": ""},
  "reportes": [{
    "nombre": "detallado",
    "pagina": {"ancho": 150, "alto": 110, "margenes": {"izquierdo": 10, "superior": 10, "derecho": 10, "inferior": 10}},
    "fuente": {"tamano": 8},
    "bandas": [
      {"nombre": "titulo", "tipo": "encabezado_reporte", "alto": 8, "elementos": [
        {"tipo": "texto", "x": 0, "y": 0, "ancho": 130, "alto": 6, "texto": "RELACION DE PRUEBA", "alineacion": "centro"}]},
      {"nombre": "encabezado", "tipo": "encabezado_pagina", "alto": 12, "elementos": [
        {"tipo": "texto", "x": 0, "y": 0, "ancho": 80, "alto": 5, "texto": "{nomcia}"},
        {"tipo": "texto", "x": 80, "y": 0, "ancho": 50, "alto": 5, "texto": "Usuario: {usuario}"},
        {"tipo": "texto", "nombre": "col_saldo", "x": 100, "y": 6, "ancho": 30, "alto": 5, "texto": "Saldo"},
        {"tipo": "linea", "x": 0, "y": 11.5, "ancho": 130, "alto": 0}]},
      {"nombre": "grupo", "tipo": "encabezado_grupo", "campo": "ZONA", "alto": 6, "elementos": [
        {"tipo": "texto", "x": 0, "y": 1, "ancho": 130, "alto": 5, "texto": "Zona {ZONA}"}]},
      {"nombre": "detalle", "tipo": "detalle", "alto": 5, "elementos": [
        {"tipo": "campo", "columna": "NIT", "x": 0, "y": 0, "ancho": 20, "alto": 5},
        {"tipo": "campo", "columna": "NOMBRE", "x": 22, "y": 0, "ancho": 50, "alto": 5},
        {"tipo": "campo", "columna": "FECHA", "formato": "fecha", "x": 74, "y": 0, "ancho": 24, "alto": 5},
        {"tipo": "campo", "columna": "SALDO", "formato": "monto", "x": 100, "y": 0, "ancho": 30, "alto": 5}]},
      {"nombre": "totalgrupo", "tipo": "pie_grupo", "grupo": "grupo", "alto": 6, "elementos": [
        {"tipo": "texto", "x": 0, "y": 0, "ancho": 40, "alto": 5, "texto": "Total zona {ZONA}"},
        {"tipo": "texto", "x": 40, "y": 0, "ancho": 25, "alto": 5, "texto": "Documentos:"},
        {"tipo": "cuenta", "x": 65, "y": 0, "ancho": 10, "alto": 5},
        {"tipo": "suma", "columna": "SALDO", "x": 100, "y": 0, "ancho": 30, "alto": 5}]},
      {"nombre": "pie", "tipo": "pie_pagina", "alto": 10, "elementos": [
        {"tipo": "texto", "x": 0, "y": 0, "ancho": 40, "alto": 5, "texto": "Total página"},
        {"tipo": "suma", "columna": "SALDO", "x": 100, "y": 0, "ancho": 30, "alto": 5},
        {"tipo": "texto", "x": 80, "y": 5, "ancho": 50, "alto": 5, "texto": "Página {pagina} de {paginas}", "alineacion": "derecha"}]},
      {"nombre": "resumen", "tipo": "resumen", "alto": 6, "elementos": [
        {"tipo": "texto", "x": 0, "y": 0, "ancho": 40, "alto": 5, "texto": "Total general"},
        {"tipo": "suma", "columna": "SALDO", "x": 100, "y": 0, "ancho": 30, "alto": 5}]}
    ]}]})";

const QString kNombreLargo =
    QStringLiteral("Distribuidora de Insumos Agroindustriales del Magdalena Medio Ltda.");

class ReporteEnPdf : public ::testing::Test {
  protected:
    ReporteEnPdf() : filas_({"ZONA", "NIT", "NOMBRE", "FECHA", "SALDO"}) {
        // Zone A: 21 rows, so that its footer leaves room on page 2 for the
        // heading of zone B but not for its first row; zone B: 9 rows.
        for (int i = 0; i < 30; ++i) {
            const Currency saldo = i == 3 ? Currency::fromText(QStringLiteral("1234567.89"))
                                          : Currency::fromUnits(1000'2500LL * (i + 1));
            filas_.agregue({i < 21 ? "A" : "B", QStringLiteral("90000%1").arg(i, 4, 10, QChar('0')),
                            i == 5 ? kNombreLargo : QStringLiteral("Proveedor %1").arg(i),
                            QDate(2024, 3, 5).addDays(i), QVariant::fromValue(saldo)});
            (i < 21 ? zona_a_ : zona_b_) += saldo;
        }
        proyecto_ = ProyectoReporte::de_texto(kProyecto, QStringLiteral("prueba.lrep"), &error_);
    }

    QStringList paginas(Reporte& r) {
        r.datos(filas_);
        r.parametro(QStringLiteral("nomcia"), QStringLiteral("Comercializadora Andina S.A.S."));
        r.parametro(QStringLiteral("usuario"), QStringLiteral("ADMIN"));
        const QString ruta = dir_.filePath(QStringLiteral("r.pdf"));
        EXPECT_TRUE(r.escriba_pdf(ruta)) << r.error().toStdString();
        return prueba::paginas_pdf(ruta);
    }

    static QString escrito(Currency c) { return FormatoNumero().escriba(c, 2); }

    // The amount at the end of each line that starts with `inicio`.
    static std::vector<Currency> montos(const QString& pagina, const QString& inicio) {
        std::vector<Currency> r;
        for (const QString& l : pagina.split(QLatin1Char('\n')))
            if (l.trimmed().startsWith(inicio))
                r.push_back(FormatoNumero()
                                .lea(l.split(QLatin1Char(' '), Qt::SkipEmptyParts).last())
                                .value());
        return r;
    }

    prueba::FuenteMemoria filas_;
    Currency zona_a_, zona_b_;
    QString error_;
    std::optional<ProyectoReporte> proyecto_;
    QTemporaryDir dir_{prueba::carpeta_temporal() + QStringLiteral("/motor-XXXXXX")};
};

TEST_F(ReporteEnPdf, AgrupaTotalizaYNumeraLasPaginas) {
    ASSERT_TRUE(proyecto_) << error_.toStdString();
    Reporte r(*proyecto_, QStringLiteral("detallado"));
    const QStringList p = paginas(r);
    ASSERT_GE(p.size(), 3);
    Currency suma_paginas;
    int filas = 0;
    for (int i = 0; i < p.size(); ++i) {
        SCOPED_TRACE(p[i].toStdString());
        EXPECT_TRUE(p[i].contains(QStringLiteral("Página %1 de %2").arg(i + 1).arg(p.size())));
        EXPECT_TRUE(p[i].contains(QStringLiteral("Comercializadora Andina S.A.S.")));
        EXPECT_TRUE(p[i].contains(QStringLiteral("Usuario: ADMIN")));
        EXPECT_EQ(p[i].contains(QStringLiteral("RELACION DE PRUEBA")), i == 0);
        // The page total is what the page's rows add up to.
        Currency en_pagina;
        for (Currency c : montos(p[i], QStringLiteral("90000"))) {
            en_pagina += c;
            ++filas;
        }
        const std::vector<Currency> total = montos(p[i], QStringLiteral("Total página"));
        ASSERT_EQ(total.size(), 1u);
        EXPECT_EQ(total[0], en_pagina);
        suma_paginas += en_pagina;
    }
    EXPECT_EQ(filas, 30);
    const QString todo = p.join(QString());
    EXPECT_EQ(montos(todo, QStringLiteral("Total zona A")), std::vector<Currency>{zona_a_});
    EXPECT_EQ(montos(todo, QStringLiteral("Total zona B")), std::vector<Currency>{zona_b_});
    EXPECT_EQ(montos(todo, QStringLiteral("Total general")),
              std::vector<Currency>{zona_a_ + zona_b_});
    EXPECT_EQ(suma_paginas, zona_a_ + zona_b_);
    EXPECT_TRUE(todo.contains(QRegularExpression(QStringLiteral("Documentos:\\s+21\\b"))));
    EXPECT_TRUE(todo.contains(QRegularExpression(QStringLiteral("Documentos:\\s+9\\b"))));
    EXPECT_TRUE(todo.contains(QStringLiteral("1.234.567,89")));
    EXPECT_TRUE(todo.contains(QStringLiteral("05/03/2024")));
    // A text wider than its box is cut with an ellipsis, not run into the
    // next column.
    EXPECT_FALSE(todo.contains(kNombreLargo));
    EXPECT_TRUE(todo.contains(QStringLiteral("Distribuidora de Insumos")));
    EXPECT_TRUE(todo.contains(QChar(0x2026)));
    // A group header never ends a page: its first row follows it.
    for (const QString& pagina : p) {
        QStringList lineas = pagina.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        lineas.removeIf([](const QString& l) { return l.trimmed().isEmpty(); });
        const qsizetype pie =
            lineas.indexOf(QRegularExpression(QStringLiteral("^\\s*Total página.*")));
        ASSERT_GT(pie, 0);
        EXPECT_FALSE(lineas[pie - 1].trimmed().startsWith(QStringLiteral("Zona")));
    }
}

TEST_F(ReporteEnPdf, BandasSuprimidasYTextosDeLaVentana) {
    ASSERT_TRUE(proyecto_) << error_.toStdString();
    Reporte r(*proyecto_, QStringLiteral("detallado"));
    r.suprima_banda(QStringLiteral("grupo"));
    r.suprima_banda(QStringLiteral("totalgrupo"));
    r.texto(QStringLiteral("col_saldo"), QStringLiteral("0 - 30 dias"));
    const QString todo = paginas(r).join(QString());
    EXPECT_FALSE(todo.contains(QStringLiteral("Zona")));
    EXPECT_EQ(montos(todo, QStringLiteral("90000")).size(), 30u);
    EXPECT_EQ(montos(todo, QStringLiteral("Total general")),
              std::vector<Currency>{zona_a_ + zona_b_});
    EXPECT_TRUE(todo.contains(QStringLiteral("0 - 30 dias")));
    EXPECT_FALSE(todo.contains(QStringLiteral("Saldo")));
}

TEST_F(ReporteEnPdf, SinPieDeGrupoElEncabezadoSigueAgrupando) {
    ASSERT_TRUE(proyecto_) << error_.toStdString();
    Reporte r(*proyecto_, QStringLiteral("detallado"));
    r.suprima_banda(QStringLiteral("totalgrupo"));
    const QString todo = paginas(r).join(QString());
    EXPECT_EQ(todo.count(QRegularExpression(QStringLiteral("Zona [AB]"))), 2);
    EXPECT_FALSE(todo.contains(QStringLiteral("Total zona")));
}

}  // namespace
}  // namespace ledgrix
