#include "output/ui/mantenimiento/tfformatos.h"

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "output/ui/mantenimiento/tfdefformato.h"
#include "output/ui/mantenimiento/tfmodformato.h"

namespace ledgrix {

Tfformatos::Tfformatos(Tfdm& dm, QWidget* parent)
    : Tflista(dm, QStringLiteral("Tfformatos"), QStringLiteral("Formatos de impresión"), parent),
      logica_(dm, this) {
    resize(520, 360);
    grilla()->setExportTitle(QStringLiteral("Formatos"));
    muestre(logica_.formatos(), [this] { SBModificarClick(); });
    agregue_tecla(Qt::Key_F5, QStringLiteral("F5: Nuevo"), [this] { SBNuevoClick(); });
    agregue_tecla(Qt::Key_F4, QStringLiteral("F4: Modificar"), [this] { SBModificarClick(); });
    agregue_tecla(Qt::Key_F3, QStringLiteral("F3: Borrar"), [this] { logica_.borre(); });
    agregue_copia([this] { return logica_.prefijos_copia(); },
                  [this](const QString& prefijo) { logica_.copie(prefijo); });
}

void Tfformatos::SBNuevoClick() {
    dm().dialogs().modal(QStringLiteral("Tfdefformato"), [this] {
        Tfdefformato ventana(dm(), this);
        return ventana.exec();
    });
    logica_.refresque();
}

void Tfformatos::SBModificarClick() {
    const int tipo = logica_.tipo_actual();
    if (tipo == 0)
        return;
    const QString prefijo = logica_.prefijo_actual();
    dm().dialogs().modal(QStringLiteral("Tfmodformato"), [this, tipo, prefijo] {
        Tfmodformato ventana(dm(), tipo, prefijo, this);
        return ventana.exec();
    });
    logica_.refresque();
}

}  // namespace ledgrix
