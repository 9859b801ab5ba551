#include "parties/ui/evaluacion/tfgrilla_editable.h"

#include <QCloseEvent>

#include "core/data/client_dataset.h"
#include "core/ui/grid/ledgrix_grid.h"

namespace ledgrix {

TfgrillaEditable::TfgrillaEditable(Tfdm& dm, const QString& clase, const QString& titulo,
                                   const QString& exportacion, QWidget* parent)
    : Tflista(dm, clase, titulo, parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    grilla()->setExportTitle(exportacion);
    grilla()->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    grilla()->setSelectionBehavior(QAbstractItemView::SelectItems);
}

void TfgrillaEditable::edite(ClientDataset& filas, Acciones acciones) {
    acciones_ = std::move(acciones);
    muestre(filas);
    agregue_tecla(Qt::Key_F2, QStringLiteral("F2: Grabar"), [this] {
        if (acciones_.grabe())
            grilla()->viewport()->update();
    });
    agregue_tecla(Qt::Key_Insert, QStringLiteral("Ins: Agregar"), [this, &filas] {
        if (filas.post() && filas.append())
            grilla()->setFocus();
    });
    agregue_tecla(Qt::Key_Delete, QStringLiteral("Supr: Borrar"), [&filas] {
        if (!filas.isEmpty())
            filas.remove();
    });
    agregue_tecla(Qt::Key_F8, QStringLiteral("F8: Imprimir"), [this] { grilla()->printPreview(); });
    agregue_tecla(Qt::Key_F4, QStringLiteral("F4: Guardar selección"),
                  [this] { grilla()->exportRows(false); });
}

void TfgrillaEditable::closeEvent(QCloseEvent* event) {
    if (acciones_.cancele)
        acciones_.cancele();
    Tflista::closeEvent(event);
}

}  // namespace ledgrix
