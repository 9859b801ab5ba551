#pragma once

#include <QVariant>
#include <QVector>
#include <memory>
#include <vector>

namespace ledgrix {

// One row held by a client dataset. `original` keeps the values as last read
// from (or written to) the database: updates and deletes find the row by it,
// and updates write only the columns that differ from it.
struct Row {
    enum class Status { Unmodified, Inserted, Modified };

    QVector<QVariant> values;
    QVector<QVariant> original;
    Status status = Status::Unmodified;
    // Identifies the row to its nested details for the dataset's lifetime.
    quint64 id = 0;
};

// The rows of a dataset, or of one master row for a nested detail. Deleted
// rows wait in `deleted` until the changes are applied or cancelled.
struct RowSet {
    std::vector<std::unique_ptr<Row>> rows;
    std::vector<std::unique_ptr<Row>> deleted;
    bool loaded = false;
    bool fetchedAll = false;
    // The master row these rows belong to (details only).
    const Row* masterRow = nullptr;

    int changeCount() const {
        int n = static_cast<int>(deleted.size());
        for (const auto& r : rows)
            if (r->status != Row::Status::Unmodified) ++n;
        return n;
    }
};

}  // namespace ledgrix
