#include "reports/ui/impresos/tfreporte_impreso.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"
#include "core/ui/teclas_ventana.h"
#include "parties/selectores/selector_proveedores.h"
#include "reports/impresos/reporte_impreso.h"
#include "reports/motor/reporte.h"
#include "reports/ui/motor/vista_reporte.h"

namespace ledgrix {

namespace {

QLineEdit* caja_codigo(QWidget* padre, const char* nombre, int largo) {
    auto* e = new QLineEdit(padre);
    e->setObjectName(QString::fromLatin1(nombre));
    e->setMaxLength(largo);
    return e;
}

// "Desde [ ] Hasta [ ]" inside a titled box.
QGroupBox* rango(QWidget* padre, const QString& titulo, QLineEdit* desde, QLineEdit* hasta) {
    auto* caja = new QGroupBox(titulo, padre);
    auto* fila = new QHBoxLayout(caja);
    fila->addWidget(new QLabel(QStringLiteral("Desde"), caja));
    fila->addWidget(desde, 1);
    fila->addWidget(new QLabel(QStringLiteral("Hasta"), caja));
    fila->addWidget(hasta, 1);
    return caja;
}

}  // namespace

TfReporteImpreso::TfReporteImpreso(Tfdm& dm, ReporteImpreso* logica, const QString& clase,
                                   const QString& titulo, QWidget* parent)
    : QWidget(parent), dm_(dm), logica_(*logica) {
    logica->setParent(this);
    setObjectName(clase);
    setWindowTitle(titulo);
    setAttribute(Qt::WA_DeleteOnClose);
    // Wide enough for the composed title and the ranges' codes.
    setMinimumWidth(640);
}

TfReporteImpreso::~TfReporteImpreso() = default;

QStringList TfReporteImpreso::agrupaciones() const {
    return {QStringLiteral("Grupo")};
}

void TfReporteImpreso::agrupacion_elegida(int indice) {
    const QString texto = indice > 0 ? agrupaciones().value(indice - 1) : QString();
    logica_.criterios.agrupacion = texto == QStringLiteral("Ciudad")  ? Agrupacion::Ciudad
                                   : texto == QStringLiteral("Grupo") ? Agrupacion::Grupo
                                                                      : Agrupacion::Ninguna;
}

void TfReporteImpreso::construya() {
    auto* caja = new QVBoxLayout(this);

    prov_desde_ = caja_codigo(this, "prov_desde", 40);
    prov_hasta_ = caja_codigo(this, "prov_hasta", 40);
    caja_proveedores_ =
        rango(this, QStringLiteral("Rango De Proveedores"), prov_desde_, prov_hasta_);
    caja->addWidget(caja_proveedores_);
    grupo_desde_ = caja_codigo(this, "grupo_desde", 20);
    grupo_hasta_ = caja_codigo(this, "grupo_hasta", 20);
    caja_grupos_ = rango(this, QStringLiteral("Agrupamiento"), grupo_desde_, grupo_hasta_);
    caja->addWidget(caja_grupos_);

    auto* datos = new QGridLayout;
    etiqueta_corte_ = new QLabel(QStringLiteral("Corte:"), this);
    corte_ = caja_fecha(this, "corte", logica_.criterios.corte);
    datos->addWidget(etiqueta_corte_, 0, 0);
    datos->addWidget(corte_, 0, 1);

    caja_orden_ = new QGroupBox(QStringLiteral("Ordenamiento"), this);
    auto* fila_orden = new QHBoxLayout(caja_orden_);
    auto* por_nit = new QRadioButton(QStringLiteral("Nit"), caja_orden_);
    por_nombre_ = new QRadioButton(QStringLiteral("Nombre"), caja_orden_);
    por_nombre_->setObjectName(QStringLiteral("por_nombre"));
    por_nit->setChecked(true);
    fila_orden->addWidget(por_nit);
    fila_orden->addWidget(por_nombre_);
    datos->addWidget(caja_orden_, 1, 0, 1, 2);

    caja_agrupa_ = new QGroupBox(QStringLiteral("Agrupamiento"), this);
    auto* fila_agrupa = new QHBoxLayout(caja_agrupa_);
    auto* grupo_botones = new QButtonGroup(caja_agrupa_);
    QStringList opciones{QStringLiteral("Ninguno")};
    opciones << agrupaciones();
    for (int i = 0; i < opciones.size(); ++i) {
        auto* b = new QRadioButton(opciones[i], caja_agrupa_);
        b->setObjectName(QStringLiteral("agrupa_%1").arg(i));
        b->setChecked(i == 0);
        grupo_botones->addButton(b, i);
        fila_agrupa->addWidget(b);
        agrupa_ << b;
    }
    datos->addWidget(caja_agrupa_, 1, 2, 1, 2);

    moneda_ = new QComboBox(this);
    moneda_->setObjectName(QStringLiteral("moneda"));
    auto* etiqueta_moneda = new QLabel(QStringLiteral("Moneda:"), this);
    moneda_->addItem(QStringLiteral("Local"), 0);
    for (const auto& [codigo, nombre] : logica_.monedas())
        moneda_->addItem(nombre, codigo);
    datos->addWidget(etiqueta_moneda, 2, 0);
    datos->addWidget(moneda_, 2, 1);
    const bool pide_moneda = logica_.pide_moneda();
    etiqueta_moneda->setVisible(pide_moneda);
    moneda_->setVisible(pide_moneda);

    agencia_ = new QComboBox(this);
    agencia_->setObjectName(QStringLiteral("agencia"));
    auto* etiqueta_agencia = new QLabel(QStringLiteral("Agencias"), this);
    for (const auto& [id, nombre] : logica_.agencias())
        agencia_->addItem(nombre, id);
    datos->addWidget(etiqueta_agencia, 0, 2);
    datos->addWidget(agencia_, 0, 3);
    etiqueta_agencia->setVisible(!logica_.agencia_fija());
    agencia_->setVisible(!logica_.agencia_fija());
    caja->addLayout(datos);

    agregue_propios(caja);

    auto* fila_titulo = new QHBoxLayout;
    fila_titulo->addWidget(new QLabel(QStringLiteral("Título:"), this));
    titulo_ = new QLineEdit(this);
    titulo_->setObjectName(QStringLiteral("titulo"));
    titulo_->setMaxLength(200);
    fila_titulo->addWidget(titulo_, 1);
    caja->addLayout(fila_titulo);

    cargando_ = new QLabel(QStringLiteral("Cargando información, un momento por favor..."), this);
    cargando_->setObjectName(QStringLiteral("cargando"));
    cargando_->setAlignment(Qt::AlignCenter);
    cargando_->hide();
    caja->addWidget(cargando_);

    // What F4 exports: the rows of the report as a grid would show them.
    grilla_ = new LedgrixGrid(this);
    grilla_->setObjectName(QStringLiteral("grilla"));
    grilla_->setDialogs(&dm_.dialogs());
    grilla_->setModel(new DatasetModel(&logica_.filas(), this));
    grilla_->hide();

    auto* barra = new QHBoxLayout;
    barra->addStretch(1);
    const auto boton = [this, barra](const QString& texto, auto accion) {
        auto* b = new QPushButton(texto, this);
        b->setFocusPolicy(Qt::NoFocus);
        barra->addWidget(b);
        connect(b, &QPushButton::clicked, this, accion);
    };
    boton(QStringLiteral("F2:Imprimir"), [this] { SBImprimirClick(); });
    boton(QStringLiteral("F4:Exportar"), [this] { SBExportarClick(); });
    boton(QStringLiteral("Esc:Salir"), [this] { close(); });
    caja->addLayout(barra);
    caja->addStretch(1);

    connect(titulo_, &QLineEdit::textEdited, this, [this] { titulo_propio_ = true; });
    for (QLineEdit* e : {prov_desde_, prov_hasta_, grupo_desde_, grupo_hasta_})
        connect(e, &QLineEdit::editingFinished, this, &TfReporteImpreso::proponga_titulo);
    connect(por_nombre_, &QRadioButton::toggled, this, &TfReporteImpreso::proponga_titulo);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    proponga_titulo();
}

QCheckBox* TfReporteImpreso::casilla(QVBoxLayout* caja, const QString& texto, const char* nombre) {
    auto* c = new QCheckBox(texto, this);
    c->setObjectName(QString::fromLatin1(nombre));
    caja->addWidget(c);
    connect(c, &QCheckBox::toggled, this, &TfReporteImpreso::proponga_titulo);
    return c;
}

QDateEdit* TfReporteImpreso::caja_fecha(QWidget* padre, const char* nombre, const QDate& fecha) {
    auto* e = new QDateEdit(fecha, padre);
    e->setObjectName(QString::fromLatin1(nombre));
    e->setDisplayFormat(Tfdm::formato_fecha());
    e->setCalendarPopup(true);
    connect(e, &QDateEdit::dateChanged, this, &TfReporteImpreso::proponga_titulo);
    return e;
}

void TfReporteImpreso::agregue_periodo(QVBoxLayout* caja) {
    auto* fila = new QHBoxLayout;
    fila->addWidget(new QLabel(QStringLiteral("Fecha"), this));
    fila->addWidget(new QLabel(QStringLiteral("Desde"), this));
    periodo_desde_ = caja_fecha(this, "periodo_desde", logica_.criterios.desde);
    fila->addWidget(periodo_desde_);
    fila->addWidget(new QLabel(QStringLiteral("Hasta"), this));
    periodo_hasta_ = caja_fecha(this, "periodo_hasta", logica_.criterios.hasta);
    fila->addWidget(periodo_hasta_);
    fila->addStretch(1);
    caja->addLayout(fila);
}

void TfReporteImpreso::oculte_corte() {
    etiqueta_corte_->hide();
    corte_->hide();
}

void TfReporteImpreso::oculte_proveedores() {
    caja_proveedores_->hide();
    oculte_seleccion();
}

void TfReporteImpreso::oculte_seleccion() {
    for (QGroupBox* g : {caja_grupos_, caja_orden_, caja_agrupa_})
        g->hide();
}

void TfReporteImpreso::titule_proveedores(const QString& titulo) {
    caja_proveedores_->setTitle(titulo);
}

bool TfReporteImpreso::lea() {
    Criterios& c = logica_.criterios;
    c.proveedores = {prov_desde_->text(), prov_hasta_->text()};
    c.grupos = {grupo_desde_->text(), grupo_hasta_->text()};
    c.corte = corte_->date();
    if (periodo_desde_) {
        c.desde = periodo_desde_->date();
        c.hasta = periodo_hasta_->date();
    }
    c.por_nombre = por_nombre_->isChecked();
    for (int i = 0; i < agrupa_.size(); ++i)
        if (agrupa_[i]->isChecked())
            agrupacion_elegida(i);
    c.moneda = moneda_->currentData().toInt();
    if (!logica_.agencia_fija())
        c.agencia = agencia_->currentData().toInt();
    c.titulo = titulo_->text();
    lea_propios();
    return true;
}

void TfReporteImpreso::proponga_titulo() {
    if (!titulo_ || titulo_propio_)
        return;
    lea();
    titulo_->setText(logica_.titulo_predeterminado());
}

bool TfReporteImpreso::consulte() {
    lea();
    if (!logica_.valide())
        return false;
    cargando_->show();
    cargando_->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool hay = logica_.consulte();
    QApplication::restoreOverrideCursor();
    cargando_->hide();
    // An empty result was told; there is nothing this window can print.
    if (!hay && logica_.filas().active() && logica_.filas().isEmpty())
        close();
    return hay;
}

void TfReporteImpreso::SBImprimirClick() {
    if (!consulte())
        return;
    std::optional<Reporte> r = logica_.reporte();
    if (!r)
        return;
    if (muestre_reporte(*r, dm_.dialogs(), this))
        close();
}

void TfReporteImpreso::SBExportarClick() {
    if (!consulte())
        return;
    grilla_->setExportTitle(logica_.archivo_exportacion());
    grilla_->selectAll();
    if (grilla_->exportRows(false))
        close();
}

void TfReporteImpreso::busque_proveedor(QLineEdit* caja) {
    SelectorProveedores selector(dm_);
    const QString nit = selector.pregunte(caja->text());
    if (nit.isEmpty())
        return;
    caja->setText(nit);
    proponga_titulo();
}

bool TfReporteImpreso::tecla(int key) {
    switch (key) {
        case Qt::Key_F2:
            SBImprimirClick();
            return true;
        case Qt::Key_F4:
            SBExportarClick();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        default:
            return false;
    }
}

bool TfReporteImpreso::eventFilter(QObject* watched, QEvent* event) {
    if (teclas_de_la_ventana(event, {Qt::Key_F2, Qt::Key_F4, Qt::Key_Escape},
                             [this](int key) { return tecla(key); }))
        return true;
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == prov_desde_ || watched == prov_hasta_)) {
        busque_proveedor(static_cast<QLineEdit*>(watched));
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        // Enter moves on, as in every entry window.
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
            qobject_cast<QLineEdit*>(watched)) {
            focusNextChild();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfReporteImpreso::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        centre_en_area(this, 135, 140);
        prov_desde_->setFocus();
    }
}

}  // namespace ledgrix
