#pragma once

#include <QDate>
#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QTime>
#include <QVariant>
#include <functional>

#include "core/money/currency.h"

Q_DECLARE_METATYPE(ledgrix::Currency)

namespace ledgrix {

class ClientDataset;

// One column of a client dataset. A field has no value of its own: its getters
// and setters act on the dataset's current row (or on the row being calculated
// or filtered while those handlers run).
class Field {
public:
    // Flags ("S"/"N") are plain strings; amounts and percentages are Currency.
    enum class Type { String, Integer, Currency, Date, Time, DateTime, Blob };

    Field(ClientDataset* dataset, QString name, Type type);

    const QString& name() const { return name_; }
    // The label shown in grid headers; the column name until one is given.
    QString displayLabel() const { return label_.isEmpty() ? name_ : label_; }
    void setDisplayLabel(const QString& label) { label_ = label; }
    Type type() const { return type_; }
    void setType(Type type) { type_ = type; }
    int size() const { return size_; }
    void setSize(int size) { size_ = size; }
    bool required() const { return required_; }
    void setRequired(bool on) { required_ = on; }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool on) { readOnly_ = on; }
    bool visible() const { return visible_; }
    void setVisible(bool on) { visible_ = on; }
    bool calculated() const { return calculated_; }
    void setCalculated(bool on) { calculated_ = on; }
    // Decimals shown for amounts; the column's scale until set.
    int decimals() const { return decimals_; }
    void setDecimals(int decimals) { decimals_ = decimals; }
    // Decimals the column keeps in the database; -1 when not read from one.
    int scale() const { return scale_; }
    // Table the column comes from, as the driver reports it; empty for
    // expressions. Only columns of the update table are written back.
    const QString& originTable() const { return originTable_; }
    void setOriginTable(const QString& table) { originTable_ = table; }
    // Cleared for columns that must never be written (filled by triggers).
    bool inUpdate() const { return inUpdate_; }
    void setInUpdate(bool on) { inUpdate_ = on; }
    int index() const { return index_; }
    ClientDataset& dataset() const { return *dataset_; }

    QVariant value() const;
    bool isNull() const;
    QString asString() const;
    qint64 asInteger() const;
    Currency asCurrency() const;
    QDate asDate() const;
    QTime asTime() const;
    QDateTime asDateTime() const;

    // Sets the value on the current row, converting it to the field's type.
    // Refused (false) when the dataset is not editing or the field is
    // read-only. Fires onChange.
    bool setValue(const QVariant& value);
    bool setCurrency(Currency value) { return setValue(QVariant::fromValue(value)); }
    bool clear() { return setValue(QVariant()); }

    std::function<void(Field&)> onChange;

    // Converts a value read from the driver or given by code to the form rows
    // hold: QString, qint64, Currency, QDate, QTime, QDateTime, QByteArray, or
    // an invalid QVariant for null. An empty text is a missing value, as an
    // emptied edit box is.
    static QVariant normalize(Type type, const QVariant& value);
    static bool equal(const QVariant& a, const QVariant& b);
    static Currency currencyOf(const QVariant& value);

private:
    friend class ClientDataset;
    ClientDataset* dataset_;
    QString name_;
    QString label_;
    QString originTable_;
    Type type_;
    int size_ = 0;
    int decimals_ = 2;
    int scale_ = -1;
    int index_ = -1;
    bool required_ = false;
    bool readOnly_ = false;
    bool visible_ = true;
    bool calculated_ = false;
    bool inUpdate_ = true;
};

}  // namespace ledgrix
