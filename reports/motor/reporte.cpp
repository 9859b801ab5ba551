#include "reports/motor/reporte.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>

#include "reports/motor/fuente.h"
#include "reports/motor/maqueta.h"
#include "reports/motor/pintor.h"
#include "reports/motor/proyecto.h"

namespace ledgrix {

struct Reporte::Estado {
    std::optional<DefinicionReporte> def;
    QString error;
    Ajustes ajustes;
    QSet<QString> suprimidas;
    const FuenteReporte* fuente = nullptr;
    std::optional<Maqueta> maqueta;
    QSizeF papel;

    // The layout for this paper, made again only when something changed.
    bool maquete(QSizeF en_papel) {
        if (!def)
            return false;
        if (!fuente) {
            error = QStringLiteral("El reporte «%1» no recibió los datos que debe imprimir.")
                        .arg(def->nombre);
            return false;
        }
        if (maqueta && (papel - en_papel).isNull())
            return true;
        papel = en_papel;
        maqueta = ledgrix::maquete(*def, suprimidas, *fuente, papel, &error);
        return maqueta.has_value();
    }
};

namespace {

QSizeF papel_de(const QPrinter& printer) {
    return printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
}

}  // namespace

Reporte::Reporte(const ProyectoReporte& proyecto, const QString& nombre)
    : e_(std::make_unique<Estado>()) {
    if (const DefinicionReporte* d = proyecto.reporte(nombre))
        e_->def = *d;
    else
        e_->error =
            QStringLiteral("El archivo de reporte %1 no tiene el reporte «%2»; trae: %3.")
                .arg(proyecto.archivo(), nombre, proyecto.reportes().join(QStringLiteral(", ")));
}

Reporte::~Reporte() = default;
Reporte::Reporte(Reporte&&) noexcept = default;
Reporte& Reporte::operator=(Reporte&&) noexcept = default;

bool Reporte::valido() const {
    return e_->def.has_value();
}

QString Reporte::error() const {
    return e_->error;
}

QString Reporte::nombre() const {
    return e_->def ? e_->def->nombre : QString();
}

void Reporte::parametro(const QString& nombre, const QString& valor) {
    e_->ajustes.parametros.insert(nombre, valor);
}

void Reporte::texto(const QString& elemento, const QString& texto) {
    e_->ajustes.textos.insert(elemento, texto);
}

void Reporte::suprima_banda(const QString& nombre) {
    e_->suprimidas.insert(nombre);
    e_->maqueta.reset();
}

void Reporte::datos(const FuenteReporte& fuente) {
    e_->fuente = &fuente;
    e_->maqueta.reset();
}

void Reporte::prepare_impresora(QPrinter& printer) const {
    printer.setFullPage(true);
    if (!e_->def)
        return;
    printer.setPageSize(QPageSize(e_->def->papel, QPageSize::Millimeter));
    printer.setPageOrientation(e_->def->horizontal ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait);
    printer.setDocName(e_->def->nombre);
}

int Reporte::paginas(QPrinter& printer) {
    printer.setFullPage(true);
    return e_->maquete(papel_de(printer)) ? e_->maqueta->paginas() : 0;
}

bool Reporte::imprima(QPrinter& printer) {
    printer.setFullPage(true);
    if (!e_->maquete(papel_de(printer)))
        return false;
    return pinte(printer, *e_->def, *e_->maqueta, e_->ajustes, *e_->fuente, &e_->error);
}

bool Reporte::escriba_pdf(const QString& ruta) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(ruta);
    prepare_impresora(printer);
    if (!valido())
        return false;
    if (imprima(printer))
        return true;
    if (e_->maqueta)
        e_->error = QStringLiteral("No se pudo escribir el archivo PDF %1.")
                        .arg(QDir::toNativeSeparators(ruta));
    return false;
}

}  // namespace ledgrix
