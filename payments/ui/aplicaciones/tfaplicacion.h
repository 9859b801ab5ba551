#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include "payments/aplicaciones/aplicacion.h"
#include "payments/ui/comun/tfdocumento_pago.h"

namespace ledgrix {

class PanelLineas;

// "Aplicaciones  Proveedores": one application at a time over the Aplicacion
// logic. The header boxes hand what is typed to the logic's rule for each;
// the lines' grid edits the logic's lines, and a double click on it or F8
// opens the payables consultation, whose choice becomes lines. F2 stores,
// Esc drops what was typed and leaves; the logic's `cierre` closes the
// window at once.
class Tfaplicacion : public TfdocumentoPagoDe<Aplicacion> {
    Q_OBJECT
  public:
    explicit Tfaplicacion(Tfdm& dm, QWidget* parent = nullptr);

    // The applied documents' columns under their titles, as every window
    // over an application's lines shows them; each adds its type column.
    static QList<QPair<QString, QString>> columnas_lineas();

    PanelLineas* panel_lineas() const { return lineas_; }

    void SBGrabarClick();
    void SBCancelaClick();
    void busque_cxp();

  protected:
    // F2, Esc and F8; Enter in the lines is the grid's.
    bool es_propia(int key) const override;
    void tecla_propia(int key) override;
    bool toma_enter(QWidget* w) const override;
    QString nombre_tercero() const override;
    void llene_propias() override;
    void muestre_propio() override;
    void enfoque(const QString& campo) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* encabezado();
    QWidget* botones();
    bool aplique_pendientes();

    PanelLineas* lineas_ = nullptr;
};

}  // namespace ledgrix
