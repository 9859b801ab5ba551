// F2 and Esc: the application, its lines and its posting are stored as one
// unit of work or not at all.
#include "accounting/contabilizacion/contabilizacion.h"
#include "accounting/interfaces/interfaces.h"
#include "core/data/client_dataset.h"
#include "core/numeracion/numeracion.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "payments/aplicaciones/aplicacion.h"
#include "payments/aplicaciones/aplicacion_texto.h"

namespace ledgrix {

bool Aplicacion::grabe() {
    edite();
    const auto rechace = [&](const char* mensaje, const char* campo) {
        dm_.dialogs().error(S(mensaje));
        emit enfoque(S(campo));
        return false;
    };
    if (h("APPR_NUMERO").asString().isEmpty() || h("PREF_PRE").asString().isEmpty())
        return rechace("Debe Existir un   Número, Prefijo.", "APPR_NUMERO");
    if (h("TERC_NIT").asString().isEmpty())
        return rechace("Debe Existir un Nit.", "TERC_NIT");
    const auto sin_lineas = [&] {
        dm_.dialogs().error(S("Debe Digitar al menos un documento a Aplicar"));
        emit cierre();
        return false;
    };
    if (CDetalle->isEmpty())
        return sin_lineas();
    if (!termine_linea())
        return false;
    if (CDetalle->isEmpty())
        return sin_lineas();
    if (!suma(*CDetalle, "APPD_APLICADO").isZero())
        return rechace("La Suma del Documento Aplicado y Las Retenciones Debe ser 0",
                       "APPD_APLICADO");
    // One transaction from here to the end: the interface read first, then
    // the locks (which start it afresh if another station got there first),
    // then the store and the posting.
    Transaccion unidad(dm_.Ledgrix());
    interfaz_ = interfaces_->abre_interfaz(53, h("PREF_PRE").asString(), true);
    if (interfaz_ == 0)
        return false;
    return grabe_registro(unidad);
}

QStringList Aplicacion::bloqueos() const {
    return QStringList{S("update prefijos set pref_actual = pref_actual where tido_cod = 53 and "
                         "pref_pre = ") +
                       sql::quoted(h("PREF_PRE").asString())} +
           conta_->bloqueos(DocumentoContable::Aplicacion, interfaz_);
}

bool Aplicacion::grabe_registro(Transaccion& unidad) {
    Field& idf = h("APPR_ID");
    if (!unidad.bloquee(bloqueos())) {
        dm_.dialogs().error(
            S("Otra estación está grabando documentos de la misma serie. Intente de nuevo."));
        return false;
    }
    const auto deshaga = [&] {
        // Nothing was written: back to edit with the data as typed.
        unidad.deshaga();
        edite();
        idf.setValue(0);
        return false;
    };
    // The recovered leftover gives way to the application that finishes it.
    if (recuperada_ && !dm_.sql().execute(S("delete from aplicacion_provedor where appr_id = 0")))
        return deshaga();
    edite();
    // The series' number may have been taken by another station since it
    // was proposed: take the next free one (a typed number is the user's).
    Field& numf = h("APPR_NUMERO");
    if (numf.asString() == propuesto_) {
        valide_numero(dm_, 53, h("PREF_PRE").asString(), propuesto_, numf);
        dm_.encontrados.limpie();
        propuesto_ = numf.asString();
    }
    const QVariant nuevo_id = dm_.sql().scalar(S("select ID from CAMBIE_ID_APLIPROV"));
    if (!nuevo_id.isValid())
        return deshaga();
    const qint64 id = nuevo_id.toLongLong();
    idf.setValue(id);
    h("APPR_USUARIO").setValue(dm_.ctx.usuario);
    const QString prefijo = h("PREF_PRE").asString();
    if (!CAplicacion->post() || CAplicacion->applyUpdates(0) != 0)
        return deshaga();
    const Contabilizado hecho =
        conta_->contabilice_en_unidad(DocumentoContable::Aplicacion, id, interfaz_, true);
    if (!unidad.confirme()) {
        dm_.dialogs().error(
            S("No se pudo grabar la aplicación; no se guardó nada. Revise el mensaje anterior e "
              "intente de nuevo."));
        return deshaga();
    }
    conta_->termine(DocumentoContable::Aplicacion, id, hecho);
    if (imprima)
        imprima(id);
    nuevo(prefijo);
    emit enfoque(S("APPR_NUMERO"));
    return true;
}

bool Aplicacion::cancele() {
    if (!dm_.dialogs().question(S("Si cancela ahora perderá los datos no grabados, continuar?")))
        return false;
    nuevo(h("PREF_PRE").asString());
    return true;
}

}  // namespace ledgrix
