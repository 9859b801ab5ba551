#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <functional>

#include "core/money/currency.h"
#include "output/formatos/formato.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace ledgrix {

// The value a print window supplies for one data name.
struct ValorImpreso {
    enum class Clase {
        Texto,   // printed left-aligned from X (cut by DAFO_INI/DAFO_LONG)
        Dinero,  // number with the currency sign, right-aligned ending at X
        Numero,  // number without the sign (rates, detail amounts), right-aligned
        Imagen,  // picture (the QR code) drawn with its top-left corner at the position
    };
    Clase clase = Clase::Texto;
    QString texto;
    Currency numero;
    QImage imagen;

    static ValorImpreso Texto(const QString& t) { return {Clase::Texto, t, {}, {}}; }
    static ValorImpreso Dinero(Currency c) { return {Clase::Dinero, {}, c, {}}; }
    static ValorImpreso Numero(Currency c) { return {Clase::Numero, {}, c, {}}; }
    static ValorImpreso Imagen(const QImage& i) { return {Clase::Imagen, {}, {}, i}; }
};

// Data name -> value. A name the format uses but the map lacks prints nothing.
using DatosImpresos = QHash<QString, ValorImpreso>;

// What one print job lays out.
struct DocumentoImpreso {
    DatosImpresos encabezado;      // header items, printed once per page
    QList<DatosImpresos> detalle;  // detail rows, in order
    bool anulado = false;          // void: the void picture goes under the header
    QString directorio;            // installation directory holding "anulado.bmp"
    QByteArray logo;               // company logo for "LOGO COMPANIA"
    QString titulo;                // job / PDF title
    // Payment vouchers only: text items honour DAFO_CORTARPALABRAS and
    // DAFO_JUSTIFICA; other vouchers cut and align as every item.
    bool cortes_y_justificacion = false;
};

// Lays out documents with a print format on the 1500 x 2000 page grid.
//
// Page rule: detail line numbers start at 1 on the first page and at 0 on the
// next ones; a line prints while its number is below FORM_NROITEMS; reaching
// it starts a new page (header repeated) when FORM_PAGINAS is "S", otherwise
// the remaining lines are left out. "NUMERO PAGINA" is filled with the page
// number when the window does not supply it.
class MotorFormato {
  public:
    explicit MotorFormato(const Formato& formato);

    // Output settings before a job: the format's printer when it is named,
    // installed and `forzar_impresora` (no options dialog); the paper size
    // when both sizes are given. Answers whether the printer was set by name.
    bool prepare_impresora(QPrinter& impresora, bool forzar_impresora) const;

    // Lays the document out on a device (a QPrinter ready to print, a
    // QPdfWriter...). The page size must be set already. Answers the pages
    // printed, 0 when the painter could not start.
    int imprima(QPagedPaintDevice& dispositivo, const DocumentoImpreso& doc) const;

    // Writes the document to a PDF file with the format's paper size (letter
    // when none). Answers the pages written, 0 when the file could not be opened.
    int imprima_pdf(const QString& ruta, const DocumentoImpreso& doc) const;

    // --- Pieces of the layout, public for the maintenance windows and tests.

    // The text of an item as printed: cut, number formatted; empty = nothing.
    QString texto_de(const DatoFormato& dato, const ValorImpreso& valor,
                     bool cortes_y_justificacion) const;
    // Detail rows per page: how the rows are split (row indexes per page) and
    // the line number of each; pure arithmetic of the page rule.
    struct LineaPagina {
        int fila;
        int numero;
    };
    QList<QList<LineaPagina>> paginacion(int filas) const;

    const Formato& formato() const { return formato_; }

  private:
    void pagina(QPainter& p, const DocumentoImpreso& doc, int nro_pagina,
                const QList<LineaPagina>& lineas) const;

    Formato formato_;
};

// Text cut to `largo` characters starting at character `ini` (1-based); a
// `largo` of 0 keeps the whole text. With `sin_partir` the piece never ends
// inside a word: it shrinks to the last blank inside it (or grows to the end
// of the word when the piece holds a single word).
QString corte_texto(const QString& texto, int ini, int largo, bool sin_partir = false);
// Text widened to `largo` characters by spreading blanks at its blanks.
QString texto_justificado(const QString& texto, int largo);
// Number with `decimales` decimals and thousands separators, "$ " in front for money.
QString numero_impreso(Currency valor, int decimales, bool con_signo);

}  // namespace ledgrix
