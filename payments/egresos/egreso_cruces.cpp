// Crosses against the payee's receivables (EGRECRUCES, panel "Pago de
// Cliente"): what the company owes the supplier is set against what he owes
// it. A cross stays within its document's balance without a word.
#include "core/data/client_dataset.h"
#include "core/numeracion/numeracion.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/egreso_impl.h"

namespace ledgrix {

namespace {
const char* const kAplicado[] = {"EGCC_ABONO", "EGCC_DTOF",  "EGCC_RTFTE", "EGCC_RTIVA",
                                 "EGCC_RTICA", "EGCC_RCREE", nullptr};
}

void Egreso::Impl::reglas_cruces() {
    ClientDataset& ds = *CCruces;
    ds.onNewRecord = [this](ClientDataset& x) {
        inicie_linea(x, "EGCC_ITEM", "EGCC");
        ++quieto;
        x.fieldByName(S("EGCC_IDDOC")).setValue(0);
        x.fieldByName(S("EGCC_SUCURSAL")).setValue(0);
        --quieto;
    };
    regla(ds, {"EGCC_TIPODOC", "EGCC_PREFIJO", "EGCC_NUMERO"}, &Impl::valide_cruce);
    regla(ds, {"EGCC_ABONO", "EGCC_DTOF", "EGCC_RTFTE", "EGCC_RTIVA", "EGCC_RTICA", "EGCC_RCREE"},
          &Impl::ajuste_cruce);
    ds.beforePost = [this](ClientDataset& x) {
        if (quieto != 0)
            return;
        if (x.fieldByName(S("EGCC_IDDOC")).asInteger() == 0) {
            x.cancel();
            x.abort();
            return;
        }
        ajuste_cruce(x);
    };
}

bool Egreso::Impl::existe_cruce(int tipo, const QString& prefijo, const QString& numero,
                                int salvo) const {
    const ClientDataset& ds = *CCruces;
    const int it = ds.fieldByName(S("EGCC_TIPODOC")).index();
    const int ip = ds.fieldByName(S("EGCC_PREFIJO")).index();
    const int in = ds.fieldByName(S("EGCC_NUMERO")).index();
    for (int fila = 0; fila < ds.recordCount(); ++fila)
        if (fila != salvo && ds.valueAt(fila, it).toInt() == tipo &&
            ds.valueAt(fila, ip).toString() == prefijo && ds.valueAt(fila, in).toString() == numero)
            return true;
    return false;
}

void Egreso::Impl::valide_cruce(ClientDataset& ds) {
    const auto f = [&ds](const char* nombre) -> Field& { return ds.fieldByName(S(nombre)); };
    const int tipo = int(f("EGCC_TIPODOC").asInteger());
    const QString prefijo = f("EGCC_PREFIJO").asString();
    QString numero = f("EGCC_NUMERO").asString();
    if (tipo == 0 || prefijo.isEmpty() || numero.isEmpty())
        return;
    ++quieto;
    const auto limpie = [&](const char* mensaje) {
        dm.dialogs().error(S(mensaje));
        f("EGCC_IDDOC").setValue(0);
        for (const char* c : kAplicado)
            if (c)
                f(c).setCurrency(Currency());
        f("EGCC_NUMERO").clear();
        --quieto;
    };
    // Sales invoices carry eight digits.
    const int ancho = tipo == 31 ? 8 : 6;
    if (numero.size() < ancho) {
        numero = complete_numero_n(numero, ancho);
        f("EGCC_NUMERO").setValue(numero);
    }
    RegistroCartera::Campos campos{f("EGCC_IDDOC"), f("EGCC_RTFTE"),   f("EGCC_RTIVA"),
                                   f("EGCC_RTICA"), f("EGCC_RCREE"),   f("EGCC_DTOF"),
                                   f("EGCC_ABONO"), f("EGCC_SUCURSAL")};
    if (!sql::admisible(prefijo, 4) || !sql::admisible(numero, 8) ||
        !cartera.valide_doc_cartera(h("TERC_NIT").asString(), tipo, prefijo, numero,
                                    h("EGRE_FECHA").asDate(), moneda(), campos))
        return limpie("No se encontró el documento indicado.");
    if (existe_cruce(tipo, prefijo, numero, ds.recNo()))
        return limpie("El documento a pagar ya existe en este cruce.");
    --quieto;
}

void Egreso::Impl::ajuste_cruce(ClientDataset& ds) {
    const qint64 id = ds.fieldByName(S("EGCC_IDDOC")).asInteger();
    const int tipo = int(ds.fieldByName(S("EGCC_TIPODOC")).asInteger());
    // Withholdings count for vouchers dated before the receivables cut-off.
    const bool retenciones = h("EGRE_FECHA").asDate() < corte_cartera;
    const Currency aplic = aplicado(ds, kAplicado, retenciones);
    if (aplic.isZero() || id == 0 || tipo == 0)
        return;
    const Currency saldo = cartera.saldo_doc_carteram(tipo, id, moneda(), h("EGRE_FECHA").asDate());
    if ((saldo.isNegative() && saldo > aplic) || (saldo > Currency() && saldo < aplic)) {
        ++quieto;
        Field& abono = ds.fieldByName(S("EGCC_ABONO"));
        abono.setCurrency(abono.asCurrency() + saldo - aplic);
        --quieto;
    }
}

bool Egreso::Impl::agregue_cruce(int tipo, const QString& prefijo, const QString& numero) {
    if (!CCruces->append())
        return false;
    CCruces->fieldByName(S("EGCC_TIPODOC")).setValue(tipo);
    CCruces->fieldByName(S("EGCC_PREFIJO")).setValue(prefijo);
    CCruces->fieldByName(S("EGCC_NUMERO")).setValue(numero);
    return CCruces->fieldByName(S("EGCC_IDDOC")).asInteger() != 0;
}

void Egreso::abra_cruces() {
    d_->cruces_activo = true;
    emit panel_cambiado();
}

bool Egreso::continue_cruces() {
    Impl& d = *d_;
    ClientDataset& ds = *d.CCruces;
    if (!Impl::termine_linea(ds, ds.fieldByName(S("EGCC_IDDOC")).asInteger() == 0))
        return false;
    d.cruces_activo = false;
    emit panel_cambiado();
    d.edite();
    const Sumas s = sumas();
    const Currency excedente = d.c("EGRE_EXCEDENTE");
    d.h("EGRE_MONTO")
        .setCurrency(d.CDetalle->isEmpty() ? s.cruces + excedente : s.abono - s.cruces + excedente);
    d.aplique_monto();
    return true;
}

void Egreso::reciba_documento_cartera(const DocumentoSeleccionado& documento) {
    Impl& d = *d_;
    if (d.existe_cruce(documento.tipo, documento.prefijo, documento.numero, -1)) {
        d.dm.dialogs().error(S("El documento a cruzar ya existe en este egreso."));
        return;
    }
    d.agregue_cruce(documento.tipo, documento.prefijo, documento.numero);
}

}  // namespace ledgrix
