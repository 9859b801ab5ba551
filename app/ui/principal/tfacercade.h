#pragma once

#include <QDialog>

namespace ledgrix {

// The about box. At start-up it is also the splash window, which closes
// itself after a second.
class Tfacercade : public QDialog {
    Q_OBJECT
public:
    static constexpr int kAncho = 379;
    static constexpr int kAlto = 202;
    static constexpr int kPresentacionMs = 1000;

    explicit Tfacercade(QWidget* parent = nullptr);

    // Shows a new about box centred on the screen, on top of every window;
    // it closes and frees itself after kPresentacionMs.
    static Tfacercade* muestre_presentacion();
};

}  // namespace ledgrix
