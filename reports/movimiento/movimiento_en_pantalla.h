#pragma once

#include <QDate>
#include <QObject>
#include <QString>

#include "reports/movimiento/saldo_corrido.h"

namespace ledgrix {

class ClientDataset;
class Tfdm;

// One supplier's movement over a period on screen, row by row with its
// running balance: the supplier comes from the window that opens it
// (Tfdmter::entregado), the period from the core data module.
class MovimientoEnPantalla : public QObject {
    Q_OBJECT
  public:
    explicit MovimientoEnPantalla(Tfdm& dm, QObject* parent = nullptr);

    const QString& nit() const { return nit_; }
    const QString& nombre() const { return nombre_; }
    QDate desde, hasta;

    QString consulta() const;
    // Runs the movement for the period as it stands; a reversed period or
    // a failed statement is told and keeps the rows shown.
    bool calcule();
    ClientDataset& filas() const { return *filas_; }
    // "Saldo inicial: ...   Saldo final: ..." of the rows read.
    QString saldos() const;

    // The consultation window for the current row's document, after
    // leaving it in Tfdm::documento_consultado; empty when there is none
    // for its kind.
    QString ventana_consulta();

  private:
    Tfdm& dm_;
    QString nit_, nombre_;
    ClientDataset* filas_;
    SaldoCorrido saldo_;
};

}  // namespace ledgrix
