#include "core/ui/grid/grid_filter_proxy.h"

#include "core/data/dataset_model.h"

namespace ledgrix {

QString GridFilterProxy::folded(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar ch : decomposed)
        if (ch.category() != QChar::Mark_NonSpacing)
            out += ch;
    return out.toCaseFolded();
}

QVariant GridFilterProxy::headerData(int section, Qt::Orientation orientation, int role) const {
    const QVariant v = QSortFilterProxyModel::headerData(section, orientation, role);
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal ||
        v.typeId() != QMetaType::QString)
        return v;
    return v.toString().replace(u'|', u'\n');
}

void GridFilterProxy::setColumnFilter(int column, const QString& text) {
    const QString key = folded(text);
    auto it = filters_.find(column);
    if (key.isEmpty()) {
        if (it == filters_.end())
            return;
        filters_.erase(it);
    } else {
        if (it != filters_.end() && it->second.second == key) {
            it->second.first = text;
            return;
        }
        filters_[column] = {text, key};
    }
    invalidateRowsFilter();
}

QString GridFilterProxy::columnFilter(int column) const {
    auto it = filters_.find(column);
    return it == filters_.end() ? QString() : it->second.first;
}

void GridFilterProxy::clearColumnFilters() {
    if (filters_.empty())
        return;
    filters_.clear();
    invalidateRowsFilter();
}

bool GridFilterProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(DatasetModel::OrdenRole);
    const QVariant b = right.data(DatasetModel::OrdenRole);
    if (!a.isValid() && !b.isValid())
        return QSortFilterProxyModel::lessThan(left, right);
    if (!a.isValid() || !b.isValid())
        return !a.isValid();
    return QVariant::compare(a, b) == QPartialOrdering::Less;
}

bool GridFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QAbstractItemModel* source = sourceModel();
    for (const auto& [column, filter] : filters_) {
        const QString text =
            source->data(source->index(sourceRow, column, sourceParent), Qt::DisplayRole)
                .toString();
        if (!folded(text).contains(filter.second))
            return false;
    }
    return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
}

}  // namespace ledgrix
