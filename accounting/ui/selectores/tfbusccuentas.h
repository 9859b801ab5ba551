#pragma once

#include "core/ui/selectores/tfbusclista.h"

namespace ledgrix {

class SelectorCuentas;

// The chart-of-accounts chooser: a search box over the accounts' codes and
// names. Enter or a double click end it with 1 and the line chosen in the
// selector, Esc with 0.
class Tfbusccuentas : public Tfbusclista {
    Q_OBJECT
  public:
    Tfbusccuentas(SelectorCuentas& selector, QWidget* parent = nullptr);
};

}  // namespace ledgrix
