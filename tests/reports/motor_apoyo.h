#pragma once

#include <QDir>
#include <QProcess>
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

}  // namespace ledgrix::prueba
