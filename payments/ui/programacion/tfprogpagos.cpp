#include "payments/ui/programacion/tfprogpagos.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/money/formato_numero.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/ajuste_area.h"
#include "core/ui/campos/campo_monto.h"
#include "payments/ui/comun/boton_tecla.h"

namespace ledgrix {

namespace {

// Amounts as the installation writes them.
QString monto(const Currency& valor) {
    return FormatoNumero::instalacion().escriba(valor);
}

QString S(const char* s) {
    return QString::fromUtf8(s);
}

QTableWidget* tabla(QWidget* padre, const char* nombre, const QStringList& titulos) {
    auto* t = new QTableWidget(0, static_cast<int>(titulos.size()), padre);
    t->setObjectName(S(nombre));
    t->setHorizontalHeaderLabels(titulos);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    return t;
}

void celdas(QTableWidget* t, int fila, const QStringList& textos, int desde_monto) {
    for (int c = 0; c < textos.size(); ++c) {
        auto* item = new QTableWidgetItem(textos.at(c));
        if (c >= desde_monto)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        t->setItem(fila, c, item);
    }
}

}  // namespace

Tfprogpagos::Tfprogpagos(Tfdm& dm, qint64 id, QWidget* parent)
    : QWidget(parent),
      dm_(dm),
      logica_(std::make_unique<ProgramacionPagos>(
          dm, [&dm](Programacion& p) { return GrabacionProgramacion(dm).grabe(p); })) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(S("Tfprogpagos"));
    setWindowTitle(S("Programación de Cuentas x pagar"));
    abierta_ = logica_->abra(id);
    // Refused (the user was told why): the window does not stay empty.
    if (!abierta_)
        QTimer::singleShot(0, this, &QWidget::close);

    auto* caja = new QVBoxLayout(this);
    caja->addLayout(arme_encabezado());

    documentos_ =
        tabla(this, "documentos",
              {S("Nit"), S("Nombre"), S("Tipo"), S("Prefijo"), S("Número"), S("Nro. proveedor"),
               S("Concepto"), S("Fecha"), S("Vence"), S("Días"), S("Saldo"), S("Pago")});
    documentos_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    documentos_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(documentos_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        QMenu menu(this);
        menu.addAction(S("Quitar pago"), this, &Tfprogpagos::SBQuitarClick);
        menu.exec(documentos_->viewport()->mapToGlobal(p));
    });
    caja->addWidget(documentos_, 3);

    auto* abajo = new QHBoxLayout;
    dinero_ = tabla(this, "dinero",
                    {S("Tipo"), S("Código"), S("Cuenta"), S("Número"), S("Nombre"), S("Saldo")});
    abajo->addWidget(dinero_, 3);
    auto* totales = new QGridLayout;
    const auto total = [&](int fila, const char* titulo, const char* nombre) {
        totales->addWidget(new QLabel(S(titulo), this), fila, 0);
        auto* l = new QLabel(this);
        l->setObjectName(S(nombre));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(fontMetrics().horizontalAdvance(S("999.999.999.999,99")));
        totales->addWidget(l, fila, 1);
        return l;
    };
    total_pagos_ = total(0, "Total pagos:", "total_pagos");
    total_disponible_ = total(1, "Total disponible:", "total_disponible");
    diferencia_ = total(2, "Diferencia:", "diferencia");
    abajo->addLayout(totales, 1);
    caja->addLayout(abajo, 1);

    arme_panel();
    caja->addWidget(panel_);

    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    boton_tecla(this, botones, S("F2:Calcula"), this, [this] { SBCalculaClick(); });
    boton_tecla(this, botones, S("F8:Pagar"), this, [this] { SBPagarClick(); });
    auto* grabar = boton_tecla(this, botones, S("F2:Grabar"), this, [this] { SBGrabarClick(); });
    grabar->setEnabled(!logica_->solo_lectura());
    boton_tecla(this, botones, S("Esc:Salir"), this, [this] { close(); });
    caja->addLayout(botones);

    setMaximumSize(1366, 700);
    resize(1280, 660);
    ajuste_al_area(this);
    // A stored schedule shows its documents at once.
    if (id != 0 && abierta_)
        SBCalculaClick();
    if (logica_->solo_lectura())
        documentos_->setFocus();
    else
        concepto_->setFocus();
}

Tfprogpagos::~Tfprogpagos() = default;

QGridLayout* Tfprogpagos::arme_encabezado() {
    const Programacion& p = logica_->datos();
    auto* g = new QGridLayout;
    const auto rotulo = [&](int fila, int col, const char* texto, QWidget* w) {
        g->addWidget(new QLabel(S(texto), this), fila, col);
        g->addWidget(w, fila, col + 1);
        w->setEnabled(!logica_->solo_lectura());
    };
    prefijo_ = new QComboBox(this);
    prefijo_->addItems(logica_->prefijos());
    prefijo_->setCurrentText(p.pref);
    rotulo(0, 0, "Prefijo:", prefijo_);
    numero_ = new QLabel(p.numero, this);
    g->addWidget(new QLabel(S("Número:"), this), 0, 2);
    g->addWidget(numero_, 0, 3);
    fecha_ = new QDateEdit(p.fecha, this);
    fecha_->setDisplayFormat(S("yyyy/MM/dd"));
    rotulo(0, 4, "Fecha:", fecha_);
    concepto_ = new QLineEdit(p.concepto, this);
    concepto_->setObjectName(S("concepto"));
    concepto_->setMaxLength(60);
    rotulo(1, 0, "Concepto:", concepto_);
    prefijo_egresos_ = new QComboBox(this);
    prefijo_egresos_->addItems(logica_->prefijos_egresos());
    prefijo_egresos_->setCurrentText(p.prefijo_egresos);
    rotulo(1, 2, "Prefijo Egresos:", prefijo_egresos_);
    fecha_egresos_ = new QDateEdit(p.fecha_egresos, this);
    fecha_egresos_->setDisplayFormat(S("yyyy/MM/dd"));
    rotulo(1, 4, "Fecha egresos:", fecha_egresos_);
    un_egreso_ = new QComboBox(this);
    un_egreso_->addItems({S("Un solo egreso"), S("Egreso por proveedor")});
    un_egreso_->setCurrentIndex(p.un_egreso ? 0 : 1);
    g->addWidget(un_egreso_, 2, 1);
    un_egreso_->setEnabled(!logica_->solo_lectura());
    confirmada_ = new QCheckBox(S("Generar Egresos al grabar"), this);
    confirmada_->setChecked(p.confirmada);
    confirmada_->setEnabled(!logica_->solo_lectura());
    g->addWidget(confirmada_, 2, 2, 1, 2);
    agencia_ = new QComboBox(this);
    for (const auto& [codigo, nombre] : logica_->agencias())
        agencia_->addItem(nombre, codigo);
    agencia_->setCurrentIndex(std::max(0, agencia_->findData(logica_->agencia())));
    rotulo(3, 0, "Agencia:", agencia_);
    grupo_ = new QComboBox(this);
    for (const auto& [codigo, nombre] : logica_->grupos())
        grupo_->addItem(nombre, codigo);
    grupo_->setCurrentIndex(std::max(0, grupo_->findData(p.grupo)));
    rotulo(3, 2, "Grupo:", grupo_);
    solo_a_pagar_ = new QCheckBox(S("Solo documentos a pagar"), this);
    solo_a_pagar_->setObjectName(S("solo_a_pagar"));
    g->addWidget(solo_a_pagar_, 3, 4, 1, 2);
    observacion_ = new QPlainTextEdit(p.observacion, this);
    observacion_->setTabChangesFocus(true);
    observacion_->setMaximumHeight(observacion_->fontMetrics().lineSpacing() * 2 + 12);
    observacion_->setReadOnly(logica_->solo_lectura());
    g->addWidget(new QLabel(S("Observación:"), this), 4, 0);
    g->addWidget(observacion_, 4, 1, 1, 5);

    const auto filtre = [this] {
        logica_->filtre(solo_a_pagar_->isChecked(), grupo_->currentData().toString());
        muestre();
    };
    connect(solo_a_pagar_, &QCheckBox::toggled, this, filtre);
    connect(grupo_, &QComboBox::activated, this, filtre);
    connect(concepto_, &QLineEdit::textEdited, this, [this] { logica_->marque_cambio(); });
    return g;
}

void Tfprogpagos::arme_panel() {
    panel_ = new QGroupBox(S("Detalle del Pago "), this);
    panel_->setObjectName(S("panel_pago"));
    auto* fila = new QHBoxLayout(panel_);
    fila->addWidget(new QLabel(S("Valor a pagar:"), panel_));
    valor_ = new CampoMonto(dm_.dialogs(), panel_);
    valor_->setObjectName(S("valor"));
    fila->addWidget(valor_);
    fila->addWidget(new QLabel(S("Pagar de:"), panel_));
    origen_ = new QComboBox(panel_);
    origen_->addItem(S("CAJA"), S("C"));
    origen_->addItem(S("BANCO"), S("B"));
    fila->addWidget(origen_);
    caja_ = new QComboBox(panel_);
    caja_->setMinimumContentsLength(20);
    fila->addWidget(caja_);
    tipo_banco_ = new QComboBox(panel_);
    fila->addWidget(tipo_banco_);
    prefijo_banco_ = new QComboBox(panel_);
    fila->addWidget(prefijo_banco_);
    boton_tecla(panel_, fila, S("Aceptar"), this, [this] { SBAceptarClick(); });
    connect(origen_, &QComboBox::activated, this, [this] { llene_cajas(); });
    connect(caja_, &QComboBox::activated, this, [this] { llene_tipos(); });
    connect(tipo_banco_, &QComboBox::activated, this, [this] {
        prefijo_banco_->clear();
        prefijo_banco_->addItems(
            logica_->prefijos_banco(caja_->currentData().toString(), tipo_banco_->currentText()));
    });
    panel_->hide();
}

void Tfprogpagos::tome_encabezado() {
    Programacion& p = logica_->datos();
    p.pref = prefijo_->currentText();
    p.fecha = fecha_->date();
    p.concepto = concepto_->text().trimmed();
    p.observacion = observacion_->toPlainText();
    p.prefijo_egresos = prefijo_egresos_->currentText();
    p.fecha_egresos = fecha_egresos_->date();
    p.un_egreso = un_egreso_->currentIndex() == 0;
    p.confirmada = confirmada_->isChecked();
    p.grupo = grupo_->currentData().toString();
    logica_->cambie_agencia(agencia_->currentData().toInt());
}

void Tfprogpagos::muestre() {
    const QList<DocumentoPorPagar>& docs = logica_->documentos();
    const QList<int> visibles = logica_->visibles();
    documentos_->setRowCount(static_cast<int>(visibles.size()));
    for (int f = 0; f < visibles.size(); ++f) {
        const DocumentoPorPagar& d = docs.at(visibles.at(f));
        celdas(documentos_, f,
               {d.nit, d.nombre, d.tiponom, d.prefijo, d.numero, d.numprov, d.concepto,
                d.fecdoc.toString(S("yyyy/MM/dd")), d.vence.toString(S("yyyy/MM/dd")),
                QString::number(d.dias), monto(d.saldo), monto(d.pago)},
               9);
        documentos_->item(f, 0)->setData(Qt::UserRole, visibles.at(f));
    }
    const QList<DineroDisponible>& dinero = logica_->dinero();
    dinero_->setRowCount(static_cast<int>(dinero.size()));
    for (int f = 0; f < dinero.size(); ++f) {
        const DineroDisponible& d = dinero.at(f);
        celdas(dinero_, f, {d.cob, d.idcaja, d.ctabco, d.nrobco, d.nombre, monto(d.saldo)}, 5);
    }
    total_pagos_->setText(monto(logica_->total_pagos()));
    total_disponible_->setText(monto(logica_->total_disponible()));
    diferencia_->setText(monto(logica_->diferencia()));
}

void Tfprogpagos::SBCalculaClick() {
    if (!logica_->solo_lectura())
        tome_encabezado();
    // The lists read are shown even when the money could not be read.
    calculada_ = logica_->calcule() || !logica_->documentos().isEmpty();
    muestre();
    documentos_->resizeColumnsToContents();
}

QList<int> Tfprogpagos::seleccionadas() const {
    QList<int> r;
    for (const QModelIndex& i : documentos_->selectionModel()->selectedRows())
        r << documentos_->item(i.row(), 0)->data(Qt::UserRole).toInt();
    if (r.isEmpty() && documentos_->currentRow() >= 0 &&
        documentos_->item(documentos_->currentRow(), 0))
        r << documentos_->item(documentos_->currentRow(), 0)->data(Qt::UserRole).toInt();
    std::sort(r.begin(), r.end());
    return r;
}

void Tfprogpagos::llene_cajas() {
    caja_->clear();
    const QString cob = origen_->currentData().toString();
    for (int i : logica_->dinero_de(cob)) {
        const DineroDisponible& d = logica_->dinero().at(i);
        caja_->addItem(d.idcaja + S(" ") + d.nombre, d.idcaja);
    }
    llene_tipos();
}

void Tfprogpagos::llene_tipos() {
    tipo_banco_->clear();
    prefijo_banco_->clear();
    const bool banco = origen_->currentData().toString() == S("B");
    tipo_banco_->setVisible(banco);
    prefijo_banco_->setVisible(banco);
    if (!banco)
        return;
    const QString cuenta = caja_->currentData().toString();
    tipo_banco_->addItems(logica_->tipos_banco(cuenta));
    prefijo_banco_->addItems(logica_->prefijos_banco(cuenta, tipo_banco_->currentText()));
}

void Tfprogpagos::SBPagarClick() {
    std::optional<PanelPago> panel = logica_->pague(seleccionadas());
    if (!panel)
        return;
    pendiente_ = *panel;
    valor_->muestre(panel->varios ? std::nullopt : std::optional<Currency>(panel->valor));
    valor_->setEnabled(!panel->varios);
    origen_->setCurrentIndex(panel->cob == S("B") ? 1 : 0);
    llene_cajas();
    if (!panel->idcaja.isEmpty()) {
        caja_->setCurrentIndex(std::max(0, caja_->findData(panel->idcaja)));
        llene_tipos();
        tipo_banco_->setCurrentText(panel->tipo_banco);
        prefijo_banco_->setCurrentText(panel->prefbco);
    }
    for (QWidget* w : {static_cast<QWidget*>(origen_), static_cast<QWidget*>(caja_),
                       static_cast<QWidget*>(tipo_banco_), static_cast<QWidget*>(prefijo_banco_)})
        w->setEnabled(!panel->fuente_fija);
    panel_->show();
    (panel->varios ? static_cast<QWidget*>(origen_) : valor_)->setFocus();
}

void Tfprogpagos::SBAceptarClick() {
    PanelPago p = pendiente_;
    if (!p.varios) {
        // Typed in the installation's format; a text that does not follow
        // it is told and the panel stays.
        if (!valor_->acepte())
            return;
        p.valor = valor_->valor().value_or(Currency());
    }
    p.cob = origen_->currentData().toString();
    p.idcaja = caja_->currentData().toString();
    p.tipo_banco = tipo_banco_->currentText();
    p.prefbco = prefijo_banco_->currentText();
    if (!logica_->confirme(p))
        return;
    panel_->hide();
    muestre();
    documentos_->setFocus();
}

void Tfprogpagos::SBQuitarClick() {
    logica_->quite(seleccionadas());
    muestre();
}

void Tfprogpagos::SBGrabarClick() {
    if (logica_->solo_lectura())
        return;
    tome_encabezado();
    if (!logica_->grabe())
        return;
    cerrando_ = true;
    close();
}

void Tfprogpagos::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_F2:
            calculada_ ? SBGrabarClick() : SBCalculaClick();
            return;
        case Qt::Key_F8:
            SBPagarClick();
            return;
        case Qt::Key_Escape:
            if (panel_->isVisible()) {
                panel_->hide();
                documentos_->setFocus();
            } else {
                close();
            }
            return;
        default:
            QWidget::keyPressEvent(e);
    }
}

void Tfprogpagos::closeEvent(QCloseEvent* e) {
    if (!cerrando_ && !logica_->solo_lectura() && !logica_->puede_salir()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

}  // namespace ledgrix
