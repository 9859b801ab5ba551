#include "payments/ui/aplicaciones/tfaplicacion.h"

#include <algorithm>

#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "accounting/ui/revision/tfcontabiliza.h"
#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/campos/campo_monto.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"
#include "core/ui/teclas_ventana.h"
#include "output/ui/impresion/tfimpresion.h"
#include "parties/selectores/selector_proveedores.h"
#include "parties/tfdmter.h"
#include "payments/ui/comun/enlaces_campos.h"
#include "payments/ui/comun/fila_moneda.h"
#include "payments/ui/comun/panel_lineas.h"
#include "reports/ui/consulta/tfconscxpagar.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

Tfaplicacion::Tfaplicacion(Tfdm& dm, QWidget* parent)
    : QWidget(parent), dm_(dm), logica_(dm, this) {
    setObjectName(S("Tfaplicacion"));
    setWindowTitle(S("Aplicaciones  Proveedores"));
    setAttribute(Qt::WA_DeleteOnClose);
    abierta_ = logica_.abra();
    Tfcontabiliza::instale(logica_.contabilizacion(), this);
    logica_.imprima = [this](qint64 id) { imprima_documento(dm_, 53, id, this); };
    enlaces_ = new EnlacesCampos(
        dm_.dialogs(), [this](const QString& campo) -> Field& { return logica_.campo(campo); },
        this);
    enlaces_->set_activo(abierta_);
    connect(enlaces_, &EnlacesCampos::cambiado, this, [this] { muestre(); });

    auto* caja = new QVBoxLayout(this);
    caja->addWidget(encabezado());
    lineas_ = new PanelLineas(dm_.dialogs(), S("Documentos aplicados"), logica_.lineas(), this);
    lineas_->setObjectName(S("panel_lineas"));
    lineas_->columnas({{S("APPD_TIPODOC"), S("Tipo")},
                       {S("APPD_PREFIJO"), S("Prefijo")},
                       {S("APPD_NUMERO"), S("Número")},
                       {S("APPD_NUMPROV"), S("Nro. proveedor")},
                       {S("APPD_APLICADO"), S("Aplicado")},
                       {S("APPD_RTFTE"), S("Ret. fuente")},
                       {S("APPD_RTIVA"), S("Ret. IVA")},
                       {S("APPD_RTICA"), S("Ret. ICA")},
                       {S("APPD_RCREE"), S("Ret. CREE")}});
    lineas_->pie(S("Aplicado:"), [this] { return logica_.sumas().aplicado; });
    lineas_->pie(S("Retenciones:"), [this] {
        const Aplicacion::Sumas s = logica_.sumas();
        return s.rtfte + s.rtiva + s.rtica + s.rcree;
    });
    lineas_->rotulo(S("F8: Buscar documentos"));
    lineas_->doble_clic = [this](const QString&) {
        busque_cxp();
        return true;
    };
    caja->addWidget(lineas_, 1);
    caja->addWidget(botones());

    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    connect(&logica_, &Aplicacion::enfoque, this, &Tfaplicacion::enfoque);
    connect(&logica_, &Aplicacion::busque_tercero, this,
            [this](const QString& texto) { busque_tercero(texto); });
    // A wrong sign or an application without lines: nothing was stored and
    // the window leaves once the rule that said so has returned.
    connect(
        &logica_, &Aplicacion::cierre, this,
        [this] {
            cerrando_ = true;
            close();
        },
        Qt::QueuedConnection);
    ClientDataset& encabezado = logica_.aplicaciones();
    for (auto senal : {&ClientDataset::rowChanged, &ClientDataset::currentRowChanged})
        connect(&encabezado, senal, this, [this] { diferida_.pida(); });
    connect(&encabezado, &ClientDataset::resetDone, this, [this] { diferida_.pida(); });
    if (!abierta_) {
        // No series to number an application in: the window leaves once placed.
        cerrando_ = true;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    llene_listas();
    muestre();
    // The prefix and number come proposed: the supplier is typed first.
    editor(S("TERC_NIT"))->setFocus();
}

QWidget* Tfaplicacion::encabezado() {
    auto* g = new QGroupBox(this);
    auto* r = new QGridLayout(g);
    const auto rotulo = [g, r](const char* texto, int fila, int columna) {
        r->addWidget(new QLabel(S(texto), g), fila, columna);
    };
    rotulo("Prefijo:", 0, 0);
    prefijo_ = new QComboBox(g);
    prefijo_->setObjectName(S("PREF_PRE"));
    connect(prefijo_, &QComboBox::activated, this, [this] {
        if (!mostrando_)
            logica_.cambie_prefijo(prefijo_->currentText());
        muestre();
    });
    r->addWidget(prefijo_, 0, 1);
    rotulo("Número:", 0, 2);
    r->addWidget(
        enlaces_->texto(S("APPR_NUMERO"), [this](const QString& t) { logica_.cambie_numero(t); }),
        0, 3);
    rotulo("Fecha:", 0, 4);
    r->addWidget(
        enlaces_->fecha(S("APPR_FECHA"), [this](const QDate& d) { logica_.cambie_fecha(d); }), 0,
        5);
    const FilaMoneda fila =
        arme_fila_moneda(g, *enlaces_, S("APPR_MONEDA"), S("APPR_TRM"), [this](int moneda) {
            if (!mostrando_)
                logica_.cambie_moneda(moneda);
            muestre();
        });
    fila_moneda_ = fila.fila;
    moneda_ = fila.moneda;
    r->addWidget(fila_moneda_, 0, 6);

    rotulo("Nit:", 1, 0);
    r->addWidget(enlaces_->texto(
                     S("TERC_NIT"), [this](const QString& t) { logica_.cambie_nit(t); },
                     [this](const QString& t) { busque_tercero(t); }),
                 1, 1);
    auto* buscar = new QPushButton(S("..."), g);
    buscar->setFocusPolicy(Qt::NoFocus);
    buscar->setMaximumWidth(buscar->fontMetrics().horizontalAdvance(S("....")) + 16);
    connect(buscar, &QPushButton::clicked, this, [this] { busque_tercero(); });
    r->addWidget(buscar, 1, 2);
    nombre_ = new QLabel(g);
    nombre_->setObjectName(S("TERC_NOM"));
    r->addWidget(nombre_, 1, 3, 1, 4);
    rotulo("Concepto:", 2, 0);
    r->addWidget(enlaces_->texto(S("APPR_CONC")), 2, 1, 1, 6);
    rotulo("Observaciones:", 3, 0);
    r->addWidget(enlaces_->texto(S("APPR_OBS")), 3, 1, 1, 6);
    r->setColumnStretch(6, 1);
    return g;
}

QWidget* Tfaplicacion::botones() {
    auto* fila = new QWidget(this);
    auto* abajo = new QHBoxLayout(fila);
    abajo->setContentsMargins(0, 0, 0, 0);
    abajo->addStretch(1);
    const auto boton = [this, abajo, fila](const char* texto, void (Tfaplicacion::*accion)()) {
        auto* b = new QPushButton(S(texto), fila);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, accion);
        abajo->addWidget(b);
    };
    boton("F2:Grabar ", &Tfaplicacion::SBGrabarClick);
    boton("Esc:Cancelar", &Tfaplicacion::SBCancelaClick);
    return fila;
}

void Tfaplicacion::llene_listas() {
    QScopedValueRollback<bool> callado(mostrando_, true);
    const ClientDataset& prefijos = logica_.prefijos();
    const int p = prefijos.fieldByName(S("PREF_PRE")).index();
    for (int i = 0; i < prefijos.recordCount(); ++i)
        prefijo_->addItem(prefijos.valueAt(i, p).toString().trimmed());
    fila_moneda_->setVisible(logica_.pide_moneda());
    if (logica_.pide_moneda()) {
        const ClientDataset& monedas = logica_.monedas();
        const int c = monedas.fieldByName(S("TIMO_COD")).index();
        const int n = monedas.fieldByName(S("TIMO_NOMBRE")).index();
        for (int i = 0; i < monedas.recordCount(); ++i)
            moneda_->addItem(monedas.valueAt(i, n).toString().trimmed(), monedas.valueAt(i, c));
    }
    PanelLineas::Opciones tipos;
    const QHash<int, QString>& nombres = logica_.tipos_cxp();
    QList<int> codigos = nombres.keys();
    std::sort(codigos.begin(), codigos.end());
    for (int codigo : codigos)
        tipos.append({codigo, nombres.value(codigo)});
    lineas_->lista(S("APPD_TIPODOC"), tipos);
}

QLineEdit* Tfaplicacion::editor(const QString& campo) const {
    return enlaces_->editor(campo);
}

void Tfaplicacion::muestre() {
    if (!abierta_ || mostrando_)
        return;
    QScopedValueRollback<bool> callado(mostrando_, true);
    enlaces_->muestre();
    prefijo_->setCurrentIndex(
        prefijo_->findText(logica_.campo(S("PREF_PRE")).asString().trimmed()));
    if (logica_.pide_moneda())
        moneda_->setCurrentIndex(moneda_->findData(logica_.campo(S("APPR_MONEDA")).value()));
    nombre_->setText(logica_.nombre_proveedor());
    editor(S("APPR_NUMERO"))->setReadOnly(!logica_.numero_editable());
    enlaces_->widget(S("APPR_FECHA"))->setEnabled(logica_.fecha_editable());
    lineas_->muestre();
}

void Tfaplicacion::enfoque(const QString& campo) {
    if (campo.startsWith(S("APPD_")))
        lineas_->enfoque(campo);
    else if (QWidget* w = enlaces_->widget(campo))
        w->setFocus();
}

bool Tfaplicacion::aplique_pendientes() {
    lineas_->termine_edicion();
    return enlaces_->aplique_pendientes();
}

void Tfaplicacion::SBGrabarClick() {
    if (!aplique_pendientes())
        return;
    logica_.grabe();
    muestre();
}

void Tfaplicacion::SBCancelaClick() {
    if (!logica_.cancele())
        return;
    cerrando_ = true;
    close();
}

void Tfaplicacion::busque_tercero(const QString& texto) {
    SelectorProveedores selector(dm_);
    const QString nit = selector.pregunte(texto);
    if (nit.isEmpty())
        return;
    logica_.cambie_nit(nit);
    muestre();
}

void Tfaplicacion::busque_cxp() {
    if (!aplique_pendientes())
        return;
    // The consultation lists the open documents of the supplier it is handed.
    Tfdmter::entregado = {logica_.campo(S("TERC_NIT")).asString().trimmed(),
                          logica_.nombre_proveedor()};
    if (abra_conscxpagar(dm_, this) == 1)
        logica_.reciba_documentos(dm_.documentos_seleccionados);
    dm_.documentos_seleccionados.clear();
    muestre();
    lineas_->enfoque(S("APPD_APLICADO"));
}

bool Tfaplicacion::tecla(int key, QObject* watched) {
    switch (key) {
        case Qt::Key_F2:
            SBGrabarClick();
            return true;
        case Qt::Key_Escape:
            SBCancelaClick();
            return true;
        case Qt::Key_F8:
            busque_cxp();
            return true;
        default:
            break;
    }
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !watched || !watched->isWidgetType())
        return false;
    // Enter in a box: its value goes to its rule, then the cursor moves on.
    auto* w = static_cast<QWidget*>(watched);
    if (lineas_->isAncestorOf(w))
        return false;
    if (enlaces_->acepte(w))
        focusNextChild();
    return true;
}

bool Tfaplicacion::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && tecla(key, watched))
            return true;
    }
    if (teclas_de_la_ventana(event, {Qt::Key_F2, Qt::Key_Escape, Qt::Key_F8},
                             [this, watched](int k) { return tecla(k, watched); }))
        return true;
    if (event->type() == QEvent::MouseButtonDblClick && enlaces_->busque(watched))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Tfaplicacion::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key(), nullptr))
        QWidget::keyPressEvent(event);
}

void Tfaplicacion::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (ubicada_)
        return;
    ubicada_ = true;
    // The whole application in sight, within the main window's work area.
    if (auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget()); marco && marco->mdiArea()) {
        const QSize marcos = marco->size() - size();
        marco->resize((sizeHint() + marcos).boundedTo(marco->mdiArea()->viewport()->size()));
        centre_en_area(this, 0, 0);
    }
}

void Tfaplicacion::closeEvent(QCloseEvent* event) {
    // Closing over typed data asks as Esc does; nothing is ever stored here.
    const bool escrita =
        !logica_.lineas().isEmpty() || !logica_.campo(S("TERC_NIT")).asString().trimmed().isEmpty();
    if (abierta_ && !cerrando_ && escrita && !logica_.cancele()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace ledgrix
