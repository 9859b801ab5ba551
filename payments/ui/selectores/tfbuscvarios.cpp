#include "payments/ui/selectores/tfbuscvarios.h"

#include <QItemSelectionModel>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/selectores/tfbusclista.h"
#include "payments/ui/selectores/seleccion_varios.h"

namespace ledgrix {

int abra_seleccion(Tfdm& dm, SeleccionVarios& seleccion, QWidget* parent) {
    return dm.dialogs().modal(seleccion.ventana(), [&dm, &seleccion, parent] {
        Tfbusclista* ventana = nullptr;
        Seleccion s;
        s.ventana = seleccion.ventana();
        s.titulo = seleccion.titulo();
        s.exportacion = seleccion.titulo();
        s.tamano = QSize(720, 380);
        s.columnas = seleccion.columnas();
        s.busque = [&seleccion](const QString& texto) { seleccion.busque(texto); };
        s.filas = [&seleccion] { return seleccion.filas(); };
        s.elija = [&ventana, &seleccion](int fila) {
            QList<int> filas;
            LedgrixGrid* g = ventana->grilla();
            for (const QModelIndex& i : g->selectionModel()->selectedRows())
                filas << g->sourceIndex(i).row();
            // A single line marked, or none, is the one under the cursor.
            if (filas.size() < 2)
                filas = {fila};
            return seleccion.entregue(filas) ? 1 : 0;
        };
        Tfbusclista v(std::move(s), parent);
        ventana = &v;
        v.grilla()->setSelectionMode(QAbstractItemView::ExtendedSelection);
        v.grilla()->setDialogs(&dm.dialogs());
        return v.exec();
    });
}

}  // namespace ledgrix
