#pragma once

#include <QDialog>

#include "app/login/tasa_cambio_dia.h"

class QLineEdit;

namespace ledgrix {

// Small window that records today's rate of the default foreign currency.
// F2 saves, Esc leaves without a rate.
class Tftasacambiodia : public QDialog {
    Q_OBJECT
public:
    Tftasacambiodia(Tfdm& dm, int moneda, QWidget* parent = nullptr);

    QLineEdit* valor() const { return valor_; }
    void grabe();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TasaCambioDia logica_;
    QLineEdit* valor_;
};

}  // namespace ledgrix
