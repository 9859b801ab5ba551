#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "core/tfdm/tfdm.h"

class QWidget;

namespace ledgrix {

// "Conceptos por pagar": the charge window, modal over the voucher
// ("Tfconceptospagar"), for the voucher's payee and date. A charge stored
// there comes back as a document the voucher pays (type 51); nothing when
// the user left without storing one. Discounts for the payee will be
// offered here too, beside the charge.
std::optional<DocumentoSeleccionado> abra_conceptos_por_pagar(Tfdm& dm, const QString& nit,
                                                              const QDate& fecha, QWidget* parent);

}  // namespace ledgrix
