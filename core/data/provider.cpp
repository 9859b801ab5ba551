#include "core/data/provider.h"

#include <QHash>
#include <QSqlDriver>

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <algorithm>

#include "core/data/client_dataset.h"

namespace ledgrix {

namespace {

DataError readError(const QSqlError& e) {
    return {e.databaseText().isEmpty() ? e.text() : e.databaseText(), e.databaseText()};
}

DataError writeError(const QSqlError& e) {
    const QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return {Provider::kWritePrefix + text, e.databaseText()};
}

}  // namespace

Provider::Provider(QObject* parent, const QString& name) : QObject(parent) {
    setObjectName(name);
}

Provider::~Provider() = default;

QSqlDatabase Provider::database() const {
    return QSqlDatabase::database(connectionName_, false);
}

QString Provider::tableFromSelect(const QString& sql) {
    static const QRegularExpression from(QStringLiteral(R"(\bfrom\s+("[^"]+"|[A-Za-z0-9_$]+))"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto m = from.match(sql);
    return m.hasMatch() ? m.captured(1) : QString();
}

QString Provider::updateTable() const {
    if (!updateTable_.isEmpty())
        return updateTable_;
    return tableFromSelect(openedSql_.isEmpty() ? commandText_ : openedSql_);
}

QStringList Provider::keyFields() const {
    if (!keyFields_.isEmpty())
        return keyFields_;
    const QString table = updateTable();
    if (table != primaryKeyTable_) {
        primaryKeyTable_ = table;
        primaryKeyCache_.clear();
        const QSqlIndex index = database().primaryIndex(table);
        for (int i = 0; i < index.count(); ++i)
            primaryKeyCache_ << index.fieldName(i).toUpper();
    }
    return primaryKeyCache_;
}

int Provider::bytesPerCharacter() const {
    if (bytesPerChar_ > 0)
        return bytesPerChar_;
    QSqlQuery q(database());
    if (q.exec(QStringLiteral(
            "SELECT cs.RDB$BYTES_PER_CHARACTER FROM MON$ATTACHMENTS a JOIN RDB$CHARACTER_SETS cs "
            "ON cs.RDB$CHARACTER_SET_ID = a.MON$CHARACTER_SET_ID WHERE a.MON$ATTACHMENT_ID = "
            "CURRENT_CONNECTION")) &&
        q.next())
        bytesPerChar_ = std::max(1, q.value(0).toInt());
    else
        bytesPerChar_ = 1;
    return bytesPerChar_;
}

namespace {

// The driver describes a result by asking the catalogue once per scaled
// numeric column, each in a transaction of its own: some forty statements
// for a document table, each a round trip to a server. A statement text
// always describes the same columns, so each connection keeps what it was
// told. The cache is per connection name and bounded: texts that embed
// values are many, the documents' own texts few.
QSqlRecord descripcion(const QSqlQuery& q) {
    static QHash<QString, QHash<QString, QSqlRecord>> conocidas;
    auto& deConexion =
        conocidas[q.driver() ? q.driver()->objectName() + QString::number(quintptr(q.driver()))
                             : QString()];
    const QString texto = q.lastQuery();
    auto it = deConexion.constFind(texto);
    if (it != deConexion.constEnd())
        return *it;
    QSqlRecord r = q.record();
    if (deConexion.size() > 500)
        deConexion.clear();
    deConexion.insert(texto, r);
    return r;
}

}  // namespace

std::optional<DataError> Provider::open(const QString& sql, const QVariantMap& params) {
    close();
    if (!sql.isEmpty() && sql != commandText_ && !allowCommandText_)
        return DataError{QStringLiteral("CommandText changes are not allowed"), {}};
    openedSql_ = sql.isEmpty() ? commandText_ : sql;
    QSqlDatabase db = database();
    if (!db.isOpen())
        return DataError{QStringLiteral("Connection not open: ") + connectionName_, {}};
    auto q = std::make_unique<QSqlQuery>(db);
    q->setForwardOnly(true);
    // Scaled numerics come as doubles and the dataset rounds them back to
    // their column's scale: asked for text, the driver would format that
    // same double, and the dataset parse it again, for every amount read.
    q->setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    if (!q->prepare(openedSql_))
        return readError(q->lastError());
    for (auto it = params.begin(); it != params.end(); ++it)
        q->bindValue(u':' + it.key(), it.value());
    if (!q->exec())
        return readError(q->lastError());
    record_ = descripcion(*q);
    cursor_ = std::move(q);
    return std::nullopt;
}

std::optional<DataError> Provider::fetch(int maxRows, std::vector<QVector<QVariant>>& out) {
    if (!cursor_)
        return std::nullopt;
    const int columns = record_.count();
    for (int n = 0; maxRows < 0 || n < maxRows; ++n) {
        if (!cursor_->next()) {
            const QSqlError e = cursor_->lastError();
            close();
            if (e.isValid())
                return readError(e);
            return std::nullopt;
        }
        QVector<QVariant> values(columns);
        for (int i = 0; i < columns; ++i)
            values[i] = cursor_->value(i);
        out.push_back(std::move(values));
    }
    return std::nullopt;
}

void Provider::close() {
    cursor_.reset();
}

QSqlQuery* SentenciasPreparadas::prepare(const QSqlDatabase& db, const QString& sql,
                                         QSqlError& error) {
    auto& q = sentencias_[sql];
    if (q)
        return q.get();
    q = std::make_unique<QSqlQuery>(db);
    if (q->prepare(sql))
        return q.get();
    error = q->lastError();
    sentencias_.erase(sql);
    return nullptr;
}

std::optional<DataError> Provider::write(UpdateKind kind, const ClientDataset& ds, const Row& row,
                                         SentenciasPreparadas* preparadas) {
    const QString table = updateTable();
    const QStringList keys = keyFields();
    if (table.isEmpty())
        return DataError{QStringLiteral("Unable to resolve the table to update"), {}};
    if (kind != UpdateKind::Insert && keys.isEmpty())
        return DataError{QStringLiteral("Unable to find record. No key specified"), {}};

    // Amounts travel as text and are cast by the server: the driver would
    // otherwise pass them through a double and lose cents.
    auto placeholder = [](const Field& f) {
        return f.type() == Field::Type::Currency ? QStringLiteral("CAST(? AS VARCHAR(40))")
                                                 : QStringLiteral("?");
    };
    auto bindable = [](const Field& f, const QVariant& v) -> QVariant {
        if (!v.isValid())
            return {};
        if (f.type() == Field::Type::Currency)
            return v.value<Currency>().toString(4);
        return v;
    };
    auto writes = [&](const Field& f) {
        if (f.calculated() || !f.inUpdate())
            return false;
        return f.originTable().isEmpty() ? !ds.hasOriginTables()
                                         : f.originTable().compare(table, Qt::CaseInsensitive) == 0;
    };

    QStringList parts;
    QVariantList values;
    QString sql;
    if (kind == UpdateKind::Insert) {
        QStringList marks;
        for (int i = 0; i < ds.fieldCount(); ++i) {
            const Field& f = ds.field(i);
            if (!writes(f) || !row.values[i].isValid())
                continue;
            parts << f.name();
            marks << placeholder(f);
            values << bindable(f, row.values[i]);
        }
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(table, parts.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    } else {
        if (kind == UpdateKind::Modify) {
            for (int i = 0; i < ds.fieldCount(); ++i) {
                const Field& f = ds.field(i);
                if (!writes(f) || Field::equal(row.values[i], row.original[i]))
                    continue;
                parts << f.name() + QStringLiteral(" = ") + placeholder(f);
                values << bindable(f, row.values[i]);
            }
            if (parts.isEmpty())
                return std::nullopt;
        }
        QStringList where;
        for (const QString& key : keys) {
            const Field* f = ds.findField(key);
            if (!f)
                return DataError{QStringLiteral("Key field not found: ") + key, {}};
            const QVariant& v = row.original[f->index()];
            if (!v.isValid()) {
                where << key + QStringLiteral(" IS NULL");
                continue;
            }
            where << key + QStringLiteral(" = ") + placeholder(*f);
            values << bindable(*f, v);
        }
        sql = kind == UpdateKind::Modify ? QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                               .arg(table, parts.join(QStringLiteral(", ")),
                                                    where.join(QStringLiteral(" AND ")))
                                         : QStringLiteral("DELETE FROM %1 WHERE %2")
                                               .arg(table, where.join(QStringLiteral(" AND ")));
    }

    std::optional<QSqlQuery> propia;
    QSqlQuery* q = nullptr;
    if (preparadas) {
        QSqlError error;
        q = preparadas->prepare(database(), sql, error);
        if (!q)
            return writeError(error);
    } else {
        q = &propia.emplace(database());
        if (!q->prepare(sql))
            return writeError(q->lastError());
    }
    for (int i = 0; i < values.size(); ++i)
        q->bindValue(i, values[i]);
    if (!q->exec())
        return writeError(q->lastError());
    if (kind != UpdateKind::Insert && q->numRowsAffected() == 0)
        return DataError{
            kWritePrefix + QStringLiteral("Record not found or changed by another user"), {}};
    return std::nullopt;
}

}  // namespace ledgrix
