#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace ledgrix {

class Tfdm;

// The reason memo shown before a document is annulled or deleted, modal as
// "Tfrazonanulacion": the text typed, nullopt when the user gave up.
std::optional<QString> pida_razon_anulacion(Tfdm& dm, QWidget* parent);

}  // namespace ledgrix
