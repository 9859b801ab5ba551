#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "output/formatos/motor.h"

namespace ledgrix {

class ImpresionDocumento;

// How a column of a print row becomes the value of a data item.
enum class Fuente {
    Texto,     // the column as text
    Fecha,     // a date as text in the process format (yyyy/MM/dd)
    Dinero,    // amount with the currency sign
    Tasa,      // number without the sign (rates, detail amounts)
    Letras,    // amount in words with the configured currency words
    SinCeros,  // a zero-filled number as an integer ("000123" -> "123")
};

// One data item: the name a format's DAFO_DATO carries and where its value comes from.
struct ItemImpreso {
    const char* dato;
    const char* columna;
    Fuente fuente;
};

// A run of detail rows: a statement (with %1 the document type and %2 its
// id) and the items of each row. A member may print several sections one
// after the other (applied documents, then accounting lines); a detail row
// carries only its own section's items, so each format line prints what
// belongs to it.
struct SeccionDetalle {
    QString consulta;
    QList<ItemImpreso> items;
    // Rows of the document's own print procedure that carry no line (the
    // header of a document without lines) are skipped by this column.
    QString columna_linea;
};

// One window of the voucher print family: everything that tells one
// document's printing from another's. The body (ImpresionDocumento) reads the
// print row, the detail sections and the void flag, builds the header map
// from `items` plus the items every member prints (company, user, audit,
// number without zeros) and lays it out with the document's format.
struct MiembroImpresion {
    QString ventana;        // window class
    QString caption;        // window title
    int tipo = 0;           // TIDO_COD of the document and of its formats
    QString procedimiento;  // print procedure, called with the id
    QString tabla;          // the document's table
    QString columna_id;
    QString columna_anulado;       // "S" = void
    QString columna_autorizacion;  // numbering authorisation; empty = none
    QString titulo_reporte;        // followed by prefix and number
    QString titulo_trabajo;
    QString nombre_pdf;              // file name before prefix and number
    QString aviso;                   // text of the window's panel
    bool documento_soporte = false;  // electronic support document: QR item and sending on opening
    bool cortes_y_justificacion = false;
    QList<ItemImpreso> items;
    QList<SeccionDetalle> detalle;
    // Items computed from the whole document (totals over its lines...).
    std::function<void(const ImpresionDocumento&, DatosImpresos&)> complemento;
};

// The members, one per window.
const MiembroImpresion& impresion_cargo();       // Tfimprnotadbp, 51
const MiembroImpresion& impresion_descuento();   // Tfimprnotacrp, 52
const MiembroImpresion& impresion_aplicacion();  // Tfimpraplicacionp, 53
const MiembroImpresion& impresion_anticipo();    // Tfimpranticipoprv, 55
const MiembroImpresion& impresion_credito();     // Tfimprcausacred, 57
const MiembroImpresion& impresion_egreso();      // Tfimpregreso, 62
// The member printing a document type; nullptr for a type without one.
const MiembroImpresion* impresion_de_tipo(int tipo);

}  // namespace ledgrix
