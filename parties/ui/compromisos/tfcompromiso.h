#pragma once

#include <QDialog>

#include "parties/compromisos/compromiso.h"

class QCheckBox;
class QDateEdit;
class QLineEdit;

namespace ledgrix {

class Tfdm;

// "Nuevo Compromiso": a new commitment (id 0) or a stored one. F2 stores and
// closes, Esc leaves without storing. Reminder empty when its box is off.
class Tfcompromiso : public QDialog {
    Q_OBJECT
  public:
    Tfcompromiso(Tfdm& dm, qint64 id, const QString& nit, QWidget* parent = nullptr);
    // False when the commitment asked for does not exist (told).
    bool abierto() const { return abierto_; }
    Compromiso& logica() { return logica_; }

    QDateEdit* fecha() const { return fecha_; }
    QLineEdit* asunto() const { return asunto_; }
    QLineEdit* encargado() const { return encargado_; }
    QCheckBox* recordar() const { return recordar_; }
    QDateEdit* fecha_recordar() const { return fecha_recordar_; }
    QCheckBox* cumplido() const { return cumplido_; }

    void SBGrabarClick();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Compromiso logica_;
    bool abierto_ = false;
    QDateEdit* fecha_;
    QLineEdit* asunto_;
    QLineEdit* encargado_;
    QCheckBox* recordar_;
    QDateEdit* fecha_recordar_;
    QCheckBox* cumplido_;
};

}  // namespace ledgrix
