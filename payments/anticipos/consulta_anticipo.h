#pragma once

#include <QObject>
#include <QString>

#include "core/money/currency.h"

namespace ledgrix {

class ClientDataset;
class Field;
class Tfdm;

// A stored advance as its consultation ("Tfconsanticipo") shows it,
// read-only: the record with the supplier's name, the voucher that paid it
// out and what applications have not yet set against invoices.
class ConsultaAnticipo : public QObject {
    Q_OBJECT
  public:
    explicit ConsultaAnticipo(Tfdm& dm, QObject* parent = nullptr);

    // False (the user told) when no stored advance has the id.
    bool cargue(qint64 id);
    qint64 id() const { return id_; }
    Field& campo(const QString& nombre) const;

    Currency total() const;        // "Neto:"
    Currency totalconiva() const;  // "Total"
    // Prefix and number of the paying voucher; empty while none did.
    QString egreso() const;

  private:
    Currency c(const char* campo) const;

    Tfdm& dm_;
    ClientDataset* CAnticipo = nullptr;
    qint64 id_ = 0;
};

}  // namespace ledgrix
