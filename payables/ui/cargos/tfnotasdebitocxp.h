#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "payables/cargos/cargo.h"

class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace ledgrix {

class CampoMonto;
class DatasetModel;
class LedgrixGrid;
class Tfdm;

// "Cargos en Cuenta": one charge at a time over the Cargo logic. Every box is
// bound to a column of the charge; leaving a box (or Enter, which moves on)
// hands the value to the logic's rule for it. Amounts, rates and percentages
// are CampoMonto boxes: typed and shown in the installation's number format,
// refused in any other. F2 saves, Esc cancels, F5 opens
// or applies the VAT bases, F6 searches the supplier, F8 the charges; "?" as
// the first character of a code box, or a double click on it, opens its
// chooser.
class Tfnotasdebitocxp : public QWidget {
    Q_OBJECT
  public:
    // Opens the charge search over the window; answers its result code.
    using Busqueda = std::function<int(Tfnotasdebitocxp&)>;

    explicit Tfnotasdebitocxp(Tfdm& dm, QWidget* parent = nullptr);

    Cargo& logica() { return logica_; }
    // The box bound to a column of the charge; nullptr for any other.
    QLineEdit* editor(const QString& campo) const;
    // The box of an amount, rate or percentage column; nullptr for any other.
    CampoMonto* monto(const QString& campo) const;
    QDateEdit* fecha(const QString& campo) const;
    QComboBox* prefijo() const { return prefijo_; }
    QComboBox* clase_aplicar() const { return clase_aplicar_; }
    QLabel* nombre() const { return nombre_; }
    QLabel* neto() const { return neto_; }
    QLabel* total() const { return total_; }
    QFrame* panel_bases() const { return panel_bases_; }
    QFrame* panel_centros() const { return panel_centros_; }
    LedgrixGrid* grilla_centros() const { return grilla_centros_; }

    // Values left by the window that opened this one.
    void reciba(const Cargo::Recibidos& valores);

    void SBGrabarClick();
    void SBCancelaClick();
    void SBBasesClick();
    void SBCentrosClick();
    void busque_proveedor(const QString& texto = {});
    void busque_cargo();
    void busque_articulo();
    void busque_factura();
    void busque_negocio();
    void busque_documento();

    // The charge search, installed by whoever provides it.
    static void instale_busqueda(Busqueda busqueda);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    struct Enlace {
        QString campo;
        QLineEdit* editor;
        std::function<void(const QString&)> accion;  // the rule; empty: the value is set as typed
        std::function<void(const QString&)> busca;   // the chooser of a code box
    };
    struct EnlaceMonto {
        QString campo;
        CampoMonto* editor;
        std::function<void(Currency)> accion;  // the rule; empty: the value is set as typed
    };
    struct EnlaceFecha {
        QString campo;
        QDateEdit* editor;
        std::function<void(const QDate&)> accion;
    };

    QLineEdit* caja(const QString& campo, std::function<void(const QString&)> accion = {},
                    std::function<void(const QString&)> busca = {});
    CampoMonto* caja_monto(const QString& campo, std::function<void(Currency)> accion = {});
    QDateEdit* caja_fecha(const QString& campo, std::function<void(const QDate&)> accion = {});
    QPushButton* boton(const QString& texto, void (Tfnotasdebitocxp::*accion)());
    QWidget* encabezado();
    QWidget* valores();
    QWidget* otros();
    QFrame* arme_bases();
    QFrame* arme_centros();
    void llene_listas();
    QString texto(const QString& campo) const;
    void aplique(const Enlace& e);
    void aplique(const EnlaceMonto& m, Currency valor);
    // False when an amount box holds text that is not a number (the user was told).
    bool aplique_pendientes();
    void ubique_en_area();
    void muestre();
    void busque_centros(const QString& texto);
    void busque_cuenta(Cargo::Cuenta cuenta, const QString& texto);
    bool tecla(int key, QObject* watched);

    Tfdm& dm_;
    Cargo logica_;
    bool abierta_ = false;
    bool mostrando_ = false;
    bool ubicada_ = false;
    std::vector<Enlace> enlaces_;
    std::vector<EnlaceMonto> montos_;
    std::vector<EnlaceFecha> fechas_;
    QComboBox* prefijo_ = nullptr;
    QComboBox* moneda_ = nullptr;
    QComboBox* bodega_ = nullptr;
    QComboBox* tipo_costo_ = nullptr;
    QComboBox* clase_aplicar_ = nullptr;
    QLineEdit* factura_ = nullptr;
    QLabel* nombre_ = nullptr;
    QLabel* nombre_proyecto_ = nullptr;
    QLabel* nombre_centro_ = nullptr;
    QLabel* nombre_subcentro_ = nullptr;
    QLabel* neto_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* subtotal_ = nullptr;
    QWidget* fila_moneda_ = nullptr;
    QStackedWidget* lado_ = nullptr;
    QWidget* otros_ = nullptr;
    QFrame* panel_bases_ = nullptr;
    QFrame* panel_centros_ = nullptr;
    LedgrixGrid* grilla_centros_ = nullptr;
    DatasetModel* modelo_centros_ = nullptr;
};

}  // namespace ledgrix
