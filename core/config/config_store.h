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
    // The value as a whole number. A missing row, an empty value or one that
    // is no whole number answers nullopt and leaves in `error` the Spanish
    // message that names the property: a number nobody configured must not
    // quietly become 0.
    std::optional<int> integer(const QString& modulo, const QString& categoria,
                               const QString& propiedad, QString* error = nullptr) const;
    qsizetype size() const { return values_.size(); }
    void clear() { values_.clear(); }

  private:
    static QString key(const QString& m, const QString& c, const QString& p);
    QHash<QString, QString> values_;
};

}  // namespace ledgrix
