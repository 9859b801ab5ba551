#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace ledgrix {

class Tfdm;

// One data item of a print format (FORMATO_DATOS). Positions are on the page
// grid of 1500 units across and 2000 down.
struct DatoFormato {
    QString dato;             // DAFO_DATO: the name the print window knows
    bool imprime = true;      // DAFO_IMPRIME "S"
    int posx = 0;             // DAFO_POSX
    int posy = 0;             // DAFO_POSY
    bool repite = false;      // DAFO_REPITE "S": one per detail line
    int ini = 1;              // DAFO_INI: first character, 1-based (0 or empty read as 1)
    int largo = 0;            // DAFO_LONG: characters to print, 0 = all; side of the logo box
    QString formato;          // DAFO_FORMATO: decimals of a number, as typed
    QString font;             // DAFO_FONT, empty = the format's
    int fsize = 0;            // DAFO_FSIZE, 0 = the format's
    bool liquida = false;     // DAFO_LIQUIDA "S": kept out of the detail section
    bool posyvar = false;     // DAFO_POSYVAR (stored, not used in layout)
    int item = 0;             // DAFO_ITEM
    QString cortar_palabras;  // DAFO_CORTARPALABRAS: "N" = a cut never splits a word
    QString justifica;        // DAFO_JUSTIFICA: "D" right, "A" widened, other left

    // Decimals of a numeric item: the whole number in DAFO_FORMATO, else 2.
    int decimales() const;
};

// A fixed text or drawing of a print format (FORMATO_LINEAS).
struct LineaFormato {
    int item = 0;            // FOLI_ITEM
    QChar tipo = u'T';       // 'T' text, 'L' line, 'C' box, 'G' picture
    int posx = 0, posy = 0;  // FOLI_POSX, FOLI_POSY
    int x = 0, y = 0;        // FOLI_X, FOLI_Y: extent from the start
    QString cadena;          // FOLI_CADENA
    QString font;            // FOLI_FONT, empty = the format's
    int fsize = 0;           // FOLI_FSIZE, 0 = the format's
    bool liquida = false;    // FOLI_LIQUIDA
    QByteArray imagen;       // FOLI_IMAGEN: encoded picture (BMP, PNG, JPEG)
};

// A print format of one document type and prefix (FORMATOS) with its items
// and elements in item order.
struct Formato {
    int tido_cod = 0;
    QString pref_pre;
    QString impresora;                  // FORM_IMPRE, empty = the default printer
    int nro_items = 0;                  // FORM_NROITEMS: detail line numbers per page
    bool paginas = true;                // FORM_PAGINAS "S": overflowing lines go on new pages
    int entrelinea = 0;                 // FORM_ENTRELINEA, grid units between detail lines
    QString font;                       // FORM_FONT
    int fsize = 0;                      // FORM_FSIZE
    std::optional<double> papel_ancho;  // FORM_PAPELAN, inches
    std::optional<double> papel_alto;   // FORM_PAPELAL, inches

    QList<DatoFormato> datos;
    QList<LineaFormato> lineas;

    // Largest DAFO_POSY of the printed items: the bottom of the void picture.
    int max_posy_impresos() const;
};

// Reads the format of a document type and prefix from FORMATOS,
// FORMATO_DATOS and FORMATO_LINEAS. No format row: nullopt (the caller tells
// the user); database errors go through the module's error translation.
std::optional<Formato> cargue_formato(Tfdm& dm, int tipo, const QString& prefijo);

}  // namespace ledgrix
