#pragma once

#include <QWidget>

#include "payments/aplicaciones/consulta_aplicacion.h"

class QLabel;

namespace ledgrix {

class PanelLineas;
class Tfdm;

// The read-only consultation of the application in dm.documento_consultado:
// its header, its lines with their sums, F2 to reprint it, Esc to leave.
class Tfconsaplicacion : public QWidget {
    Q_OBJECT
  public:
    explicit Tfconsaplicacion(Tfdm& dm, QWidget* parent = nullptr);

    ConsultaAplicacion& logica() { return logica_; }
    // The header as shown, one line per caption.
    QString encabezado() const;
    PanelLineas* panel_lineas() const { return lineas_; }

    void SBImprimirClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool tecla(int key);

    Tfdm& dm_;
    ConsultaAplicacion logica_;
    QLabel* encabezado_ = nullptr;
    PanelLineas* lineas_ = nullptr;
};

}  // namespace ledgrix
