#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <vector>

#include "reports/pivote/cubo.h"

namespace ledgrix {

// The cube as a table: one column per row dimension with the keys, then one
// column per column key and measure. Totals are bold, amounts right-aligned
// in the installation's number format, so a grid shows and an export writes
// the same cells.
class ModeloCubo : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ModeloCubo(const Cubo& cubo, QObject* parent = nullptr);

    // Runs what reloads or lays out the cube again, with the views told.
    void cambie(const std::function<void()>& cambio);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Columns holding the row keys before the first value column.
    int columnas_clave() const;
    // The documents behind a cell; on a key column, those of its whole row.
    std::vector<int> detalle(const QModelIndex& index) const;

  private:
    int columna_cubo(int columna) const;
    Medida medida(int columna) const;
    bool es_total(int fila, int columna) const;

    const Cubo& cubo_;
};

}  // namespace ledgrix
