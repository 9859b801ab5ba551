#pragma once

#include <QWidget>

#include "payments/anticipos/anticipo.h"

class QComboBox;
class QLabel;

namespace ledgrix {

class EnlacesCampos;
class Tfdm;

// "Anticipos a Proveedor": the modal window the voucher's F4 opens. A thin
// view over Anticipo; F2 stores the advance and closes, Esc closes without
// storing anything.
class Tfanticiposprv : public QWidget {
    Q_OBJECT
  public:
    explicit Tfanticiposprv(Tfdm& dm, QWidget* parent = nullptr);

    Anticipo& logica() { return logica_; }
    EnlacesCampos& enlaces() const { return *enlaces_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool tecla(int key, QObject* watched);
    void muestre();
    void SBGrabarClick();

    Tfdm& dm_;
    Anticipo logica_;
    EnlacesCampos* enlaces_ = nullptr;
    QComboBox* prefijo_ = nullptr;
    QLabel* nombre_ = nullptr;
    QLabel* totales_ = nullptr;
};

}  // namespace ledgrix
