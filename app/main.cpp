// ledgrix-cxp ENTRADA <user> <company> <scrambled password> [location]
#include <QTimer>

#include "app/ui/principal/tfacercade.h"
#include "app/ui/programa.h"
#include "app/ui/registro_analisis_movimiento.h"
#include "app/ui/registro_anticipos.h"
#include "app/ui/registro_aplicaciones.h"
#include "app/ui/registro_busquedas_cxp.h"
#include "app/ui/registro_busquedas_pagos.h"
#include "app/ui/registro_consultas.h"
#include "app/ui/registro_contabilidad.h"
#include "app/ui/registro_core.h"
#include "app/ui/registro_creditos.h"
#include "app/ui/registro_cxp.h"
#include "app/ui/registro_descuentos.h"
#include "app/ui/registro_evaluacion.h"
#include "app/ui/registro_importacion.h"
#include "app/ui/registro_listados.h"
#include "app/ui/registro_movimiento.h"
#include "app/ui/registro_movimiento_mes.h"
#include "app/ui/registro_pagos.h"
#include "app/ui/registro_procedimientos.h"
#include "app/ui/registro_recalculo.h"
#include "app/ui/registro_reportes.h"
#include "app/ui/registro_salida.h"
#include "app/ui/registro_terceros.h"
#include "app/ui/tfprincipal.h"
#include "core/config/idioma.h"
#include "core/config/revision.h"
#include "core/errors/error_translator.h"
#include "core/services/clock.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/desktop_dialogs.h"
#include "core/ui/fechas_al_teclado.h"

int main(int argc, char** argv) {
    ledgrix::Programa app(argc, argv);
    ledgrix::Programa::setApplicationName(QStringLiteral("C x Pagar - Ledgrix"));
    ledgrix::Programa::setApplicationVersion(ledgrix::revision_programa());
    ledgrix::instale_traducciones_qt(app);
    ledgrix::instale_fechas_al_teclado(app);
    ledgrix::DesktopDialogs dialogs;
    ledgrix::SystemClock clock;
    ledgrix::Tfdm dm(dialogs, clock);
    if (qEnvironmentVariableIsEmpty("LEDGRIX_CAPTURA"))
        ledgrix::Tfacercade::muestre_presentacion();
    app.setNoManejada(
        [&dm](QObject* sender, const QString& m) { dm.traductor().ENoManejada(sender, m); });
    QStringList args = ledgrix::Programa::arguments();
    args.removeFirst();
    ledgrix::registre_ventanas_core();
    ledgrix::registre_ventanas_contabilidad();
    ledgrix::registre_ventanas_cxp();
    ledgrix::registre_ventanas_pagos();
    ledgrix::registre_ventanas_descuentos();
    ledgrix::registre_ventanas_aplicaciones();
    ledgrix::registre_ventanas_anticipos();
    ledgrix::registre_ventanas_salida();
    ledgrix::registre_ventanas_reportes();
    ledgrix::registre_ventanas_terceros();
    ledgrix::registre_ventanas_evaluacion();
    ledgrix::registre_ventanas_creditos();
    ledgrix::registre_ventanas_busquedas_cxp();
    ledgrix::registre_ventanas_busquedas_pagos();
    ledgrix::registre_ventanas_consultas();
    ledgrix::registre_ventanas_movimiento();
    ledgrix::registre_ventanas_listados();
    ledgrix::registre_ventanas_movimiento_mes();
    ledgrix::registre_ventanas_analisis_movimiento();
    ledgrix::registre_ventanas_recalculo();
    ledgrix::registre_ventanas_importacion();
    ledgrix::registre_ventanas_procedimientos();
    ledgrix::Tfprincipal principal(dm, args);
    principal.aplique_color(160, 0);
    dialogs.setParent(&principal);
    principal.show();
    if (!principal.ingrese())
        return 1;
    // LEDGRIX_CAPTURA=file.png: a picture of the main window once logged in,
    // then leave (documentation and checks on machines without a screen).
    const QString captura = qEnvironmentVariable("LEDGRIX_CAPTURA");
    if (!captura.isEmpty()) {
        // LEDGRIX_VENTANA=Tfnotasdebitocxp: the picture shows that window open.
        const QString ventana = qEnvironmentVariable("LEDGRIX_VENTANA");
        if (!ventana.isEmpty())
            principal.abra_ventana(ventana);
        QTimer::singleShot(1500, &principal, [&principal, captura] {
            principal.grab().save(captura);
            principal.close();
        });
    }
    return ledgrix::Programa::exec();
}
