#include "core/ui/ventanas_externas.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

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
    // Laid out before it is placed: as large as it asks, never beyond the
    // screen, centred over the opener and wholly in sight.
    ventana->adjustSize();
    QScreen* pantalla = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect util = pantalla ? pantalla->availableGeometry() : QRect();
    if (util.isValid()) {
        ventana->resize(ventana->size().boundedTo(util.size()));
        QRect r(QPoint(), ventana->size());
        r.moveCenter(parent ? parent->window()->geometry().center() : util.center());
        r.moveLeft(std::clamp(r.left(), util.left(), util.right() - r.width() + 1));
        r.moveTop(std::clamp(r.top(), util.top(), util.bottom() - r.height() + 1));
        ventana->move(r.topLeft());
    }
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
