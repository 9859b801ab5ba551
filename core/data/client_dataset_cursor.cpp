// Moving through a client dataset: cursor, search, filter and the switching
// of nested details when their master moves.
#include <algorithm>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"

namespace ledgrix {

bool ClientDataset::moveTo(int row) {
    if (!active() || !checkBrowseMode()) return false;
    while (row >= recordCount() && canFetchMore()) fetchMore();
    if (view_.empty()) {
        const bool changed = cur_ != -1;
        cur_ = -1;
        eof_ = bof_ = true;
        if (changed) scrolled();
        return false;
    }
    row = std::clamp(row, 0, recordCount() - 1);
    eof_ = bof_ = false;
    if (row != cur_) {
        cur_ = row;
        scrolled();
    }
    return true;
}

bool ClientDataset::first() {
    const bool moved = moveTo(0);
    bof_ = true;
    eof_ = view_.empty();
    return moved;
}

bool ClientDataset::next() {
    if (!active() || !checkBrowseMode()) return false;
    if (cur_ + 1 >= recordCount() && canFetchMore()) fetchMore();
    if (cur_ + 1 >= recordCount()) {
        eof_ = true;
        return false;
    }
    return moveTo(cur_ + 1);
}

bool ClientDataset::prior() {
    if (!active() || !checkBrowseMode()) return false;
    if (cur_ <= 0) {
        bof_ = true;
        return false;
    }
    return moveTo(cur_ - 1);
}

bool ClientDataset::last() {
    if (!active() || !checkBrowseMode()) return false;
    fetchAll();
    const bool moved = moveTo(recordCount() - 1);
    eof_ = true;
    return moved;
}

bool ClientDataset::locate(const QString& fieldNames, const QVariantList& values) {
    if (!active() || !checkBrowseMode()) return false;
    const QStringList names = fieldNames.split(u';', Qt::SkipEmptyParts);
    if (names.size() != values.size()) return false;
    std::vector<std::pair<int, QVariant>> wanted;
    for (int i = 0; i < names.size(); ++i) {
        const Field* f = findField(names[i].trimmed());
        if (!f) return false;
        wanted.emplace_back(f->index(), Field::normalize(f->type(), values[i]));
    }
    for (int row = 0;; ++row) {
        if (row >= recordCount() && !(canFetchMore() && fetchMore())) return false;
        if (row >= recordCount()) return false;
        const Row& r = *view_[static_cast<size_t>(row)];
        const bool match = std::all_of(wanted.begin(), wanted.end(), [&](const auto& w) {
            return Field::equal(r.values[w.first], w.second);
        });
        if (match) return moveTo(row);
    }
}

void ClientDataset::setFilter(RowFilter filter) {
    filter_ = std::move(filter);
    if (!active()) return;
    checkBrowseMode();
    rebuildView();
}

bool ClientDataset::setFilterText(const QString& text) {
    if (text.trimmed().isEmpty()) {
        clearFilter();
        return true;
    }
    auto filter = parseFilterText(text);
    if (!filter) return false;
    setFilter(std::move(*filter));
    return true;
}

void ClientDataset::rebuildView() {
    emit aboutToReset();
    view_.clear();
    for (auto& row : rows().rows)
        if (passes(*row)) view_.push_back(row.get());
    cur_ = view_.empty() ? -1 : 0;
    eof_ = bof_ = view_.empty();
    emit resetDone();
    scrolled();
}

void ClientDataset::scrolled() {
    if (afterScroll) afterScroll(*this);
    emit currentRowChanged(cur_);
    for (ClientDataset* d : details_)
        if (d->active()) d->masterScrolled();
}

void ClientDataset::setMaster(ClientDataset* master, const QList<Link>& links) {
    if (master_) std::erase(master_->details_, this);
    master_ = master;
    links_ = links;
    if (master_) master_->details_.push_back(this);
}

RowSet* ClientDataset::bucketFor(const Row* masterRow, bool load) {
    if (!masterRow) return nullptr;
    auto it = buckets_.find(masterRow->id);
    if (it != buckets_.end()) return &it->second;
    if (!load) return nullptr;
    RowSet& bucket = buckets_[masterRow->id];
    bucket.masterRow = masterRow;
    bucket.loaded = bucket.fetchedAll = true;
    // A master row not yet written has no details in the database.
    if (masterRow->status == Row::Status::Inserted) return &bucket;
    std::vector<QVector<QVariant>> raw;
    auto error = provider_->open(commandText_, linkParams(masterRow));
    if (!error) {
        if (beforeFetch) beforeFetch(*this);
        error = provider_->fetch(-1, raw);
        if (afterFetch) afterFetch(*this);
    }
    provider_->close();
    if (error) lastError_ = *error;
    RowSet* shown = rows_;
    rows_ = &bucket;
    std::vector<Row*> keep = std::move(view_);
    view_.clear();
    // Rows are converted as fetched ones are, then the caller shows them.
    const bool blocked = signalsBlocked();
    blockSignals(true);
    addFetched(raw);
    blockSignals(blocked);
    view_ = std::move(keep);
    rows_ = shown;
    return &bucket;
}

void ClientDataset::masterScrolled() {
    if (state_ == State::Edit || state_ == State::Insert) post();
    RowSet* bucket = bucketFor(master_->currentRow(), true);
    if (!bucket) {
        ownRows_ = RowSet{};
        bucket = &ownRows_;
    }
    rows_ = bucket;
    rebuildView();
}

void ClientDataset::dropBucketsOf(const Row* masterRow) {
    for (ClientDataset* d : details_) {
        auto it = d->buckets_.find(masterRow->id);
        if (it == d->buckets_.end()) continue;
        for (auto& r : it->second.rows) d->dropBucketsOf(r.get());
        for (auto& r : it->second.deleted) d->dropBucketsOf(r.get());
        if (d->rows_ == &it->second) {
            d->emit aboutToReset();
            d->view_.clear();
            d->cur_ = -1;
            d->ownRows_ = RowSet{};
            d->rows_ = &d->ownRows_;
            d->emit resetDone();
        }
        d->buckets_.erase(it);
    }
}

void ClientDataset::cascadeDelete(const Row* masterRow) {
    RowSet* bucket = bucketFor(masterRow, true);
    if (!bucket) return;
    const bool shown = bucket == rows_;
    if (shown) emit aboutToReset();
    for (auto& r : bucket->rows) {
        for (ClientDataset* d : details_) d->cascadeDelete(r.get());
        if (r->status == Row::Status::Inserted)
            dropBucketsOf(r.get());
        else
            bucket->deleted.push_back(std::move(r));
    }
    bucket->rows.clear();
    if (shown) {
        view_.clear();
        cur_ = -1;
        eof_ = bof_ = true;
        emit resetDone();
    }
}

}  // namespace ledgrix
