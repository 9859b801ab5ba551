#pragma once

#include <QWidget>

#include "core/numeracion/ventanas/autorizaciones.h"

namespace ledgrix {

class DatasetModel;
class LedgrixGrid;
class Tfdm;

// "Autorizaciones de numeración": the tax authority's authorisations of the
// support-document series. F2 saves and closes, Esc discards and closes. A
// user without access, or a company without series, sees why and the window
// closes itself.
class Tfautorizacion : public QWidget {
    Q_OBJECT
public:
    explicit Tfautorizacion(Tfdm& dm, QWidget* parent = nullptr);

    Autorizaciones& logica() { return logica_; }
    bool lista() const { return lista_; }
    LedgrixGrid* grilla() const { return grilla_; }

    void SBGrabarClick();
    void SBCancelarClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool tecla(int key);

    Autorizaciones logica_;
    bool lista_ = false;
    LedgrixGrid* grilla_;
    DatasetModel* modelo_;
    bool ubicada_ = false;
};

}  // namespace ledgrix
