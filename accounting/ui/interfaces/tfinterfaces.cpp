#include "accounting/ui/interfaces/tfinterfaces.h"

#include <QHeaderView>

#include "accounting/ui/interfaces/tfmodinterfaz.h"
#include "accounting/ui/interfaces/tfnvainterfaz.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"

namespace ledgrix {

Tfinterfaces::Tfinterfaces(Tfdm& dm, QWidget* parent)
    : Tflista(dm, QStringLiteral("Tfinterfaces"), QStringLiteral("Interfaces Cuentas x pagar"),
              parent),
      logica_(dm, this) {
    resize(640, 360);
    grilla()->setExportTitle(QStringLiteral("InterfCXP"));
    muestre(logica_.interfaces(), [this] { SBModificarClick(); });
    const int ver = columna(QStringLiteral("INCP_CONFIRMAR"));
    if (ver >= 0)
        grilla()->setItemDelegateForColumn(ver, new MarcaDelegate(this));
    // The document comes first on screen.
    const int documento = columna(QStringLiteral("TIDO_NOMLARGO"));
    if (documento >= 0)
        grilla()->horizontalHeader()->moveSection(
            grilla()->horizontalHeader()->visualIndex(documento), 0);
    agregue_tecla(Qt::Key_F5, QStringLiteral("F5: Nuevo"), [this] { SBNuevoClick(); });
    agregue_tecla(Qt::Key_F4, QStringLiteral("F4: Modificar"), [this] { SBModificarClick(); });
    agregue_tecla(Qt::Key_F3, QStringLiteral("F3: Borrar"), [this] { logica_.borre(); });
    agregue_copia([this] { return logica_.prefijos_copia(); },
                  [this](const QString& prefijo) { logica_.copie(prefijo); });
}

void Tfinterfaces::SBNuevoClick() {
    dm().dialogs().modal(QStringLiteral("Tfnvainterfaz"), [this] {
        Tfnvainterfaz ventana(dm(), this);
        return ventana.exec();
    });
    logica_.refresque();
}

void Tfinterfaces::SBModificarClick() {
    const int id = logica_.id_actual();
    if (id == 0)
        return;
    dm().dialogs().modal(QStringLiteral("Tfmodinterfaz"), [this, id] {
        Tfmodinterfaz ventana(dm(), id, this);
        return ventana.exec();
    });
    logica_.refresque();
}

}  // namespace ledgrix
