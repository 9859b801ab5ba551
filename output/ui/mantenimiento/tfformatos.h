#pragma once

#include <QWidget>

#include "output/mantenimiento/lista_formatos.h"

class QCheckBox;
class QComboBox;
class QFrame;

namespace ledgrix {

class DatasetModel;
class LedgrixGrid;
class Tfdm;

// "Formatos de impresión": the payables print formats. F5 new, F4 or a
// double click modify, F3 delete, F8 shows the copy panel and F2 copies the
// format to the prefix chosen there, Esc closes.
class Tfformatos : public QWidget {
    Q_OBJECT
  public:
    explicit Tfformatos(Tfdm& dm, QWidget* parent = nullptr);

    ListaFormatos& logica() { return logica_; }
    LedgrixGrid* grilla() const { return grilla_; }
    QFrame* panel_copia() const { return panel_copia_; }
    QComboBox* nuevo_prefijo() const { return nuevo_prefijo_; }
    QCheckBox* filtros() const { return filtros_; }

    void SBNuevoClick();
    void SBModificarClick();
    void SBBorrarClick();
    void SBCopiarClick();
    void SBCopiaClick();
    void SBSalirClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool tecla(int key);

    Tfdm& dm_;
    ListaFormatos logica_;
    QCheckBox* filtros_;
    LedgrixGrid* grilla_;
    DatasetModel* modelo_;
    QFrame* panel_copia_;
    QComboBox* nuevo_prefijo_;
    bool ubicada_ = false;
};

}  // namespace ledgrix
