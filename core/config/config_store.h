#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace ledgrix {

// In-memory copy of CONFIGURACION, read once at login with one query. Keys
// are compared exactly (module, category and property are case-sensitive).
class ConfigStore {
public:
    // Replaces the copy with the table's current rows. False when the query failed.
    bool load(const QSqlDatabase& db, QString* error = nullptr);
    // nullopt when the row does not exist; a null value reads as empty text.
    std::optional<QString> value(const QString& modulo, const QString& categoria,
                                 const QString& propiedad) const;
    qsizetype size() const { return values_.size(); }
    void clear() { values_.clear(); }

private:
    static QString key(const QString& m, const QString& c, const QString& p);
    QHash<QString, QString> values_;
};

}  // namespace ledgrix
