#include "core/data/client_dataset.h"

#include <QSqlField>
#include <QSqlRecord>
#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "core/data/provider.h"

namespace ledgrix {

namespace {

// A scaled numeric as the driver hands it: the stored integer times a power
// of ten, as a double ("99.99" arrives as 99.99000000000001). The column's
// scale gives the stored integer back exactly while it stays inside a
// double's 53 bits, which fifteen digits do; anything else takes the
// general way.
std::optional<Currency> importe_leido(const Field& f, const QVariant& v) {
    static constexpr int64_t potencia[] = {1, 10, 100, 1000, 10000};
    const int escala = f.scale();
    if (f.type() != Field::Type::Currency || escala < 0 || escala > Currency::kDecimals ||
        v.typeId() != QMetaType::Double)
        return std::nullopt;
    const double escalado = v.toDouble() * static_cast<double>(potencia[escala]);
    if (!(std::fabs(escalado) < 9007199254740992.0))
        return std::nullopt;
    return Currency::fromUnits(std::llround(escalado) * potencia[Currency::kDecimals - escala]);
}

Field::Type typeOf(const QSqlField& f) {
    switch (f.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return f.precision() > 0 ? Field::Type::Currency : Field::Type::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return Field::Type::Currency;
    case QMetaType::QDate:
        return Field::Type::Date;
    case QMetaType::QTime:
        return Field::Type::Time;
    case QMetaType::QDateTime:
        return Field::Type::DateTime;
    case QMetaType::QByteArray:
        return Field::Type::Blob;
    default:
        return Field::Type::String;
    }
}

}  // namespace

ClientDataset::ClientDataset(QObject* parent, const QString& name) : QObject(parent) {
    setObjectName(name);
}

ClientDataset::~ClientDataset() {
    if (master_) std::erase(master_->details_, this);
    for (ClientDataset* d : details_) d->master_ = nullptr;
}

Field& ClientDataset::declareField(const QString& name, Field::Type type) {
    if (Field* existing = findField(name)) return *existing;
    for (auto& f : declared_)
        if (f->name() == name) return *f;
    declared_.push_back(std::make_unique<Field>(this, name, type));
    return *declared_.back();
}

Field& ClientDataset::addCalculatedField(const QString& name, Field::Type type, int size) {
    Field& f = declareField(name, type);
    f.setCalculated(true);
    f.setType(type);
    f.setSize(size);
    return f;
}

Field* ClientDataset::findField(const QString& name) const {
    for (Field* f : fields_)
        if (f->name().compare(name, Qt::CaseInsensitive) == 0) return f;
    return nullptr;
}

Field& ClientDataset::fieldByName(const QString& name) const {
    if (Field* f = findField(name)) return *f;
    throw std::logic_error(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name).toStdString());
}

void ClientDataset::buildFields() {
    const QSqlRecord& rec = provider_->record();
    for (Field* f : fields_) f->index_ = -1;
    fields_.clear();
    queryFields_.clear();
    hasOriginTables_ = false;
    for (int i = 0; i < rec.count(); ++i) {
        const QSqlField qf = rec.field(i);
        const QString name = qf.name().toUpper();
        Field* f = nullptr;
        for (auto& d : declared_)
            if (!d->calculated() && d->name() == name) f = d.get();
        if (!f) {
            queryFields_.push_back(std::make_unique<Field>(this, name, typeOf(qf)));
            f = queryFields_.back().get();
            f->setDecimals(typeOf(qf) == Field::Type::Currency ? qf.precision() : 0);
        }
        f->setType(typeOf(qf));
        const int length = std::max(0, qf.length());
        f->setSize(f->type() == Field::Type::String ? length / provider_->bytesPerCharacter() : length);
        f->setRequired(qf.requiredStatus() == QSqlField::Required);
        f->setOriginTable(qf.tableName());
        f->scale_ = f->type() == Field::Type::Currency ? qf.precision() : -1;
        hasOriginTables_ = hasOriginTables_ || !qf.tableName().isEmpty();
        f->index_ = static_cast<int>(fields_.size());
        fields_.push_back(f);
    }
    for (auto& d : declared_) {
        if (!d->calculated()) continue;
        d->index_ = static_cast<int>(fields_.size());
        fields_.push_back(d.get());
    }
}

QVariantMap ClientDataset::linkParams(const Row* masterRow) const {
    QVariantMap params;
    const QString sql = commandText_.isEmpty() ? provider_->commandText() : commandText_;
    for (const Link& link : links_) {
        if (!sql.contains(u':' + link.first, Qt::CaseInsensitive)) continue;
        const Field* mf = master_->findField(link.first);
        QVariant v = masterRow && mf ? masterRow->values[mf->index()] : QVariant();
        if (v.metaType() == QMetaType::fromType<Currency>()) v = v.value<Currency>().toString(4);
        params.insert(link.first, v);
    }
    return params;
}

bool ClientDataset::open() {
    if (active()) close();
    lastError_ = {};
    if (!provider_) {
        lastError_ = {QStringLiteral("Missing data provider or data packet"), {}};
        return false;
    }
    if (master_ && !master_->active()) {
        lastError_ = {QStringLiteral("Master dataset is not open"), {}};
        return false;
    }
    const Row* masterRow = master_ ? master_->currentRow() : nullptr;
    if (auto e = provider_->open(commandText_, master_ ? linkParams(masterRow) : QVariantMap())) {
        lastError_ = *e;
        return false;
    }
    emit aboutToReset();
    buildFields();
    ownRows_ = RowSet{};
    buckets_.clear();
    rows_ = &ownRows_;
    view_.clear();
    cur_ = -1;
    eof_ = bof_ = true;
    state_ = State::Browse;
    cursorOpen_ = !master_;
    emit resetDone();
    if (master_) {
        provider_->close();
        masterScrolled();
    } else {
        ownRows_.loaded = true;
        readPacket(packetSize_);
        first();
    }
    if (afterOpen) afterOpen(*this);
    for (ClientDataset* d : details_) d->open();
    return lastError_.message.isEmpty();
}

void ClientDataset::close() {
    if (!active()) return;
    if (beforeClose) beforeClose(*this);
    for (ClientDataset* d : details_) d->close();
    if (!master_) provider_->close();
    emit aboutToReset();
    view_.clear();
    buckets_.clear();
    ownRows_ = RowSet{};
    rows_ = &ownRows_;
    cur_ = -1;
    eof_ = bof_ = true;
    cursorOpen_ = false;
    state_ = State::Inactive;
    emit resetDone();
}

bool ClientDataset::refresh() {
    if (!active()) return open();
    if (changeCount() > 0 || state_ != State::Browse) {
        lastError_ = {QStringLiteral("Must apply updates before refreshing data"), {}};
        return false;
    }
    const int position = cur_;
    if (!open()) return false;
    moveTo(std::max(position, 0));
    return true;
}

bool ClientDataset::readPacket(int count) {
    if (!cursorOpen_ || rows().fetchedAll) return false;
    if (beforeFetch) beforeFetch(*this);
    std::vector<QVector<QVariant>> raw;
    const auto error = provider_->fetch(count, raw);
    if (provider_->atEnd()) {
        rows().fetchedAll = true;
        cursorOpen_ = false;
    }
    if (afterFetch) afterFetch(*this);
    if (error) lastError_ = *error;
    addFetched(raw);
    return !raw.empty();
}

void ClientDataset::addFetched(std::vector<QVector<QVariant>>& raw) {
    std::vector<Row*> shown;
    for (auto& values : raw) {
        auto row = std::make_unique<Row>();
        row->id = nextRowId_++;
        row->values.resize(fieldCount());
        for (int i = 0; i < values.size() && i < fieldCount(); ++i) {
            const Field& f = *fields_[static_cast<size_t>(i)];
            if (const auto exacto = importe_leido(f, values[i])) {
                row->values[i] = QVariant::fromValue(*exacto);
                continue;
            }
            row->values[i] = Field::normalize(f.type(), values[i]);
            if (f.scale() >= 0 && f.scale() <= Currency::kDecimals && row->values[i].isValid())
                row->values[i] = QVariant::fromValue(R(row->values[i].value<Currency>(), -f.scale()));
        }
        calculate(*row);
        row->original = row->values;
        if (passes(*row)) shown.push_back(row.get());
        rows().rows.push_back(std::move(row));
    }
    if (shown.empty()) return;
    const int firstRow = recordCount();
    emit rowsAboutToBeInserted(firstRow, firstRow + static_cast<int>(shown.size()) - 1);
    view_.insert(view_.end(), shown.begin(), shown.end());
    emit rowsInserted();
}

bool ClientDataset::canFetchMore() const { return active() && cursorOpen_ && !rows_->fetchedAll; }

bool ClientDataset::fetchMore() { return readPacket(packetSize_); }

void ClientDataset::fetchAll() {
    while (canFetchMore()) readPacket(packetSize_);
}

void ClientDataset::calculate(Row& row) {
    if (!onCalcFields || calculating_) return;
    Row* previous = scratchRow_;
    scratchRow_ = &row;
    calculating_ = true;
    onCalcFields(*this);
    calculating_ = false;
    scratchRow_ = previous;
}

bool ClientDataset::passes(Row& row) {
    if (!filter_) return true;
    Row* previous = scratchRow_;
    scratchRow_ = &row;
    const bool keep = filter_(*this);
    scratchRow_ = previous;
    return keep;
}

Row* ClientDataset::currentRow() const {
    if (cur_ < 0 || cur_ >= recordCount()) return nullptr;
    return view_[static_cast<size_t>(cur_)];
}

QVariant ClientDataset::valueAt(int row, int fieldIndex) const {
    if (row < 0 || row >= recordCount() || fieldIndex < 0 || fieldIndex >= fieldCount()) return {};
    return view_[static_cast<size_t>(row)]->values[fieldIndex];
}

}  // namespace ledgrix
