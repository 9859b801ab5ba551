#pragma once

#include <QString>
#include <memory>

class QPrinter;

namespace ledgrix {

class FuenteReporte;
class ProyectoReporte;

// One report of a project laid out over a set of rows: the window sets its
// parameters ("nomcia", "titulo", "usuario"), the texts of named elements
// (column headings that depend on the criteria), the bands to leave out, and
// the rows; the engine paginates, computes group, page and report totals and
// paints the pages.
class Reporte {
  public:
    // `nombre`: "consolidado", "detallado", ... An unknown name leaves the
    // report invalid with the reason in error().
    Reporte(const ProyectoReporte& proyecto, const QString& nombre);
    ~Reporte();
    Reporte(Reporte&&) noexcept;
    Reporte& operator=(Reporte&&) noexcept;

    bool valido() const;
    QString error() const;

    void parametro(const QString& nombre, const QString& valor);
    // Replaces the text of the element of that name wherever it appears.
    void texto(const QString& elemento, const QString& texto);
    void suprima_banda(const QString& nombre);
    // The rows must outlive the printing.
    void datos(const FuenteReporte& fuente);

    // Pages the report takes on this printer's page (lays it out if needed).
    int paginas(QPrinter& printer);
    // Paints every page on the printer already set up (printer, PDF or the
    // preview's printer); false with error() when it could not.
    bool imprima(QPrinter& printer);
    // Writes a PDF file at `ruta` on the report's own page size.
    bool escriba_pdf(const QString& ruta);
    // Gives the printer the report's paper and orientation, with the origin
    // at the paper's corner (the report keeps its own margins).
    void prepare_impresora(QPrinter& printer) const;
    // The report's name, for the print job and the preview's title.
    QString nombre() const;

  private:
    struct Estado;
    std::unique_ptr<Estado> e_;
};

}  // namespace ledgrix
