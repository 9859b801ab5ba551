#include "core/ui/numeracion/tfconsecut.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"
#include "core/ui/numeracion/tfbusccentros.h"
#include "core/ui/teclas_ventana.h"

namespace ledgrix {

namespace {

QList<ListaDelegate::Opcion> opciones(const ClientDataset& ds, const QString& codigo,
                                      const QString& nombre) {
    QList<ListaDelegate::Opcion> lista;
    const int c = ds.fieldByName(codigo).index();
    const int n = nombre.isEmpty() ? -1 : ds.fieldByName(nombre).index();
    for (int i = 0; i < ds.recordCount(); ++i)
        lista << ListaDelegate::Opcion{ds.valueAt(i, c),
                                       n < 0 ? QString() : ds.valueAt(i, n).toString()};
    return lista;
}

int columna(const DatasetModel& modelo, const QString& campo) {
    for (int c = 0; c < modelo.columnCount(); ++c)
        if (modelo.fieldAt(c) && modelo.fieldAt(c)->name() == campo)
            return c;
    return -1;
}

}  // namespace

TFConsecut::TFConsecut(Tfdm& dm, QWidget* parent)
    : QWidget(parent), dm_(dm), logica_(dm, this), selector_(dm) {
    setObjectName(QStringLiteral("TFConsecut"));
    setWindowTitle(QStringLiteral("Registro de consecutivos"));
    resize(500, 287);

    auto* caja = new QVBoxLayout(this);
    auto* arriba = new QHBoxLayout;
    arriba->addWidget(new QLabel(QStringLiteral("Documento:"), this));
    documento_ = new QComboBox(this);
    documento_->setObjectName(QStringLiteral("documento"));
    documento_->addItems(logica_.documentos());
    arriba->addWidget(documento_, 1);
    filtros_ = new QCheckBox(QStringLiteral("Habilitar filtros"), this);
    filtros_->setObjectName(QStringLiteral("filtros"));
    arriba->addWidget(filtros_);
    caja->addLayout(arriba);

    modelo_ = new DatasetModel(&logica_.prefijos(), this);
    grilla_ = new LedgrixGrid(this);
    grilla_->setObjectName(QStringLiteral("grilla"));
    grilla_->setDialogs(&dm.dialogs());
    grilla_->setExportTitle(QStringLiteral("Consecutivos"));
    grilla_->setModel(modelo_);
    // A double click picks a cost centre instead of editing the cell.
    grilla_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                             QAbstractItemView::SelectedClicked);
    const auto delegado = [this](const QString& campo, QAbstractItemDelegate* d) {
        const int c = columna(*modelo_, campo);
        if (c >= 0)
            grilla_->setItemDelegateForColumn(c, d);
    };
    delegado(QStringLiteral("TICO_COD"),
             new ListaDelegate(opciones(logica_.comprobantes(), QStringLiteral("TICO_COD"),
                                        QStringLiteral("TICO_NOM")),
                               this));
    QList<ListaDelegate::Opcion> agencias{{0, QStringLiteral("Todas")}};
    agencias << opciones(logica_.sucursales(), QStringLiteral("SUCU_ID"),
                         QStringLiteral("SUCU_NOMBRE"));
    delegado(QStringLiteral("SUCU_ID"), new ListaDelegate(agencias, this));
    delegado(
        QStringLiteral("PREF_PROY"),
        new ListaDelegate(opciones(logica_.proyectos(), QStringLiteral("PROY_COD"), {}), this));
    delegado(QStringLiteral("PREF_AUTO"), new MarcaDelegate(this));
    delegado(QStringLiteral("PREF_ACTIVO"), new MarcaDelegate(this));
    caja->addWidget(grilla_, 1);

    panel_usuarios_ = new QFrame(this);
    panel_usuarios_->setObjectName(QStringLiteral("panel_usuarios"));
    panel_usuarios_->setFrameShape(QFrame::StyledPanel);
    auto* panel = new QVBoxLayout(panel_usuarios_);
    panel->addWidget(
        new QLabel(QStringLiteral("Usuarios autorizados para el prefijo"), panel_usuarios_));
    modelo_usuarios_ = new DatasetModel(&logica_.prefijos_usuario(), this);
    grilla_usuarios_ = new LedgrixGrid(panel_usuarios_);
    grilla_usuarios_->setObjectName(QStringLiteral("grilla_usuarios"));
    grilla_usuarios_->setDialogs(&dm.dialogs());
    grilla_usuarios_->setModel(modelo_usuarios_);
    const int usuario = columna(*modelo_usuarios_, QStringLiteral("USER_COD"));
    if (usuario >= 0)
        grilla_usuarios_->setItemDelegateForColumn(
            usuario, new ListaDelegate(opciones(logica_.usuarios(), QStringLiteral("USUA_COD"),
                                                QStringLiteral("USUA_NOMBRE")),
                                       this));
    panel->addWidget(grilla_usuarios_);
    auto* continuar = new QPushButton(QStringLiteral("F2:Continuar"), panel_usuarios_);
    panel->addWidget(continuar, 0, Qt::AlignRight);
    panel_usuarios_->hide();
    caja->addWidget(panel_usuarios_, 1);

    auto* abajo = new QHBoxLayout;
    auto* usuarios = new QPushButton(QStringLiteral("F8:Usuarios"), this);
    auto* grabar = new QPushButton(QStringLiteral("F2:Grabar"), this);
    auto* cancela = new QPushButton(QStringLiteral("Esc:Cancela"), this);
    abajo->addWidget(usuarios);
    abajo->addStretch(1);
    abajo->addWidget(grabar);
    abajo->addWidget(cancela);
    caja->addLayout(abajo);

    connect(documento_, &QComboBox::currentTextChanged, this,
            [this](const QString& nombre) { logica_.elija_documento(nombre); });
    connect(filtros_, &QCheckBox::toggled, grilla_, &LedgrixGrid::setFiltersEnabled);
    connect(grilla_, &QAbstractItemView::doubleClicked, this, &TFConsecut::DBGridDblClick);
    connect(grilla_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& actual) {
                const QModelIndex fila = grilla_->sourceIndex(actual);
                if (fila.isValid() && fila.row() != logica_.prefijos().recNo())
                    logica_.prefijos().moveTo(fila.row());
            });
    connect(continuar, &QPushButton::clicked, this, &TFConsecut::SBContinuarClick);
    connect(usuarios, &QPushButton::clicked, this, &TFConsecut::SBUsuariosClick);
    connect(grabar, &QPushButton::clicked, this, &TFConsecut::SBGrabarClick);
    connect(cancela, &QPushButton::clicked, this, &TFConsecut::SBCancelaClick);
    for (QWidget* w : {static_cast<QWidget*>(grilla_), static_cast<QWidget*>(grilla_usuarios_),
                       static_cast<QWidget*>(documento_)})
        w->installEventFilter(this);
    if (documento_->count() > 0)
        logica_.elija_documento(documento_->currentText());
}

void TFConsecut::DBGridDblClick(const QModelIndex& index) {
    const QModelIndex fila = grilla_->sourceIndex(index);
    const Field* f = modelo_->fieldAt(fila.column());
    if (!f)
        return;
    const QString campo = f->name();
    if (campo == QLatin1String("PREF_PROY") || campo == QLatin1String("PREF_CENTRO") ||
        campo == QLatin1String("PREF_SUBC"))
        busque_centro();
}

void TFConsecut::busque_centro() {
    selector_.cargue();
    const int resultado = dm_.dialogs().modal(QStringLiteral("Tfbusccentros"), [this] {
        Tfbusccentros ventana(selector_, this);
        return ventana.exec();
    });
    if (const auto centro = selector_.elegido(resultado))
        logica_.asigne_centro(*centro);
}

void TFConsecut::SBGrabarClick() {
    if (logica_.grabe())
        close();
}

void TFConsecut::SBCancelaClick() {
    logica_.cancele();
    close();
}

void TFConsecut::SBUsuariosClick() {
    ClientDataset& prefijos = logica_.prefijos();
    // The users hang on a stored series: post the one being typed first.
    if (prefijos.state() != ClientDataset::State::Browse && !prefijos.post())
        return;
    if (prefijos.isEmpty())
        return;
    panel_usuarios_->show();
    grilla_usuarios_->setFocus();
}

void TFConsecut::SBContinuarClick() {
    ClientDataset& usuarios = logica_.prefijos_usuario();
    if (usuarios.state() != ClientDataset::State::Browse) {
        usuarios.post();
        if (usuarios.state() != ClientDataset::State::Browse)
            return;
    }
    panel_usuarios_->hide();
    grilla_->setFocus();
}

bool TFConsecut::tecla(int key) {
    switch (key) {
        case Qt::Key_F2:
            if (panel_usuarios_->isVisible())
                SBContinuarClick();
            else
                SBGrabarClick();
            return true;
        case Qt::Key_F8:
            SBUsuariosClick();
            return true;
        case Qt::Key_Escape:
            SBCancelaClick();
            return true;
        default:
            return false;
    }
}

bool TFConsecut::eventFilter(QObject* watched, QEvent* event) {
    if (teclas_de_la_ventana(event, {Qt::Key_F2, Qt::Key_F8, Qt::Key_Escape},
                             [this](int key) { return tecla(key); }))
        return true;
    return QWidget::eventFilter(watched, event);
}

void TFConsecut::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key()))
        QWidget::keyPressEvent(event);
}

void TFConsecut::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        centre_en_area(this, 135, 140);
    }
}

}  // namespace ledgrix
