#include "parties/ui/evaluacion/tfcriteriosprv.h"

namespace ledgrix {

Tfcriteriosprv::Tfcriteriosprv(Tfdm& dm, QWidget* parent)
    : TfgrillaEditable(dm, QStringLiteral("Tfcriteriosprv"),
                       QStringLiteral("Criterios calificación"), QStringLiteral("criterios"),
                       parent),
      logica_(dm, this) {
    logica_.abra();
    edite(logica_.filas(), {[this] { return logica_.grabe(); }, [this] { logica_.cancele(); }});
}

}  // namespace ledgrix
