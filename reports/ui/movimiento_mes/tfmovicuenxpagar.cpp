#include "reports/ui/movimiento_mes/tfmovicuenxpagar.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/money/formato_numero.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/ajuste_area.h"
#include "core/ui/grid/grid_filter_proxy.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/ventanas_externas.h"
#include "reports/ui/consulta/tfconscxpagar.h"
#include "reports/ui/movimiento_mes/grafica_meses.h"

namespace ledgrix {

namespace {

// Each child window already open moves this one this far right and down.
constexpr int kPasoIzquierda = 6;
constexpr int kPasoArriba = 8;

}  // namespace

Tfmovicuenxpagar::Tfmovicuenxpagar(Tfdm& dm, QWidget* parent)
    : Tflista(dm, QStringLiteral("Tfmovicuenxpagar"),
              QStringLiteral("Movimiento Cuentas por Pagar Mensual"), parent),
      logica_(dm, this) {
    grilla()->setExportTitle(QStringLiteral("MoviMes"));
    const MovimientoMes::Criterios& c = logica_.criterios();

    auto* criterios = new QHBoxLayout;
    const auto fecha = [this, criterios](const QString& rotulo, const QString& nombre,
                                         const QDate& valor) {
        auto* campo = new QDateEdit(valor, this);
        campo->setObjectName(nombre);
        campo->setCalendarPopup(true);
        campo->setDisplayFormat(Tfdm::formato_fecha());
        auto* r = new QLabel(rotulo, this);
        r->setBuddy(campo);
        criterios->addWidget(r);
        criterios->addWidget(campo);
        return campo;
    };
    desde_ = fecha(QStringLiteral("Desde:"), QStringLiteral("desde"), c.desde);
    hasta_ = fecha(QStringLiteral("Hasta:"), QStringLiteral("hasta"), c.hasta);
    moneda_ = new QComboBox(this);
    moneda_->setObjectName(QStringLiteral("moneda"));
    for (const auto& [codigo, nombre] : logica_.monedas())
        moneda_->addItem(nombre, codigo);
    auto* rotulo_moneda = new QLabel(QStringLiteral("Moneda:"), this);
    rotulo_moneda->setBuddy(moneda_);
    criterios->addWidget(rotulo_moneda);
    criterios->addWidget(moneda_);
    rotulo_moneda->setVisible(!logica_.monedas().isEmpty());
    moneda_->setVisible(!logica_.monedas().isEmpty());
    solo_proveedor_ = new QCheckBox(QStringLiteral("Solo el proveedor seleccionado"), this);
    solo_proveedor_->setObjectName(QStringLiteral("solo_proveedor"));
    criterios->addWidget(solo_proveedor_);
    criterios->addStretch(1);

    auto* caja = static_cast<QVBoxLayout*>(layout());
    caja->insertLayout(0, criterios);
    // The grid with its totals over the chart.
    const int lugar = caja->indexOf(grilla());
    caja->removeWidget(grilla());
    auto* division = new QSplitter(Qt::Vertical, this);
    auto* arriba = new QWidget(division);
    auto* lista = new QVBoxLayout(arriba);
    lista->setContentsMargins(0, 0, 0, 0);
    lista->addWidget(grilla(), 1);
    totales_ = new QLabel(arriba);
    totales_->setObjectName(QStringLiteral("totales"));
    totales_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lista->addWidget(totales_);
    division->addWidget(arriba);
    grafica_ = new GraficaMeses(division);
    division->addWidget(grafica_);
    division->setStretchFactor(0, 3);
    division->setStretchFactor(1, 2);
    caja->insertWidget(lugar, division, 1);

    muestre(logica_.proveedores(), [this] { SBMovimientoClick(); });
    connect(grilla()->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& actual) {
                // The base class moved the dataset to the row first.
                if (actual.isValid() && solo_proveedor_->isChecked())
                    dibuje();
            });
    connect(solo_proveedor_, &QCheckBox::toggled, this, [this] { dibuje(); });

    calcula_ =
        agregue_tecla(Qt::Key_F2, QStringLiteral("F2:Calcula"), [this] { SBCalculaClick(); });
    agregue_tecla(Qt::Key_F8, QStringLiteral("F8: Saldos"), [this] { SBSaldosClick(); });
    agregue_tecla(Qt::Key_F9, QStringLiteral("F9: Movimiento"), [this] { SBMovimientoClick(); });
    for (const int enter : {Qt::Key_Return, Qt::Key_Enter})
        agregue_atajo(enter, [this] {
            if (!editando())
                SBMovimientoClick();
        });
    for (QWidget* w : std::initializer_list<QWidget*>{desde_, hasta_, moneda_, solo_proveedor_})
        w->installEventFilter(this);
    muestre_totales();
}

bool Tfmovicuenxpagar::editando() const {
    // Enter in a filter of the grid or in a criterion finishes what is typed there.
    const QWidget* foco = QApplication::focusWidget();
    return qobject_cast<const QLineEdit*>(foco) || qobject_cast<const QAbstractSpinBox*>(foco) ||
           qobject_cast<const QComboBox*>(foco);
}

void Tfmovicuenxpagar::lea_criterios() {
    MovimientoMes::Criterios& c = logica_.criterios();
    c.desde = desde_->date();
    c.hasta = hasta_->date();
    c.moneda = moneda_->count() ? moneda_->currentData().toInt() : 0;
}

void Tfmovicuenxpagar::SBCalculaClick() {
    lea_criterios();
    if (!logica_.calcule()) {
        desde_->setFocus();
        return;
    }
    calcula_->setText(QStringLiteral("F2: Actualizar"));
    const int fila = logica_.proveedores().recNo();
    if (fila >= 0 && grilla()->sourceModel()) {
        const QModelIndex vista =
            grilla()->filterProxy()->mapFromSource(grilla()->sourceModel()->index(fila, 0));
        if (vista.isValid())
            grilla()->setCurrentIndex(vista);
    }
    ajuste_columnas();
    muestre_totales();
    dibuje();
    grilla()->setFocus();
}

void Tfmovicuenxpagar::muestre_totales() {
    const MovimientoMes::Cifras t = logica_.totales();
    const FormatoNumero& f = FormatoNumero::instalacion();
    totales_->setText(QStringLiteral("Totales:   Inicial %1   Cargos %2   Descuentos %3   "
                                     "Abonos %4   Final %5")
                          .arg(f.escriba(t.inicial), f.escriba(t.cargos), f.escriba(t.descuentos),
                               f.escriba(t.abonos), f.escriba(t.final)));
}

void Tfmovicuenxpagar::dibuje() {
    const bool uno = solo_proveedor_->isChecked() && !logica_.nit_actual().isEmpty();
    const auto meses = logica_.meses(uno ? logica_.nit_actual() : QString());
    if (!meses)
        return;
    grafica_->muestre(uno ? QStringLiteral("Proveedor: ") + logica_.nombre_actual()
                          : QStringLiteral("Total compañía"),
                      *meses);
}

void Tfmovicuenxpagar::SBSaldosClick() {
    if (logica_.entregue_saldos())
        abra_conscxpagar(dm(), this);
}

void Tfmovicuenxpagar::SBMovimientoClick() {
    if (logica_.entregue_movimiento())
        abra_externa(dm(), QStringLiteral("Tfmovimientoprv"), this);
}

void Tfmovicuenxpagar::showEvent(QShowEvent* e) {
    Tflista::showEvent(e);
    if (ubicada_)
        return;
    ubicada_ = true;
    if (auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget()); marco && marco->mdiArea()) {
        const auto abiertas = static_cast<int>(marco->mdiArea()->subWindowList().size()) - 1;
        // Wide enough for every column and the twelve months' names, tall
        // enough for a screenful of suppliers above the chart.
        ajuste_al_area(this, 1100, 700, kPasoIzquierda * abiertas, kPasoArriba * abiertas);
    }
    desde_->setFocus();
}

}  // namespace ledgrix
