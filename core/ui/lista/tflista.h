#pragma once

#include <QHash>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace ledgrix {

class ClientDataset;
class DatasetModel;
class LedgrixGrid;
class Tfdm;

// A list window: a grid over a dataset's rows with its filter switch, a row
// of key buttons under it, and Esc to leave. Each key works from anywhere in
// the window, even where a child has a use of its own for it (the grid's F2
// edits a cell). A list that copies rows adds the copy panel: F8 opens it
// with the targets offered, F2 copies to the one chosen, Esc hides it.
class Tflista : public QWidget {
    Q_OBJECT
  public:
    LedgrixGrid* grilla() const { return grilla_; }
    QCheckBox* filtros() const { return filtros_; }
    // Null until the window adds the copy panel.
    QFrame* panel_copia() const { return panel_copia_; }
    QComboBox* nuevo_prefijo() const { return destino_; }

    // Esc: hides the copy panel when it is open, otherwise closes the window.
    virtual void SBSalirClick();
    // Runs out the pause after the last key typed in the search text.
    QTimer& espera() { return espera_; }

  protected:
    // `titulo` also names what the grid exports.
    Tflista(Tfdm& dm, const QString& clase, const QString& titulo, QWidget* parent);

    Tfdm& dm() const { return dm_; }
    // The rows shown; `abrir` runs on a double click (the window's modify).
    void muestre(ClientDataset& filas, std::function<void()> abrir = {});
    // A button "<texto>" in the bar, run by `key` too.
    QPushButton* agregue_tecla(int key, const QString& texto, std::function<void()> accion);
    // A key of the window without a button of its own in the bar (its
    // button lives in a panel).
    void agregue_atajo(int key, std::function<void()> accion);
    // A panel between the grid and the key buttons.
    void agregue_panel(QWidget* panel);
    // The copy panel; `destinos` answers the targets for the current row
    // (none: nothing to copy), `copie` copies to the chosen one.
    void agregue_copia(std::function<QStringList()> destinos,
                       std::function<void(const QString&)> copie);
    // Column of a field in the grid's model; -1 when it is not shown.
    int columna(const QString& campo) const;
    // The window first shows wide enough for every column of the grid, each
    // as wide as its title and its rows (long texts up to a limit), within
    // the work area or screen it opens on.
    void abra_a_lo_ancho() { a_lo_ancho_ = true; }
    // Each column as wide as its title and its rows (long texts up to a
    // limit), as the window first shows; answers the grid's width.
    int ajuste_columnas();
    // And tall enough for a screenful of rows: three quarters of the area.
    void abra_a_lo_alto() { a_lo_alto_ = true; }
    // Searches once the typing in `texto` pauses for the grid's search delay
    // (the login's), not on every key; the window opens with the cursor in
    // it.
    void busque_al_pausar(QLineEdit* texto, std::function<void()> busque);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool tecla(int key);
    void abra_copia();
    void haga_copia();
    void ajuste_ancho();

    Tfdm& dm_;
    QCheckBox* filtros_;
    LedgrixGrid* grilla_;
    DatasetModel* modelo_ = nullptr;
    QVBoxLayout* caja_;
    QHBoxLayout* barra_;
    QFrame* panel_copia_ = nullptr;
    QComboBox* destino_ = nullptr;
    QHash<int, std::function<void()>> teclas_;
    std::function<QStringList()> destinos_;
    std::function<void(const QString&)> copie_;
    QTimer espera_;
    bool ubicada_ = false;
    bool a_lo_ancho_ = false;
    bool a_lo_alto_ = false;
};

}  // namespace ledgrix
