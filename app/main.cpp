// ledgrix-cxp ENTRADA <user> <company> <scrambled password> [location]
#include <QApplication>

#include "app/ui/tfprincipal.h"
#include "core/services/clock.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/desktop_dialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("C x Pagar - Ledgrix"));
    ledgrix::DesktopDialogs dialogs;
    ledgrix::SystemClock clock;
    ledgrix::Tfdm dm(dialogs, clock);
    QStringList args = QApplication::arguments();
    args.removeFirst();
    ledgrix::Tfprincipal principal(dm, args);
    dialogs.setParent(&principal);
    principal.show();
    if (!principal.ingrese()) return 1;
    return QApplication::exec();
}
