#pragma once

#include <QString>
#include <QStringList>

namespace ledgrix::admin {

struct Outcome {
    int exitCode = 0;
    QString out;  // for stdout
    QString err;  // for stderr
};

// Runs one ledgrix-admin command; `arguments` excludes the program name.
Outcome runCommand(const QStringList& arguments);

}  // namespace ledgrix::admin
