#pragma once

#include "core/ui/selectores/tfbusclista.h"

namespace ledgrix {

class SelectorCentros;

// The cost-centre picker: project, centre and sub-centre with their names and
// a search box. Enter or a double click ends it with the line's result code
// (SelectorCentros::resultado), Esc with 0.
class Tfbusccentros : public Tfbusclista {
    Q_OBJECT
public:
    Tfbusccentros(SelectorCentros& selector, QWidget* parent = nullptr);
};

}  // namespace ledgrix
