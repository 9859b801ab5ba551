#include "core/ui/teclas_ventana.h"

#include <QKeyEvent>
#include <algorithm>

namespace ledgrix {

bool teclas_de_la_ventana(QEvent* event, const std::function<bool(int)>& propia,
                          const std::function<bool(int)>& tecla) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (!propia(key))
        return false;
    // Claiming the key first keeps the children's shortcuts from taking it.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return tecla(key);
}

bool teclas_de_la_ventana(QEvent* event, std::initializer_list<int> propias,
                          const std::function<bool(int)>& tecla) {
    const auto propia = [propias](int key) {
        return std::find(propias.begin(), propias.end(), key) != propias.end();
    };
    return teclas_de_la_ventana(event, propia, tecla);
}

}  // namespace ledgrix
