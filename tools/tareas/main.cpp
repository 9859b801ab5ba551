// ledgrix-tareas: payables work without a screen, for cron. See --help.
#include <QApplication>
#include <QProcessEnvironment>
#include <QTextStream>
#include <cstdio>

#include "core/config/idioma.h"
#include "core/services/clock.h"
#include "tools/tareas/tareas.h"

// The embedded engine keeps threads and caches until the process ends; a
// sanitized build checks everything but those leaks.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

int main(int argc, char** argv) {
    // Reports paint their pages with the GUI classes; cron has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ledgrix::instale_traducciones_qt(app);
    QTextStream salida(stdout);
    QTextStream errores(stderr);
    const ledgrix::SystemClock reloj;
    return ledgrix::tareas::ejecute(QApplication::arguments().mid(1),
                                    QProcessEnvironment::systemEnvironment(), reloj, salida,
                                    errores);
}
