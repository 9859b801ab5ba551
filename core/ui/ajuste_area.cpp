#include "core/ui/ajuste_area.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include "core/ui/numeracion/delegados.h"

namespace ledgrix {

void ajuste_al_area(QWidget* ventana) {
    auto* marco = qobject_cast<QMdiSubWindow*>(ventana->parentWidget());
    if (!marco || !marco->mdiArea())
        return;
    const QSize borde = marco->size() - ventana->size();
    // A window that asks for less than its own minimum (a wrapped text's
    // hint is narrow) would be cut at the frame's edge.
    const QSize pedido = ventana->sizeHint()
                             .expandedTo(ventana->minimumSizeHint())
                             .expandedTo(ventana->minimumSize());
    marco->resize((pedido + borde).boundedTo(marco->mdiArea()->viewport()->size()));
    centre_en_area(ventana, 0, 0);
}

void ajuste_al_area(QWidget* ventana, int ancho, int alto, int x, int y) {
    auto* marco = qobject_cast<QMdiSubWindow*>(ventana->parentWidget());
    if (!marco || !marco->mdiArea())
        return;
    const QSize area = marco->mdiArea()->viewport()->size() - QSize(x, y);
    marco->resize(QSize(ancho, alto).boundedTo(area));
    marco->move(x, y);
}

}  // namespace ledgrix
