#pragma once

#include <QDialog>
#include <QList>

#include "accounting/interfaces/interfaces.h"

class QStandardItemModel;

namespace ledgrix {

class LedgrixGrid;

// "Interfaz contable": which of several interfaces a document is posted
// with. F2, Enter or a double click end it with the id of the row chosen,
// Esc with 0.
class Tfpreginterfaz : public QDialog {
    Q_OBJECT
  public:
    Tfpreginterfaz(const QList<OpcionInterfaz>& opciones, QWidget* parent = nullptr);

    LedgrixGrid* grilla() const { return grilla_; }
    void confirme();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<OpcionInterfaz> opciones_;
    LedgrixGrid* grilla_;
    QStandardItemModel* modelo_;
};

}  // namespace ledgrix
