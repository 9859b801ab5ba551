#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class QVBoxLayout;

namespace ledgrix {

// What the small maintenance windows share: a bar of key buttons under their
// boxes (Esc always leaves), the keys working from any box, Enter moving to
// the next box, and the window placed in the work area with the cursor on its
// first box when it first shows.
class VentanaMantenimiento : public QWidget {
    Q_OBJECT
  protected:
    struct Tecla {
        int key;
        QString texto;
        std::function<void()> accion;
    };

    VentanaMantenimiento(const QString& clase, const QString& titulo, QWidget* parent);

    // Ends the construction: the key buttons (then "ESC: Salir") at the
    // bottom of `caja`, and every box listening for the window's keys.
    void termine(QVBoxLayout* caja, const QList<Tecla>& teclas, QWidget* primero);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QList<Tecla> teclas_;
    QWidget* primero_ = nullptr;
    bool ubicada_ = false;
};

}  // namespace ledgrix
