#include "app/ui/registro_consultas.h"

#include "app/ui/principal/registro_ventanas.h"
#include "core/ui/notas/tfnotasdoc.h"
#include "payables/ui/consulta/tfconsnotcrcxp.h"
#include "payables/ui/consulta/tfconsnotdbcxp.h"
#include "payments/ui/consultas/tfconsegreso.h"

namespace ledgrix {

namespace {

template <typename Ventana>
void registre(RegistroVentanas& registro, const char* clase) {
    registro.registre(QString::fromLatin1(clase), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Ventana(dm, parent);
    });
}

}  // namespace

// The read-only consultations the searches, the voucher window and the
// payment histories open by class name over dm.documento_consultado.
void registre_ventanas_consultas() {
    RegistroVentanas& registro = RegistroVentanas::global();
    registre<Tfconsnotdbcxp>(registro, "Tfconsnotdbcxp");
    registre<Tfconsnotcrcxp>(registro, "Tfconsnotcrcxp");
    registre<Tfconsegreso>(registro, "Tfconsegreso");
    registre<Tfnotasdoc>(registro, "Tfnotasdoc");
}

}  // namespace ledgrix
