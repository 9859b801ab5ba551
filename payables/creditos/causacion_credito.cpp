#include "payables/creditos/causacion_credito.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include "accounting/contabilizacion/contabilizacion.h"
#include "accounting/contabilizacion/pendientes.h"
#include "accounting/interfaces/interfaces.h"
#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/numeracion/numeracion.h"
#include "core/numeracion/prefijos_documento.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/fecha_documento.h"
#include "parties/selectores/selector_proveedores.h"
#include "parties/tfdmter.h"
#include "payables/creditos/documentos_diferir.h"
#include "payables/registro_cxp.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

const QString kSinDocumento = S("Debe traer antes el documento a diferir.");
const QString kNoExiste = S("No existe el documento a pagar");
const QString kOtroTipo = S("El documento seleccionado no se puede aplicar a un crédito.");
const QString kCuotas = S("El número de cuotas debe estar entre 1 y 360.");
const QString kInteres = S("La tasa de interés efectiva anual debe estar entre 0 y 200 %.");

constexpr int kMaxCuotas = 360;
const Currency kMaxInteres = Currency::fromInt(200);

}  // namespace

struct CausacionCredito::Impl {
    explicit Impl(Tfdm& dm) : ter(dm), interfaces(dm), registro(dm), conta(dm) {}
    Tfdmter ter;
    Interfaces interfaces;
    RegistroCxp registro;
    Contabilizacion conta;
    int interfaz = 0;
};

QString CausacionCredito::texto_clase(Clase clase) {
    return clase == Clase::Factura ? S("FACTCOMP") : S("CARGOACR");
}

int CausacionCredito::tipo_clase(Clase clase) {
    return clase == Clase::Factura ? 21 : 51;
}

CausacionCredito::CausacionCredito(Tfdm& dm, QObject* parent)
    : QObject(parent), dm_(dm), d_(std::make_unique<Impl>(dm)) {
    // Both lists start empty: a stored credit is never edited here, and a
    // leftover with id 0 is copied in as a new one (see recupere).
    CCredito = conjunto(this, dm.Ledgrix(), S("Credito"),
                        S("select * from CREDITO_CXPAGAR where CRCX_ID = -1"));
    CCuotas =
        conjunto(this, dm.Ledgrix(), S("Cuotas"),
                 S("select * from CREDITO_CXPAGAR_DET where CRCX_ID = -1 order by CRCD_ITEM"));
    CPrefijos = conjunto(this, dm.Ledgrix(), S("Prefijos"), {});
    CPrefCargos = conjunto(this, dm.Ledgrix(), S("PrefCargos"), {});
    CPrefDescuentos = conjunto(this, dm.Ledgrix(), S("PrefDescuentos"), {});
    dm.ConfigurarProviders(this);

    CCredito->onNewRecord = [this](ClientDataset&) {
        const QDate hoy = dm_.clock().today();
        f("CRCX_ID").setValue(0);
        f("TIDO_COD").setValue(57);
        f("CRCX_FECHA").setValue(hoy);
        f("CRCX_FECCUOTA1").setValue(hoy);
        f("CRCX_CUOTAS").setValue(1);
        f("CRCX_INTERES").setCurrency(Currency());
        f("CRCX_TOTAL").setCurrency(Currency());
        f("CRCX_TIPODOC").setValue(tipo_clase(clase_));
        f("CRCX_IDDOC").setValue(0);
        for (const char* s : {"CRCX_ANULADO", "CRCX_TRANSMIT", "NUMOK"})
            f(s).setValue(S("N"));
        f("CRCX_USUARIO").setValue(dm_.ctx.usuario);
    };
}

CausacionCredito::~CausacionCredito() = default;

Field& CausacionCredito::campo(const QString& nombre) const {
    return CCredito->fieldByName(nombre);
}
Field& CausacionCredito::f(const char* columna) const {
    return CCredito->fieldByName(S(columna));
}
Contabilizacion& CausacionCredito::contabilizacion() const {
    return d_->conta;
}

void CausacionCredito::edite() {
    if (CCredito->state() == ClientDataset::State::Browse)
        CCredito->edit();
}

// ---------------------------------------------------------------- opening

bool CausacionCredito::abra() {
    {
        Transaccion lectura(dm_.Ledgrix());
        const bool por_usuario =
            dm_.configuracion_si(S("CARTERA"), S("DOCUMENTOS"), S("FILTRAR PREFIJOS POR USUARIO"));
        if (!abra_prefijos_documento(dm_, *CPrefijos, 57, por_usuario,
                                     S("Debe crear un prefijo para la causación de crédito.")) ||
            !abra_prefijos_documento(dm_, *CPrefCargos, 51, por_usuario,
                                     S("Debe crear un prefijo para los cargos.")) ||
            !abra_prefijos_documento(dm_, *CPrefDescuentos, 52, por_usuario,
                                     S("Debe crear un prefijo para los descuentos.")))
            return false;
        lectura.confirme();
    }
    // Credits a crash left stored without their ledger voucher are posted first.
    PendientesContabilizar(d_->conta).termine(DocumentoContable::Credito);
    CCredito->open();
    CCuotas->open();
    if (recupere())
        return true;
    prepare_nuevo();
    return true;
}

bool CausacionCredito::recupere() {
    auto q = dm_.sql().select(S("select * from credito_cxpagar where crcx_id = 0"));
    if (!q || !q->next())
        return false;
    if (!dm_.dialogs().question(S("Se encontró una Causación de Credito previa incorrectamente "
                                  "registrada. Desea traerla a pantalla?"))) {
        q.reset();
        dm_.sql().execute(S("delete from credito_cxpagar where crcx_id = 0"));
        return false;
    }
    const auto copie = [](const QSqlQuery& fila, ClientDataset& destino) {
        const QSqlRecord r = fila.record();
        for (int i = 0; i < r.count(); ++i) {
            Field& x = destino.fieldByName(r.fieldName(i));
            if (x.type() == Field::Type::Currency)
                x.setCurrency(decimal(fila, i));
            else
                x.setValue(fila.value(i));
        }
    };
    prepare_nuevo();
    copie(*q, *CCredito);
    q.reset();
    clase_ = f("CRCX_TIPODOC").asInteger() == 51 ? Clase::Cargo : Clase::Factura;
    nombre_ = d_->ter.nombre_proveedor(f("CRCX_NIT").asString());
    propuesto_ = f("CRCX_NUMERO").asString();
    if (auto l = dm_.sql().select(
            S("select * from credito_cxpagar_det where crcx_id = 0 order by crcd_item"))) {
        while (l->next()) {
            CCuotas->append();
            copie(*l, *CCuotas);
            CCuotas->post();
        }
    }
    sobrante_ = true;
    return true;
}

void CausacionCredito::prepare_nuevo(const QString& prefijo) {
    const QString pref =
        prefijo.isEmpty() && CCredito->recordCount() > 0 ? f("CRCX_PREF").asString() : prefijo;
    Transaccion lectura(dm_.Ledgrix());
    if (CCredito->state() != ClientDataset::State::Browse)
        CCredito->cancel();
    CCredito->cancelUpdates();
    CCuotas->cancelUpdates();
    CCredito->close();
    CCredito->open();
    CCuotas->close();
    CCuotas->open();
    for (ClientDataset* p : {CPrefijos, CPrefCargos, CPrefDescuentos})
        p->refresh();
    nombre_.clear();
    sobrante_ = false;
    CCredito->append();
    if (pref.isEmpty() || !CPrefijos->locate(S("PREF_PRE"), {pref}))
        CPrefijos->first();
    cambie_prefijo(CPrefijos->fieldByName(S("PREF_PRE")).asString());
    CPrefCargos->first();
    f("CRCX_PREFND").setValue(CPrefCargos->fieldByName(S("PREF_PRE")).value());
    CPrefDescuentos->first();
    f("CRCX_PREFNC").setValue(CPrefDescuentos->fieldByName(S("PREF_PRE")).value());
    lectura.confirme();
}

// ---------------------------------------------------------------- header

void CausacionCredito::cambie_prefijo(const QString& prefijo) {
    edite();
    if (!CPrefijos->locate(S("PREF_PRE"), {prefijo}))
        return;
    f("CRCX_PREF").setValue(prefijo);
    propuesto_ = CPrefijos->fieldByName(S("PREF_ACTUAL")).asString();
    f("CRCX_NUMERO").setValue(propuesto_);
    numero_editable_ = CPrefijos->fieldByName(S("PREF_AUTO")).asString() != S("S");
}

void CausacionCredito::cambie_numero(const QString& numero) {
    edite();
    Field& n = f("CRCX_NUMERO");
    n.setValue(numero.size() < 6 && !numero.isEmpty() ? complete_numero(numero) : numero);
    if (!valide_numero(dm_, 57, f("CRCX_PREF").asString(), propuesto_, n))
        n.setValue(propuesto_);
    dm_.encontrados.limpie();
}

void CausacionCredito::cambie_fecha(const QDate& fecha) {
    edite();
    Field& d = f("CRCX_FECHA");
    d.setValue(fecha);
    valide_fecha(dm_, d);
}

void CausacionCredito::cambie_nit(const QString& texto) {
    edite();
    QString nit = texto.trimmed();
    if (nit.startsWith(QLatin1Char('?'))) {
        SelectorProveedores selector(dm_);
        nit = selector.pregunte(nit.mid(1));
        if (nit.isEmpty())
            return;
    }
    if (nit == f("CRCX_NIT").asString() && !nombre_.isEmpty())
        return;
    olvide_documento();
    f("CRCX_NIT").setValue(nit);
    nombre_ = d_->ter.nombre_proveedor(nit);
    if (nombre_.isEmpty()) {
        dm_.dialogs().error(S("No se encontró el proveedor"));
        f("CRCX_NIT").clear();
        emit enfoque(S("CRCX_NIT"));
        return;
    }
    elija_documento(nit);
}

void CausacionCredito::elija_documento(const QString& nit) {
    SelectorDocumentosDiferir selector(dm_, nit);
    const auto elegido = selector.pregunte_documento();
    if (!elegido)
        return;
    cambie_clase(elegido->tipo == 51 ? Clase::Cargo : Clase::Factura);
    cambie_documento(elegido->referencia);
}

void CausacionCredito::cambie_clase(Clase clase) {
    edite();
    if (clase == clase_ && f("CRCX_TIPODOC").asInteger() == tipo_clase(clase))
        return;
    clase_ = clase;
    olvide_documento();
    f("CRCX_TIPODOC").setValue(tipo_clase(clase));
}

void CausacionCredito::olvide_documento() {
    f("CRCX_NUMDOC").clear();
    f("CRCX_IDDOC").setValue(0);
    f("CRCX_TOTAL").setCurrency(Currency());
    olvide_plan();
}

void CausacionCredito::olvide_plan() {
    CCuotas->cancelUpdates();
    CCuotas->close();
    CCuotas->open();
}

bool CausacionCredito::cambie_documento(const QString& texto) {
    edite();
    const QString referencia = texto.trimmed();
    olvide_documento();
    if (referencia.isEmpty())
        return false;
    const QString numero = referencia.right(6);
    const QString prefijo = referencia.left(qMax(0, referencia.size() - 6));
    const int tipo = tipo_clase(clase_);
    const QString nit = f("CRCX_NIT").asString();
    Transaccion lectura(dm_.Ledgrix());
    const qint64 id = d_->registro.id_doc(tipo, prefijo, numero, nit, f("CRCX_FECHA").asDate());
    if (id == 0) {
        // A document of this supplier that owes nothing is told apart from
        // one that is not there.
        const QVariant saldo = dm_.sql().scalar(
            S("select mvpr_saldo from movimiento_proveedor where mvpr_tiporef = ") +
            sql::number(tipo) + S(" and mvpr_prefijo = ") + sql::quoted(prefijo) +
            S(" and mvpr_numero = ") + sql::quoted(numero) + S(" and terc_nit = ") +
            sql::quoted(nit) + S(" and mvpr_anulado = 'N'"));
        lectura.confirme();
        dm_.dialogs().error(saldo.isValid() && saldo.toDouble() <= 0 ? RegistroCxp::mensaje_error(4)
                                                                     : kNoExiste);
        emit enfoque(S("CRCX_NUMDOC"));
        return false;
    }
    f("CRCX_NUMDOC").setValue(referencia);
    f("CRCX_IDDOC").setValue(id);
    f("CRCX_TOTAL").setCurrency(d_->registro.saldo_doc);
    f("CRCX_CONC").setValue(texto_clase(clase_) + QLatin1Char(' ') + referencia);
    const QVariant vence =
        dm_.sql().scalar(S("SELECT MVPR_VENCE FROM MOVIMIENTO_PROVEEDOR WHERE MVPR_TIPOREF = ") +
                         sql::number(tipo) + S(" AND MVPR_IDREF = ") + sql::number(id));
    if (vence.isValid() && !vence.isNull())
        f("CRCX_FECCUOTA1").setValue(vence.toDate());
    lectura.confirme();
    return true;
}

bool CausacionCredito::cambie_cuotas(int cuotas) {
    edite();
    if (cuotas < 1 || cuotas > kMaxCuotas) {
        dm_.dialogs().error(kCuotas);
        emit enfoque(S("CRCX_CUOTAS"));
        return false;
    }
    f("CRCX_CUOTAS").setValue(cuotas);
    olvide_plan();
    return true;
}

bool CausacionCredito::cambie_interes(Currency tasa) {
    edite();
    if (tasa.isNegative() || tasa > kMaxInteres) {
        dm_.dialogs().error(kInteres);
        emit enfoque(S("CRCX_INTERES"));
        return false;
    }
    f("CRCX_INTERES").setCurrency(tasa);
    olvide_plan();
    return true;
}

void CausacionCredito::cambie_fecha_cuota(const QDate& fecha) {
    edite();
    f("CRCX_FECCUOTA1").setValue(fecha);
    olvide_plan();
}

void CausacionCredito::cambie_concepto(const QString& concepto) {
    edite();
    f("CRCX_CONC").setValue(concepto);
}

void CausacionCredito::cambie_prefijo_cargos(const QString& prefijo) {
    edite();
    f("CRCX_PREFND").setValue(prefijo);
    for (bool ok = CCuotas->first(); ok && !CCuotas->eof(); ok = CCuotas->next()) {
        CCuotas->edit();
        CCuotas->fieldByName(S("CRCD_PREF")).setValue(prefijo);
        CCuotas->post();
    }
}

void CausacionCredito::cambie_prefijo_descuento(const QString& prefijo) {
    edite();
    f("CRCX_PREFNC").setValue(prefijo);
}

void CausacionCredito::reciba(const Recibidos& v) {
    if (!v.nit.isEmpty()) {
        edite();
        olvide_documento();
        f("CRCX_NIT").setValue(v.nit.trimmed());
        nombre_ = d_->ter.nombre_proveedor(v.nit.trimmed());
    }
    if (v.tipo.isEmpty())
        return;
    if (v.tipo != S("21") && v.tipo != S("51")) {
        dm_.dialogs().error(kOtroTipo);
        return;
    }
    cambie_clase(v.tipo == S("51") ? Clase::Cargo : Clase::Factura);
    cambie_documento(v.prefijo.trimmed() + v.numero.trimmed());
}

// ---------------------------------------------------------------- plan

bool CausacionCredito::valores_validos() {
    if (f("CRCX_TOTAL").asCurrency().isZero() || f("CRCX_IDDOC").asInteger() == 0) {
        dm_.dialogs().error(kSinDocumento);
        emit enfoque(S("CRCX_NUMDOC"));
        return false;
    }
    const qint64 cuotas = f("CRCX_CUOTAS").asInteger();
    if (cuotas < 1 || cuotas > kMaxCuotas) {
        dm_.dialogs().error(kCuotas);
        emit enfoque(S("CRCX_CUOTAS"));
        return false;
    }
    const Currency tasa = f("CRCX_INTERES").asCurrency();
    if (tasa.isNegative() || tasa > kMaxInteres) {
        dm_.dialogs().error(kInteres);
        emit enfoque(S("CRCX_INTERES"));
        return false;
    }
    return true;
}

bool CausacionCredito::calcule_plan() {
    edite();
    if (!valores_validos())
        return false;
    olvide_plan();
    auto q = dm_.sql().select(S("SELECT * FROM CUOTAS_CREDITO (") +
                              f("CRCX_TOTAL").asCurrency().toString(2) + S(",") +
                              sql::date(f("CRCX_FECCUOTA1").asDate()) + S(",") +
                              sql::number(f("CRCX_CUOTAS").asInteger()) + S(",") +
                              f("CRCX_INTERES").asCurrency().toString(4) + S(",0) ORDER BY CUOTA"));
    if (!q)
        return false;
    const QString prefijo = f("CRCX_PREFND").asString();
    while (q->next()) {
        CCuotas->append();
        const auto c = [this](const char* n) -> Field& { return CCuotas->fieldByName(S(n)); };
        c("CRCX_ID").setValue(f("CRCX_ID").value());
        c("CRCD_ITEM").setValue(q->value(S("CUOTA")));
        c("CRCD_PREF").setValue(prefijo);
        c("CRCD_FECHA").setValue(q->value(S("FECHARC")).toDate());
        c("CRCD_MONTO").setCurrency(decimal(*q, S("CUOTAM")));
        c("CRCD_ANULADO").setValue(S("N"));
        c("CRCD_TRANSMIT").setValue(S("N"));
        CCuotas->post();
    }
    CCuotas->first();
    return !CCuotas->isEmpty();
}

// ---------------------------------------------------------------- save

bool CausacionCredito::grabe() {
    edite();
    if (!valores_validos())
        return false;
    if (CCuotas->isEmpty() && !calcule_plan())
        return false;
    if (f("CRCX_NUMERO").asString().isEmpty()) {
        dm_.dialogs().error(S("Debe indicar el número de la causación de crédito."));
        emit enfoque(S("CRCX_NUMERO"));
        return false;
    }
    const qint64 id_antes = f("CRCX_ID").asInteger();
    const auto vuelva = [&] {
        // Nothing was written: back to editing with the data as typed.
        edite();
        f("CRCX_ID").setValue(id_antes);
        for (bool ok = CCuotas->first(); ok && !CCuotas->eof(); ok = CCuotas->next()) {
            CCuotas->edit();
            CCuotas->fieldByName(S("CRCX_ID")).setValue(id_antes);
            CCuotas->post();
        }
        return false;
    };
    if (!grabe_en_unidad())
        return vuelva();
    const qint64 id = f("CRCX_ID").asInteger();
    if (imprima)
        imprima(id);
    prepare_nuevo(f("CRCX_PREF").asString());
    return true;
}

bool CausacionCredito::grabe_en_unidad() {
    const QString prefijo = f("CRCX_PREF").asString();
    Transaccion unidad(dm_.Ledgrix());
    d_->interfaz = d_->interfaces.abre_interfaz(57, prefijo, true);
    if (d_->interfaz == 0)
        return false;
    const QStringList filas =
        QStringList{S("update prefijos set pref_actual = pref_actual where tido_cod = 57 and "
                      "pref_pre = ") +
                    sql::quoted(prefijo)} +
        d_->conta.bloqueos(DocumentoContable::Credito, d_->interfaz);
    if (!unidad.bloquee(filas)) {
        dm_.dialogs().error(
            S("Otra estación está grabando documentos de la misma serie. Intente de nuevo."));
        return false;
    }
    // The series' number may have been taken by another station since it
    // was proposed: take the next free one (a typed number is the user's).
    Field& numero = f("CRCX_NUMERO");
    if (numero.asString() == propuesto_) {
        valide_numero(dm_, 57, prefijo, propuesto_, numero);
        dm_.encontrados.limpie();
        propuesto_ = numero.asString();
    }
    // A leftover brought back is replaced by the credit stored now.
    if (sobrante_ && !dm_.sql().execute(S("delete from credito_cxpagar where crcx_id = 0")))
        return false;
    const QVariant nuevo = dm_.sql().scalar(S("select ID from CAMBIE_ID_CAUSCREDCXP"));
    if (!nuevo.isValid())
        return false;
    const qint64 id = nuevo.toLongLong();
    f("CRCX_ID").setValue(id);
    if (!CCredito->post())
        return false;
    for (bool ok = CCuotas->first(); ok && !CCuotas->eof(); ok = CCuotas->next()) {
        CCuotas->edit();
        CCuotas->fieldByName(S("CRCX_ID")).setValue(id);
        CCuotas->post();
    }
    if (CCredito->applyUpdates(0) != 0 || CCuotas->applyUpdates(0) != 0) {
        unidad.deshaga();
        return false;
    }
    const Contabilizado hecho =
        d_->conta.contabilice_en_unidad(DocumentoContable::Credito, id, d_->interfaz, true);
    if (!unidad.confirme()) {
        dm_.dialogs().error(
            S("No se pudo grabar la causación de crédito; no se guardó nada. "
              "Revise el mensaje anterior e intente de nuevo."));
        return false;
    }
    sobrante_ = false;
    d_->conta.termine(DocumentoContable::Credito, id, hecho);
    return true;
}

}  // namespace ledgrix
