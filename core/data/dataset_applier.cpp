// Writing a client dataset's pending changes, with those of its nested
// details, in one transaction: all of them or none.
#include <QSqlDatabase>
#include <QSqlError>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/sql/transaccion.h"

namespace ledgrix {

class DatasetApplier {
  public:
    DatasetApplier(ClientDataset& root, int maxErrors) : root_(root), maxErrors_(maxErrors) {}

    int run() {
        QSqlDatabase db = root_.provider_->database();
        if (auto problem = checkTree(root_, root_.provider_->connectionName())) {
            root_.lastError_ = {*problem, {}};
            return 1;
        }
        // Inside a unit of work the rows are written in its transaction and
        // become saved in memory only once the unit commits.
        const QString connection = root_.provider_->connectionName();
        if (Transaccion::abierta(connection)) {
            deletes(root_);
            if (!stopped())
                writes(root_);
            if (errors_ > 0) {
                Transaccion::falle(connection);
                return errors_;
            }
            ClientDataset* root = &root_;
            Transaccion::al_confirmar(connection, [root] { merge(*root); });
            return 0;
        }
        if (!db.transaction()) {
            report(root_, UpdateKind::Modify,
                   {db.lastError().text(), db.lastError().databaseText()});
            return errors_;
        }
        deletes(root_);
        if (!stopped())
            writes(root_);
        if (errors_ == 0 && !db.commit())
            report(root_, UpdateKind::Modify,
                   {db.lastError().text(), db.lastError().databaseText()});
        if (errors_ > 0) {
            db.rollback();
            return errors_;
        }
        merge(root_);
        return 0;
    }

  private:
    static std::optional<QString> checkTree(const ClientDataset& ds, const QString& connection) {
        if (!ds.provider_)
            return QStringLiteral("%1: Missing data provider").arg(ds.objectName());
        // One transaction spans one connection only.
        if (ds.provider_->connectionName() != connection)
            return QStringLiteral("%1: details must use their master's connection")
                .arg(ds.objectName());
        for (const ClientDataset* d : ds.details_)
            if (auto p = checkTree(*d, connection))
                return p;
        return std::nullopt;
    }

    static std::vector<RowSet*> sets(ClientDataset& ds) {
        if (!ds.master_)
            return {&ds.ownRows_};
        std::vector<RowSet*> out;
        for (auto& [id, set] : ds.buckets_)
            out.push_back(&set);
        return out;
    }

    bool stopped() const { return errors_ > 0 && maxErrors_ >= 0 && errors_ > maxErrors_; }

    void report(ClientDataset& ds, UpdateKind kind, const DataError& error) {
        ++errors_;
        ds.lastError_ = error;
        root_.lastError_ = error;
        ErrorResponse response = ErrorResponse::Abort;
        if (ds.provider_ && ds.provider_->onUpdateError)
            ds.provider_->onUpdateError(*ds.provider_, ds, kind, error, response);
    }

    void write(ClientDataset& ds, UpdateKind kind, const Row& row) {
        if (stopped())
            return;
        if (auto error = ds.provider_->write(kind, ds, row, &preparadas_))
            report(ds, kind, *error);
    }

    // Details go first so that no master row is deleted under them.
    void deletes(ClientDataset& ds) {
        for (ClientDataset* d : ds.details_)
            deletes(*d);
        for (RowSet* set : sets(ds))
            for (const auto& row : set->deleted)
                write(ds, UpdateKind::Delete, *row);
    }

    // Masters go first so that new detail rows find them.
    void writes(ClientDataset& ds) {
        for (RowSet* set : sets(ds)) {
            for (auto& row : set->rows) {
                if (row->status == Row::Status::Unmodified)
                    continue;
                if (set->masterRow)
                    copyLinks(ds, *set->masterRow, *row);
                write(
                    ds,
                    row->status == Row::Status::Inserted ? UpdateKind::Insert : UpdateKind::Modify,
                    *row);
            }
        }
        for (ClientDataset* d : ds.details_)
            writes(*d);
    }

    static void copyLinks(const ClientDataset& ds, const Row& master, Row& row) {
        for (const auto& link : ds.links_) {
            const Field* mf = ds.master_->findField(link.first);
            const Field* df = ds.findField(link.second);
            if (mf && df)
                row.values[df->index()] = master.values[mf->index()];
        }
    }

    static void merge(ClientDataset& ds) {
        for (ClientDataset* d : ds.details_)
            merge(*d);
        for (RowSet* set : sets(ds)) {
            for (auto& row : set->deleted)
                ds.dropBucketsOf(row.get());
            set->deleted.clear();
            for (auto& row : set->rows) {
                row->status = Row::Status::Unmodified;
                row->original = row->values;
            }
        }
    }

    ClientDataset& root_;
    SentenciasPreparadas preparadas_;
    int maxErrors_;
    int errors_ = 0;
};

int ClientDataset::changeCount() const {
    int n = 0;
    if (!master_) {
        n = ownRows_.changeCount();
    } else {
        for (const auto& [id, set] : buckets_)
            n += set.changeCount();
    }
    // A row being inserted is not a change until it is posted.
    if (state_ == State::Insert)
        --n;
    for (const ClientDataset* d : details_)
        n += d->changeCount();
    return n;
}

int ClientDataset::applyUpdates(int maxErrors) {
    if (master_)
        return master_->applyUpdates(maxErrors);
    if (!active())
        return 0;
    if (!checkBrowseMode())
        return 1;
    if (changeCount() == 0)
        return 0;
    return DatasetApplier(*this, maxErrors).run();
}

void ClientDataset::cancelChanges() {
    for (ClientDataset* d : details_)
        d->cancelChanges();
    std::vector<RowSet*> sets;
    if (!master_) {
        sets.push_back(&ownRows_);
    } else {
        for (auto& [id, set] : buckets_)
            sets.push_back(&set);
    }
    for (RowSet* set : sets) {
        auto& rows = set->rows;
        for (auto& row : rows)
            if (row->status == Row::Status::Inserted)
                dropBucketsOf(row.get());
        std::erase_if(rows, [](const auto& r) { return r->status == Row::Status::Inserted; });
        for (auto& row : rows) {
            row->values = row->original;
            row->status = Row::Status::Unmodified;
        }
        for (auto& row : set->deleted)
            rows.push_back(std::move(row));
        set->deleted.clear();
    }
}

void ClientDataset::cancelUpdates() {
    if (master_) {
        master_->cancelUpdates();
        return;
    }
    if (!active())
        return;
    for (ClientDataset* d : details_)
        if (d->state_ != State::Browse && d->active())
            d->cancel();
    cancel();
    cancelChanges();
    const int position = cur_;
    rebuildView();
    if (position > 0)
        moveTo(position);
}

}  // namespace ledgrix
