#include "accounting/contabilizacion/revision.h"

#include <QSqlQuery>

#include "accounting/selectores/selector_cuentas.h"
#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

const QString kCuenta = QStringLiteral("CNDE_CUENTA");
const QString kTercero = QStringLiteral("CNDE_TERC");
const QString kProyecto = QStringLiteral("CNDE_PROY");
const QString kCentro = QStringLiteral("CNDE_CENTRO");
const QString kSubcentro = QStringLiteral("CNDE_SUBC");
const QString kConcepto = QStringLiteral("CNDE_CONC");
const QString kReferencia = QStringLiteral("CNDE_REF");
const QString kBase = QStringLiteral("CNDE_BASE");
const QString kPorcentaje = QStringLiteral("CNDE_PORC");
const QString kDebitos = QStringLiteral("CNDE_DEBITOS");
const QString kCreditos = QStringLiteral("CNDE_CREDITOS");
const QString kArticulo = QStringLiteral("CNDE_ARTICULO");
const QString kItem = QStringLiteral("CNDE_ITEM");
const QString kDitto = QStringLiteral("\"");

bool editando(const ClientDataset& ds) {
    return ds.state() == ClientDataset::State::Edit || ds.state() == ClientDataset::State::Insert;
}

bool vacio(const Field& f) {
    return f.isNull() || f.asCurrency().isZero();
}

QString texto(const ClientDataset& ds, const QString& campo) {
    return ds.fieldByName(campo).asString().trimmed();
}

QString configuracion(Tfdm& dm, const QString& propiedad) {
    return dm.configuracion(QStringLiteral("CONTABILIDAD"), QStringLiteral("GENERAL"), propiedad);
}

}  // namespace

ClientDataset* RevisionContable::conjunto(const QString& nombre, const QString& texto) {
    auto* p = new Provider(this, QStringLiteral("P") + nombre);
    p->setConnectionName(dm_.Ledgrix());
    p->setQueryName(QStringLiteral("Q") + nombre);
    p->setCommandText(texto);
    auto* ds = new ClientDataset(this, QStringLiteral("C") + nombre);
    ds->setProvider(p);
    return ds;
}

RevisionContable::RevisionContable(Tfdm& dm, int tipo, qint64 id, QObject* parent)
    : QObject(parent),
      dm_(dm),
      cnt_(dm),
      tipo_(tipo),
      id_(id),
      terceros_(dm),
      centros_(dm),
      plantillas_(dm) {
    // A document posted again may have left an older staging voucher: the
    // newest is the one under review.
    CContabilizacion =
        conjunto(QStringLiteral("Contabilizacion"),
                 QStringLiteral("SELECT * FROM CONTABILIZACION WHERE CNTB_TIPOREF = ") +
                     sql::number(tipo) + QStringLiteral(" AND CNTB_IDREF = ") + sql::number(id) +
                     QStringLiteral(" ORDER BY CNTB_ID DESC"));
    const QString columnas = QStringLiteral(
        "select CNDE_CUENTA, CNDE_TERC, CNDE_PROY, CNDE_CENTRO, CNDE_SUBC, CNDE_CONC, CNDE_CONCOD, "
        "CNDE_REF, "
        "CNDE_BASE, CNDE_PORC, CNDE_DEBITOS, CNDE_CREDITOS, CNTB_ID, CNDE_ITEM, CNDE_ARTICULO, "
        "CNDE_DOCVENCE, "
        "CNDE_DOCTIPON, CNDE_DOCTIPOA, CNDE_DOCNUMERO, CNDE_DOCAPLICAR from CONTABILIZACION_DET "
        "where CNTB_ID = :CNTB_ID and CNDE_ITEM ");
    CLocal = conjunto(QStringLiteral("Contabilizacion_det"),
                      columnas + QStringLiteral("< ") + sql::number(kPrimerItemNiif) +
                          QStringLiteral(" order by CNDE_ITEM"));
    CNiif = conjunto(QStringLiteral("Contabilizacion_det_niif"),
                     columnas + QStringLiteral(">= ") + sql::number(kPrimerItemNiif) +
                         QStringLiteral(" order by CNDE_ITEM"));
    CNiif->provider()->setUpdateTable(QStringLiteral("CONTABILIZACION_DET"));
    const QString cntb = QStringLiteral("CNTB_ID");
    CLocal->setMaster(CContabilizacion, {{cntb, cntb}});
    CNiif->setMaster(CContabilizacion, {{cntb, cntb}});
    dm.ConfigurarProviders(this);

    for (const char* soloLectura : {"CNTB_TIPOCOMP", "CNTB_PREFCNT", "CNTB_NUMERO", "CNTB_FECHA"})
        CContabilizacion->declareField(QString::fromLatin1(soloLectura)).setReadOnly(true);
    CContabilizacion->declareField(QStringLiteral("CNTB_PROCESADO")).setInUpdate(false);
    prepare_lineas(*CLocal, false);
    prepare_lineas(*CNiif, true);

    local_habilitada_ =
        configuracion(
            dm, QStringLiteral("GENERAR CONTABILIZACION LOCAL POR EQUIVALENCIA DESDE NIIF")) !=
        QLatin1String("SI");
    niif_habilitada_ =
        configuracion(
            dm, QStringLiteral("GENERAR COMPROBANTES DE NIIF POR INTERFAZ O EQUIVALENCIAS")) ==
        QLatin1String("INTERFAZ");
    pagina_inicial_ =
        configuracion(dm, QStringLiteral("MOSTRAR VENTANAS 2649 O NIIF INICIALMENTE AL REGISTRAR "
                                         "COMPROBANTES Y HACER CONSULTAS")) == QLatin1String("2649")
            ? Pagina::Local
            : Pagina::Niif;
    pagina_ = pagina_inicial_;
    centros_por_agencia_ =
        dm.configuracion(QStringLiteral("CONTABILIDAD"), QStringLiteral("COMPROBANTES"),
                         QStringLiteral("FILTRAR CENTROS DE COSTO POR AGENCIA")) ==
        QLatin1String("SI");
    redondeo_ =
        dm.configuracion_entero(QStringLiteral("CONTABILIDAD"), QStringLiteral("GENERAL"),
                                QStringLiteral("REDONDEO AL MULTIPLO DE DIEZ EN COMPROBANTES"));

    if (CContabilizacion->open() && !CContabilizacion->isEmpty()) {
        voucher_ = CContabilizacion->fieldByName(cntb).asInteger();
        const QString max =
            QStringLiteral("select max(cnde_item) from contabilizacion_det where cnde_item ");
        const QVariant local = dm.sql().scalar(max + QStringLiteral("< 100000 and cntb_id = ") +
                                               sql::number(voucher_));
        const QVariant niif = dm.sql().scalar(max + QStringLiteral("> 100000 and cntb_id = ") +
                                              sql::number(voucher_));
        item_local_ = local.isNull() ? 1 : local.toInt();
        item_niif_ = niif.isNull() ? kPrimerItemNiif + 1 : niif.toInt();
    }
}

RevisionContable::~RevisionContable() = default;

void RevisionContable::prepare_lineas(ClientDataset& ds, bool niif) {
    const auto columna = [&ds](const QString& campo, const QString& titulo,
                               Field::Type tipo = Field::Type::String) -> Field& {
        Field& f = ds.declareField(campo, tipo);
        f.setDisplayLabel(titulo);
        return f;
    };
    columna(kCuenta, QStringLiteral("Cuenta")).onChange = [this, niif](Field& f) {
        cambie_cuenta(f, niif);
    };
    columna(kTercero, QStringLiteral("Tercero")).onChange = [this](Field& f) { cambie_tercero(f); };
    for (const auto& [campo, titulo] : {std::pair{kProyecto, QStringLiteral("Proyecto")},
                                        std::pair{kCentro, QStringLiteral("Centro")},
                                        std::pair{kSubcentro, QStringLiteral("Subc")}})
        columna(campo, titulo).onChange = [this](Field& f) { cambie_centro(f); };
    columna(kConcepto, QStringLiteral("Concepto")).onChange = [this](Field& f) {
        repita(f, ultimo_concepto_);
    };
    columna(QStringLiteral("CNDE_CONCOD"), QStringLiteral("Categoría"));
    columna(kReferencia, QStringLiteral("Ref.")).onChange = [this](Field& f) {
        repita(f, ultima_referencia_);
    };
    columna(kBase, QStringLiteral("Base"), Field::Type::Currency).onChange = [this](Field& f) {
        if (!asignando_)
            calcule_base(f.dataset(), true);
    };
    columna(kPorcentaje, QStringLiteral("Porc."), Field::Type::Currency).onChange =
        [this](Field& f) {
            if (!asignando_)
                calcule_base(f.dataset(), false);
        };
    columna(kDebitos, QStringLiteral("Débito"), Field::Type::Currency).onChange = [this](Field& f) {
        excluya(f, kCreditos);
    };
    columna(kCreditos, QStringLiteral("Crédito"), Field::Type::Currency).onChange =
        [this](Field& f) { excluya(f, kDebitos); };
    ds.declareField(QStringLiteral("CNTB_ID"), Field::Type::Integer).setVisible(false);
    ds.declareField(kItem, Field::Type::Integer).setVisible(false);
    ds.declareField(kArticulo).onChange = [this, niif](Field& f) { cambie_articulo(f, niif); };
    for (const char* oculto : {"CNDE_ARTICULO", "CNDE_DOCVENCE", "CNDE_DOCTIPON", "CNDE_DOCTIPOA",
                               "CNDE_DOCNUMERO", "CNDE_DOCAPLICAR"})
        ds.declareField(QString::fromLatin1(oculto)).setVisible(false);
    // Withholding lines carry a deduction mark.
    Field& deduc = ds.addCalculatedField(QStringLiteral("DEDUC"), Field::Type::String, 1);
    deduc.setDisplayLabel(QStringLiteral("Deduc"));
    deduc.setReadOnly(true);
    ds.onCalcFields = [this, niif](ClientDataset& d) {
        const QString cuenta = texto(d, kCuenta);
        const bool retencion =
            !cuenta.isEmpty() && atributos(cuenta, niif).retencion == QLatin1String("S");
        d.fieldByName(QStringLiteral("DEDUC"))
            .setValue(retencion ? QStringLiteral("S") : QString());
    };
    ds.onNewRecord = [this, niif](ClientDataset& d) {
        asigne(d.fieldByName(kItem), niif ? ++item_niif_ : ++item_local_);
    };
    ds.beforePost = [this, niif](ClientDataset& d) {
        if (!valide_linea(d, niif))
            d.abort();
    };
}

const RevisionContable::Atributos& RevisionContable::atributos(const QString& cuenta,
                                                               bool niif) const {
    const auto clave = std::make_pair(niif, cuenta);
    auto it = atributos_.find(clave);
    if (it != atributos_.end())
        return it->second;
    Atributos a;
    if (auto q = dm_.sql().select(
            QStringLiteral("select cuen_tercero, cuen_retencion, cuen_centro, cuen_tipo from ") +
            (niif ? QStringLiteral("cuentas_niif") : QStringLiteral("cuentas")) +
            QStringLiteral(" where cuen_cod = ") + sql::quoted(cuenta));
        q && q->next()) {
        a.existe = true;
        a.tercero = q->value(0).toString().trimmed();
        a.retencion = q->value(1).toString().trimmed();
        a.centro = q->value(2).toString().trimmed();
        a.tipo = q->value(3).toString().trimmed();
    }
    // The base threshold and rate are kept in the local chart for both books.
    if (auto q = dm_.sql().select(
            QStringLiteral("select cuen_basemin, cuen_porc from cuentas where cuen_cod = ") +
            sql::quoted(cuenta));
        q && q->next()) {
        a.base_minima = decimal(*q, 0);
        a.porcentaje = decimal(*q, 1);
    }
    return atributos_.emplace(clave, a).first->second;
}

bool RevisionContable::valide_linea(ClientDataset& ds, bool niif) {
    const QString cuenta = texto(ds, kCuenta);
    const bool sin_valor = vacio(ds.fieldByName(kDebitos)) && vacio(ds.fieldByName(kCreditos));
    const auto falla = [this](const QString& mensaje) {
        dm_.dialogs().error(mensaje);
        return false;
    };
    if (cuenta.isEmpty()) {
        if (!sin_valor)
            return falla(QStringLiteral("Debe indicar una cuenta para el movimiento."));
        // An empty line goes away without a word.
        ds.cancel();
        return false;
    }
    const Atributos& a = atributos(cuenta, niif);
    const QString nit = QStringLiteral("Debe indicar un NIT para el movimiento.");
    if (a.retencion == QLatin1String("S")) {
        if (texto(ds, kTercero).isEmpty())
            return falla(nit);
        if (vacio(ds.fieldByName(kBase)))
            return falla(QStringLiteral("Debe indicar una base para el movimiento."));
        if (vacio(ds.fieldByName(kPorcentaje)))
            return falla(QStringLiteral("Debe indicar un porcentaje para el movimiento."));
    }
    if (a.tercero == QLatin1String("S") && texto(ds, kTercero).isEmpty())
        return falla(nit);
    if (a.centro == QLatin1String("S") &&
        (texto(ds, kProyecto).isEmpty() || texto(ds, kCentro).isEmpty() ||
         texto(ds, kSubcentro).isEmpty()))
        return falla(
            QStringLiteral("Debe indicar un Proyecto-Centro-Subcentro para el movimiento."));
    if ((a.tipo == QLatin1String("I") || a.tipo == QLatin1String("A")) &&
        texto(ds, kArticulo).isEmpty())
        return falla(QStringLiteral("Debe indicar un Artículo para el movimiento."));
    if (sin_valor)
        return falla(QStringLiteral("Debe indicar un valor débito o crédito para la cuenta ") +
                     cuenta + QStringLiteral(" o eliminar el registro completo."));
    return true;
}

void RevisionContable::asigne(Field& f, const QVariant& valor) {
    const bool antes = asignando_;
    asignando_ = true;
    f.setValue(valor);
    asignando_ = antes;
}

int RevisionContable::elija(const QString& ventana, const std::function<int()>& run) {
    return dm_.dialogs().modal(ventana, run ? run : std::function<int()>([] { return 0; }));
}

void RevisionContable::cambie_cuenta(Field& f, bool niif) {
    if (asignando_)
        return;
    QString cuenta = f.asString().trimmed();
    nombre_cuenta_.clear();
    if (cuenta.startsWith(u'?')) {
        cuenta = SelectorCuentas(dm_, niif).pregunte(cuenta.mid(1));
        asigne(f, cuenta);
    } else if (!cuenta.isEmpty() &&
               !(niif ? cnt_.valide_cuenta_niif(cuenta) : cnt_.valide_cuenta(cuenta))) {
        asigne(f, QVariant());
        return;
    }
    if (!cuenta.isEmpty()) {
        // The account may have just been created: read its attributes anew.
        atributos_.erase(std::make_pair(niif, cuenta));
        nombre_cuenta_ = niif ? cnt_.nom_cuenta_niif(cuenta) : cnt_.nom_cuenta(cuenta);
    }
}

void RevisionContable::cambie_tercero(Field& f) {
    if (asignando_)
        return;
    QString nit = f.asString().trimmed();
    nombre_tercero_.clear();
    ClientDataset& ds = f.dataset();
    if (nit.startsWith(u'?')) {
        terceros_.busque(nit.mid(1));
        const auto elegido =
            terceros_.elegido(elija(QStringLiteral("Tfbuscterceros"), ventanas_.terceros));
        nit = elegido.value_or(QString());
        asigne(f, nit);
    } else if (nit == kDitto) {
        // The third party of the line above.
        const int fila = ds.recNo();
        nit = fila > 0 ? ds.valueAt(fila - 1, f.index()).toString().trimmed() : QString();
        asigne(f, nit);
    }
    if (nit.isEmpty())
        return;
    const QString consulta =
        QStringLiteral("select terc_nom from terceros where terc_nit = ") + sql::quoted(nit);
    QVariant nombre = dm_.sql().scalar(consulta);
    if (!nombre.isValid() &&
        dm_.dialogs().question(QStringLiteral("Tercero no encontrado. Desea crearlo?"))) {
        elija(QStringLiteral("Tfnvoproveedor"), ventanas_.nuevo_tercero);
        nombre = dm_.sql().scalar(consulta);
    }
    nombre_tercero_ = nombre.toString();
}

void RevisionContable::cambie_centro(Field& f) {
    if (asignando_)
        return;
    ClientDataset& ds = f.dataset();
    const QString valor = f.asString().trimmed();
    if (valor.startsWith(u'?')) {
        centros_.cargue();
        centros_.busque(valor.mid(1));
        const auto elegido =
            centros_.elegido(elija(QStringLiteral("Tfbusccentros"), ventanas_.centros));
        asigne(ds.fieldByName(kProyecto), elegido ? elegido->proyecto : QString());
        asigne(ds.fieldByName(kCentro), elegido ? elegido->centro : QString());
        asigne(ds.fieldByName(kSubcentro), elegido ? elegido->subcentro : QString());
        return;
    }
    const QString proyecto = texto(ds, kProyecto), centro = texto(ds, kCentro),
                  subcentro = texto(ds, kSubcentro);
    if (valor.isEmpty() || proyecto.isEmpty() || centro.isEmpty() || subcentro.isEmpty())
        return;
    QString consulta = QStringLiteral(
                           "select c.proy_cod, c.cent_cod, s.subc_cod from centros c, subcentros s "
                           "where c.proy_cod = ") +
                       sql::quoted(proyecto) + QStringLiteral(" and c.cent_cod = ") +
                       sql::quoted(centro) + QStringLiteral(" and s.subc_cod = ") +
                       sql::quoted(subcentro) +
                       QStringLiteral(" and c.proy_cod = s.proy_cod and c.cent_cod = s.cent_cod");
    if (centros_por_agencia_)
        consulta += QStringLiteral(" and ((c.sucu_id = 0) or (c.sucu_id = ") +
                    sql::number(dm_.ctx.agencia) + QStringLiteral("))");
    if (dm_.sql().scalar(consulta).isValid())
        return;
    dm_.dialogs().error(QStringLiteral("Centro-subcentro no encontrado."));
    asigne(f, QVariant());
}

void RevisionContable::cambie_articulo(Field& f, bool niif) {
    if (asignando_)
        return;
    ClientDataset& ds = f.dataset();
    const QString codigo = f.asString().trimmed();
    const QString cuenta = texto(ds, kCuenta);
    if (codigo.isEmpty() || cuenta.isEmpty() || atributos(cuenta, niif).tipo != QLatin1String("A"))
        return;
    auto q = dm_.sql().select(QStringLiteral("SELECT ACFJ_CTACONTA, ACFJ_CTADEPC, ACFJ_CTADEPD, "
                                             "ACFJ_CTAIVA FROM ACTIVOS_FIJOS WHERE ACFJ_COD = ") +
                              sql::quoted(codigo));
    if (q && q->next()) {
        for (int i = 0; i < 4; ++i)
            if (q->value(i).toString().trimmed() == cuenta)
                return;
    }
    dm_.dialogs().error(QStringLiteral("La cuenta ") + cuenta +
                        QStringLiteral(" no esta asociada al activo ") + codigo);
    asigne(f, QVariant());
}

void RevisionContable::repita(Field& f, QString& ultimo) {
    if (asignando_)
        return;
    const QString valor = f.asString();
    if (valor == kDitto)
        asigne(f, ultimo);
    else
        ultimo = valor;
}

void RevisionContable::calcule_base(ClientDataset& ds, bool desde_base) {
    const QString cuenta = texto(ds, kCuenta);
    if (cuenta.isEmpty())
        return;
    const Currency base = ds.fieldByName(kBase).asCurrency();
    Field& porcentaje = ds.fieldByName(kPorcentaje);
    if (desde_base && vacio(porcentaje)) {
        const Atributos& a = atributos(cuenta, &ds == CNiif);
        if (!(base < a.base_minima))
            asigne(porcentaje, QVariant::fromValue(a.porcentaje));
    }
    const Currency porc = porcentaje.asCurrency();
    if (porc <= Currency())
        return;
    const Currency valor = R(base.abs() * porc / Currency::fromInt(100), redondeo_);
    if (base > Currency()) {
        asigne(ds.fieldByName(kDebitos), QVariant::fromValue(valor));
        asigne(ds.fieldByName(kCreditos), QVariant::fromValue(Currency()));
    } else if (base < Currency()) {
        asigne(ds.fieldByName(kDebitos), QVariant::fromValue(Currency()));
        asigne(ds.fieldByName(kCreditos), QVariant::fromValue(valor));
    }
}

void RevisionContable::excluya(Field& f, const QString& otro) {
    if (asignando_ || vacio(f))
        return;
    asigne(f.dataset().fieldByName(otro), QVariant::fromValue(Currency()));
}

void RevisionContable::muestre_pagina(Pagina pagina) {
    pagina_ = pagina;
    if (onPagina)
        onPagina(pagina);
}

RevisionContable::Totales RevisionContable::totales(Pagina pagina) const {
    const ClientDataset& ds = lineas(pagina);
    Totales t;
    if (!ds.active())
        return t;
    const int debitos = ds.fieldByName(kDebitos).index();
    const int creditos = ds.fieldByName(kCreditos).index();
    for (int i = 0; i < ds.recordCount(); ++i) {
        t.debitos += Field::currencyOf(ds.valueAt(i, debitos));
        t.creditos += Field::currencyOf(ds.valueAt(i, creditos));
    }
    return t;
}

bool RevisionContable::pide_articulo(Pagina pagina) const {
    const ClientDataset& ds = lineas(pagina);
    if (!ds.active() || ds.isEmpty())
        return false;
    const QString cuenta = texto(ds, kCuenta);
    if (cuenta.isEmpty())
        return false;
    const QString tipo = atributos(cuenta, pagina == Pagina::Niif).tipo;
    return tipo == QLatin1String("I") || tipo == QLatin1String("A");
}

QString RevisionContable::titulo_articulo(Pagina pagina) const {
    const ClientDataset& ds = lineas(pagina);
    const bool activo =
        pide_articulo(pagina) &&
        atributos(texto(ds, kCuenta), pagina == Pagina::Niif).tipo == QLatin1String("A");
    return activo ? QStringLiteral("Activo fijo") : QStringLiteral("Artículo");
}

void RevisionContable::proponga_valor(Pagina pagina) {
    ClientDataset& ds = lineas(pagina);
    if (!editando(ds) || texto(ds, kCuenta).isEmpty())
        return;
    if (!vacio(ds.fieldByName(kDebitos)) || !vacio(ds.fieldByName(kCreditos)))
        return;
    const Totales t = totales(pagina);
    const Currency diferencia = t.creditos - t.debitos;
    if (diferencia.isZero())
        return;
    if (diferencia > Currency())
        asigne(ds.fieldByName(kDebitos), QVariant::fromValue(diferencia));
    else
        asigne(ds.fieldByName(kCreditos), QVariant::fromValue(diferencia.abs()));
}

bool RevisionContable::traiga_plantilla() {
    if (!CContabilizacion->active() || CContabilizacion->isEmpty())
        return false;
    plantillas_.cargue(texto(*CContabilizacion, QStringLiteral("CNTB_TIPOCOMP")));
    const auto plantilla =
        plantillas_.elegido(elija(QStringLiteral("Tfbuscplantillas"), ventanas_.plantillas));
    if (!plantilla)
        return false;
    ClientDataset& ds = lineas(pagina_);
    if (editando(ds))
        ds.cancel();
    if (!ds.isEmpty() &&
        !dm_.dialogs().question(QStringLiteral("Al traer la plantilla perderá los movimientos "
                                               "digitados en el comprobante, Continuar?")))
        return false;
    auto q = dm_.sql().select(
        QStringLiteral(
            "select cuen_cod, terc_nit, proy_cod, cent_cod, subc_cod, plde_concepto, plde_debitos, "
            "plde_creditos, plde_base, plde_porc from plantilla_detalle where plan_id = ") +
        sql::number(*plantilla) + QStringLiteral(" order by plde_item"));
    if (!q)
        return false;
    while (!ds.isEmpty()) {
        ds.last();
        ds.remove();
    }
    // Template lines are taken as they were stored; the line checks apply
    // when the user edits them.
    const auto verifica = ds.beforePost;
    ds.beforePost = nullptr;
    asignando_ = true;
    while (q->next()) {
        ds.append();
        int columna = 0;
        for (const QString& campo : {kCuenta, kTercero, kProyecto, kCentro, kSubcentro, kConcepto})
            ds.fieldByName(campo).setValue(q->value(columna++).toString().trimmed());
        for (const QString& campo : {kDebitos, kCreditos, kBase, kPorcentaje})
            ds.fieldByName(campo).setValue(QVariant::fromValue(decimal(*q, columna++)));
        ds.post();
    }
    asignando_ = false;
    ds.beforePost = verifica;
    ds.first();
    return true;
}

bool RevisionContable::hay_cambios() const {
    return CContabilizacion->changeCount() > 0 || editando(*CContabilizacion) ||
           editando(*CLocal) || editando(*CNiif);
}

bool RevisionContable::puede_salir() {
    if (!hay_cambios())
        return true;
    if (!dm_.dialogs().question(QStringLiteral(
            "Desea salir del comprobante y perder los movimientos que no ha grabado?")))
        return false;
    for (ClientDataset* ds : {CLocal, CNiif, CContabilizacion})
        if (editando(*ds))
            ds->cancel();
    CContabilizacion->cancelUpdates();
    return true;
}

bool RevisionContable::grabe() {
    if (!CContabilizacion->active() || CContabilizacion->isEmpty())
        return false;
    for (Pagina p : {Pagina::Local, Pagina::Niif}) {
        ClientDataset& ds = lineas(p);
        if (!editando(ds))
            continue;
        if (texto(ds, kCuenta).isEmpty()) {
            ds.cancel();
        } else if (!ds.post() && editando(ds)) {
            muestre_pagina(p);
            return false;
        }
    }
    if (editando(*CContabilizacion) && !CContabilizacion->post())
        return false;

    if (configuracion(dm_, QStringLiteral("PERMITIR COMPROBANTES DESCUADRADOS")) !=
        QLatin1String("SI")) {
        for (Pagina p : {Pagina::Local, Pagina::Niif}) {
            const Totales t = totales(p);
            if (t.debitos.toString(2) == t.creditos.toString(2))
                continue;
            dm_.dialogs().error(
                p == Pagina::Local
                    ? QStringLiteral("No puede grabar un comprobante descuadrado")
                    : QStringLiteral("No puede grabar un comprobante NIIF descuadrado"));
            muestre_pagina(p);
            return false;
        }
    }
    // The lines, the local books rebuilt from them and the removal of the
    // old ledger voucher stand or fall together: a failure half-way would
    // leave the document with reviewed lines and no ledger voucher, or with
    // local lines that no longer follow the NIIF ones.
    Transaccion unidad(dm_.Ledgrix());
    if (!unidad.activa() || CContabilizacion->applyUpdates(0) != 0)
        return false;

    const QString cntb = sql::number(voucher_);
    if (!local_habilitada_) {
        // The local books follow the NIIF lines just saved.
        if (!dm_.sql().execute(
                QStringLiteral(
                    "delete from contabilizacion_det where cnde_item < 100000 and cntb_id = ") +
                cntb))
            return false;
        auto q = dm_.sql().select(QStringLiteral("select * from contabil_equivalencia_local(") +
                                  sql::number(tipo_) + QStringLiteral(",") + sql::number(id_) +
                                  QStringLiteral(",") + cntb + QStringLiteral(")"));
        // The procedure does its work when its row is fetched.
        if (!q || !q->next())
            return false;
    }
    // The ledger voucher the document had goes away: the caller posts the
    // reviewed one in its place.
    const QVariant consec = dm_.sql().scalar(
        QStringLiteral("select enco_consec from comprobante_encabezado where enco_tiporef = ") +
        sql::number(tipo_) + QStringLiteral(" and enco_idref = ") + sql::number(id_));
    if (consec.isValid()) {
        const QString enco = sql::number(consec.toLongLong());
        for (const char* tabla :
             {"comprobante_detalle", "comprobante_detalle_niif", "comprobante_encabezado"})
            if (!dm_.sql().execute(QStringLiteral("delete from ") + QLatin1String(tabla) +
                                   QStringLiteral(" where enco_consec = ") + enco))
                return false;
    }
    return unidad.confirme();
}

}  // namespace ledgrix
