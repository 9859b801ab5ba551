#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "core/services/clock.h"
#include "core/tfdm/tfdm.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/testdb.h"

namespace ledgrix::test {

// A fresh demo installation and a core module connected to it as the given
// user, with scripted dialogs and a clock pinned to 2022-09-21 10:00.
class ModuleTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Opens both databases and loads the configuration, without the login's checks.
    void conecte(const QString& usuario = QStringLiteral("ADMIN"));
    // Gives a setting (its name is unique in the company) a value and reloads the copy in memory.
    void configure(const QString& propiedad, const QString& valor);
    // Rows of "TABLE [where ...]"; the first column of a statement's first row as text.
    int filas(const QString& desde) const;
    QString texto(const QString& sql) const;

    ScriptedDialogs dialogs;
    FixedClock clock{QDateTime(QDate(2022, 9, 21), QTime(10, 0))};
    std::unique_ptr<TestInstallation> inst;
    std::unique_ptr<Tfdm> dm;
};

}  // namespace ledgrix::test
