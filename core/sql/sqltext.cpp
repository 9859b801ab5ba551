#include "core/sql/sqltext.h"

#include <QTime>

namespace ledgrix::sql {

QString quoted(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('\'');
    for (QChar c : text) {
        if (c == QLatin1Char('\''))
            out += QLatin1Char('\'');
        out += c;
    }
    out += QLatin1Char('\'');
    return out;
}

QString dateText(const QDate& d) {
    return d.isValid() ? d.toString(QStringLiteral("yyyy/MM/dd")) : QString();
}

QString date(const QDate& d) {
    return d.isValid() ? quoted(dateText(d)) : QStringLiteral("NULL");
}

QDate parseDate(const QString& text) {
    const QString t = text.trimmed();
    QDate d = QDate::fromString(t, QStringLiteral("yyyy/MM/dd"));
    if (!d.isValid())
        d = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
    return d;
}

QString time(const QTime& t) {
    return t.isValid() ? quoted(t.toString(QStringLiteral("HH:mm:ss"))) : QStringLiteral("NULL");
}

QString number(qint64 n) {
    return QString::number(n);
}

bool admisible(const QString& texto, int largo) {
    if (texto.size() > largo)
        return false;
    for (const QChar c : texto)
        if (c.unicode() > 0xFF || c.unicode() < 0x20)
            return false;
    return true;
}

}  // namespace ledgrix::sql
