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

    ScriptedDialogs dialogs;
    FixedClock clock{QDateTime(QDate(2022, 9, 21), QTime(10, 0))};
    std::unique_ptr<TestInstallation> inst;
    std::unique_ptr<Tfdm> dm;
};

}  // namespace ledgrix::test
