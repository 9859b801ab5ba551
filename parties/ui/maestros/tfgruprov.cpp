#include "parties/ui/maestros/tfgruprov.h"

#include "core/data/client_dataset.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "parties/ui/acreedores/cuentas_contables.h"

namespace ledgrix {

Tfgruprov::Tfgruprov(Tfdm& dm, QWidget* parent)
    : VentanaMaestro(dm, QStringLiteral("Tfgruprov"), QStringLiteral("Grupos acreedores"), parent),
      logica_(dm, cuentas_contables(dm), this) {
    muestre(logica_);
    grilla()->setExportTitle(QStringLiteral("Grupos acreedores"));
    // A cell typed "?..." asks the chooser instead of taking the text.
    connect(&logica_.filas(), &ClientDataset::rowChanged, this, [this] {
        ClientDataset& ds = logica_.filas();
        for (Field* f : ds.fields()) {
            const QString valor = f->asString();
            if (valor.startsWith(u'?')) {
                f->clear();
                logica_.busque_cuenta(f->name(), valor.mid(1));
            }
        }
    });
}

}  // namespace ledgrix
