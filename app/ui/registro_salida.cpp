#include "app/ui/registro_salida.h"

#include <QApplication>

#include "app/ui/principal/registro_ventanas.h"
#include "output/mantenimiento/edicion_formato.h"
#include "output/ui/impresion/tfimpresion.h"
#include "output/ui/mantenimiento/tfformatos.h"
#include "output/ui/soporte/tfenviandele.h"

namespace ledgrix {

// The print format maintenance; the entry and shifting windows open from it.
void registre_ventanas_salida() {
    RegistroVentanas::global().registre(
        QStringLiteral("Tfformatos"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfformatos(dm, parent); });
    RegistroVentanas::global().registre(
        QStringLiteral("Tfenviandele"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfenviandele(dm, parent); });
    // "Vista previa" of a format prints the latest document through its print
    // window, which frees itself once it has printed or been closed.
    EdicionFormato::instale_vista_previa([](Tfdm& dm, int tipo, int id) {
        QWidget* ventana = ventana_impresion(dm, tipo, id, QApplication::activeWindow());
        if (!ventana)
            return 0;
        ventana->setWindowFlag(Qt::Window);
        ventana->setWindowModality(Qt::ApplicationModal);
        ventana->setAttribute(Qt::WA_DeleteOnClose);
        ventana->show();
        return 1;
    });
}

}  // namespace ledgrix
