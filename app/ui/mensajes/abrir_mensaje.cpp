#include "app/ui/mensajes/abrir_mensaje.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/mensajes/buzon.h"
#include "app/ui/mensajes/tfalertas.h"
#include "app/ui/mensajes/tfmensaje.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

QWidget* abra_mensaje(Tfdm& dm, QMdiArea* area) {
    auto* ventana = new Tfmensaje(dm);
    if (!area) {
        ventana->show();
        return ventana;
    }
    QMdiSubWindow* sub = area->addSubWindow(ventana);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(ventana->windowTitle());
    sub->show();
    return ventana;
}

void conecte_buzon(Buzon& buzon, Tfdm& dm, QMdiArea* area, QWidget* parent) {
    QObject* contexto = parent ? static_cast<QObject*>(parent) : static_cast<QObject*>(&buzon);
    QObject::connect(&buzon, &Buzon::muestre, contexto, [&buzon, parent] {
        // Over a question the alert would cover its buttons and could not be
        // closed until it is answered: it waits for the next poll.
        if (QApplication::activeModalWidget()) {
            buzon.cerrado();
            return;
        }
        auto* alerta = new TfAlertas(buzon, parent);
        alerta->show();
    });
    QObject::connect(&buzon, &Buzon::abra_mensaje, contexto, [&dm, area] { abra_mensaje(dm, area); });
}

}  // namespace ledgrix
