#pragma once

#include <QString>
#include <memory>

namespace ledgrix::test {

// A demo installation of its own for one test: <location>/datos/general.fdb
// and <location>/datos/001/ledgrix.fdb, copied from template databases that
// are built from db/ once per change of the scripts (shared by every test
// program of the run, guarded by a lock file).
class TestInstallation {
public:
    // Copies the templates into a fresh folder. Fails the test (and returns
    // nullptr) when the templates cannot be built.
    static std::unique_ptr<TestInstallation> create();
    ~TestInstallation();

    TestInstallation(const TestInstallation&) = delete;
    TestInstallation& operator=(const TestInstallation&) = delete;

    // The installation directory (conexion.cfg points at the location).
    const QString& dir() const { return dir_; }
    // The database location: a plain folder, embedded engine.
    const QString& location() const { return dir_; }
    QString companyDatabase() const;
    QString generalDatabase() const;

    // A folder for a test's own scratch files, created on demand.
    static QString scratchRoot();

private:
    explicit TestInstallation(QString dir) : dir_(std::move(dir)) {}
    QString dir_;
};

// Path of the template installation, building it when missing or stale.
// Empty with `error` set when building failed.
QString templateInstallation(QString* error);

}  // namespace ledgrix::test
