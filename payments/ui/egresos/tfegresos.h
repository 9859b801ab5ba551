#pragma once

#include "payments/egresos/egreso.h"
#include "payments/ui/comun/tfdocumento_pago.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace ledgrix {

class CampoMonto;
class PanelBanco;
class PanelLineas;

// "Egresos": one payment voucher at a time over the Egreso logic. The header
// boxes are bound to the voucher's columns and hand what the user types to
// the logic's rule for each; below them one panel at a time: the free
// accounting lines, or the documents paid ("Pago cuenta por pagar "), the
// crosses ("Pago de Cliente"), the cash lines ("Pago de caja ") or the bank
// line ("Pago del Banco ") while the logic has that panel open. Every key
// does what Egreso::accion says for the state the voucher is in; Enter moves
// to the next box. The choosers open modally and their choice goes to the
// logic's `reciba_*` members.
class Tfegresos : public TfdocumentoPagoDe<Egreso> {
    Q_OBJECT
  public:
    explicit Tfegresos(Tfdm& dm, QWidget* parent = nullptr);

    CampoMonto* monto(const QString& campo) const;
    QDateEdit* fecha() const;
    QComboBox* tipo() const { return tipo_; }
    QComboBox* caja_destino() const { return caja_destino_; }
    QComboBox* clase() const { return clase_; }
    QLabel* nombre_cuenta() const { return nombre_cuenta_; }
    QPushButton* boton_caja() const { return boton_caja_; }
    QPushButton* boton_banco() const { return boton_banco_; }
    PanelLineas* panel_documentos() const { return documentos_; }
    PanelLineas* panel_cruces() const { return cruces_; }
    PanelLineas* panel_conta() const { return conta_; }
    PanelLineas* panel_caja() const { return caja_; }
    PanelBanco* panel_banco() const { return banco_; }
    // The panel shown below the header.
    QWidget* panel_visible() const;

    void SBGrabarClick();
    void SBCancelaClick();
    void SBCajaClick();
    void SBBancoClick();
    void SBCrucesClick();
    void SBVerPagoClick();
    void SBPlantillasClick();

    // Choosers.
    void busque_tercero(const QString& texto = {}) override;
    void busque_cuenta(const QString& texto = {});
    void busque_centro();
    void busque_cxp();
    void busque_cartera();
    void busque_doccaja();
    void conceptos_por_pagar();
    void anticipo();

  protected:
    QString nombre_tercero() const override;
    bool es_propia(int key) const override;
    void tecla_propia(int key) override;
    void llene_propias() override;
    void muestre_propio() override;
    bool toma_enter(QWidget* w) const override;
    EnlacesCampos& enlaces_de(QWidget* w) const override;
    QWidget* panel_actual() const override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* encabezado();
    QWidget* valores();
    QWidget* botones();
    void arme_paneles();
    void muestre_panel();
    bool aplique_pendientes();
    void ejecute(Egreso::Accion accion);
    bool conta_con_foco() const;

    QComboBox* tipo_ = nullptr;
    QComboBox* caja_destino_ = nullptr;
    QComboBox* clase_ = nullptr;
    QLabel* rotulo_caja_ = nullptr;
    QLabel* nombre_cuenta_ = nullptr;
    QPushButton* boton_caja_ = nullptr;
    QPushButton* boton_banco_ = nullptr;
    QPushButton* boton_ver_pago_ = nullptr;
    QPushButton* boton_plantillas_ = nullptr;
    QStackedWidget* detalle_ = nullptr;
    QWidget* pagina_conta_ = nullptr;
    PanelLineas* documentos_ = nullptr;
    PanelLineas* cruces_ = nullptr;
    PanelLineas* conta_ = nullptr;
    PanelLineas* caja_ = nullptr;
    PanelBanco* banco_ = nullptr;
};

}  // namespace ledgrix
