// Editing a client dataset: the states, the checks a post makes and the
// handlers that decide what happens when one of them refuses.
#include <QStringDecoder>
#include <algorithm>

#include "core/data/client_dataset.h"

namespace ledgrix {

bool ClientDataset::fail(const QString& message, const ErrorHandler& handler) {
    lastError_ = {message, {}};
    ErrorAction action = ErrorAction::Fail;
    if (handler)
        handler(*this, lastError_, action);
    return false;
}

bool ClientDataset::runBefore(const Handler& h) {
    aborted_ = false;
    if (h)
        h(*this);
    const bool go = !aborted_;
    aborted_ = false;
    return go;
}

bool ClientDataset::checkBrowseMode() {
    for (ClientDataset* d : details_)
        if (d->active() && !d->checkBrowseMode())
            return false;
    if (state_ == State::Edit || state_ == State::Insert) {
        // A before-post handler that cancelled the row (an empty line dropped
        // silently) leaves nothing pending: the next operation goes on.
        return post() || state_ == State::Browse;
    }
    return true;
}

bool ClientDataset::setFieldValue(Field& f, const QVariant& value) {
    if (calculating_) {
        if (!f.calculated())
            return false;
        scratchRow_->values[f.index()] = Field::normalize(f.type(), value);
        return true;
    }
    if (state_ != State::Edit && state_ != State::Insert) {
        lastError_ = {QStringLiteral("Dataset not in edit or insert mode"), {}};
        return false;
    }
    if (f.readOnly()) {
        lastError_ = {QStringLiteral("Field '%1' cannot be modified").arg(f.name()), {}};
        return false;
    }
    Row* row = currentRow();
    // Text longer than the column is kept as typed and refused by post():
    // cutting it here would store something the user did not write.
    const QVariant v = Field::normalize(f.type(), value);
    row->values[f.index()] = v;
    // Details follow their master's key so they are written under it.
    for (ClientDataset* d : details_) {
        for (const Link& link : d->links_) {
            if (link.first.compare(f.name(), Qt::CaseInsensitive) != 0)
                continue;
            RowSet* bucket = d->bucketFor(row, false);
            const Field* df = d->findField(link.second);
            if (!bucket || !df)
                continue;
            for (auto& r : bucket->rows) {
                r->values[df->index()] = v;
                if (r->status == Row::Status::Unmodified)
                    r->status = Row::Status::Modified;
            }
        }
    }
    if (f.onChange)
        f.onChange(f);
    calculate(*row);
    emit rowChanged(cur_);
    return true;
}

bool ClientDataset::beginInsert(int position) {
    if (!active())
        return fail(QStringLiteral("Cannot perform this operation on a closed dataset"), {});
    if (!checkBrowseMode())
        return false;
    if (master_) {
        if ((master_->state_ == State::Edit || master_->state_ == State::Insert) &&
            !master_->post())
            return false;
        if (!master_->currentRow())
            return fail(QStringLiteral("Cannot insert a detail without a master record"), {});
    }
    if (!runBefore(beforeInsert))
        return false;
    auto row = std::make_unique<Row>();
    row->id = nextRowId_++;
    row->status = Row::Status::Inserted;
    row->values.resize(fieldCount());
    row->original.resize(fieldCount());
    if (master_) {
        const Row* m = master_->currentRow();
        for (const Link& link : links_) {
            const Field* mf = master_->findField(link.first);
            const Field* df = findField(link.second);
            if (mf && df)
                row->values[df->index()] = m->values[mf->index()];
        }
    }
    position = std::clamp(position, 0, recordCount());
    Row* raw = row.get();
    rows().rows.push_back(std::move(row));
    emit rowsAboutToBeInserted(position, position);
    view_.insert(view_.begin() + position, raw);
    emit rowsInserted();
    cur_ = position;
    eof_ = bof_ = false;
    state_ = State::Insert;
    editBackup_.clear();
    if (onNewRecord)
        onNewRecord(*this);
    calculate(*raw);
    if (afterInsert)
        afterInsert(*this);
    scrolled();
    return true;
}

bool ClientDataset::append() {
    return beginInsert(recordCount());
}

bool ClientDataset::insert() {
    return beginInsert(std::max(cur_, 0));
}

bool ClientDataset::edit() {
    if (state_ == State::Edit || state_ == State::Insert)
        return true;
    if (!active() || view_.empty())
        return fail(QStringLiteral("Cannot perform this operation on an empty dataset"),
                    onEditError);
    if (!runBefore(beforeEdit))
        return false;
    editBackup_ = currentRow()->values;
    state_ = State::Edit;
    if (afterEdit)
        afterEdit(*this);
    return true;
}

bool ClientDataset::checkPost() {
    const Row* row = currentRow();
    for (const Field* f : fields_)
        if (f->required() && !f->calculated() && !row->values[f->index()].isValid()) {
            lastError_ = {QStringLiteral("Field '%1' must have a value").arg(f->name()), {}};
            return false;
        }
    // Text the database cannot keep (outside its Latin-1 character set, or
    // control characters) is refused here, naming the field, rather than
    // turned into '?' or a driver error at apply time.
    for (const Field* f : fields_) {
        const bool blob = f->type() == Field::Type::Blob;
        if ((f->type() != Field::Type::String && !blob) || f->calculated())
            continue;
        const QVariant& v = row->values[f->index()];
        if (!v.isValid() || v.isNull())
            continue;
        // A text blob holds the connection's UTF-8; pictures and other binary
        // contents (zero bytes, invalid UTF-8) are not text and pass as they are.
        QString texto = v.toString();
        if (blob) {
            const QByteArray bytes = v.toByteArray();
            if (bytes.contains('\0'))
                continue;
            QStringDecoder utf8(QStringDecoder::Utf8);
            texto = utf8(bytes);
            if (utf8.hasError())
                continue;
        }
        QString malos;
        for (const char32_t c : texto.toUcs4()) {
            const bool control = !blob && c < 0x20 && c != U'\t' && c != U'\n' && c != U'\r';
            const QString uno = QString::fromUcs4(&c, 1);
            if ((c > 0xFF || control) && !malos.contains(uno))
                malos += uno;
        }
        if (!malos.isEmpty()) {
            lastError_ = {QStringLiteral("Characters not allowed|%1|%2").arg(f->name(), malos), {}};
            return false;
        }
        const qsizetype largo = texto.size();
        if (!blob && f->size() > 0 && largo > f->size()) {
            lastError_ = {
                QStringLiteral("Too long|%1|%2|%3").arg(f->name()).arg(f->size()).arg(largo), {}};
            return false;
        }
    }
    // Amounts beyond what a 15-digit column keeps.
    for (const Field* f : fields_) {
        if (f->type() != Field::Type::Currency || f->calculated() || f->scale() < 0)
            continue;
        const QVariant& v = row->values[f->index()];
        if (!v.isValid() || v.isNull())
            continue;
        Currency limite = Currency::fromInt(1);
        for (int i = 0; i < std::min(14, 15 - f->scale()); ++i)
            limite = limite * Currency::fromInt(10);
        if (v.value<Currency>().abs() >= limite) {
            lastError_ = {QStringLiteral("Too large|%1").arg(f->name()), {}};
            return false;
        }
    }
    if (indexFields_.isEmpty())
        return true;
    std::vector<int> index;
    for (const QString& name : indexFields_)
        if (const Field* f = findField(name))
            index.push_back(f->index());
    for (const auto& other : rows().rows) {
        if (other.get() == row)
            continue;
        const bool same = std::all_of(index.begin(), index.end(), [&](int i) {
            return Field::equal(other->values[i], row->values[i]);
        });
        if (same) {
            lastError_ = {QStringLiteral("Key violation."), {}};
            return false;
        }
    }
    return true;
}

bool ClientDataset::post() {
    if (state_ != State::Edit && state_ != State::Insert)
        return true;
    for (int attempt = 0;; ++attempt) {
        if (!runBefore(beforePost))
            return false;
        if (checkPost())
            break;
        ErrorAction action = ErrorAction::Fail;
        if (onPostError)
            onPostError(*this, lastError_, action);
        if (action != ErrorAction::Retry || attempt >= 2)
            return false;
    }
    Row* row = currentRow();
    if (state_ == State::Edit && row->status == Row::Status::Unmodified &&
        row->values != row->original) {
        bool differs = false;
        for (int i = 0; i < row->values.size(); ++i)
            if (!fields_[static_cast<size_t>(i)]->calculated() &&
                !Field::equal(row->values[i], row->original[i]))
                differs = true;
        if (differs)
            row->status = Row::Status::Modified;
    }
    state_ = State::Browse;
    editBackup_.clear();
    lastError_ = {};
    calculate(*row);
    emit rowChanged(cur_);
    if (afterPost)
        afterPost(*this);
    return true;
}

void ClientDataset::removeFromView(int position) {
    Row* row = view_[static_cast<size_t>(position)];
    emit rowAboutToBeRemoved(position);
    view_.erase(view_.begin() + position);
    auto& list = rows().rows;
    auto it = std::find_if(list.begin(), list.end(), [&](const auto& r) { return r.get() == row; });
    if (row->status == Row::Status::Inserted) {
        dropBucketsOf(row);
        list.erase(it);
    } else {
        rows().deleted.push_back(std::move(*it));
        list.erase(it);
    }
    emit rowRemoved();
    cur_ = std::min(position, recordCount() - 1);
    eof_ = bof_ = view_.empty();
}

void ClientDataset::cancel() {
    if (state_ == State::Insert) {
        if (!runBefore(beforeCancel))
            return;
        state_ = State::Browse;
        removeFromView(cur_);
        if (afterCancel)
            afterCancel(*this);
        scrolled();
    } else if (state_ == State::Edit) {
        if (!runBefore(beforeCancel))
            return;
        currentRow()->values = editBackup_;
        editBackup_.clear();
        state_ = State::Browse;
        emit rowChanged(cur_);
        if (afterCancel)
            afterCancel(*this);
    }
}

bool ClientDataset::remove() {
    if (state_ == State::Insert) {
        cancel();
        return true;
    }
    if (!active() || view_.empty())
        return fail(QStringLiteral("Cannot perform this operation on an empty dataset"),
                    onDeleteError);
    if (state_ == State::Edit)
        cancel();
    if (!runBefore(beforeDelete))
        return false;
    for (ClientDataset* d : details_)
        if (d->active())
            d->cascadeDelete(currentRow());
    removeFromView(cur_);
    if (afterDelete)
        afterDelete(*this);
    scrolled();
    return true;
}

}  // namespace ledgrix
