#pragma once

#include "payables/cargos/cargo.h"
#include "payables/ui/documentos/tfdocumento_cxp.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace ledgrix {

class DatasetModel;
class LedgrixGrid;
class Tfdm;

// "Cargos en Cuenta": one charge at a time over the Cargo logic. Beyond the
// family's boxes it shows the supplier invoice's date and the due date, the
// project and cost centres with their distribution panel, the article,
// purchase invoice and business, and "Aplicar a:". F8 searches the charges.
class Tfnotasdebitocxp : public TfdocumentoCxp {
    Q_OBJECT
  public:
    explicit Tfnotasdebitocxp(Tfdm& dm, QWidget* parent = nullptr);

    Cargo& logica() { return logica_; }
    QComboBox* clase_aplicar() const { return clase_aplicar_; }
    QFrame* panel_centros() const { return panel_centros_; }
    LedgrixGrid* grilla_centros() const { return grilla_centros_; }

    // Values left by the window that opened this one.
    void reciba(const Cargo::Recibidos& valores);

    void SBCentrosClick();
    void busque_cargo();
    void busque_articulo();
    void busque_factura();
    void busque_negocio();
    void busque_documento();

  protected:
    void encabezado_propio(QGridLayout& r, QWidget* g) override;
    void otros_propios(QGridLayout& r, QWidget* g) override;
    void paneles_propios(QStackedWidget& lado) override;
    void muestre_propio() override;
    QWidget* panel_abierto() const override;
    bool tecla_propia(int key) override;
    bool toma_enter(QObject* watched) const override;

  private:
    QFrame* arme_centros();
    void busque_centros(const QString& texto);

    Cargo logica_;
    QComboBox* clase_aplicar_ = nullptr;
    QLineEdit* factura_ = nullptr;
    QLabel* nombre_proyecto_ = nullptr;
    QLabel* nombre_centro_ = nullptr;
    QLabel* nombre_subcentro_ = nullptr;
    QFrame* panel_centros_ = nullptr;
    LedgrixGrid* grilla_centros_ = nullptr;
    DatasetModel* modelo_centros_ = nullptr;
};

}  // namespace ledgrix
