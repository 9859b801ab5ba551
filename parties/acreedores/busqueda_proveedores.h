#pragma once

#include <QObject>
#include <QString>

#include "parties/acreedores/consulta_proveedores.h"

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What the supplier list ("Tfbuscprove") works on: the suppliers of a
// criterion, the one the user is on, its deletion, its yearly purchases and
// the access checks of the actions that create or show more than the list.
//
// Opened from the main window it is the supplier master's list; opened by
// another window it picks a supplier: the text that window left in the
// third-party module becomes a name search and `seleccione` hands the NIT
// back.
class BusquedaProveedores : public QObject {
    Q_OBJECT
  public:
    explicit BusquedaProveedores(Tfdm& dm, QObject* parent = nullptr);

    // Whether the list was opened to pick a supplier.
    bool para_elegir() const { return para_elegir_; }
    const QString& texto_inicial() const { return texto_inicial_; }

    bool cargue(const CriterioProveedores& criterio);
    // Reads the rows again after a window changed them.
    bool refresque();
    ClientDataset& filas() const { return *CProveedores; }

    // The NIT of the row the user is on; empty when the list is empty.
    QString nit_actual() const;
    // The current NIT, left for the window that asked; empty when none.
    QString seleccione();

    // New suppliers, deletion and the financial data need the payables
    // access of a new supplier; false (the user told) otherwise.
    bool permita_nuevo();
    // Asks, deletes the third party (its supplier row goes with it) and
    // reads the list again. The database refuses a third party other
    // tables still name; the translated error is the user's answer.
    bool borre();

    // Purchases per month of the current supplier in `ano`; null without a
    // current supplier.
    ClientDataset* compras_anuales(int ano);

  private:
    Tfdm& dm_;
    bool para_elegir_ = false;
    QString texto_inicial_;
    CriterioProveedores criterio_;
    ClientDataset* CProveedores = nullptr;
    ClientDataset* CCompras = nullptr;
};

}  // namespace ledgrix
