#pragma once

#include <QObject>

#include "core/money/currency.h"

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What the "Criterios calificación" grid works on: every criterion a supplier
// is rated against (CRITERIOS_PROVEEDOR), edited in memory. F2 stores them
// all at once; Esc drops what was typed. A rating is a weighted average, so
// the weights of the criteria stored must add up to 100.
class CriteriosProveedor : public QObject {
    Q_OBJECT
  public:
    explicit CriteriosProveedor(Tfdm& dm, QObject* parent = nullptr);

    // Reads the criteria by code; false when the statement failed (told).
    bool abra();
    ClientDataset& filas() const { return *filas_; }

    // Weights of the rows as they stand, including the one being typed.
    Currency suma_pesos() const;

    // F2: true when every change was stored. A refusal is told and keeps
    // everything typed for another try.
    bool grabe();
    // Esc: drops every change not stored.
    void cancele();

  private:
    bool valide();

    Tfdm& dm_;
    ClientDataset* filas_;
};

}  // namespace ledgrix
