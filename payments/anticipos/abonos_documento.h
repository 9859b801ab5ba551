#pragma once

#include <QObject>
#include <QString>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What the payment history of a payables document ("Tfabonosprv") works on:
// every live voucher line, cross and application line that settled it (for
// an advance, the voucher that paid it out too), oldest first.
class AbonosDocumento : public QObject {
    Q_OBJECT
  public:
    explicit AbonosDocumento(Tfdm& dm, QObject* parent = nullptr);

    bool cargue(int tipo, qint64 id);
    ClientDataset& filas() const { return *CAbonos; }

    // The class name of the consultation of the current row's source
    // document, with that document left in dm.documento_consultado; empty
    // (the user told) when there is no row.
    QString consulta();

  private:
    Tfdm& dm_;
    ClientDataset* CAbonos = nullptr;
};

}  // namespace ledgrix
