#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/data/data_error.h"

namespace ledgrix {

class ClientDataset;
struct Row;

// The statements prepared while one set of changes is written: rows of the
// same shape reuse one prepared statement instead of preparing it again.
// Lives only as long as that transaction's writing.
class SentenciasPreparadas {
public:
    // The statement for `sql` on `db`, prepared the first time; null when
    // the preparation fails (the error is in `error`).
    QSqlQuery* prepare(const QSqlDatabase& db, const QString& sql, QSqlError& error);

private:
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> sentencias_;
};

// Reads the rows of one SQL command in packets and writes a client dataset's
// changes back as INSERT/UPDATE/DELETE statements on the update table.
class Provider : public QObject {
    Q_OBJECT
public:
    using UpdateErrorHandler =
        std::function<void(Provider& sender, ClientDataset& dataset, UpdateKind kind,
                           const DataError& error, ErrorResponse& response)>;

    // Written before the driver's text in every write error; the error
    // translation reads the driver's text right after it.
    static inline const QString kWritePrefix = QStringLiteral("Error de escritura: ");

    explicit Provider(QObject* parent = nullptr, const QString& name = {});
    ~Provider() override;

    void setConnectionName(const QString& name) { connectionName_ = name; }
    const QString& connectionName() const { return connectionName_; }
    QSqlDatabase database() const;

    // The query component the rows come from ("QEgresos"); its name less the
    // first letter names the table in translated write errors.
    void setQueryName(const QString& name) { queryName_ = name; }
    const QString& queryName() const { return queryName_; }

    void setCommandText(const QString& sql) { commandText_ = sql; }
    const QString& commandText() const { return commandText_; }
    // Whether a client dataset may replace the command text with its own.
    void setAllowCommandText(bool on) { allowCommandText_ = on; }
    bool allowCommandText() const { return allowCommandText_; }

    // The table written to: the one named after the first FROM unless set.
    void setUpdateTable(const QString& table) { updateTable_ = table; }
    QString updateTable() const;
    // Columns that find a row for update and delete: the table's primary key
    // unless set.
    void setKeyFields(const QStringList& fields) { keyFields_ = fields; }
    QStringList keyFields() const;

    UpdateErrorHandler onUpdateError;

    // Reading. `sql` empty means the provider's own command text; a client's
    // text is refused unless allowed. Named parameters (":EGRE_ID") are bound
    // from `params`.
    std::optional<DataError> open(const QString& sql, const QVariantMap& params = {});
    const QSqlRecord& record() const { return record_; }
    // Appends up to `maxRows` rows (all when negative) to `out`; `atEnd`
    // turns true once the last row was read and the cursor is released.
    std::optional<DataError> fetch(int maxRows, std::vector<QVector<QVariant>>& out);
    bool atEnd() const { return !cursor_; }
    void close();

    // Writing, inside the transaction the caller opened on database().
    // Statements come from `preparadas` when given.
    std::optional<DataError> write(UpdateKind kind, const ClientDataset& dataset, const Row& row,
                                   SentenciasPreparadas* preparadas = nullptr);

    static QString tableFromSelect(const QString& sql);
    // Bytes the connection's character set spends per character: the driver
    // reports text lengths in bytes, fields speak of characters.
    int bytesPerCharacter() const;

private:
    QString connectionName_;
    QString queryName_;
    QString commandText_;
    QString updateTable_;
    QStringList keyFields_;
    mutable QStringList primaryKeyCache_;
    mutable QString primaryKeyTable_;
    mutable int bytesPerChar_ = 0;
    bool allowCommandText_ = false;
    QString openedSql_;
    QSqlRecord record_;
    std::unique_ptr<QSqlQuery> cursor_;
};

}  // namespace ledgrix
