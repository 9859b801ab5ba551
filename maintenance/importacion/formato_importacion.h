#pragma once

#include <QChar>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include "core/money/formato_numero.h"

namespace ledgrix::importacion {

// What a file brings; the layout code stored in IMPORTACION_INVENTARIO is
// the kind's position in the wizard's list plus 14.
enum class Clase { Proveedores = 14, Grupos = 15, SaldosIniciales = 16 };

enum class TipoArchivo { Delimitado, AnchoFijo };

// How the file is written, as the user described it in the wizard's second
// step. Nothing about the file is guessed: a value that does not read under
// these choices refuses its line.
struct FormatoArchivo {
    TipoArchivo tipo = TipoArchivo::Delimitado;
    QChar separador = QLatin1Char(',');              // ',', ';' or '\t'
    QChar delimitador;                               // null (none), '"' or '\''
    bool encabezado = false;                         // the first line names the columns
    QString codificacion = QStringLiteral("UTF-8");  // or "ISO-8859-1", "Windows-1252"
    FormatoNumero numeros;                           // the installation's unless chosen
    QString orden_fecha = QStringLiteral("DMA");     // "DMA", "AMD" or "MDA"
};

// One data item of the layout: where it is and whether it is imported.
struct ColumnaDato {
    QString dato;     // "TERC_NIT", "MONTO", ...
    int columna = 0;  // from 1
    int ancho = 0;    // fixed-width files
    bool importar = true;
};

// A line of the file cut into its columns (column n at index n-1).
struct Linea {
    qint64 numero = 0;  // from 1, counting every line of the file
    QStringList columnas;
};

// A line read into typed values keyed by data item: QString for texts and
// codes, QDate for dates, amounts as qint64 ten-thousandths
// (Currency::units() / Currency::fromUnits), int for whole numbers. Items not imported or
// empty in the file are absent, except numeric items, which read "0".
struct Registro {
    qint64 linea = 0;
    QHash<QString, QVariant> valores;
};

// A line that is not imported and why, in Spanish, for the result report.
struct Rechazo {
    qint64 linea = 0;
    QString motivo;
};

}  // namespace ledgrix::importacion
