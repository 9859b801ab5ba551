#pragma once

#include <QDialog>

#include "app/login/tasa_cambio_dia.h"

namespace ledgrix {

class CampoMonto;

// Small window that records today's rate of the default foreign currency,
// typed in the installation's number format. F2 saves, Esc leaves without a
// rate.
class Tftasacambiodia : public QDialog {
    Q_OBJECT
public:
    Tftasacambiodia(Tfdm& dm, int moneda, QWidget* parent = nullptr);

    CampoMonto* valor() const { return valor_; }
    void grabe();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TasaCambioDia logica_;
    CampoMonto* valor_;
};

}  // namespace ledgrix
