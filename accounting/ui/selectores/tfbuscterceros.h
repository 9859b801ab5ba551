#pragma once

#include "core/ui/selectores/tfbusclista.h"

namespace ledgrix {

class SelectorTerceros;

// The third-party chooser: a search box over NITs and names. Enter or a
// double click end it with 1 and the line chosen in the selector, Esc with 0.
class Tfbuscterceros : public Tfbusclista {
    Q_OBJECT
public:
    Tfbuscterceros(SelectorTerceros& selector, QWidget* parent = nullptr);
};

}  // namespace ledgrix
