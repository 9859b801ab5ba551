#pragma once

#include <QString>

#include "core/money/currency.h"

namespace ledgrix {

class ClientDataset;
class Field;
class Tfdm;

// A supplier's running balance over the movement rows (SALDOF), worked out
// as the rows are read, in the order they come (by supplier). The setting
// "DESCONTAR RETENCIONES POR CAUSACION" says whether a document's own
// withholdings already came off the balance when it was recorded; the
// movement procedure shows DEBITO/CREDITO gross or net by the same rule, so
// either way the last row of a supplier lands on its SALDO.
class SaldoCorrido {
  public:
    struct Fila {
        QString nit;
        Currency inicial, debito, credito, abono, retenciones;  // RTFTE + RTIVA + RTICA
    };

    explicit SaldoCorrido(bool descuenta_causadas) : descuenta_(descuenta_causadas) {}
    // Reads the setting as the movement windows do when they open.
    static bool descuenta_causadas(Tfdm& dm);

    // The running balance after this row.
    Currency siga(const Fila& f);
    void reinicie();

    // Adds SALDOF to the rows and keeps it up to date: every time the
    // statement runs again the balance starts over. The dataset must not
    // outlive this object. Answers the SALDOF field.
    Field& instale(ClientDataset& filas);

  private:
    // The columns a row's balance reads and writes, for the run being read.
    struct Columnas {
        Field *nit, *inicial, *debito, *credito, *abono, *rtfte, *rtiva, *rtica, *saldof, *retenido;
    };

    bool descuenta_;
    Columnas c_{};
    bool hay_anterior_ = false;
    QString nit_;
    Currency saldo_;
};

}  // namespace ledgrix
