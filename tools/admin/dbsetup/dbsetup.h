#pragma once

#include <QString>

namespace ledgrix::dbsetup {

struct Result {
    bool ok = false;
    QString message;  // Spanish, for the administrator
};

struct Options {
    QString scriptsDir = QStringLiteral(LEDGRIX_DB_DIR);
    bool replace = false;  // without it an existing database is left alone and refused
};

// <location>/datos/general.fdb
Result createGeneral(const QString& location, const Options& options = {});
// <location>/datos/<company>/ledgrix.fdb with schema and base data, and the
// company's row in the general database.
Result createCompany(const QString& location, const QString& company, const QString& name,
                     const Options& options = {});
// A user of the general database with access to the company.
Result addUser(const QString& location, const QString& company, const QString& user,
               const QString& name, const QString& password, bool administrator);
// The demo company "001" with its administrator and clerk.
Result createDemo(const QString& location, const Options& options = {});

// Demo users, for the documentation and the tests.
inline constexpr const char* kDemoCompany = "001";
inline constexpr const char* kDemoAdmin = "ADMIN";
inline constexpr const char* kDemoAdminPassword = "admin";
inline constexpr const char* kDemoClerk = "AUXILIAR";
inline constexpr const char* kDemoClerkPassword = "auxiliar";

}  // namespace ledgrix::dbsetup
