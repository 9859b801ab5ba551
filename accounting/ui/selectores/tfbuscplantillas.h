#pragma once

#include "core/ui/selectores/tfbusclista.h"

namespace ledgrix {

class SelectorPlantillas;

// The template chooser: the templates of one voucher type and a search box.
// Enter or a double click end it with 1 and the line chosen in the selector,
// Esc with 0.
class Tfbuscplantillas : public Tfbusclista {
    Q_OBJECT
public:
    Tfbuscplantillas(SelectorPlantillas& selector, QWidget* parent = nullptr);
};

}  // namespace ledgrix
