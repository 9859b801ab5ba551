#pragma once

#include <QList>
#include <QString>

#include "maintenance/importacion/formato_importacion.h"

namespace ledgrix::importacion {

// How an item's value is read from the file and what the record holds:
// Texto and Codigo a QString (a code has no spaces inside), Nit a QString of
// digits without its check digit, Fecha a QDate, Monto qint64
// ten-thousandths, Entero an int, Moneda a QString of three capital letters
// (the currency's symbol, "COP", "USD").
enum class TipoDato { Texto, Nit, Codigo, Fecha, Monto, Entero, Moneda };

// The data items a kind brings, in the order the file usually holds them:
// the layout proposed when none is stored (column = position, width 0,
// every item imported).
QList<ColumnaDato> datos_de(Clase clase);

// The item's name for people, in the wizard's grid ("NIT", "Nombre", ...);
// an unknown item answers its own name.
QString descripcion(const QString& dato);

// How the item is read; unknown items are plain text.
TipoDato tipo_de(const QString& dato);

// The item named in a sentence, with its article: "el NIT", "la fecha".
QString nombrado(const QString& dato);

// Longest text the database column behind the item takes; 0 for items that
// are not stored as text.
int largo_maximo(const QString& dato);

// Whether the kind brings the item.
bool es_de(Clase clase, const QString& dato);

// Items a line of the kind cannot do without.
QStringList requeridos(Clase clase);
bool es_requerido(Clase clase, const QString& dato);

}  // namespace ledgrix::importacion
