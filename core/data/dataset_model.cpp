#include "core/data/dataset_model.h"

#include "core/data/client_dataset.h"
#include "core/money/formato_numero.h"
#include "core/sql/sqltext.h"

namespace ledgrix {

DatasetModel::DatasetModel(ClientDataset* dataset, QObject* parent)
    : QAbstractTableModel(parent), dataset_(dataset) {
    rebuildColumns();
    connect(dataset, &ClientDataset::rowsAboutToBeInserted, this,
            [this](int first, int last) { beginInsertRows({}, first, last); });
    connect(dataset, &ClientDataset::rowsInserted, this, [this] { endInsertRows(); });
    connect(dataset, &ClientDataset::rowAboutToBeRemoved, this,
            [this](int row) { beginRemoveRows({}, row, row); });
    connect(dataset, &ClientDataset::rowRemoved, this, [this] { endRemoveRows(); });
    connect(dataset, &ClientDataset::aboutToReset, this, [this] { beginResetModel(); });
    connect(dataset, &ClientDataset::resetDone, this, [this] {
        rebuildColumns();
        endResetModel();
    });
    connect(dataset, &ClientDataset::rowChanged, this, [this](int row) {
        if (row >= 0 && !columns_.empty())
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

void DatasetModel::rebuildColumns() {
    columns_.clear();
    if (!dataset_) return;
    for (int i = 0; i < dataset_->fieldCount(); ++i)
        if (dataset_->field(i).visible()) columns_.push_back(i);
}

int DatasetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !dataset_ ? 0 : dataset_->recordCount();
}

int DatasetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

Field* DatasetModel::fieldAt(int column) const {
    if (!dataset_ || column < 0 || column >= columnCount()) return nullptr;
    return &dataset_->field(columns_[static_cast<size_t>(column)]);
}

QString DatasetModel::displayText(const Field& field, const QVariant& value) {
    if (!value.isValid()) return {};
    switch (field.type()) {
    case Field::Type::Currency:
        return FormatoNumero::instalacion().escriba(Field::currencyOf(value), field.decimals());
    case Field::Type::Date:
        return sql::dateText(value.toDate());
    case Field::Type::DateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    case Field::Type::Time:
        return value.toTime().toString(QStringLiteral("hh:mm:ss"));
    default:
        return value.toString();
    }
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const {
    const Field* f = fieldAt(index.column());
    if (!f || index.row() >= rowCount()) return {};
    const QVariant v = dataset_->valueAt(index.row(), f->index());
    switch (role) {
    case Qt::DisplayRole:
        return displayText(*f, v);
    case Qt::EditRole:
        // Editors get the text people read and type, in the installation's format.
        if (f->type() == Field::Type::Currency && v.isValid())
            return displayText(*f, v);
        return v;
    case OrdenRole:
        if (!v.isValid())
            return {};
        switch (f->type()) {
        case Field::Type::Currency:
            return QVariant::fromValue<qlonglong>(Field::currencyOf(v).units());
        case Field::Type::Integer:
            return QVariant::fromValue<qlonglong>(v.toLongLong());
        case Field::Type::Date:
        case Field::Type::DateTime:
        case Field::Type::Time:
            return v;
        default:
            return {};
        }
    case Qt::TextAlignmentRole:
        if (f->type() == Field::Type::Currency || f->type() == Field::Type::Integer)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    const Field* f = fieldAt(section);
    return f ? f->displayLabel() : QVariant();
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex& index) const {
    const Field* f = fieldAt(index.column());
    if (!f) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!f->readOnly() && !f->calculated()) flags |= Qt::ItemIsEditable;
    return flags;
}

bool DatasetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    Field* f = fieldAt(index.column());
    if (!f || role != Qt::EditRole) return false;
    if (dataset_->recNo() != index.row() && !dataset_->moveTo(index.row())) return false;
    // Typed text is the installation's format; a text in any other is refused
    // rather than read as something else.
    QVariant valor = value;
    if (f->type() == Field::Type::Currency && value.typeId() == QMetaType::QString &&
        !value.toString().trimmed().isEmpty()) {
        const auto monto = FormatoNumero::instalacion().lea(value.toString());
        if (!monto)
            return false;
        valor = QVariant::fromValue(*monto);
    }
    if (!dataset_->edit()) return false;
    return f->setValue(valor);
}

bool DatasetModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && dataset_ && dataset_->canFetchMore();
}

void DatasetModel::fetchMore(const QModelIndex& parent) {
    if (!parent.isValid() && dataset_) dataset_->fetchMore();
}

}  // namespace ledgrix
