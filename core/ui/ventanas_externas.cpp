#include "core/ui/ventanas_externas.h"

#include <QEventLoop>
#include <QWidget>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

FabricaVentana& fabrica() {
    static FabricaVentana f;
    return f;
}

}  // namespace

void instale_ventanas_externas(FabricaVentana f) {
    fabrica() = std::move(f);
}

void corra_modal(QWidget* ventana, QWidget* parent) {
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->setWindowFlag(Qt::Dialog);
    ventana->setWindowModality(Qt::ApplicationModal);
    QEventLoop espera;
    QObject::connect(ventana, &QObject::destroyed, &espera, &QEventLoop::quit);
    if (parent)
        ventana->move(parent->window()->geometry().center() - ventana->rect().center());
    ventana->show();
    espera.exec();
}

int abra_externa(Tfdm& dm, const QString& clase, QWidget* parent) {
    return dm.dialogs().modal(clase, [&]() -> int {
        QWidget* ventana = fabrica() ? fabrica()(clase, dm, parent) : nullptr;
        if (!ventana) {
            dm.dialogs().information(QStringLiteral("La ventana «") + clase +
                                     QStringLiteral("» aún no está disponible."));
            return 0;
        }
        // Its own top-level window: a child would be drawn inside the opener.
        ventana->setParent(parent, Qt::Dialog);
        corra_modal(ventana, parent);
        return 1;
    });
}

}  // namespace ledgrix
