#pragma once

#include <QStringList>
#include <optional>

namespace ledgrix {

// Headings of the five aging columns (CORRIENTE, CERO, TREINTA, SESENTA,
// NOVENTA) for a bucket width in days. Analysing by days to fall due, the
// first column holds what is already overdue. Nothing for a width that is not
// a positive whole number of days.
std::optional<QStringList> encabezados_tramos(const QString& ancho, bool por_vencer);

}  // namespace ledgrix
