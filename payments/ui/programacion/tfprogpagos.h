#pragma once

#include <QWidget>
#include <memory>

#include "core/ui/campos/campo_monto.h"
#include "payments/programacion/programacion.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

namespace ledgrix {

class Tfdm;

// "Programación de Cuentas x pagar": the header of the schedule, the due
// documents with what is paid of each, the money available, the totals and
// the payment panel. F2 computes the lists (then stores), F8 pays the
// selected rows, Esc leaves (asked when something changed). A confirmed
// schedule is only shown.
class Tfprogpagos : public QWidget {
    Q_OBJECT
  public:
    // `id` 0: a new schedule.
    Tfprogpagos(Tfdm& dm, qint64 id = 0, QWidget* parent = nullptr);
    ~Tfprogpagos() override;

    ProgramacionPagos& logica() const { return *logica_; }
    bool abierta() const { return abierta_; }
    QTableWidget* documentos() const { return documentos_; }
    QTableWidget* dinero() const { return dinero_; }
    QGroupBox* panel_pago() const { return panel_; }
    CampoMonto* valor() const { return valor_; }
    QComboBox* origen() const { return origen_; }
    QComboBox* caja() const { return caja_; }
    QComboBox* tipo_banco() const { return tipo_banco_; }
    QComboBox* prefijo_banco() const { return prefijo_banco_; }
    QLabel* total_pagos() const { return total_pagos_; }
    QLabel* total_disponible() const { return total_disponible_; }
    QLabel* diferencia() const { return diferencia_; }

    void SBCalculaClick();  // F2 before the lists
    void SBGrabarClick();   // F2 after them
    void SBPagarClick();    // F8
    void SBAceptarClick();  // the panel's confirmation
    void SBQuitarClick();   // "Quitar pago"

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QGridLayout* arme_encabezado();
    void arme_panel();
    void tome_encabezado();
    void muestre();
    void llene_cajas();
    void llene_tipos();
    QList<int> seleccionadas() const;

    Tfdm& dm_;
    std::unique_ptr<ProgramacionPagos> logica_;
    bool abierta_ = false;
    bool calculada_ = false;
    bool cerrando_ = false;
    QComboBox* prefijo_ = nullptr;
    QLabel* numero_ = nullptr;
    QDateEdit* fecha_ = nullptr;
    QLineEdit* concepto_ = nullptr;
    QComboBox* prefijo_egresos_ = nullptr;
    QDateEdit* fecha_egresos_ = nullptr;
    QComboBox* un_egreso_ = nullptr;
    QCheckBox* confirmada_ = nullptr;
    QComboBox* agencia_ = nullptr;
    QComboBox* grupo_ = nullptr;
    QCheckBox* solo_a_pagar_ = nullptr;
    QPlainTextEdit* observacion_ = nullptr;
    QTableWidget* documentos_ = nullptr;
    QTableWidget* dinero_ = nullptr;
    QLabel* total_pagos_ = nullptr;
    QLabel* total_disponible_ = nullptr;
    QLabel* diferencia_ = nullptr;
    QGroupBox* panel_ = nullptr;
    CampoMonto* valor_ = nullptr;
    QComboBox* origen_ = nullptr;
    QComboBox* caja_ = nullptr;
    QComboBox* tipo_banco_ = nullptr;
    QComboBox* prefijo_banco_ = nullptr;
    PanelPago pendiente_;
};

}  // namespace ledgrix
