// The application's lines: each names a payables document of the supplier,
// checked against the registry while the validation switch is on, and
// carries a signed amount that follows its document's balance.
#include "core/data/client_dataset.h"
#include "core/numeracion/numeracion.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "payables/registro_cxp.h"
#include "payments/aplicaciones/aplicacion.h"
#include "payments/aplicaciones/aplicacion_texto.h"

namespace ledgrix {

namespace {

const char* const kRetenciones[] = {"APPD_RTFTE", "APPD_RTIVA", "APPD_RTICA", "APPD_RCREE"};

}  // namespace

void Aplicacion::reglas_lineas() {
    ClientDataset& ds = *CDetalle;
    // In memory only: the document's open balance when it was validated and
    // the prompt-payment discount the registry answers with.
    ds.addCalculatedField(S("SALDO"), Field::Type::Currency);
    ds.addCalculatedField(S("DTOF"), Field::Type::Currency);
    ds.addCalculatedField(S("TIDO_NOMCORTO"), Field::Type::String, 8);
    ds.onCalcFields = [this](ClientDataset& x) {
        x.fieldByName(S("TIDO_NOMCORTO"))
            .setValue(nombres_tipo_.value(int(x.fieldByName(S("APPD_TIPODOC")).asInteger())));
    };
    ds.onNewRecord = [this](ClientDataset& x) {
        ++quieto_;
        qint64 mayor = 0;
        const int i = x.fieldByName(S("APPD_ITEM")).index();
        for (int fila = 0; fila < x.recordCount(); ++fila)
            mayor = std::max(mayor, x.valueAt(fila, i).toLongLong());
        x.fieldByName(S("APPD_ITEM")).setValue(mayor + 1);
        x.fieldByName(S("APPD_IDDOC")).setValue(0);
        for (Field* f : x.fields())
            if (f->type() == Field::Type::Currency)
                f->setCurrency(Currency());
        x.fieldByName(S("APPD_ANULADO")).setValue(S("N"));
        x.fieldByName(S("APPD_TRANSMIT")).setValue(S("N"));
        --quieto_;
    };
    for (const char* c : {"APPD_TIPODOC", "APPD_PREFIJO", "APPD_NUMERO"})
        ds.declareField(S(c)).onChange = [this](Field&) {
            if (quieto_ == 0)
                cambie_documento();
        };
    ds.declareField(S("APPD_APLICADO"), Field::Type::Currency).onChange = [this](Field&) {
        if (quieto_ == 0 && validando_)
            revise_signo();
    };
    ds.beforePost = [this](ClientDataset&) {
        if (quieto_ == 0)
            antes_de_grabar_linea();
    };
}

void Aplicacion::cargue_nombres_tipo() {
    if (!nombres_tipo_.isEmpty())
        return;
    auto q = dm_.sql().select(
        S("select TIDO_COD, TIDO_NOMCORTO from TIPO_DOCUMENTO where TIDO_CXP = 'S'"));
    while (q && q->next())
        nombres_tipo_.insert(q->value(0).toInt(), q->value(1).toString().trimmed());
}

const QHash<int, QString>& Aplicacion::tipos_cxp() {
    cargue_nombres_tipo();
    return nombres_tipo_;
}

void Aplicacion::limpie_linea(bool documento) {
    ++quieto_;
    l("APPD_IDDOC").setValue(0);
    for (const char* c : {"APPD_APLICADO", "SALDO", "DTOF"})
        l(c).setCurrency(Currency());
    for (const char* c : kRetenciones)
        l(c).setCurrency(Currency());
    if (documento)
        for (const char* c : {"APPD_TIPODOC", "APPD_PREFIJO", "APPD_NUMERO", "APPD_NUMPROV"})
            l(c).clear();
    --quieto_;
}

void Aplicacion::cambie_documento() {
    if (validando_)
        valide_documento();
    else
        limpie_linea(false);
}

bool Aplicacion::repetido(int tipo, const QString& prefijo, const QString& numero) const {
    const ClientDataset& ds = *CDetalle;
    const int it = l("APPD_TIPODOC").index(), ip = l("APPD_PREFIJO").index(),
              in = l("APPD_NUMERO").index();
    const int actual = editando(ds) ? ds.recNo() : -1;
    for (int fila = 0; fila < ds.recordCount(); ++fila)
        if (fila != actual && ds.valueAt(fila, it).toInt() == tipo &&
            ds.valueAt(fila, ip).toString() == prefijo && ds.valueAt(fila, in).toString() == numero)
            return true;
    return false;
}

void Aplicacion::valide_documento() {
    const int tipo = int(l("APPD_TIPODOC").asInteger());
    const QString prefijo = l("APPD_PREFIJO").asString();
    QString numero = l("APPD_NUMERO").asString();
    if (tipo == 0 || prefijo.isEmpty() || numero.isEmpty())
        return;
    ++quieto_;
    if (numero.size() < 6) {
        numero = complete_numero(numero);
        l("APPD_NUMERO").setValue(numero);
    }
    --quieto_;
    Transaccion lectura(dm_.Ledgrix());
    const bool existe = sql::admisible(prefijo, 4) && sql::admisible(numero, 8) &&
                        existe_numero(dm_, tipo, prefijo, numero);
    dm_.encontrados.limpie();
    if (!existe) {
        dm_.dialogs().error(S("No existe el documento a pagar"));
        return limpie_linea(true);
    }
    if (repetido(tipo, prefijo, numero)) {
        // The line goes when it is left: it names no document.
        dm_.dialogs().error(S("El documento a pagar ya existe en esta aplicación."));
        return limpie_linea(true);
    }
    ++quieto_;
    RegistroCxp::Campos campos{l("APPD_IDDOC"), l("APPD_RTFTE"),  l("APPD_RTIVA"),
                               l("APPD_RTICA"), l("APPD_RCREE"),  l("DTOF"),
                               l("SALDO"),      l("APPD_NUMPROV")};
    const int moneda = pide_moneda_ ? int(h("APPR_MONEDA").asInteger()) : 0;
    const bool valido = registro_->valide_doc_cxpagar(
        h("TERC_NIT").asString(), tipo, prefijo, numero, h("APPR_FECHA").asDate(), campos, moneda);
    // The registry told the user why the document cannot be applied.
    l("APPD_APLICADO").setCurrency(valido ? l("SALDO").asCurrency() : Currency());
    --quieto_;
    lectura.confirme();
    if (valido)
        validando_ = true;
}

// A credit is applied with a negative amount, a debt with a positive one.
void Aplicacion::revise_signo() {
    const qint64 id = l("APPD_IDDOC").asInteger();
    if (id == 0)
        return;
    const Currency saldo = l("SALDO").asCurrency();
    const Currency monto = l("APPD_APLICADO").asCurrency();
    if ((saldo > Currency() && monto.isNegative()) || (saldo.isNegative() && monto > Currency())) {
        dm_.dialogs().error(S("Monto Incorrecto"));
        emit cierre();
    }
}

void Aplicacion::antes_de_grabar_linea() {
    ClientDataset& ds = *CDetalle;
    const int tipo = int(l("APPD_TIPODOC").asInteger());
    if (tipo == 0 || l("APPD_IDDOC").asInteger() == 0) {
        // A line that names no document the registry accepted is not kept.
        ds.cancel();
        ds.abort();
        return;
    }
    registro_->id_doc(tipo, l("APPD_PREFIJO").asString(), l("APPD_NUMERO").asString(),
                      h("TERC_NIT").asString(), h("APPR_FECHA").asDate());
    const Currency pendiente[] = {registro_->rtfte_doc, registro_->rtiva_doc, registro_->rtica_doc,
                                  registro_->rcree_doc};
    for (int i = 0; i < 4; ++i)
        if (l(kRetenciones[i]).asCurrency().abs() > pendiente[i].abs()) {
            dm_.dialogs().error(
                S("El abono, el descuento o las retenciones son mayores que el saldo pendiente."));
            ds.abort();
            return;
        }
}

bool Aplicacion::termine_linea() {
    ClientDataset& ds = *CDetalle;
    if (!editando(ds))
        return true;
    if (l("APPD_IDDOC").asInteger() == 0) {
        ds.cancel();
        return true;
    }
    // A before-post rule may drop the line instead of storing it.
    return ds.post() || !editando(ds);
}

bool Aplicacion::agregue(int tipo, const QString& prefijo, const QString& numero) {
    if (!CDetalle->append())
        return false;
    ++quieto_;
    l("APPD_TIPODOC").setValue(tipo);
    l("APPD_PREFIJO").setValue(prefijo);
    --quieto_;
    // Last: the number runs the line's checks.
    l("APPD_NUMERO").setValue(numero);
    const bool aceptado = l("APPD_IDDOC").asInteger() != 0;
    termine_linea();
    return aceptado;
}

bool Aplicacion::reciba_documentos(const QList<DocumentoSeleccionado>& documentos) {
    if (documentos.isEmpty() || !termine_linea())
        return false;
    edite();
    cargue_nombres_tipo();
    if (documentos.size() == 1) {
        const DocumentoSeleccionado& d = documentos.front();
        if (repetido(d.tipo, d.prefijo, d.numero)) {
            dm_.dialogs().error(S("El documento a cruzar ya existe en esta aplicación."));
            return false;
        }
        validando_ = true;
        const bool aceptado = agregue(d.tipo, d.prefijo, d.numero);
        validando_ = false;
        return aceptado;
    }
    bool alguno = false;
    for (const DocumentoSeleccionado& d : documentos) {
        validando_ = true;
        QString prefijo = d.prefijo, numero = d.numero;
        if (numero.isEmpty() && d.id != 0) {
            const QString pn = num_documento(dm_, d.tipo, d.id);
            prefijo = pn.left(pn.size() - 6);
            numero = pn.right(6);
        }
        if (repetido(d.tipo, prefijo, numero)) {
            dm_.dialogs().error(S("El documento a cruzar ya existe en esta aplicación."));
            continue;
        }
        alguno = agregue(d.tipo, prefijo, numero) || alguno;
    }
    return alguno;
}

}  // namespace ledgrix
