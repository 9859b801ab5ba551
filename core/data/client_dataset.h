#pragma once

#include <QObject>
#include <QPair>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "core/data/data_error.h"
#include "core/data/field.h"
#include "core/data/row_filter.h"
#include "core/data/row_set.h"

namespace ledgrix {

class Provider;

// An in-memory table of rows read through a Provider in packets. Edits are
// held as pending changes until applyUpdates writes them, together with those
// of its nested details, in one transaction.
class ClientDataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using Handler = std::function<void(ClientDataset&)>;
    using ErrorHandler = std::function<void(ClientDataset&, const DataError&, ErrorAction&)>;
    using Link = QPair<QString, QString>;  // master field, detail field

    explicit ClientDataset(QObject* parent = nullptr, const QString& name = {});
    ~ClientDataset() override;

    void setProvider(Provider* provider) { provider_ = provider; }
    Provider* provider() const { return provider_; }
    // Replaces the provider's SQL for this dataset (the provider must allow it).
    void setCommandText(const QString& sql) { commandText_ = sql; }
    const QString& commandText() const { return commandText_; }
    // Rows per packet; -1 reads everything on open.
    void setPacketSize(int rows) { packetSize_ = rows; }
    int packetSize() const { return packetSize_; }

    // Fields declared by code before opening keep their labels, visibility and
    // decimals across opens; calculated ones are added after the query's.
    Field& declareField(const QString& name, Field::Type type = Field::Type::String);
    Field& addCalculatedField(const QString& name, Field::Type type, int size = 0);
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    Field& field(int index) const { return *fields_[static_cast<size_t>(index)]; }
    const std::vector<Field*>& fields() const { return fields_; }
    Field* findField(const QString& name) const;
    // Throws std::logic_error for an unknown name: a programming error.
    Field& fieldByName(const QString& name) const;
    // Whether the driver told which table each column comes from.
    bool hasOriginTables() const { return hasOriginTables_; }

    bool open();
    void close();
    // Reads the rows again, keeping the position; refused with pending changes.
    bool refresh();
    bool active() const { return state_ != State::Inactive; }
    State state() const { return state_; }

    // Cursor over the rows visible through the filter and the master link.
    int recordCount() const { return static_cast<int>(view_.size()); }
    bool isEmpty() const { return view_.empty(); }
    int recNo() const { return cur_; }
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    bool first();
    bool next();
    bool prior();
    bool last();
    bool moveTo(int row);
    bool canFetchMore() const;
    bool fetchMore();
    void fetchAll();
    // Exact match on ';'-separated field names; moves to the row found.
    bool locate(const QString& fieldNames, const QVariantList& values);
    // Value of a field on any visible row, for grids.
    QVariant valueAt(int row, int fieldIndex) const;

    bool append();
    bool insert();
    bool edit();
    bool post();
    void cancel();
    bool remove();
    // Called by a before-handler to stop the operation without an error.
    void abort() { aborted_ = true; }
    const DataError& lastError() const { return lastError_; }

    void setFilter(RowFilter filter);
    // "FIELD = 'text' AND FIELD = 12"; false (filter unchanged) when not understood.
    bool setFilterText(const QString& text);
    void clearFilter() { setFilter({}); }

    // In-memory unique index checked on post ("Key violation.").
    void setUniqueIndex(const QStringList& fields) { indexFields_ = fields; }
    const QStringList& indexFields() const { return indexFields_; }

    // Nests this dataset under `master`: it shows the rows of the master's
    // current row, read with the master fields bound to the parameters of
    // this dataset's SQL named after them, and new rows get the master values.
    void setMaster(ClientDataset* master, const QList<Link>& links);
    ClientDataset* master() const { return master_; }
    const std::vector<ClientDataset*>& details() const { return details_; }

    // Pending changes here and in the nested details.
    int changeCount() const;
    void cancelUpdates();
    // Writes every pending change of this dataset and its details in one
    // transaction; returns the number of errors (0 = written and merged).
    int applyUpdates(int maxErrors = 0);

    Handler onNewRecord, beforeInsert, afterInsert, beforeEdit, afterEdit, beforePost, afterPost,
        beforeCancel, afterCancel, beforeDelete, afterDelete, afterScroll, afterOpen, beforeClose,
        onCalcFields, beforeFetch, afterFetch;
    ErrorHandler onEditError, onPostError, onDeleteError;

signals:
    void rowsAboutToBeInserted(int first, int last);
    void rowsInserted();
    void rowAboutToBeRemoved(int row);
    void rowRemoved();
    void aboutToReset();
    void resetDone();
    void rowChanged(int row);
    void currentRowChanged(int row);

private:
    friend class Field;
    friend class DatasetApplier;

    Row* currentRow() const;
    Row* activeRow() const { return scratchRow_ ? scratchRow_ : currentRow(); }
    bool setFieldValue(Field& f, const QVariant& value);
    void buildFields();
    bool readPacket(int rows);
    QVariantMap linkParams(const Row* masterRow) const;
    bool checkBrowseMode();
    void cascadeDelete(const Row* masterRow);
    void removeFromView(int position);
    void addFetched(std::vector<QVector<QVariant>>& rows);
    void calculate(Row& row);
    bool passes(Row& row);
    void rebuildView();
    RowSet& rows() { return *rows_; }
    RowSet* bucketFor(const Row* masterRow, bool load);
    void masterScrolled();
    void scrolled();
    bool fail(const QString& message, const ErrorHandler& handler);
    bool runBefore(const Handler& h);
    bool checkPost();
    bool beginInsert(int position);
    void dropBucketsOf(const Row* masterRow);
    void cancelChanges();

    Provider* provider_ = nullptr;
    QString commandText_;
    int packetSize_ = -1;
    std::vector<Field*> fields_;
    std::vector<std::unique_ptr<Field>> declared_;
    std::vector<std::unique_ptr<Field>> queryFields_;
    State state_ = State::Inactive;
    RowSet ownRows_;
    RowSet* rows_ = &ownRows_;
    std::map<quint64, RowSet> buckets_;
    std::vector<Row*> view_;
    int cur_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    bool aborted_ = false;
    bool cursorOpen_ = false;
    Row* scratchRow_ = nullptr;
    bool calculating_ = false;
    QVector<QVariant> editBackup_;
    DataError lastError_;
    RowFilter filter_;
    QStringList indexFields_;
    ClientDataset* master_ = nullptr;
    QList<Link> links_;
    std::vector<ClientDataset*> details_;
    quint64 nextRowId_ = 1;
    bool hasOriginTables_ = false;
};

}  // namespace ledgrix
