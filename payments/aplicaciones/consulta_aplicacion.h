#pragma once

#include <QObject>
#include <QString>

#include "core/money/currency.h"

namespace ledgrix {

class ClientDataset;
class Tfdm;

// A stored application as its consultation shows it, read-only: the header
// with the supplier's name and the lines with their type's short name.
class ConsultaAplicacion : public QObject {
    Q_OBJECT
  public:
    explicit ConsultaAplicacion(Tfdm& dm, QObject* parent = nullptr);

    // False (the user told) when no application has the id.
    bool cargue(qint64 id);
    qint64 id() const { return id_; }
    ClientDataset& encabezado() const { return *CEncabezado; }
    ClientDataset& lineas() const { return *CLineas; }
    // Sum of the applied amounts and of all the withholdings of the lines.
    Currency aplicado() const;
    Currency retenciones() const;

  private:
    Tfdm& dm_;
    ClientDataset* CEncabezado = nullptr;
    ClientDataset* CLineas = nullptr;
    qint64 id_ = 0;
};

// The crossing history of one payables document: every live voucher line and
// application line that settled it, newest first.
class CrucesDocumento : public QObject {
    Q_OBJECT
  public:
    explicit CrucesDocumento(Tfdm& dm, QObject* parent = nullptr);

    bool cargue(int tipo, qint64 id);
    ClientDataset& filas() const { return *CCruces; }
    // The class name of the consultation of the current row's document, with
    // that document left in dm.documento_consultado; empty (the user told)
    // when there is no row.
    QString consulta();

  private:
    Tfdm& dm_;
    ClientDataset* CCruces = nullptr;
};

}  // namespace ledgrix
