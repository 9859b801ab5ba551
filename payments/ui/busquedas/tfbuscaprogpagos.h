#pragma once

#include <functional>

#include "core/ui/busqueda/tfbusqueda_documentos.h"

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;

namespace ledgrix {

class BusquedaProgramaciones;

// "Busca programación de pagos": the stored schedules. F5 opens a new one
// (with the right to create), F4 opens the selected one,
// F3 annuls a live one or deletes an annulled one (administrators), F9
// writes the bank disbursement file of the selected one.
class Tfbuscaprogpagos : public Tfbusquedadocumentos {
    Q_OBJECT
  public:
    explicit Tfbuscaprogpagos(Tfdm& dm, QWidget* parent = nullptr);

    BusquedaProgramaciones& programaciones() const;
    QGroupBox* panel_archivo() const { return panel_archivo_; }
    QDateEdit* fecha_dispersion() const { return fecha_dispersion_; }
    QLineEdit* secuencia() const { return secuencia_; }
    QComboBox* formato() const { return formato_; }
    // Where the file goes; by default the save dialog asks.
    void cambie_selector_archivo(std::function<QString()> elija) { elija_ = std::move(elija); }

    void SBNuevoClick();     // F5
    void SBAbrirClick();     // F4
    void SBExportarClick();  // F9
    void SBGenerarClick();   // the file panel's confirmation

  private:
    void abra(qint64 id);

    QGroupBox* panel_archivo_ = nullptr;
    QDateEdit* fecha_dispersion_ = nullptr;
    QLineEdit* secuencia_ = nullptr;
    QComboBox* formato_ = nullptr;
    std::function<QString()> elija_;
};

}  // namespace ledgrix
