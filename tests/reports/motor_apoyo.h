#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QVariant>
#include <vector>

#include "core/data/field.h"
#include "reports/motor/fuente.h"

namespace ledgrix::prueba {

// Rows built by the test, as a report procedure's dataset would hold them.
class FuenteMemoria : public FuenteReporte {
  public:
    explicit FuenteMemoria(QStringList columnas) : columnas_(std::move(columnas)) {}
    void agregue(QVariantList fila) { filas_.push_back(std::move(fila)); }
    int filas() const override { return static_cast<int>(filas_.size()); }
    int columna(const QString& nombre) const override {
        for (int i = 0; i < columnas_.size(); ++i)
            if (columnas_[i].compare(nombre, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    QVariant valor(int fila, int columna) const override {
        return filas_[static_cast<size_t>(fila)].value(columna);
    }

  private:
    QStringList columnas_;
    std::vector<QVariantList> filas_;
};

inline QVariant monto(const char* texto) {
    return QVariant::fromValue(Currency::fromText(QString::fromLatin1(texto)));
}

inline QString carpeta_temporal() {
    const QString raiz = qEnvironmentVariable("LEDGRIX_TEST_TMP", QDir::tempPath());
    QDir().mkpath(raiz);
    return raiz;
}

// The pages of a PDF as pdftotext lays them out, one text per page.
inline QStringList paginas_pdf(const QString& ruta) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ruta, QStringLiteral("-")});
    p.waitForFinished(60000);
    QStringList paginas = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!paginas.isEmpty() && paginas.last().trimmed().isEmpty())
        paginas.removeLast();
    return paginas;
}

// A printed PDF's text against the stored one in tests/reports/golden/:
// lines trimmed, runs of blanks as two, blank lines dropped, so that a
// column nudged by a point does not count. LEDGRIX_GOLDEN_WRITE=1 writes
// the stored text again.
inline ::testing::AssertionResult como_el_dorado(const QString& pdf, const QString& nombre) {
    QStringList lineas;
    for (const QString& pagina : paginas_pdf(pdf))
        for (const QString& l : pagina.split(QLatin1Char('\n')))
            if (!l.trimmed().isEmpty())
                lineas << l.trimmed().replace(QRegularExpression(QStringLiteral(" {2,}")),
                                              QStringLiteral("  "));
    const QString obtenido = lineas.join(QLatin1Char('\n')) + QLatin1Char('\n');
    QFile f(QStringLiteral(LEDGRIX_DB_DIR "/../tests/reports/golden/") + nombre);
    if (qEnvironmentVariable("LEDGRIX_GOLDEN_WRITE") == u"1") {
        if (!f.open(QIODevice::WriteOnly))
            return ::testing::AssertionFailure() << "no se pudo escribir " << nombre.toStdString();
        f.write(obtenido.toUtf8());
        f.close();
    }
    if (!f.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure() << "no existe " << f.fileName().toStdString();
    const QString guardado = QString::fromUtf8(f.readAll());
    if (obtenido == guardado)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << nombre.toStdString() << " difiere; impreso:\n"
                                         << obtenido.toStdString();
}

}  // namespace ledgrix::prueba
