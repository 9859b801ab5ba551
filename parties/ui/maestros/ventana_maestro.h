#pragma once

#include <QHash>
#include <QWidget>
#include <functional>

class QHBoxLayout;

namespace ledgrix {

class ClientDataset;
class LedgrixGrid;
class MaestroGrilla;
class Tfdm;

// A small master edited in its grid: Ins adds a row, F2 stores every change,
// Esc drops them (and closes when there are none). The keys are the window's
// even inside the grid's cell editor.
class VentanaMaestro : public QWidget {
    Q_OBJECT
  public:
    LedgrixGrid* grilla() const { return grilla_; }

    void SBGrabarClick();
    void SBCancelarClick();

  protected:
    VentanaMaestro(Tfdm& dm, const QString& clase, const QString& titulo, QWidget* parent);
    // The rows shown and edited; called once the subclass built its logic.
    void muestre(MaestroGrilla& maestro);
    void agregue_tecla(int key, const QString& texto, std::function<void()> accion);
    // The grid's editor is closed and its row posted before a key acts.
    void cierre_edicion();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    Tfdm& dm_;

  private:
    bool tecla(int key);

    MaestroGrilla* maestro_ = nullptr;
    LedgrixGrid* grilla_;
    QHBoxLayout* barra_;
    QHash<int, std::function<void()>> teclas_;
};

}  // namespace ledgrix
