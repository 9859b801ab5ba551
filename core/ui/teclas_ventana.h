#pragma once

#include <functional>
#include <initializer_list>

class QEvent;

namespace ledgrix {

// The keys of a window win over its children's own use of them (F2 edits a
// grid cell, Esc closes a combo's list). Called from the event filter the
// window installs on its children: `propia` says which keys are the
// window's, `tecla` runs one. Answers whether the event was taken.
bool teclas_de_la_ventana(QEvent* event, const std::function<bool(int)>& propia,
                          const std::function<bool(int)>& tecla);
// The same for a fixed list of keys.
bool teclas_de_la_ventana(QEvent* event, std::initializer_list<int> propias,
                          const std::function<bool(int)>& tecla);

}  // namespace ledgrix
