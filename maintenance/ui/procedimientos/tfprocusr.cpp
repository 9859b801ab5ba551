#include "maintenance/ui/procedimientos/tfprocusr.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/money/formato_numero.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/ajuste_area.h"
#include "core/ui/grid/grid_filter_proxy.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "maintenance/ui/procedimientos/pie_sumas.h"

namespace ledgrix {

namespace {

constexpr int kAncho = 1000;
constexpr int kAlto = 640;
// A caption of 60 characters wraps instead of pushing its box away.
constexpr int kAnchoRotulo = 210;

}  // namespace

Tfprocusr::Tfprocusr(Tfdm& dm, QWidget* parent)
    : Tflista(dm, QStringLiteral("Tfprocusr"), QStringLiteral("Procedimientos de usuario"), parent),
      logica_(dm, this) {
    grilla()->setExportTitle(QStringLiteral("Procedimiento"));
    auto* criterios = new QGridLayout;

    procedimiento_ = new QComboBox(this);
    procedimiento_->setObjectName(QStringLiteral("procedimiento"));
    for (const ProcedimientoUsuario& p : logica_.procedimientos())
        procedimiento_->addItem(p.nombre);
    auto* nombre = new QLabel(QStringLiteral("Nombre del procedimiento:"), this);
    nombre->setBuddy(procedimiento_);
    criterios->addWidget(nombre, 0, 0);
    criterios->addWidget(procedimiento_, 0, 1, 1, 3);

    const auto fecha = [this, criterios](const QString& rotulo, const QString& objeto,
                                         const QDate& valor, int columna) {
        auto* campo = new QDateEdit(valor, this);
        campo->setObjectName(objeto);
        campo->setCalendarPopup(true);
        campo->setDisplayFormat(Tfdm::formato_fecha());
        auto* r = new QLabel(rotulo, this);
        r->setBuddy(campo);
        criterios->addWidget(r, 1, columna);
        criterios->addWidget(campo, 1, columna + 1);
        return campo;
    };
    desde_ = fecha(QStringLiteral("Desde:"), QStringLiteral("desde"), logica_.criterios().desde, 0);
    hasta_ = fecha(QStringLiteral("Hasta:"), QStringLiteral("hasta"), logica_.criterios().hasta, 2);

    // The parameters two to a row, each box beside the caption it asks for.
    for (int n = 0; n < ProcedimientosUsuario::kParametros; ++n) {
        auto* rotulo = new QLabel(this);
        rotulo->setObjectName(QStringLiteral("rotulo%1").arg(n + 1));
        rotulo->setWordWrap(true);
        rotulo->setMaximumWidth(kAnchoRotulo);
        auto* caja = new QLineEdit(this);
        caja->setObjectName(QStringLiteral("parametro%1").arg(n + 1));
        rotulo->setBuddy(caja);
        criterios->addWidget(rotulo, 2 + n / 2, 2 * (n % 2));
        criterios->addWidget(caja, 2 + n / 2, 2 * (n % 2) + 1);
        rotulos_[static_cast<size_t>(n)] = rotulo;
        parametros_[static_cast<size_t>(n)] = caja;
    }
    criterios->setColumnStretch(1, 1);
    criterios->setColumnStretch(3, 1);
    static_cast<QVBoxLayout*>(layout())->insertLayout(0, criterios);

    muestre(logica_.filas());

    // Added in reverse: each goes right under the grid.
    auto* avance = new QWidget(this);
    auto* fila = new QHBoxLayout(avance);
    fila->setContentsMargins(0, 0, 0, 0);
    espera_ = new QLabel(ProcedimientosUsuario::texto_espera(), avance);
    espera_->setObjectName(QStringLiteral("espera"));
    QFont negrita = espera_->font();
    negrita.setBold(true);
    espera_->setFont(negrita);
    espera_->hide();
    cuenta_ = new QLabel(avance);
    cuenta_->setObjectName(QStringLiteral("cuenta"));
    fila->addWidget(espera_);
    fila->addStretch(1);
    fila->addWidget(cuenta_);
    agregue_panel(avance);
    pie_ = new PieSumas(grilla(), this);
    pie_->setObjectName(QStringLiteral("pie"));
    agregue_panel(pie_);

    agregue_tecla(Qt::Key_F5, QStringLiteral("F5:Generar"), [this] { SBGenerarClick(); });
    agregue_tecla(Qt::Key_F2, QStringLiteral("F2:Grabar"), [this] { SBGrabarClick(); });

    connect(procedimiento_, &QComboBox::currentIndexChanged, this, &Tfprocusr::escoja);
    escoja(procedimiento_->currentIndex());

    carga_.setSingleShot(true);
    connect(&carga_, &QTimer::timeout, this, &Tfprocusr::siguiente_paquete);
    suma_.setSingleShot(true);
    connect(&suma_, &QTimer::timeout, this, &Tfprocusr::sume);
    // Filters typed and sorting change what the footer sums; while rows
    // still arrive it waits for the last packet instead of adding up every
    // partial list.
    QAbstractItemModel* vista = grilla()->filterProxy();
    const auto resuma = [this] {
        if (logica_.completo())
            suma_.start(0);
    };
    connect(vista, &QAbstractItemModel::rowsInserted, &suma_, resuma);
    connect(vista, &QAbstractItemModel::rowsRemoved, &suma_, resuma);
    connect(vista, &QAbstractItemModel::modelReset, &suma_, resuma);
    connect(vista, &QAbstractItemModel::layoutChanged, &suma_, resuma);

    for (QWidget* w : cajas())
        w->installEventFilter(this);
}

QList<QWidget*> Tfprocusr::cajas() const {
    QList<QWidget*> orden{procedimiento_, desde_, hasta_};
    for (QLineEdit* caja : parametros_)
        orden.append(caja);
    return orden;
}

void Tfprocusr::escoja(int indice) {
    logica_.escoja(indice);
    const auto rotulos = logica_.rotulos();
    for (int n = 0; n < ProcedimientosUsuario::kParametros; ++n) {
        const QString& rotulo = rotulos[static_cast<size_t>(n)];
        rotulos_[static_cast<size_t>(n)]->setText(rotulo);
        // The first box is always asked for; the others only when the
        // procedure takes them, so Enter skips what would not be sent.
        parametros_[static_cast<size_t>(n)]->setEnabled(n == 0 || !rotulo.isEmpty());
    }
}

void Tfprocusr::lea_criterios() {
    ProcedimientosUsuario::Criterios& c = logica_.criterios();
    c.desde = desde_->date();
    c.hasta = hasta_->date();
    for (int n = 0; n < ProcedimientosUsuario::kParametros; ++n)
        c.textos[static_cast<size_t>(n)] = parametros_[static_cast<size_t>(n)]->text();
}

void Tfprocusr::SBGenerarClick() {
    lea_criterios();
    const bool generado = logica_.genere([this](const QString& texto) {
        espera_->setText(texto);
        espera_->show();
        // The procedure holds the thread until its first rows: paint now.
        espera_->repaint();
    });
    if (!generado) {
        // Input refused leaves the rows of the last run coming in.
        if (logica_.completo())
            termine_carga();
        parametro(0)->setFocus();
        return;
    }
    ajuste_columnas();
    grilla()->setFocus();
    if (logica_.completo()) {
        termine_carga();
    } else {
        pie_->muestre({});
        carga_.start(0);
    }
    cuente();
}

void Tfprocusr::siguiente_paquete() {
    if (logica_.lea_paquete())
        carga_.start(0);
    else
        termine_carga();
    cuente();
}

void Tfprocusr::cuente() {
    const auto filas = Currency::fromInt(logica_.filas().recordCount());
    cuenta_->setText(FormatoNumero::instalacion().escriba(filas, 0) + QStringLiteral(" filas"));
}

void Tfprocusr::termine_carga() {
    espera_->hide();
    sume();
}

void Tfprocusr::sume() {
    suma_.stop();
    const auto* modelo = qobject_cast<const DatasetModel*>(grilla()->sourceModel());
    const GridFilterProxy* vista = grilla()->filterProxy();
    QList<int> filas;
    filas.reserve(vista->rowCount());
    for (int r = 0; r < vista->rowCount(); ++r)
        filas.append(vista->mapToSource(vista->index(r, 0)).row());
    const QHash<int, Currency> sumas = logica_.sumas(filas);
    QHash<int, QString> textos;
    for (int c = 0; modelo && c < modelo->columnCount(); ++c)
        if (const Field* f = modelo->fieldAt(c); f && sumas.contains(f->index()))
            textos.insert(c, ProcedimientosUsuario::texto_suma(sumas.value(f->index())));
    pie_->muestre(textos);
}

void Tfprocusr::SBGrabarClick() {
    // Every row, not only the screenful read so far.
    grilla()->selectAll();
    grilla()->exportRows(false);
}

bool Tfprocusr::siguiente_caja(QWidget* desde) {
    const QList<QWidget*> orden = cajas();
    for (qsizetype i = orden.indexOf(desde) + 1; i > 0 && i < orden.size(); ++i) {
        if (orden[i]->isEnabled()) {
            orden[i]->setFocus();
            return true;
        }
    }
    return false;
}

bool Tfprocusr::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* caja = qobject_cast<QWidget*>(watched);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && cajas().contains(caja)) {
            siguiente_caja(caja);
            return true;
        }
    }
    return Tflista::eventFilter(watched, event);
}

void Tfprocusr::showEvent(QShowEvent* event) {
    Tflista::showEvent(event);
    if (ubicada_)
        return;
    ubicada_ = true;
    if (auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget()); marco && marco->mdiArea())
        ajuste_al_area(this, kAncho, kAlto, 0, 0);
    procedimiento_->setFocus();
}

}  // namespace ledgrix
