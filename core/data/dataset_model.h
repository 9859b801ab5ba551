#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <vector>

namespace ledgrix {

class ClientDataset;
class Field;

// A table model over a client dataset for grids: one column per visible
// field, headed by its label. More packets are read as the view scrolls.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The value a sorted view orders by: amounts and integers as numbers,
    // dates as dates (their texts would put "1.234,00" before "999,00");
    // nothing for texts, which sort by what is shown.
    static constexpr int OrdenRole = Qt::UserRole + 40;

    explicit DatasetModel(ClientDataset* dataset, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Puts the row in edit and sets the value; posting is the grid's call.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    Field* fieldAt(int column) const;
    // Text a grid shows for a value: amounts in the installation's number
    // format with the field's decimals, dates yyyy/MM/dd.
    static QString displayText(const Field& field, const QVariant& value);

private:
    void rebuildColumns();

    QPointer<ClientDataset> dataset_;
    std::vector<int> columns_;  // field indexes of the visible fields
};

}  // namespace ledgrix
