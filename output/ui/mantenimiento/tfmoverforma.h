#pragma once

#include <QDialog>
#include <QList>

#include "output/mantenimiento/mover_formato.h"

class QLineEdit;
class QRadioButton;

namespace ledgrix {

class Tfdm;

// "Mover Formato": shifts or scales the stored format of a document type and
// prefix. The numbers apply to the four moves only. F2 carries it out and
// closes, Esc closes.
class TFmoverforma : public QDialog {
    Q_OBJECT
  public:
    TFmoverforma(Tfdm& dm, int tipo, const QString& prefijo, QWidget* parent = nullptr);

    QLineEdit* posiciones() const { return posiciones_; }
    QLineEdit* desde() const { return desde_; }
    QLineEdit* hasta() const { return hasta_; }
    QRadioButton* accion(int i) const { return acciones_.at(i); }

    void SBGrabarClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void accion_elegida();

    MoverFormato logica_;
    QLineEdit* posiciones_;
    QLineEdit* desde_;
    QLineEdit* hasta_;
    QList<QRadioButton*> acciones_;
};

}  // namespace ledgrix
