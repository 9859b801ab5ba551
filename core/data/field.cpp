#include "core/data/field.h"

#include "core/data/client_dataset.h"
#include "core/sql/sqltext.h"

namespace ledgrix {

Field::Field(ClientDataset* dataset, QString name, Type type)
    : dataset_(dataset), name_(std::move(name)), type_(type) {}

QVariant Field::value() const {
    const Row* row = dataset_->activeRow();
    if (!row || index_ < 0 || index_ >= row->values.size()) return {};
    return row->values[index_];
}

bool Field::isNull() const { return !value().isValid(); }

QString Field::asString() const {
    const QVariant v = value();
    if (!v.isValid()) return {};
    switch (type_) {
    case Type::Currency:
        return v.value<Currency>().toString(decimals_);
    case Type::Date:
        return sql::dateText(v.toDate());
    case Type::DateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    case Type::Time:
        return v.toTime().toString(QStringLiteral("hh:mm:ss"));
    default:
        return v.toString();
    }
}

qint64 Field::asInteger() const {
    const QVariant v = value();
    if (type_ == Type::Currency) return v.value<Currency>().wholePart();
    return v.toLongLong();
}

Currency Field::asCurrency() const { return currencyOf(value()); }
QDate Field::asDate() const { return value().toDate(); }
QTime Field::asTime() const { return value().toTime(); }
QDateTime Field::asDateTime() const { return value().toDateTime(); }

bool Field::setValue(const QVariant& value) {
    return dataset_->setFieldValue(*this, value);
}

Currency Field::currencyOf(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<Currency>()) return value.value<Currency>();
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        // A double from code, or an amount read beyond a double's exact
        // range: its shortest text to four decimals is what was meant.
        return Currency::fromText(QString::number(value.toDouble(), 'f', 4));
    default:
        return Currency::fromVariant(value);
    }
}

QVariant Field::normalize(Type type, const QVariant& value) {
    if (!value.isValid() || value.isNull()) return {};
    const bool isText = value.typeId() == QMetaType::QString;
    if (isText && value.toString().isEmpty()) return {};
    switch (type) {
    case Type::String:
        return value.toString();
    case Type::Integer:
        if (value.metaType() == QMetaType::fromType<Currency>())
            return QVariant::fromValue<qint64>(value.value<Currency>().wholePart());
        return QVariant::fromValue<qint64>(value.toLongLong());
    case Type::Currency:
        return QVariant::fromValue(currencyOf(value));
    case Type::Date:
        if (isText) return sql::parseDate(value.toString());
        return value.toDate();
    case Type::Time:
        return value.toTime();
    case Type::DateTime:
        return value.toDateTime();
    case Type::Blob:
        return value.toByteArray();
    }
    return value;
}

bool Field::equal(const QVariant& a, const QVariant& b) {
    if (a.isValid() != b.isValid()) return false;
    if (!a.isValid()) return true;
    if (a.metaType() == QMetaType::fromType<Currency>() ||
        b.metaType() == QMetaType::fromType<Currency>())
        return currencyOf(a) == currencyOf(b);
    return a == b;
}

}  // namespace ledgrix
