#pragma once

#include <QString>
#include <functional>

class QBoxLayout;
class QObject;
class QPushButton;
class QWidget;

namespace ledgrix {

// A button captioned with its key ("F2: Grabar"), added to `fila`: a click
// does what the key does, and the button never takes the cursor from the box
// being typed in. `contexto` ends the connection with its owner.
QPushButton* boton_tecla(QWidget* padre, QBoxLayout* fila, const QString& texto, QObject* contexto,
                         std::function<void()> accion);

}  // namespace ledgrix
