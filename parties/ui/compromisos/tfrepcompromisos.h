#pragma once

#include <QDialog>

#include "parties/compromisos/reporte_compromisos.h"

class QCheckBox;
class QDateEdit;
class QLineEdit;

namespace ledgrix {

// The commitments report's criteria: supplier range (the list's supplier
// proposed), date range and whether fulfilled ones count. F2 prints.
class Tfrepcompromisos : public QDialog {
    Q_OBJECT
  public:
    Tfrepcompromisos(Tfdm& dm, const QString& nit, QWidget* parent = nullptr);
    ReporteCompromisos& logica() { return logica_; }

    void SBImprimirClick();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    ReporteCompromisos logica_;
    QLineEdit* nit_desde_;
    QLineEdit* nit_hasta_;
    QDateEdit* desde_;
    QDateEdit* hasta_;
    QCheckBox* cumplidos_;
};

}  // namespace ledgrix
