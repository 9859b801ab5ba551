#pragma once

#include <QDate>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include "maintenance/importacion/formato_importacion.h"

namespace ledgrix::importacion {

// One statement prepared once and run for every record of a file: the
// server parses it once, which is what makes a file of a hundred thousand
// lines load in seconds. Amounts are bound as text (see `monto_sql`).
class Sentencia {
  public:
    explicit Sentencia(const QSqlDatabase& db) : q_(db) {}
    bool prepare(const QString& sql);
    bool ejecute(const QVariantList& valores);
    QSqlQuery& consulta() { return q_; }
    // The driver's text of the last failure.
    QString error() const { return error_; }

  private:
    QSqlQuery q_;
    QString error_;
};

// Values of a record read back by item. Absent items answer an empty text,
// a null value or zero.
QString texto(const Registro& r, const char* dato);
QDate fecha(const Registro& r, const char* dato);
qint64 monto(const Registro& r, const char* dato);  // ten-thousandths
// The text when present, a null value for the database otherwise (so that
// an update keeps what the row had: COALESCE(?, column)).
QVariant texto_o_nulo(const Registro& r, const char* dato);
// An amount as the dot-decimal text the server casts ("CAST(? AS VARCHAR(40))").
QString monto_sql(qint64 diezmilesimas);

// Every value of a column of a statement, trimmed, for look-ups loaded once.
bool lea_claves(const QSqlDatabase& db, const QString& sql, QSet<QString>& claves, QString& error);

}  // namespace ledgrix::importacion
