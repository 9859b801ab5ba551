#include "payments/ui/comun/tfdocumento_pago.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

#include "accounting/ui/revision/tfcontabiliza.h"
#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/ajuste_area.h"
#include "core/ui/teclas_ventana.h"
#include "output/ui/impresion/tfimpresion.h"
#include "parties/selectores/selector_proveedores.h"
#include "parties/tfdmter.h"
#include "payments/ui/comun/enlaces_campos.h"
#include "payments/ui/comun/fila_moneda.h"
#include "payments/ui/comun/opciones_lista.h"
#include "reports/ui/consulta/tfconscxpagar.h"

namespace ledgrix {

namespace {

bool es_enter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TfdocumentoPago::TfdocumentoPago(Tfdm& dm, const Encabezado& encabezado, QWidget* parent)
    : QWidget(parent), dm_(dm), columnas_(encabezado) {
    setAttribute(Qt::WA_DeleteOnClose);
    enlaces_ = new EnlacesCampos(
        dm_.dialogs(), [this](const QString& c) -> Field& { return campo(c); }, this);
    connect(enlaces_, &EnlacesCampos::cambiado, this, [this] { muestre(); });
}

void TfdocumentoPago::abierta(bool si) {
    abierta_ = si;
    enlaces_->set_activo(si);
}

void TfdocumentoPago::instale_salidas(Contabilizacion& contabilizacion,
                                      std::function<void(qint64)>& imprima, int tipo) {
    Tfcontabiliza::instale(contabilizacion, this);
    imprima = [this, tipo](qint64 id) { imprima_documento(dm_, tipo, id, this); };
}

QGroupBox* TfdocumentoPago::arme_encabezado(QGridLayout*& rejilla) {
    auto* g = new QGroupBox(this);
    auto* r = rejilla = new QGridLayout(g);
    const auto rotulo = [g, r](const QString& texto, int fila, int columna) {
        r->addWidget(new QLabel(texto, g), fila, columna);
    };
    rotulo(QStringLiteral("Prefijo:"), 0, 0);
    prefijo_ = new QComboBox(g);
    prefijo_->setObjectName(QStringLiteral("PREF_PRE"));
    connect(prefijo_, &QComboBox::activated, this, [this] {
        if (!mostrando_)
            cambie_prefijo(prefijo_->currentText());
        muestre();
    });
    r->addWidget(prefijo_, 0, 1);
    rotulo(QStringLiteral("Número:"), 0, 2);
    r->addWidget(enlaces_->texto(col("NUMERO"), [this](const QString& t) { cambie_numero(t); }), 0,
                 3);
    rotulo(QStringLiteral("Fecha:"), 0, 4);
    r->addWidget(enlaces_->fecha(col("FECHA"), [this](const QDate& d) { cambie_fecha(d); }), 0, 5);
    const FilaMoneda fila =
        arme_fila_moneda(g, *enlaces_, col("MONEDA"), columnas_.tasa, [this](int moneda) {
            if (!mostrando_)
                cambie_moneda(moneda);
            muestre();
        });
    fila_moneda_ = fila.fila;
    moneda_ = fila.moneda;
    r->addWidget(fila_moneda_, 0, 6, 1, columnas_.columnas_moneda);

    rotulo(columnas_.rotulo_nit, 1, 0);
    r->addWidget(enlaces_->texto(
                     QStringLiteral("TERC_NIT"), [this](const QString& t) { cambie_nit(t); },
                     [this](const QString& t) { busque_tercero(t); }),
                 1, 1);
    auto* buscar = new QPushButton(QStringLiteral("..."), g);
    buscar->setFocusPolicy(Qt::NoFocus);
    buscar->setMaximumWidth(buscar->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    connect(buscar, &QPushButton::clicked, this, [this] { busque_tercero({}); });
    r->addWidget(buscar, 1, 2);
    nombre_ = new QLabel(g);
    nombre_->setObjectName(columnas_.nombre);
    r->addWidget(nombre_, 1, 3, 1, columnas_.columnas_nombre);
    return g;
}

void TfdocumentoPago::siga(ClientDataset& datos) {
    for (auto senal : {&ClientDataset::rowChanged, &ClientDataset::currentRowChanged})
        connect(&datos, senal, this, &TfdocumentoPago::muestre_luego);
    connect(&datos, &ClientDataset::resetDone, this, &TfdocumentoPago::muestre_luego);
}

void TfdocumentoPago::termine() {
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    if (!abierta_) {
        cerrando_ = true;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    llene_listas();
    muestre();
    // The prefix and number come proposed: the NIT is typed first.
    editor(QStringLiteral("TERC_NIT"))->setFocus();
}

void TfdocumentoPago::llene_listas() {
    QScopedValueRollback<bool> callado(mostrando_, true);
    prefijo_->clear();
    for (const auto& [codigo, nombre] : opciones(prefijos(), "PREF_PRE", nullptr))
        prefijo_->addItem(codigo.toString().trimmed());
    if (pide_moneda())
        llene(moneda_, opciones(monedas(), "TIMO_COD", "TIMO_NOMBRE"), false);
    fila_moneda_->setVisible(pide_moneda());
    llene_propias();
}

QLineEdit* TfdocumentoPago::editor(const QString& campo) const {
    return enlaces_->editor(campo);
}

void TfdocumentoPago::muestre() {
    if (!abierta_ || mostrando_)
        return;
    QScopedValueRollback<bool> callado(mostrando_, true);
    enlaces_->muestre();
    const Field& prefijo = campo(QStringLiteral("PREF_PRE"));
    prefijo_->setCurrentIndex(
        prefijo_->findText(prefijo.isNull() ? QString() : prefijo.asString().trimmed()));
    if (pide_moneda())
        moneda_->setCurrentIndex(moneda_->findData(campo(col("MONEDA")).value()));
    nombre_->setText(nombre_tercero());
    editor(col("NUMERO"))->setReadOnly(!numero_editable());
    enlaces_->widget(col("FECHA"))->setEnabled(fecha_editable());
    muestre_propio();
}

void TfdocumentoPago::muestre_luego() {
    diferida_.pida();
}

void TfdocumentoPago::enfoque(const QString& campo) {
    if (QWidget* w = enlaces_->widget(campo))
        w->setFocus();
}

EnlacesCampos& TfdocumentoPago::enlaces_de(QWidget* /*w*/) const {
    return *enlaces_;
}

void TfdocumentoPago::cierre_sin_preguntar() {
    cerrando_ = true;
    close();
}

void TfdocumentoPago::busque_tercero(const QString& texto) {
    SelectorProveedores selector(dm_);
    const QString nit = selector.pregunte(texto);
    if (nit.isEmpty())
        return;
    cambie_nit(nit);
    muestre();
}

QList<DocumentoSeleccionado> TfdocumentoPago::elija_documentos_cxp() {
    // The consultation lists the open documents of the supplier it is handed.
    Tfdmter::entregado = {campo(QStringLiteral("TERC_NIT")).asString().trimmed(), nombre_tercero()};
    QList<DocumentoSeleccionado> elegidos;
    if (abra_conscxpagar(dm_, this) == 1)
        elegidos = dm_.documentos_seleccionados;
    dm_.documentos_seleccionados.clear();
    return elegidos;
}

bool TfdocumentoPago::tecla(int key, QObject* watched) {
    if (es_propia(key)) {
        tecla_propia(key);
        return true;
    }
    if (!es_enter(key) || !watched || !watched->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(watched);
    if (toma_enter(w))
        return false;
    // Enter in a box: its value goes to its rule, then the cursor moves on;
    // an amount that is not a number keeps it where it is.
    QWidget* const antes = panel_actual();
    if (enlaces_de(w).acepte(w) && panel_actual() == antes)
        focusNextChild();
    return true;
}

bool TfdocumentoPago::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && es_enter(static_cast<QKeyEvent*>(event)->key()) &&
        tecla(static_cast<QKeyEvent*>(event)->key(), watched))
        return true;
    if (teclas_de_la_ventana(
            event, [this](int key) { return es_propia(key); },
            [this, watched](int key) { return tecla(key, watched); }))
        return true;
    if (event->type() == QEvent::MouseButtonDblClick && enlaces_->busque(watched))
        return true;
    return QWidget::eventFilter(watched, event);
}

void TfdocumentoPago::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key(), nullptr))
        QWidget::keyPressEvent(event);
}

void TfdocumentoPago::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        ajuste_al_area(this);
    }
}

}  // namespace ledgrix
