#pragma once

#include <QString>
#include <QVariant>

namespace ledgrix {

class ClientDataset;

// The rows a report walks, in the order they are printed. Values are what
// the data layer holds: QString, qint64, Currency, QDate, or an invalid
// QVariant for null.
class FuenteReporte {
  public:
    virtual ~FuenteReporte() = default;
    virtual int filas() const = 0;
    // Column by name, ignoring case; -1 when the rows have no such column.
    virtual int columna(const QString& nombre) const = 0;
    virtual QVariant valor(int fila, int columna) const = 0;
};

// The rows of an open dataset, read all at once when the report starts.
class FuenteDataset : public FuenteReporte {
  public:
    explicit FuenteDataset(ClientDataset& filas);
    int filas() const override;
    int columna(const QString& nombre) const override;
    QVariant valor(int fila, int columna) const override;

  private:
    ClientDataset& filas_;
};

}  // namespace ledgrix
