#include "core/data/row_filter.h"

#include <QRegularExpression>
#include <vector>

#include "core/data/client_dataset.h"

namespace ledgrix {

namespace {

struct Condition {
    QString field;
    QString text;                 // set for 'text'
    std::optional<Currency> number;  // set for numbers
};

}  // namespace

std::optional<RowFilter> parseFilterText(const QString& text) {
    // One condition: NAME = 'text with '' doubled' | NAME = -12.5
    static const QRegularExpression condition(
        QStringLiteral(R"(^\s*([A-Za-z_][A-Za-z0-9_$]*)\s*=\s*(?:'((?:[^']|'')*)'|(-?\d+(?:\.\d+)?))\s*)"));
    static const QRegularExpression andWord(QStringLiteral(R"(^AND\b)"),
                                            QRegularExpression::CaseInsensitiveOption);
    std::vector<Condition> conditions;
    QString rest = text.trimmed();
    if (rest.isEmpty()) return std::nullopt;
    while (true) {
        const auto m = condition.match(rest);
        if (!m.hasMatch()) return std::nullopt;
        Condition c;
        c.field = m.captured(1).toUpper();
        if (m.capturedStart(3) >= 0)
            c.number = Currency::parse(m.captured(3));
        else
            c.text = m.captured(2).replace(QStringLiteral("''"), QStringLiteral("'"));
        conditions.push_back(std::move(c));
        rest = rest.mid(m.capturedLength()).trimmed();
        if (rest.isEmpty()) break;
        const auto a = andWord.match(rest);
        if (!a.hasMatch()) return std::nullopt;
        rest = rest.mid(a.capturedLength());
    }
    return RowFilter([conditions](const ClientDataset& ds) {
        for (const Condition& c : conditions) {
            const Field* f = ds.findField(c.field);
            if (!f) return false;
            if (c.number) {
                if (f->isNull() || f->asCurrency() != *c.number) return false;
            } else if (f->asString() != c.text) {
                return false;
            }
        }
        return true;
    });
}

}  // namespace ledgrix
