#include "payments/ui/egresos/tfconceptospagar.h"

#include <QPointer>

#include "core/data/field.h"
#include "core/services/dialogs.h"
#include "payables/ui/cargos/tfnotasdebitocxp.h"
#include "core/ui/ventanas_externas.h"

namespace ledgrix {

std::optional<DocumentoSeleccionado> abra_conceptos_por_pagar(Tfdm& dm, const QString& nit,
                                                              const QDate& fecha, QWidget* parent) {
    std::optional<DocumentoSeleccionado> grabado;
    dm.dialogs().modal(QStringLiteral("Tfconceptospagar"), [&]() -> int {
        auto* cargo = new Tfnotasdebitocxp(dm, parent);
        cargo->setParent(parent, Qt::Dialog);
        cargo->setWindowTitle(QStringLiteral("Conceptos por pagar"));
        Cargo& logica = cargo->logica();
        // Stored from here, the charge is neither reviewed nor printed: the
        // voucher that pays it is.
        logica.set_desde_documento(true);
        Cargo::Recibidos recibidos;
        recibidos.nit = nit;
        if (fecha.isValid())
            logica.cambie_fecha(fecha);
        cargo->reciba(recibidos);
        QObject::connect(&logica, &Cargo::cierre, cargo, [&grabado, &logica](int resultado) {
            if (resultado != 1)
                return;
            DocumentoSeleccionado d;
            d.tipo = 51;
            d.id = logica.campo(QStringLiteral("NDPR_ID")).asInteger();
            d.prefijo = logica.campo(QStringLiteral("PREF_PRE")).asString().trimmed();
            d.numero = logica.campo(QStringLiteral("NDPR_NUMERO")).asString().trimmed();
            grabado = d;
        });
        corra_modal(cargo, parent);
        return grabado ? 1 : 0;
    });
    return grabado;
}

}  // namespace ledgrix
