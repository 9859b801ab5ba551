#include "payments/ui/egresos/tfegresos.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/campos/campo_monto.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/ventanas_externas.h"
#include "payments/egresos/medios_pago.h"
#include "payments/ui/comun/boton_tecla.h"
#include "payments/ui/comun/enlaces_campos.h"
#include "payments/ui/comun/opciones_lista.h"
#include "payments/ui/comun/panel_lineas.h"
#include "payments/ui/egresos/panel_banco.h"

namespace ledgrix {

namespace {

using Accion = Egreso::Accion;

// The kinds of voucher: stored key and the item shown.
const char* const kTipos[][2] = {{"1", "CUENTA POR PAGAR"},
                                 {"2", "TRASLADO A CAJA"},
                                 {"3", "OTROS EGRESOS"},
                                 {"4", "PRESTAMOS EMPLEADOS"},
                                 {"5", "PAGO NOMINA"}};

// What the cash footer adds up while the lines are typed: the payment means
// keep their sum only when the panel is continued.
Currency suma(const ClientDataset& ds, const char* campo) {
    Currency total;
    const Field* f = ds.findField(QLatin1String(campo));
    if (!ds.active() || !f)
        return total;
    for (int i = 0; i < ds.recordCount(); ++i)
        total = total + Field::currencyOf(ds.valueAt(i, f->index()));
    return total;
}

}  // namespace

Tfegresos::Tfegresos(Tfdm& dm, QWidget* parent)
    : TfdocumentoPagoDe(dm, 62,
                        {QStringLiteral("EGRE"), QStringLiteral("EGRE_TRM1"),
                         QStringLiteral("EGRE_NOMTERC"), QStringLiteral("Tercero:"), 2, 3},
                        parent) {
    setObjectName(QStringLiteral("Tfegresos"));
    setWindowTitle(QStringLiteral("Egresos"));
    // Windows of other parts of the program, opened by name.
    logica_.consulte_egreso = [this](qint64 id) {
        this->dm().documento_consultado = {62, id, {}, {}, {}};
        return abra_externa(this->dm(), QStringLiteral("Tfconsegreso"), this);
    };
    logica_.cree_cuenta = [this](const QString&) {
        return abra_externa(this->dm(), QStringLiteral("Tfcuentas"), this);
    };
    logica_.cree_tercero = [this](const QString&) {
        return abra_externa(this->dm(), QStringLiteral("Tfterceros"), this);
    };

    auto* caja_ventana = new QVBoxLayout(this);
    caja_ventana->addWidget(encabezado());
    caja_ventana->addWidget(valores());
    detalle_ = new QStackedWidget(this);
    arme_paneles();
    caja_ventana->addWidget(detalle_, 1);
    caja_ventana->addWidget(botones());

    connect(&logica_, &Egreso::panel_cambiado, this, [this] {
        muestre();
        muestre_panel();
    });
    connect(&logica_, &Egreso::busque_cuenta, this,
            [this](const QString& texto) { busque_cuenta(texto); });
    siga(logica_.egresos());
    siga(logica_.conta());
    termine();
}

QWidget* Tfegresos::encabezado() {
    QGridLayout* r = nullptr;
    QGroupBox* g = arme_encabezado(r);
    const auto rotulo = [g, r](const char* texto, int fila, int columna) {
        r->addWidget(new QLabel(QString::fromUtf8(texto), g), fila, columna);
    };
    // The search of stored vouchers, beside the number.
    QLineEdit* numero = editor(QStringLiteral("EGRE_NUMERO"));
    auto* junto = new QWidget(g);
    delete r->replaceWidget(numero, junto);
    auto* fila_numero = new QHBoxLayout(junto);
    fila_numero->setContentsMargins(0, 0, 0, 0);
    fila_numero->addWidget(numero);
    auto* buscar = new QPushButton(QStringLiteral("..."), junto);
    buscar->setObjectName(QStringLiteral("buscar_egreso"));
    buscar->setFocusPolicy(Qt::NoFocus);
    buscar->setMaximumWidth(buscar->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    connect(buscar, &QPushButton::clicked, this,
            [this] { abra_externa(this->dm(), QStringLiteral("Tfbuscegreso"), this); });
    fila_numero->addWidget(buscar);
    rotulo("Tipo:", 1, 6);
    tipo_ = new QComboBox(g);
    tipo_->setObjectName(QStringLiteral("EGRE_TIPO"));
    for (const auto& t : kTipos)
        tipo_->addItem(QLatin1String(t[1]), QLatin1String(t[0]));
    connect(tipo_, &QComboBox::activated, this, [this] {
        if (!mostrando())
            logica_.cambie_tipo(tipo_->currentData().toString());
        muestre();
    });
    r->addWidget(tipo_, 1, 7);

    rotulo("Clase:", 2, 0);
    clase_ = new QComboBox(g);
    clase_->setObjectName(QStringLiteral("CLEG_ID"));
    connect(clase_, &QComboBox::activated, this, [this] {
        if (!mostrando())
            logica_.campo(QStringLiteral("CLEG_ID")).setValue(clase_->currentData());
    });
    r->addWidget(clase_, 2, 1, 1, 2);
    rotulo("Concepto:", 2, 3);
    r->addWidget(enlaces().texto(QStringLiteral("EGRE_CONC")), 2, 4, 1, 2);
    rotulo_caja_ = new QLabel(QStringLiteral("Caja:"), g);
    r->addWidget(rotulo_caja_, 2, 6);
    caja_destino_ = new QComboBox(g);
    caja_destino_->setObjectName(QStringLiteral("CAJA_ID"));
    connect(caja_destino_, &QComboBox::activated, this, [this] {
        if (!mostrando())
            logica_.cambie_caja_destino(caja_destino_->currentData().toInt());
        muestre();
    });
    r->addWidget(caja_destino_, 2, 7);
    rotulo("Observaciones:", 3, 0);
    r->addWidget(enlaces().texto(QStringLiteral("EGRE_OBS")), 3, 1, 1, 7);
    r->setColumnStretch(4, 1);
    return g;
}

QWidget* Tfegresos::valores() {
    auto* g = new QGroupBox(this);
    auto* r = new QGridLayout(g);
    struct Valor {
        const char* titulo;
        const char* campo;
        void (Egreso::*regla)(Currency);
    };
    const Valor valores[] = {{"Total a pagar:", "EGRE_MONTO", &Egreso::cambie_monto},
                             {"Ret. fuente:", "EGRE_RTFTEMONTO", nullptr},
                             {"Ret. IVA:", "EGRE_RTIVAMONTO", nullptr},
                             {"Ret. ICA:", "EGRE_RTICAMONTO", nullptr},
                             {"Ret. CREE:", "EGRE_RTCREE", nullptr},
                             {"Descuento:", "EGRE_DTOF", nullptr},
                             {"Excedente:", "EGRE_EXCEDENTE", &Egreso::cambie_excedente}};
    int i = 0;
    for (const Valor& v : valores) {
        EnlacesCampos::ReglaMonto regla;
        if (v.regla)
            regla = [this, f = v.regla](Currency c) { (logica_.*f)(c); };
        r->addWidget(new QLabel(QString::fromUtf8(v.titulo), g), i / 4 * 2, i % 4);
        r->addWidget(enlaces().monto(QLatin1String(v.campo), regla), i / 4 * 2 + 1, i % 4);
        ++i;
    }
    return g;
}

void Tfegresos::arme_paneles() {
    Dialogs& dialogos = dm().dialogs();
    const auto titulos = [](std::initializer_list<std::pair<const char*, const char*>> l) {
        QList<QPair<QString, QString>> r;
        for (const auto& [campo, titulo] : l)
            r.append({QLatin1String(campo), QString::fromUtf8(titulo)});
        return r;
    };

    pagina_conta_ = new QWidget(detalle_);
    auto* caja_conta = new QVBoxLayout(pagina_conta_);
    caja_conta->setContentsMargins(0, 0, 0, 0);
    conta_ = new PanelLineas(dialogos, QStringLiteral("Movimiento contable"), logica_.conta(),
                             pagina_conta_);
    conta_->setObjectName(QStringLiteral("panel_conta"));
    conta_->columnas(titulos({{"CUEN_COD", "Cuenta"},
                              {"EGCO_NIT", "Tercero"},
                              {"EGCO_PROY", "Proy."},
                              {"EGCO_CENTRO", "Centro"},
                              {"EGCO_SUBC", "Subc."},
                              {"EGCO_CONC", "Concepto"},
                              {"EGCO_BASEM", "Base"},
                              {"EGCO_PORC", "%"},
                              {"EGCO_DEBITOS", "Débitos"},
                              {"EGCO_CREDITOS", "Créditos"}}));
    conta_->pie(QStringLiteral("Débitos:"), [this] { return logica_.sumas().debitos; });
    conta_->pie(QStringLiteral("Créditos:"), [this] { return logica_.sumas().creditos; });
    conta_->doble_clic = [this](const QString& campo) {
        if (campo == QLatin1String("CUEN_COD"))
            busque_cuenta();
        else if (campo == QLatin1String("EGCO_NIT"))
            busque_tercero();
        else if (campo.startsWith(QLatin1String("EGCO_PROY")) ||
                 campo == QLatin1String("EGCO_CENTRO") || campo == QLatin1String("EGCO_SUBC"))
            busque_centro();
        else
            return false;
        return true;
    };
    caja_conta->addWidget(conta_, 1);
    nombre_cuenta_ = new QLabel(pagina_conta_);
    nombre_cuenta_->setObjectName(QStringLiteral("nombre_cuenta"));
    caja_conta->addWidget(nombre_cuenta_);
    detalle_->addWidget(pagina_conta_);

    documentos_ = new PanelLineas(dialogos, QStringLiteral("Pago cuenta por pagar "),
                                  logica_.documentos(), detalle_);
    documentos_->setObjectName(QStringLiteral("panel_documentos"));
    documentos_->columnas(titulos({{"EGDE_TIPODOC", "Tipo"},
                                   {"EGDE_PREFIJO", "Prefijo"},
                                   {"EGDE_NUMERO", "Número"},
                                   {"EGDE_NUMPROV", "No. proveedor"},
                                   {"EGDE_ABONO", "Abono"},
                                   {"EGDE_DTOF", "Descuento"},
                                   {"EGDE_RTFTE", "Ret. fuente"},
                                   {"EGDE_RTIVA", "Ret. IVA"},
                                   {"EGDE_RTICA", "Ret. ICA"},
                                   {"EGDE_RCREE", "Ret. CREE"}}));
    documentos_->pie(QStringLiteral("Abonos:"), [this] { return logica_.sumas().abono; });
    documentos_->pie(QStringLiteral("Descuentos:"), [this] { return logica_.sumas().dtof; });
    documentos_->pie(QStringLiteral("Retenciones:"), [this] {
        const Egreso::Sumas s = logica_.sumas();
        return s.rtfte + s.rtiva + s.rtica + s.rcree;
    });
    documentos_->rotulo(
        QStringLiteral("F2: Continuar  Esc: Cancelar  F4: Anticipo  F8: Buscar  F9: Conceptos"));
    documentos_->borre_linea = [this] { logica_.borre_documento(); };
    documentos_->doble_clic = [this](const QString&) {
        busque_cxp();
        return true;
    };
    detalle_->addWidget(documentos_);

    cruces_ =
        new PanelLineas(dialogos, QStringLiteral("Pago de Cliente"), logica_.cruces(), detalle_);
    cruces_->setObjectName(QStringLiteral("panel_cruces"));
    cruces_->columnas(titulos({{"EGCC_TIPODOC", "Tipo"},
                               {"EGCC_PREFIJO", "Prefijo"},
                               {"EGCC_NUMERO", "Número"},
                               {"EGCC_SUCURSAL", "Sucursal"},
                               {"EGCC_ABONO", "Abono"},
                               {"EGCC_DTOF", "Descuento"},
                               {"EGCC_RTFTE", "Ret. fuente"},
                               {"EGCC_RTIVA", "Ret. IVA"},
                               {"EGCC_RTICA", "Ret. ICA"},
                               {"EGCC_RCREE", "Ret. CREE"}}));
    cruces_->pie(QStringLiteral("Cruces:"), [this] { return logica_.sumas().cruces; });
    cruces_->rotulo(QStringLiteral("F2: Continuar  F8: Buscar"));
    cruces_->doble_clic = [this](const QString&) {
        busque_cartera();
        return true;
    };
    detalle_->addWidget(cruces_);

    MediosPago& medios = logica_.medios();
    caja_ = new PanelLineas(dialogos, QStringLiteral("Pago de caja "), logica_.caja(), detalle_);
    caja_->setObjectName(QStringLiteral("panel_caja"));
    caja_->columnas(titulos({{"CAJA_ID", "Caja"},
                             {"FOPA_ID", "Forma de pago"},
                             {"EGCA_BANCO", "Banco"},
                             {"EGCA_CUENTA", "Cuenta"},
                             {"EGCA_NUMERO", "Número"},
                             {"EGCA_FECHA", "Fecha"},
                             {"EGCA_MONTO", "Monto"}}));
    caja_->pie(QStringLiteral("Total caja:"),
               [this] { return suma(logica_.caja(), "EGCA_MONTO"); });
    caja_->rotulo(QStringLiteral("F2: Continuar  Esc: Cancelar"));
    caja_->nueva_linea = [&medios] { medios.nueva_linea_caja(); };
    caja_->borre_linea = [&medios] { medios.borre_linea_caja(); };
    caja_->doble_clic = [this](const QString&) {
        busque_doccaja();
        return true;
    };
    detalle_->addWidget(caja_);

    banco_ = new PanelBanco(dialogos, logica_.banco(), medios, detalle_);
    connect(banco_, &PanelBanco::cambiado, this, [this] { muestre(); });
    detalle_->addWidget(banco_);
}

QWidget* Tfegresos::botones() {
    auto* fila = new QWidget(this);
    auto* abajo = new QHBoxLayout(fila);
    abajo->setContentsMargins(0, 0, 0, 0);
    const auto boton = [this, abajo, fila](const char* texto, void (Tfegresos::*accion)()) {
        return boton_tecla(fila, abajo, QString::fromUtf8(texto), this,
                           [this, accion] { (this->*accion)(); });
    };
    boton_caja_ = boton("F4: Caja", &Tfegresos::SBCajaClick);
    boton_banco_ = boton("F5: Banco", &Tfegresos::SBBancoClick);
    boton("F7: Cruces", &Tfegresos::SBCrucesClick);
    boton_ver_pago_ = boton("Ver pago", &Tfegresos::SBVerPagoClick);
    boton_plantillas_ = boton("Plantillas", &Tfegresos::SBPlantillasClick);
    abajo->addStretch(1);
    boton("F2: Grabar", &Tfegresos::SBGrabarClick);
    boton("ESC:Cancelar", &Tfegresos::SBCancelaClick);
    return fila;
}

void Tfegresos::llene_propias() {
    llene(clase_, opciones(logica_.clases(), "CLEG_ID", "CLEG_NOMBRE"), true);
    llene(caja_destino_, opciones(logica_.medios().cajas(), "CAJA_ID", "CAJA_NOMBRE"), false);
    documentos_->lista(QStringLiteral("EGDE_TIPODOC"),
                       opciones(logica_.tipos_cxp(), "TIDO_COD", "TIDO_NOMCORTO"));
    cruces_->lista(QStringLiteral("EGCC_TIPODOC"),
                   opciones(logica_.tipos_cartera(), "TIDO_COD", "TIDO_NOMCORTO"));
    caja_->lista(QStringLiteral("CAJA_ID"),
                 opciones(logica_.medios().cajas(), "CAJA_ID", "CAJA_NOMBRE"));
    caja_->lista(QStringLiteral("FOPA_ID"),
                 opciones(logica_.medios().formas_pago(), "FOPA_ID", "FOPA_NOM"));
    banco_->llene_cuentas();
}

CampoMonto* Tfegresos::monto(const QString& campo) const {
    return enlaces().editor_monto(campo);
}

QDateEdit* Tfegresos::fecha() const {
    return enlaces().editor_fecha(QStringLiteral("EGRE_FECHA"));
}

QWidget* Tfegresos::panel_visible() const {
    QWidget* pagina = detalle_->currentWidget();
    return pagina == pagina_conta_ ? conta_ : pagina;
}

QString Tfegresos::nombre_tercero() const {
    const Field& f = logica_.campo(QStringLiteral("EGRE_NOMTERC"));
    return f.isNull() ? QString() : f.asString().trimmed();
}

void Tfegresos::muestre_propio() {
    prefijo()->setEnabled(logica_.prefijo_elegible());
    tipo_->setCurrentIndex(
        tipo_->findData(logica_.campo(QStringLiteral("EGRE_TIPO")).asString().trimmed()));
    clase_->setCurrentIndex(
        std::max(0, clase_->findData(logica_.campo(QStringLiteral("CLEG_ID")).value())));
    caja_destino_->setCurrentIndex(
        caja_destino_->findData(logica_.campo(QStringLiteral("CAJA_ID")).value()));
    for (const char* campo : {"EGRE_MONTO", "EGRE_RTFTEMONTO", "EGRE_RTIVAMONTO", "EGRE_RTICAMONTO",
                              "EGRE_RTCREE", "EGRE_DTOF"})
        monto(QLatin1String(campo))->setReadOnly(!logica_.montos_editables());
    const bool destino = logica_.caja_destino_visible();
    rotulo_caja_->setVisible(destino);
    caja_destino_->setVisible(destino);
    boton_caja_->setEnabled(logica_.boton_caja());
    boton_banco_->setEnabled(logica_.boton_banco());
    boton_ver_pago_->setEnabled(logica_.ver_pago());
    boton_plantillas_->setEnabled(logica_.conta_editable());
    conta_->grilla()->setEditTriggers(logica_.conta_editable()
                                          ? QAbstractItemView::EditKeyPressed |
                                                QAbstractItemView::AnyKeyPressed |
                                                QAbstractItemView::SelectedClicked
                                          : QAbstractItemView::NoEditTriggers);
    nombre_cuenta_->setText(logica_.nombre_cuenta());
    for (PanelLineas* p : {conta_, documentos_, cruces_, caja_})
        p->muestre();
    banco_->muestre();

    // The crosses open over any other panel, and their keys rule while open.
    QWidget* pagina = logica_.cruces_abierto() ? cruces_ : pagina_conta_;
    switch (logica_.cruces_abierto() ? Egreso::Panel::Cruces : logica_.panel()) {
        case Egreso::Panel::Documentos:
            pagina = documentos_;
            break;
        case Egreso::Panel::Caja:
            pagina = caja_;
            break;
        case Egreso::Panel::Banco:
            pagina = banco_;
            break;
        case Egreso::Panel::Cruces:
        case Egreso::Panel::Ninguno:
            break;
    }
    detalle_->setCurrentWidget(pagina);
}

void Tfegresos::muestre_panel() {
    // The cursor goes where the panel just opened is typed.
    QWidget* pagina = detalle_->currentWidget();
    if (pagina == banco_)
        banco_->enfoque();
    else if (pagina == caja_)
        caja_->enfoque(QStringLiteral("EGCA_MONTO"));
    else if (pagina == documentos_)
        documentos_->enfoque(QStringLiteral("EGDE_ABONO"));
    else if (pagina == cruces_)
        cruces_->enfoque(QStringLiteral("EGCC_ABONO"));
}

bool Tfegresos::aplique_pendientes() {
    for (PanelLineas* p : {conta_, documentos_, cruces_, caja_})
        p->termine_edicion();
    return enlaces().aplique_pendientes() &&
           (detalle_->currentWidget() != banco_ || banco_->enlaces().aplique_pendientes());
}

void Tfegresos::ejecute(Accion accion) {
    if (accion != Accion::Cancelar && accion != Accion::Nada && !aplique_pendientes())
        return;
    MediosPago& medios = logica_.medios();
    QWidget* const antes = detalle_->currentWidget();
    switch (accion) {
        case Accion::Nada:
            return;
        case Accion::Grabar:
            SBGrabarClick();
            return;
        case Accion::Cancelar:
            SBCancelaClick();
            return;
        case Accion::ContinueDocumentos:
            logica_.continue_documentos();
            break;
        case Accion::CanceleDocumentos:
            logica_.cancele_documentos();
            break;
        case Accion::ContinueCaja:
            medios.continue_caja();
            break;
        case Accion::CanceleCaja:
            medios.cancele_caja();
            break;
        case Accion::ContinueBanco:
            medios.continue_banco();
            break;
        case Accion::CanceleBanco:
            medios.cancele_banco();
            break;
        case Accion::ContinueCruces:
            logica_.continue_cruces();
            break;
        case Accion::AbraCaja:
            medios.abra_caja();
            break;
        case Accion::AbraBanco:
            medios.abra_banco();
            break;
        case Accion::Anticipo:
            anticipo();
            break;
        case Accion::Terceros:
            busque_tercero();
            break;
        case Accion::AbraCruces:
            logica_.abra_cruces();
            break;
        case Accion::BusqueCartera:
            busque_cartera();
            break;
        case Accion::BusqueCxp:
            busque_cxp();
            break;
        case Accion::ConceptosPorPagar:
            conceptos_por_pagar();
            break;
    }
    muestre();
    QWidget* const ahora = detalle_->currentWidget();
    if (ahora == antes)
        return;
    if (ahora == pagina_conta_)
        editor(QStringLiteral("EGRE_CONC"))->setFocus();
    else
        muestre_panel();
}

void Tfegresos::SBGrabarClick() {
    if (!aplique_pendientes())
        return;
    const bool grabado = logica_.grabe();
    muestre();
    if (!grabado || !isVisible())
        return;
    // The next voucher of the series starts where its number is typed.
    QLineEdit* numero = editor(QStringLiteral("EGRE_NUMERO"));
    (numero->isReadOnly() ? editor(QStringLiteral("TERC_NIT")) : numero)->setFocus();
}

void Tfegresos::SBCancelaClick() {
    if (logica_.cancele())
        cierre_sin_preguntar();
}

void Tfegresos::SBCajaClick() {
    ejecute(Accion::AbraCaja);
}

void Tfegresos::SBBancoClick() {
    ejecute(Accion::AbraBanco);
}

void Tfegresos::SBCrucesClick() {
    ejecute(Accion::AbraCruces);
}

void Tfegresos::SBVerPagoClick() {
    if (!aplique_pendientes())
        return;
    logica_.abra_documentos();
    muestre();
    muestre_panel();
}

bool Tfegresos::conta_con_foco() const {
    return conta_->isAncestorOf(QApplication::focusWidget());
}

bool Tfegresos::es_propia(int key) const {
    return logica_.accion(key) != Accion::Nada;
}

void Tfegresos::tecla_propia(int key) {
    ejecute(logica_.accion(key));
}

bool Tfegresos::toma_enter(QWidget* w) const {
    return qobject_cast<LedgrixGrid*>(w) || qobject_cast<LedgrixGrid*>(w->parentWidget());
}

EnlacesCampos& Tfegresos::enlaces_de(QWidget* w) const {
    return banco_->isAncestorOf(w) ? banco_->enlaces() : enlaces();
}

QWidget* Tfegresos::panel_actual() const {
    return detalle_->currentWidget();
}

void Tfegresos::closeEvent(QCloseEvent* event) {
    // Cancel already asked and dropped the voucher; closing asks its own
    // question and never stores anything.
    if (abierta() && !cerrando())
        logica_.cierre();
    event->accept();
}

}  // namespace ledgrix
