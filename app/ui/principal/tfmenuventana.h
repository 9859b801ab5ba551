#pragma once

#include <QWidget>
#include <functional>

#include "app/navegacion/tabla_menu.h"

namespace ledgrix {

// One of the small menu windows: a column of buttons, each carried out by the
// main window. Its object name is its class name (Tfmenumantenimiento, ...).
// Esc closes it.
class Tfmenuventana : public QWidget {
    Q_OBJECT
public:
    using Ejecutar = std::function<void(const Destino& destino, QWidget* origen)>;

    Tfmenuventana(const VentanaMenu& menu, Ejecutar ejecutar, QWidget* parent = nullptr);

    const QString& clase() const { return clase_; }
    // Closes the window, or the work-area frame that holds it.
    void cierre();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString clase_;
};

}  // namespace ledgrix
