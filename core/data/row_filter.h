#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace ledgrix {

class ClientDataset;

// A client-side filter: true keeps the row. It reads the row through the
// dataset's fields, which point at the row being tested while it runs.
using RowFilter = std::function<bool(const ClientDataset&)>;

// Understands the filters windows write: FIELD = 'text' and FIELD = number,
// joined by AND (any letter case). Anything else gives nullopt.
std::optional<RowFilter> parseFilterText(const QString& text);

}  // namespace ledgrix
