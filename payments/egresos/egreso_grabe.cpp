// F2, Esc and closing: the voucher, its lists and its posting are stored as
// one unit of work or not at all.
#include "core/data/client_dataset.h"
#include "core/numeracion/numeracion.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/egreso_impl.h"
#include "payments/egresos/medios_pago.h"

namespace ledgrix {

bool Egreso::grabe() {
    Impl& d = *d_;
    if (d.documentos_activo && !continue_documentos())
        return false;
    // F2 belongs to the payment panel while one is open.
    if (d.medios->caja_activa() || d.medios->banco_activo())
        return false;
    if (d.cruces_activo && !continue_cruces())
        return false;
    d.edite();
    if (!d.CEgresos->post())  // a voucher without payee stops here
        return false;
    d.edite();
    const auto rechace = [&](const char* mensaje, const char* campo) {
        d.dm.dialogs().error(S(mensaje));
        emit enfoque(S(campo));
        return false;
    };
    const Currency monto = d.c("EGRE_MONTO");
    if (monto.isZero() && !d.cero_permitido)
        return rechace("El monto del egreso no puede ser cero.", "EGRE_MONTO");
    if (d.h("EGRE_TIPO").asString() == S("2") && d.h("CAJA_ID").asInteger() == 0)
        return rechace("Indique la caja de destino.", "CAJA_ID");
    ClientDataset& conta = *d.CConta;
    if (!Impl::termine_linea(conta, conta.fieldByName(S("CUEN_COD")).asString().isEmpty()))
        return false;
    d.medios->recalcule();
    if (d.medios->sum_caja() + d.medios->sum_banco() != monto)
        return rechace("El monto del egreso debe ser idéntico a la suma de las formas de pago",
                       "EGRE_MONTO");
    // One transaction from here to the end: the interface read first, then
    // the locks (which start it afresh if another station got there first),
    // then the store and the posting.
    Transaccion unidad(d.dm.Ledgrix());
    d.interfaz = d.interfaces.abre_interfaz_caja(62, d.h("PREF_PRE").asString(), true);
    if (d.interfaz == 0)
        return false;
    return d.grabe_registro(unidad);
}

QStringList Egreso::Impl::bloqueos() const {
    QStringList filas{
        S("update prefijos set pref_actual = pref_actual where tido_cod = 62 and pref_pre = ") +
        sql::quoted(h("PREF_PRE").asString())};
    // The bank line moves its series' next number.
    if (!CBanco->isEmpty()) {
        const auto b = [this](const char* f) -> Field& { return CBanco->fieldByName(S(f)); };
        filas << S("update prefijos_bancos set prba_numero = prba_numero where cuba_cod = ") +
                     sql::quoted(b("CUBA_COD").asString()) + S(" and tido_cod = ") +
                     sql::number(b("EGBC_TIPOBCO").asInteger()) + S(" and prba_pref = ") +
                     sql::quoted(b("PRBA_PREF").asString());
    }
    return filas + conta->bloqueos(DocumentoContable::Egreso, interfaz);
}

bool Egreso::Impl::grabe_registro(Transaccion& unidad) {
    Field& idf = h("EGRE_ID");
    const qint64 id_antes = idf.asInteger();
    if (!unidad.bloquee(bloqueos())) {
        dm.dialogs().error(
            S("Otra estación está grabando documentos de la misma serie. Intente de nuevo."));
        return false;
    }
    const auto deshaga = [&] {
        // Nothing was written: back to edit with the data as typed.
        unidad.deshaga();
        edite();
        idf.setValue(id_antes);
        return false;
    };
    // The recovered leftover gives way to the voucher that finishes it.
    if (recuperado && !dm.sql().execute(S("delete from egresos where egre_id = 0")))
        return deshaga();
    edite();
    // The series' number may have been taken by another station since it
    // was proposed: take the next free one (a typed number is the user's).
    Field& numf = h("EGRE_NUMERO");
    if (numf.asString() == propuesto) {
        valide_numero(dm, 62, h("PREF_PRE").asString(), propuesto, numf);
        dm.encontrados.limpie();
        propuesto = numf.asString();
    }
    qint64 id = id_antes;
    if (id == 0) {
        const QVariant nuevo_id = dm.sql().scalar(S("select ID from CAMBIE_ID_EGRESO"));
        if (!nuevo_id.isValid())
            return deshaga();
        id = nuevo_id.toLongLong();
        idf.setValue(id);
    }
    h("EGRE_IDINTER").setValue(interfaz);
    const QString prefijo = h("PREF_PRE").asString();
    if (!CEgresos->post())
        return deshaga();
    if (CEgresos->applyUpdates(0) != 0)
        return deshaga();
    const Contabilizado hecho =
        conta->contabilice_en_unidad(DocumentoContable::Egreso, id, interfaz, true);
    if (!unidad.confirme()) {
        dm.dialogs().error(
            S("No se pudo grabar el egreso; no se guardó nada. Revise el mensaje anterior e "
              "intente de nuevo."));
        return deshaga();
    }
    conta->termine(DocumentoContable::Egreso, id, hecho);
    // Stored: the advances it pays out are its own now.
    anticipo_creado = 0;
    anticipos.clear();
    if (e.imprima)
        e.imprima(id);
    nuevo(prefijo);
    emit e.enfoque(S("EGRE_NUMERO"));
    return true;
}

bool Egreso::cancele() {
    Impl& d = *d_;
    const bool lineas = !d.CDetalle->isEmpty() || !d.CConta->isEmpty() || !d.CCaja->isEmpty();
    if (lineas &&
        !d.dm.dialogs().question(S("Si cancela ahora perderá los datos no grabados, continuar?")))
        return false;
    // An advance created meanwhile is removed when the window closes.
    d.nuevo(d.h("PREF_PRE").asString());
    return true;
}

void Egreso::cierre() {
    Impl& d = *d_;
    // The window closes whatever the answer: nothing unsaved is ever stored.
    if (!d.CDetalle->isEmpty() || !d.CCaja->isEmpty())
        d.dm.dialogs().question(S("Perderá los items previamente digitados, Continuar?"));
    if (d.anticipo_creado != 0) {
        const QString aviso = S("Se borrará el anticipo registrado con este egreso.");
        d.dm.dialogs().information(aviso);
        d.dm.sql().execute(S("delete from anticipos_proveedor where egre_id = 0 and anpr_id = ") +
                           sql::number(d.anticipo_creado));
        d.dm.dialogs().information(aviso);
        d.dm.sql().execute(S("delete from anticipos_proveedor where egre_id = 0"));
        d.anticipo_creado = 0;
    }
    d.anticipos.clear();
    if (d.CEgresos->active()) {
        d.CEgresos->cancel();
        d.CEgresos->cancelUpdates();
    }
}

}  // namespace ledgrix
