#include "payments/ui/comun/opciones_lista.h"

#include <QComboBox>

#include "core/data/client_dataset.h"
#include "core/data/field.h"

namespace ledgrix {

PanelLineas::Opciones opciones(const ClientDataset& ds, const char* codigo, const char* nombre) {
    PanelLineas::Opciones r;
    const Field* c = ds.findField(QLatin1String(codigo));
    const Field* n = nombre ? ds.findField(QLatin1String(nombre)) : nullptr;
    if (!ds.active() || !c)
        return r;
    for (int i = 0; i < ds.recordCount(); ++i)
        r.append({ds.valueAt(i, c->index()),
                  n ? ds.valueAt(i, n->index()).toString().trimmed() : QString()});
    return r;
}

void llene(QComboBox* combo, const PanelLineas::Opciones& opciones, bool vacio) {
    combo->clear();
    if (vacio)
        combo->addItem(QString(), QVariant());
    for (const auto& [codigo, nombre] : opciones)
        combo->addItem(nombre.isEmpty() ? codigo.toString() : nombre, codigo);
}

}  // namespace ledgrix
