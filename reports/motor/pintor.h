#pragma once

#include <QHash>
#include <QString>

#include "reports/motor/maqueta.h"

class QPrinter;

namespace ledgrix {

class FuenteReporte;

// What the window set on a report, as the painter reads it.
struct Ajustes {
    QHash<QString, QString> parametros;
    QHash<QString, QString> textos;
};

// Paints the pages of `maqueta` (the printer's page range when it has one)
// on a printer whose origin is the paper's corner. False with a message when
// the printer cannot be started.
bool pinte(QPrinter& printer, const DefinicionReporte& def, const Maqueta& maqueta,
           const Ajustes& ajustes, const FuenteReporte& fuente, QString* error);

// A value as the report prints it: amounts in the installation's format,
// dates dd/MM/yyyy, nulls empty.
QString texto_valor(const QVariant& v, FormatoValor formato, int decimales);

}  // namespace ledgrix
