#pragma once

#include <QSortFilterProxyModel>
#include <QString>
#include <map>

namespace ledgrix {

// Rows whose column texts contain every typed filter text. Case and accents
// do not count: users type "credito" for "Crédito" and "PENA" for "Peña".
class GridFilterProxy : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    // An empty text removes the column's filter.
    void setColumnFilter(int column, const QString& text);
    QString columnFilter(int column) const;
    void clearColumnFilters();
    bool hasColumnFilters() const { return !filters_.empty(); }

    // The text reduced to what the comparison sees.
    static QString folded(const QString& text);

    // Column titles written "Band|Title" show the band above the title.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  protected:
    // Amounts, integers and dates of a dataset by value, empty ones first;
    // everything else by its text.
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    std::map<int, std::pair<QString, QString>> filters_;  // column -> (typed, folded)
};

}  // namespace ledgrix
