#include "app/ui/registro_reportes.h"

#include "app/ui/principal/registro_ventanas.h"
#include "reports/ui/analisis/tfanalisiscxp.h"
#include "reports/ui/consulta/tfconscxpagar.h"
#include "core/ui/ventanas_externas.h"
#include "reports/ui/impresos/tfrepdoc_prov.h"
#include "reports/ui/impresos/tfrepoanalisi.h"
#include "reports/ui/impresos/tfrepocxpaga.h"

namespace ledgrix {

void registre_ventanas_reportes() {
    RegistroVentanas& registro = RegistroVentanas::global();
    registro.registre(QStringLiteral("Tfanalisiscxp"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfanalisiscxp(dm, parent);
    });
    registro.registre(QStringLiteral("Tfconscxpagar"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfconscxpagar(dm, parent);
    });
    registro.registre(QStringLiteral("Tfrepocxpaga"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfrepocxpaga(dm, parent);
    });
    registro.registre(QStringLiteral("Tfrepoanalisi"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfrepoanalisi(dm, parent);
    });
    registro.registre(QStringLiteral("TfrepDoc_prov"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new TfrepDoc_prov(dm, parent);
    });
    instale_ventanas_externas([](const QString& clase, Tfdm& dm, QWidget* parent) {
        return RegistroVentanas::global().cree(clase, dm, parent);
    });
}

}  // namespace ledgrix
