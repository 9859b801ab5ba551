#include "reports/ui/analisis/tfanalisiscxp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSplitter>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/grid_filter_proxy.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "reports/ui/analisis/grafica_tramos.h"
#include "reports/ui/consulta/tfconscxpagar.h"
#include "core/ui/ventanas_externas.h"

namespace ledgrix {

namespace {

// The main window's work area less this is the window's size.
constexpr int kMenosAncho = 130;
constexpr int kMenosAlto = 140;

}  // namespace

Tfanalisiscxp::Tfanalisiscxp(Tfdm& dm, QWidget* parent)
    : Tflista(dm, QStringLiteral("Tfanalisiscxp"), QStringLiteral("Análisis de Cuentas x pagar"),
              parent),
      logica_(dm, this) {
    resize(1100, 460);
    grilla()->setExportTitle(QStringLiteral("AnalisisCxp"));
    const AnalisisCxp::Criterios& c = logica_.criterios();

    auto* criterios = new QHBoxLayout;
    const auto rotulo = [this, criterios](const QString& texto, QWidget* campo) {
        auto* r = new QLabel(texto, this);
        r->setBuddy(campo);
        criterios->addWidget(r);
        criterios->addWidget(campo);
        return r;
    };
    corte_ = new QDateEdit(c.corte, this);
    corte_->setObjectName(QStringLiteral("corte"));
    corte_->setCalendarPopup(true);
    corte_->setDisplayFormat(Tfdm::formato_fecha());
    rotulo(QStringLiteral("Corte:"), corte_);
    moneda_ = new QComboBox(this);
    moneda_->setObjectName(QStringLiteral("moneda"));
    for (const auto& [codigo, nombre] : logica_.monedas())
        moneda_->addItem(nombre, codigo);
    QLabel* rotulo_moneda = rotulo(QStringLiteral("Moneda:"), moneda_);
    rotulo_moneda->setVisible(!logica_.monedas().isEmpty());
    moneda_->setVisible(!logica_.monedas().isEmpty());
    rango_ = new QLineEdit(c.rango, this);
    rango_->setObjectName(QStringLiteral("rango"));
    rango_->setMaximumWidth(60);
    rotulo(QStringLiteral("Rango días:"), rango_);
    agencia_ = new QComboBox(this);
    agencia_->setObjectName(QStringLiteral("agencia"));
    for (const auto& [id, nombre] : logica_.agencias())
        agencia_->addItem(nombre, id);
    agencia_->setCurrentIndex(std::max(0, agencia_->findData(c.agencia)));
    agencia_->setEnabled(!logica_.agencia_fija());
    rotulo(QStringLiteral("Agencia:"), agencia_);
    por_vencer_ = new QCheckBox(QStringLiteral("Análisis por vencer"), this);
    por_vencer_->setObjectName(QStringLiteral("por_vencer"));
    criterios->addWidget(por_vencer_);
    incluir_cero_ = new QCheckBox(QStringLiteral("Incluir clientes en cero"), this);
    incluir_cero_->setObjectName(QStringLiteral("incluir_cero"));
    criterios->addWidget(incluir_cero_);
    criterios->addStretch(1);

    auto* caja = static_cast<QVBoxLayout*>(layout());
    caja->insertLayout(0, criterios);
    // The grid shares its row with the chart.
    const int lugar = caja->indexOf(grilla());
    caja->removeWidget(grilla());
    auto* division = new QSplitter(Qt::Horizontal, this);
    division->addWidget(grilla());
    grafica_ = new GraficaTramos(division);
    division->addWidget(grafica_);
    division->setStretchFactor(0, 3);
    division->setStretchFactor(1, 1);
    caja->insertWidget(lugar, division, 1);

    muestre(logica_.proveedores(), [this] { SBSaldosClick(); });
    connect(grilla()->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& actual) {
                if (moviendo_ || !actual.isValid())
                    return;
                // The base class moved the dataset to the row first.
                visto_ = logica_.nit_actual();
                dibuje();
            });

    agregue_tecla(Qt::Key_F2, QStringLiteral("F2:Calcula"), [this] { SBCalculaClick(); });
    agregue_tecla(Qt::Key_F5, QStringLiteral("F5: Actualizar"), [this] { SBCalculaClick(); });
    agregue_tecla(Qt::Key_F8, QStringLiteral("F8: Saldos"), [this] { SBSaldosClick(); });
    agregue_tecla(Qt::Key_F9, QStringLiteral("F9: Movimiento"), [this] { SBMovimientoClick(); });
    for (QWidget* w : std::initializer_list<QWidget*>{corte_, moneda_, rango_, agencia_,
                                                      por_vencer_, incluir_cero_})
        w->installEventFilter(this);
    grafica_->muestre(QStringLiteral("Total compañía"), {}, {});
}

void Tfanalisiscxp::lea_criterios() {
    AnalisisCxp::Criterios& c = logica_.criterios();
    c.corte = corte_->date();
    c.moneda = moneda_->count() ? moneda_->currentData().toInt() : 0;
    c.rango = rango_->text();
    c.agencia = agencia_->count() ? agencia_->currentData().toInt() : 0;
    c.por_vencer = por_vencer_->isChecked();
    c.incluir_cero = incluir_cero_->isChecked();
}

void Tfanalisiscxp::SBCalculaClick() {
    lea_criterios();
    moviendo_ = true;
    const bool hay = logica_.calcule();
    if (hay && !visto_.isEmpty())
        logica_.vaya_a(visto_);
    muestre_fila();
    moviendo_ = false;
    // A new calculation is first seen as a whole.
    const AnalisisCxp::Tramos total = logica_.tramos_compania();
    grafica_->muestre(QStringLiteral("Total compañía"), logica_.encabezados(), total);
    if (!hay)
        rango_->setFocus();
    else
        grilla()->setFocus();
}

void Tfanalisiscxp::dibuje() {
    const QString nombre = logica_.nombre_actual();
    if (nombre.isEmpty() && logica_.nit_actual().isEmpty())
        grafica_->muestre(QStringLiteral("Total compañía"), logica_.encabezados(),
                          logica_.tramos_compania());
    else
        grafica_->muestre(QStringLiteral("Proveedor: ") + nombre, logica_.encabezados(),
                          logica_.tramos_actual());
}

void Tfanalisiscxp::muestre_fila() {
    ClientDataset& filas = logica_.proveedores();
    if (!filas.active() || filas.isEmpty() || filas.recNo() < 0 || !grilla()->sourceModel())
        return;
    const QModelIndex fuente = grilla()->sourceModel()->index(filas.recNo(), 0);
    const QModelIndex vista = grilla()->filterProxy()->mapFromSource(fuente);
    if (vista.isValid())
        grilla()->setCurrentIndex(vista);
}

void Tfanalisiscxp::SBSaldosClick() {
    if (!logica_.entregue_saldos())
        return;
    visto_ = logica_.nit_actual();
    abra_conscxpagar(dm(), this);
}

void Tfanalisiscxp::SBMovimientoClick() {
    if (!logica_.entregue_movimiento())
        return;
    visto_ = logica_.nit_actual();
    abra_externa(dm(), QStringLiteral("Tfmovimientoprv"), this);
}

void Tfanalisiscxp::vuelva_al_visto() {
    if (visto_.isEmpty() || logica_.nit_actual() == visto_)
        return;
    moviendo_ = true;
    if (logica_.vaya_a(visto_))
        muestre_fila();
    moviendo_ = false;
    dibuje();
}

bool Tfanalisiscxp::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        vuelva_al_visto();
    return Tflista::event(e);
}

void Tfanalisiscxp::showEvent(QShowEvent* e) {
    if (!ubicada_) {
        ubicada_ = true;
        if (auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget()); marco && marco->mdiArea()) {
            const QSize area = marco->mdiArea()->viewport()->size();
            marco->resize(std::max(area.width() - kMenosAncho, 400),
                          std::max(area.height() - kMenosAlto, 300));
            connect(marco->mdiArea(), &QMdiArea::subWindowActivated, this,
                    [this, marco](QMdiSubWindow* activa) {
                        if (activa == marco)
                            vuelva_al_visto();
                    });
        }
        corte_->setFocus();
    }
    Tflista::showEvent(e);
}

}  // namespace ledgrix
