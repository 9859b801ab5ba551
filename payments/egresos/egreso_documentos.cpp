// The documents paid (EGRESODETALLE): each line checked against the payables
// registry and kept within its document's balance; the panel's continue
// composes the concept and the header's totals.
#include "core/data/client_dataset.h"
#include "core/numeracion/numeracion.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/egreso_impl.h"

namespace ledgrix {

namespace {

const char* const kRetenciones[] = {"EGDE_RTFTE", "EGDE_RTIVA", "EGDE_RTICA", "EGDE_RCREE",
                                    nullptr};

// Credit documents: their balance is negative and a payment brings it up to 0.
bool credito(int tipo) {
    return tipo == 24 || tipo == 52 || tipo == 55;
}

}  // namespace

void Egreso::Impl::reglas_documentos() {
    ClientDataset& ds = *CDetalle;
    ds.onNewRecord = [this](ClientDataset& x) {
        inicie_linea(x, "EGDE_ITEM", "EGDE");
        ++quieto;
        x.fieldByName(S("EGDE_IDDOC")).setValue(0);
        --quieto;
    };
    regla(ds, {"EGDE_TIPODOC", "EGDE_PREFIJO", "EGDE_NUMERO"}, &Impl::valide_documento);
    regla(ds, {"EGDE_DTOF", "EGDE_RTFTE", "EGDE_RTIVA", "EGDE_RTICA", "EGDE_RCREE"},
          &Impl::ajuste_al_saldo);
    ds.beforePost = [this](ClientDataset& x) {
        if (quieto == 0)
            antes_de_grabar_documento(x);
    };
}

Currency Egreso::Impl::aplicado(const ClientDataset& ds, const char* const campos[],
                                bool retenciones) const {
    // campos: abono, discount, then the withholdings up to a null.
    Currency total =
        ds.fieldByName(S(campos[0])).asCurrency() + ds.fieldByName(S(campos[1])).asCurrency();
    if (retenciones)
        for (int i = 2; campos[i]; ++i)
            total += ds.fieldByName(S(campos[i])).asCurrency();
    return total;
}

namespace {
const char* const kAplicado[] = {"EGDE_ABONO", "EGDE_DTOF",  "EGDE_RTFTE", "EGDE_RTIVA",
                                 "EGDE_RTICA", "EGDE_RCREE", nullptr};
}

void Egreso::Impl::valide_documento(ClientDataset& ds) {
    const auto f = [&ds](const char* nombre) -> Field& { return ds.fieldByName(S(nombre)); };
    const int tipo = int(f("EGDE_TIPODOC").asInteger());
    const QString prefijo = f("EGDE_PREFIJO").asString();
    QString numero = f("EGDE_NUMERO").asString();
    if (tipo == 0 || prefijo.isEmpty() || numero.isEmpty())
        return;
    ++quieto;
    const auto limpie = [&] {
        f("EGDE_IDDOC").setValue(0);
        for (const char* c : kAplicado)
            if (c)
                f(c).setCurrency(Currency());
        f("EGDE_NUMPROV").clear();
        f("EGDE_NUMERO").clear();
        --quieto;
    };
    if (numero.size() < 6) {
        numero = complete_numero(numero);
        f("EGDE_NUMERO").setValue(numero);
    }
    if (!sql::admisible(prefijo, 4) || !sql::admisible(numero, 8)) {
        dm.dialogs().error(RegistroCxp::mensaje_error(1));
        return limpie();
    }
    RegistroCxp::Campos campos{f("EGDE_IDDOC"), f("EGDE_RTFTE"),  f("EGDE_RTIVA"),
                               f("EGDE_RTICA"), f("EGDE_RCREE"),  f("EGDE_DTOF"),
                               f("EGDE_ABONO"), f("EGDE_NUMPROV")};
    // The registry tells the user why a document cannot be paid.
    if (!registro.valide_doc_cxpagar(h("TERC_NIT").asString(), tipo, prefijo, numero,
                                     h("EGRE_FECHA").asDate(), campos, moneda()))
        return limpie();
    if (sincronizar_prefijos && prefijo != h("PREF_PRE").asString()) {
        dm.dialogs().error(S("El prefijo del documento debe coincidir con el prefijo del egreso."));
        return limpie();
    }
    const int actual = ds.recNo();
    const int it = f("EGDE_TIPODOC").index(), ip = f("EGDE_PREFIJO").index(),
              in = f("EGDE_NUMERO").index();
    for (int fila = 0; fila < ds.recordCount(); ++fila)
        if (fila != actual && ds.valueAt(fila, it).toInt() == tipo &&
            ds.valueAt(fila, ip).toString() == prefijo &&
            ds.valueAt(fila, in).toString() == numero) {
            dm.dialogs().error(S("El documento a pagar ya existe en este egreso."));
            return limpie();
        }
    // Withholdings taken at accrual no longer hang on the document.
    if (retenciones_causacion)
        for (int i = 0; kRetenciones[i]; ++i)
            f(kRetenciones[i]).setCurrency(Currency());
    // The registry offers the whole balance as abono: the suggested discount
    // and withholdings come out of it, so the line takes exactly the balance.
    Field& abono = f("EGDE_ABONO");
    const Currency saldo = abono.asCurrency();
    abono.setCurrency(saldo - (aplicado(ds, kAplicado, !retenciones_causacion) - saldo));
    --quieto;
}

// A discount or a withholding typed: the line's abono gives way so that what
// the line takes off the document is exactly its balance at most.
void Egreso::Impl::ajuste_al_saldo(ClientDataset& ds) {
    const qint64 id = ds.fieldByName(S("EGDE_IDDOC")).asInteger();
    const int tipo = int(ds.fieldByName(S("EGDE_TIPODOC")).asInteger());
    const Currency aplic = aplicado(ds, kAplicado, !retenciones_causacion);
    if (aplic.isZero() || id == 0 || tipo == 0)
        return;
    const Currency saldo =
        registro.saldo_doc_cxpagarm(tipo, id, moneda(), h("EGRE_FECHA").asDate());
    if ((saldo.isNegative() && aplic < saldo) || (saldo > Currency() && aplic > saldo)) {
        ++quieto;
        Field& abono = ds.fieldByName(S("EGDE_ABONO"));
        abono.setCurrency(abono.asCurrency() + saldo - aplic);
        --quieto;
    }
}

void Egreso::Impl::antes_de_grabar_documento(ClientDataset& ds) {
    const auto f = [&ds](const char* nombre) -> Field& { return ds.fieldByName(S(nombre)); };
    const int tipo = int(f("EGDE_TIPODOC").asInteger());
    const qint64 id = f("EGDE_IDDOC").asInteger();
    if (tipo == 0 || id == 0) {
        // A line that names no document the registry accepted is not kept.
        ds.cancel();
        ds.abort();
        return;
    }
    ++quieto;
    for (const char* c : kAplicado)
        if (c && f(c).isNull())
            f(c).setCurrency(Currency());
    const Currency aplic = aplicado(ds, kAplicado, !retenciones_causacion);
    ultimo_cancela = false;
    if (!aplic.isZero()) {
        const Currency saldo =
            registro.saldo_doc_cxpagarm(tipo, id, moneda(), h("EGRE_FECHA").asDate());
        // An advance not yet paid out reads positive (what this voucher pays
        // it out with): it is held to its balance like a debt.
        const bool menor = credito(tipo) && !(tipo == 55 && saldo > Currency());
        if (menor && saldo > aplic) {
            dm.dialogs().error(S("El monto del abono es menor que el saldo del documento."));
        } else if (!menor && saldo < aplic) {
            dm.dialogs().error(S("El monto del abono es mayor que el saldo del documento."));
        }
        if ((menor && saldo > aplic) || (!menor && saldo < aplic))
            f("EGDE_ABONO").setCurrency(f("EGDE_ABONO").asCurrency() + saldo - aplic);
        ultimo_cancela = aplicado(ds, kAplicado, !retenciones_causacion) == saldo;
    }
    --quieto;
}

// ---------------------------------------------------------------- panel

void Egreso::abra_documentos() {
    d_->documentos_activo = true;
    emit panel_cambiado();
}

bool Egreso::Impl::agregue_documento(int tipo, const QString& prefijo, const QString& numero) {
    const int it = CDetalle->fieldByName(S("EGDE_TIPODOC")).index();
    const int ip = CDetalle->fieldByName(S("EGDE_PREFIJO")).index();
    const int in = CDetalle->fieldByName(S("EGDE_NUMERO")).index();
    for (int fila = 0; fila < CDetalle->recordCount(); ++fila)
        if (CDetalle->valueAt(fila, it).toInt() == tipo &&
            CDetalle->valueAt(fila, ip).toString() == prefijo &&
            CDetalle->valueAt(fila, in).toString() == numero)
            return false;
    if (!documentos_activo) {
        documentos_activo = true;
        emit e.panel_cambiado();
    }
    if (!CDetalle->append())
        return false;
    CDetalle->fieldByName(S("EGDE_TIPODOC")).setValue(tipo);
    CDetalle->fieldByName(S("EGDE_PREFIJO")).setValue(prefijo);
    // Last: the number runs the line's checks.
    CDetalle->fieldByName(S("EGDE_NUMERO")).setValue(numero);
    return CDetalle->fieldByName(S("EGDE_IDDOC")).asInteger() != 0;
}

void Egreso::reciba_documento_cxp(const DocumentoSeleccionado& documento) {
    d_->agregue_documento(documento.tipo, documento.prefijo, documento.numero);
}

void Egreso::reciba_anticipo(qint64 id, const QString& prefijo, const QString& numero) {
    Impl& d = *d_;
    d.anticipo_creado = id;
    if (d.agregue_documento(55, prefijo, numero))
        d.anticipos.insert(d.CDetalle->fieldByName(S("EGDE_ITEM")).asInteger(), id);
}

void Egreso::Impl::componga_concepto() {
    QString texto = ultimo_cancela ? S("Cancela ") : S("Abono ");
    const auto propio = [this](const char* sql, qint64 id) {
        const QVariant v = dm.sql().scalar(S(sql) + sql::number(id));
        return v.isValid() ? v.toString().trimmed() : QString();
    };
    for (bool ok = CDetalle->first(); ok && !CDetalle->eof(); ok = CDetalle->next()) {
        const int tipo = int(CDetalle->fieldByName(S("EGDE_TIPODOC")).asInteger());
        const qint64 id = CDetalle->fieldByName(S("EGDE_IDDOC")).asInteger();
        QString numero;
        if (componer_concepto && tipo == 21)
            numero = propio("select faco_numprov from facturas_compra where faco_id = ", id);
        else if (componer_concepto && tipo == 51)
            numero = propio("select ndpr_numprov from notas_debito_proveedor where ndpr_id = ", id);
        if (numero.isEmpty())
            numero = CDetalle->fieldByName(S("EGDE_PREFIJO")).asString() +
                     CDetalle->fieldByName(S("EGDE_NUMERO")).asString();
        texto += nombre_tipo(tipo) + S(" ") + numero + S(", ");
    }
    h("EGRE_CONC").setValue(texto.left(60));
}

void Egreso::Impl::totalice() {
    const Sumas s = e.sumas();
    h("EGRE_RTFTEMONTO").setCurrency(s.rtfte);
    h("EGRE_RTIVAMONTO").setCurrency(s.rtiva);
    h("EGRE_RTICAMONTO").setCurrency(s.rtica);
    h("EGRE_RTCREE").setCurrency(s.rcree);
    h("EGRE_DTOF").setCurrency(s.dtof);
    Currency monto = s.abono + c("EGRE_EXCEDENTE");
    if (!CCruces->isEmpty())
        monto -= s.cruces;
    h("EGRE_MONTO").setCurrency(monto);
    aplique_monto();
}

bool Egreso::continue_documentos() {
    Impl& d = *d_;
    ClientDataset& ds = *d.CDetalle;
    if (!Impl::termine_linea(ds, ds.fieldByName(S("EGDE_NUMERO")).asString().isEmpty()))
        return false;
    d.documentos_activo = false;
    emit panel_cambiado();
    Transaccion lectura(d.dm.Ledgrix());
    d.edite();
    if (!ds.isEmpty()) {
        d.componga_concepto();
        d.totalice();
        lectura.confirme();
        return true;
    }
    if (d.otros_conceptos) {
        d.h("EGRE_TIPO").setValue(S("3"));
        d.montos_editables = true;
        emit enfoque(S("EGRE_CONC"));
        return true;
    }
    d.dm.dialogs().error(S("No debe registrar pagos a proveedores sin documentos a pagar."));
    d.h("TERC_NIT").clear();
    d.h("EGRE_NOMTERC").clear();
    d.ver_pago = false;
    emit enfoque(S("TERC_NIT"));
    return false;
}

bool Egreso::cancele_documentos() {
    Impl& d = *d_;
    if (!d.dm.dialogs().question(S("Esta seguro de borrar las documentos a pagar digitados?")))
        return false;
    d.CDetalle->cancel();
    while (!d.CDetalle->isEmpty()) {
        d.CDetalle->first();
        d.CDetalle->remove();
    }
    d.dm.sql().execute(S("delete from anticipos_proveedor where egre_id = 0"));
    d.anticipos.clear();
    d.anticipo_creado = 0;
    d.documentos_activo = false;
    emit panel_cambiado();
    return true;
}

void Egreso::borre_documento() {
    Impl& d = *d_;
    ClientDataset& ds = *d.CDetalle;
    if (ds.isEmpty())
        return;
    const qint64 item = ds.fieldByName(S("EGDE_ITEM")).asInteger();
    // An advance created for this line goes with it: nothing else would pay it out.
    if (const qint64 anticipo = d.anticipos.take(item); anticipo != 0) {
        d.dm.sql().execute(S("delete from anticipos_proveedor where egre_id = 0 and anpr_id = ") +
                           sql::number(anticipo));
        if (d.anticipo_creado == anticipo)
            d.anticipo_creado = 0;
    }
    ds.remove();
}

void Egreso::reciba_grupo(int cefa_id) {
    Impl& d = *d_;
    const bool cruces = d.cruces_activo;
    ClientDataset& ds = cruces ? *d.CCruces : *d.CDetalle;
    const char* id = cruces ? "EGCC_IDDOC" : "EGDE_IDDOC";
    if (Impl::editando(ds)) {
        if (ds.fieldByName(S(id)).asInteger() == 0)
            ds.cancel();
        else
            ds.post();
    }
    std::vector<std::pair<int, qint64>> filas;
    {
        auto q = d.dm.sql().select(
            S("SELECT CEFA_TIPOORI, CEFA_IDORI FROM CONSOLIDE_FALTANTES WHERE CEFA_ID = ") +
            sql::number(cefa_id) + S(" ORDER BY CEFA_ITEM"));
        while (q && q->next())
            filas.emplace_back(q->value(0).toInt(), q->value(1).toLongLong());
    }
    if (!cruces && !filas.empty() && !d.documentos_activo) {
        d.documentos_activo = true;
        emit panel_cambiado();
    }
    const char* tipo = cruces ? "EGCC_TIPODOC" : "EGDE_TIPODOC";
    const char* prefijo = cruces ? "EGCC_PREFIJO" : "EGDE_PREFIJO";
    const char* numero = cruces ? "EGCC_NUMERO" : "EGDE_NUMERO";
    for (const auto& [t, iddoc] : filas) {
        if (!ds.append())
            return;
        ds.fieldByName(S(tipo)).setValue(t);
        numero_documento(d.dm, t, iddoc, ds.fieldByName(S(prefijo)), ds.fieldByName(S(numero)));
    }
}

}  // namespace ledgrix
