#pragma once

#include <QTimer>
#include <array>

#include "core/ui/lista/tflista.h"
#include "maintenance/procedimientos/procedimientos_usuario.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ledgrix {

class PieSumas;

// "Procedimientos de usuario": the installation's own queries. The user
// picks one, gives the period and its parameters, F5 runs it and the grid
// fills packet by packet while the waiting text shows; the numeric
// columns are summed in the light green footer, over the rows the filters
// let through. F2 saves every row (text, CSV or spreadsheet), Enter moves
// to the next box, Esc closes.
class Tfprocusr : public Tflista {
    Q_OBJECT
  public:
    explicit Tfprocusr(Tfdm& dm, QWidget* parent = nullptr);

    ProcedimientosUsuario& logica() { return logica_; }
    QComboBox* procedimiento() const { return procedimiento_; }
    QDateEdit* desde() const { return desde_; }
    QDateEdit* hasta() const { return hasta_; }
    QLineEdit* parametro(int n) const { return parametros_[static_cast<size_t>(n)]; }
    QLabel* rotulo(int n) const { return rotulos_[static_cast<size_t>(n)]; }
    QLabel* espera() const { return espera_; }
    PieSumas* pie() const { return pie_; }

    void SBGenerarClick();
    void SBGrabarClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void escoja(int indice);
    void lea_criterios();
    void siguiente_paquete();
    void termine_carga();
    void cuente();
    void sume();
    // The boxes Enter walks, in order.
    QList<QWidget*> cajas() const;
    bool siguiente_caja(QWidget* desde);

    ProcedimientosUsuario logica_;
    QComboBox* procedimiento_;
    QDateEdit* desde_;
    QDateEdit* hasta_;
    std::array<QLineEdit*, ProcedimientosUsuario::kParametros> parametros_{};
    std::array<QLabel*, ProcedimientosUsuario::kParametros> rotulos_{};
    QLabel* espera_;
    QLabel* cuenta_;
    PieSumas* pie_;
    // Reads the rest of the rows one packet per turn of the event loop.
    QTimer carga_;
    // Sums once per burst of changes to the rows shown.
    QTimer suma_;
    bool ubicada_ = false;
};

}  // namespace ledgrix
