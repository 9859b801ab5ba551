#include "app/ui/programa.h"

#include <exception>

namespace ledgrix {

bool Programa::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (noManejada_) noManejada_(receiver, QString::fromUtf8(e.what()));
    } catch (...) {
        if (noManejada_) noManejada_(receiver, QStringLiteral("Error desconocido"));
    }
    return false;
}

}  // namespace ledgrix
