// Administrator's tool: creates and fills the databases, adds users and
// makes backups. Runs without a display, from scripts as well as by hand.
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "tools/admin/commands.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const ledgrix::admin::Outcome outcome = ledgrix::admin::runCommand(app.arguments().mid(1));
    if (!outcome.out.isEmpty())
        QTextStream(stdout) << outcome.out;
    if (!outcome.err.isEmpty())
        QTextStream(stderr) << outcome.err;
    return outcome.exitCode;
}
