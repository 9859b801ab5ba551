#pragma once

#include <QWidget>

#include "payments/aplicaciones/aplicacion.h"
#include "payments/ui/comun/muestra_diferida.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

namespace ledgrix {

class CampoMonto;
class EnlacesCampos;
class PanelLineas;
class Tfdm;

// "Aplicaciones  Proveedores": one application at a time over the Aplicacion
// logic. The header boxes hand what is typed to the logic's rule for each;
// the lines' grid edits the logic's lines, and a double click on it or F8
// opens the payables consultation, whose choice becomes lines. F2 stores,
// Esc drops what was typed and leaves; the logic's `cierre` closes the
// window at once.
class Tfaplicacion : public QWidget {
    Q_OBJECT
  public:
    explicit Tfaplicacion(Tfdm& dm, QWidget* parent = nullptr);

    Aplicacion& logica() { return logica_; }
    QLineEdit* editor(const QString& campo) const;
    QComboBox* prefijo() const { return prefijo_; }
    QLabel* nombre() const { return nombre_; }
    PanelLineas* panel_lineas() const { return lineas_; }

    void SBGrabarClick();
    void SBCancelaClick();
    void busque_cxp();
    void busque_tercero(const QString& texto = {});

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* encabezado();
    QWidget* botones();
    void llene_listas();
    void muestre();
    bool aplique_pendientes();
    bool tecla(int key, QObject* watched);
    void enfoque(const QString& campo);

    Tfdm& dm_;
    Aplicacion logica_;
    EnlacesCampos* enlaces_ = nullptr;
    bool abierta_ = false;
    bool mostrando_ = false;
    bool cerrando_ = false;
    bool ubicada_ = false;
    MuestraDiferida diferida_{this, [this] { muestre(); }};
    QComboBox* prefijo_ = nullptr;
    QComboBox* moneda_ = nullptr;
    QWidget* fila_moneda_ = nullptr;
    QLabel* nombre_ = nullptr;
    PanelLineas* lineas_ = nullptr;
};

}  // namespace ledgrix
