#pragma once

#include <QDate>
#include <QString>

namespace ledgrix::sql {

// The only places where literals are written into SQL text.

// 'text' with inner single quotes doubled.
QString quoted(const QString& text);

// 'yyyy/mm/dd' — the process date format, quoted. An invalid date gives NULL.
QString date(const QDate& d);

// Date as the process shows it, without quotes: yyyy/mm/dd.
QString dateText(const QDate& d);

// Parses the process date format (yyyy/mm/dd; also accepts yyyy-mm-dd).
QDate parseDate(const QString& text);

// A time as 'hh:mm:ss'.
QString time(const QTime& t);

// Whether the database can hold or compare the text at all: Latin-1 only
// (its character set), no control characters, at most `largo` characters.
// Codes typed by users are checked with it before they reach a statement,
// so that a wrong code reads "not found" instead of a conversion error.
bool admisible(const QString& texto, int largo);

// Integers are written from typed values only.
QString number(qint64 n);

}  // namespace ledgrix::sql
