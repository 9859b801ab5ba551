#include "tools/admin/dbsetup/dbsetup.h"

namespace ledgrix::dbsetup {
Result createGeneral(const QString&, const Options&) { return {false, QStringLiteral("sin implementar")}; }
Result createCompany(const QString&, const QString&, const QString&, const Options&) { return {false, QStringLiteral("sin implementar")}; }
Result addUser(const QString&, const QString&, const QString&, const QString&, const QString&, bool) { return {false, QStringLiteral("sin implementar")}; }
Result createDemo(const QString&, const Options&) { return {false, QStringLiteral("sin implementar")}; }
}  // namespace ledgrix::dbsetup
