#pragma once

#include <QString>
#include <optional>

namespace ledgrix {

// Check digit of a NIT, modulus 11 with the tax authority's fifteen weights.
// The empty text gives 0. A character that is not a digit, or a NIT of more
// than fifteen digits (outside the weight table: we refuse it rather than
// guess which digits count), gives nullopt.
std::optional<int> dv(const QString& nit);

}  // namespace ledgrix
