#include "core/ui/lista/tflista.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"
#include "core/ui/teclas_ventana.h"

namespace ledgrix {

Tflista::Tflista(Tfdm& dm, const QString& clase, const QString& titulo, QWidget* parent)
    : QWidget(parent), dm_(dm) {
    setObjectName(clase);
    setWindowTitle(titulo);

    caja_ = new QVBoxLayout(this);
    auto* caja = caja_;
    filtros_ = new QCheckBox(QStringLiteral("Habilitar filtros"), this);
    filtros_->setObjectName(QStringLiteral("filtros"));
    caja->addWidget(filtros_);

    grilla_ = new LedgrixGrid(this);
    grilla_->setObjectName(QStringLiteral("grilla"));
    grilla_->setDialogs(&dm.dialogs());
    grilla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grilla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    caja->addWidget(grilla_, 1);

    barra_ = new QHBoxLayout;
    barra_->addStretch(1);
    auto* salir = new QPushButton(QStringLiteral("ESC:Salir"), this);
    barra_->addWidget(salir);
    caja->addLayout(barra_);

    connect(filtros_, &QCheckBox::toggled, grilla_, &LedgrixGrid::setFiltersEnabled);
    connect(salir, &QPushButton::clicked, this, &Tflista::SBSalirClick);
    for (QWidget* w : {static_cast<QWidget*>(grilla_), static_cast<QWidget*>(filtros_)})
        w->installEventFilter(this);
}

void Tflista::muestre(ClientDataset& filas, std::function<void()> abrir) {
    modelo_ = new DatasetModel(&filas, this);
    grilla_->setModel(modelo_);
    // The rows keep the order the statement gave them until the user clicks
    // a heading (the header's own default would sort them backwards).
    grilla_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    grilla_->setSortingEnabled(true);
    // The grid's cursor is the dataset's: what the keys work on is the row on screen.
    connect(grilla_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, &filas](const QModelIndex& actual) {
                const QModelIndex fila = grilla_->sourceIndex(actual);
                if (fila.isValid() && fila.row() != filas.recNo())
                    filas.moveTo(fila.row());
            });
    if (abrir)
        connect(grilla_, &QAbstractItemView::doubleClicked, this, [abrir] { abrir(); });
}

QPushButton* Tflista::agregue_tecla(int key, const QString& texto, std::function<void()> accion) {
    auto* boton = new QPushButton(texto, this);
    // Before the stretch that keeps Esc at the right end.
    barra_->insertWidget(barra_->count() - 2, boton);
    connect(boton, &QPushButton::clicked, this, [accion] { accion(); });
    teclas_.insert(key, std::move(accion));
    return boton;
}

void Tflista::agregue_atajo(int key, std::function<void()> accion) {
    teclas_.insert(key, std::move(accion));
}

void Tflista::agregue_panel(QWidget* panel) {
    caja_->insertWidget(caja_->indexOf(grilla_) + 1, panel);
}

void Tflista::agregue_copia(std::function<QStringList()> destinos,
                            std::function<void(const QString&)> copie) {
    destinos_ = std::move(destinos);
    copie_ = std::move(copie);
    panel_copia_ = new QFrame(this);
    panel_copia_->setObjectName(QStringLiteral("panel_copia"));
    panel_copia_->setFrameShape(QFrame::StyledPanel);
    auto* panel = new QHBoxLayout(panel_copia_);
    panel->addWidget(new QLabel(QStringLiteral("Nuevo prefijo:"), panel_copia_));
    destino_ = new QComboBox(panel_copia_);
    destino_->setObjectName(QStringLiteral("nuevo_prefijo"));
    panel->addWidget(destino_, 1);
    auto* copiar = new QPushButton(QStringLiteral("F2: Copiar"), panel_copia_);
    auto* cancelar = new QPushButton(QStringLiteral("ESC: Cancelar"), panel_copia_);
    panel->addWidget(copiar);
    panel->addWidget(cancelar);
    panel_copia_->hide();
    agregue_panel(panel_copia_);
    connect(copiar, &QPushButton::clicked, this, &Tflista::haga_copia);
    connect(cancelar, &QPushButton::clicked, panel_copia_, &QWidget::hide);
    destino_->installEventFilter(this);
    agregue_tecla(Qt::Key_F8, QStringLiteral("F8: Copiar"), [this] { abra_copia(); });
}

int Tflista::columna(const QString& campo) const {
    if (!modelo_)
        return -1;
    for (int c = 0; c < modelo_->columnCount(); ++c)
        if (modelo_->fieldAt(c) && modelo_->fieldAt(c)->name() == campo)
            return c;
    return -1;
}

void Tflista::abra_copia() {
    const QStringList destinos = destinos_();
    if (destinos.isEmpty())
        return;
    destino_->clear();
    destino_->addItems(destinos);
    panel_copia_->show();
    destino_->setFocus();
}

void Tflista::haga_copia() {
    panel_copia_->hide();
    copie_(destino_->currentText());
    grilla_->setFocus();
}

void Tflista::SBSalirClick() {
    if (panel_copia_ && panel_copia_->isVisible()) {
        panel_copia_->hide();
        grilla_->setFocus();
        return;
    }
    close();
}

int Tflista::ajuste_columnas() {
    // A name or a concept of 60 characters would push the amounts out of sight.
    const int kMaximaColumna = fontMetrics().averageCharWidth() * 28;
    QHeaderView* h = grilla_->horizontalHeader();
    int ancho = 2 * grilla_->frameWidth() + grilla_->verticalScrollBar()->sizeHint().width() +
                (grilla_->verticalHeader()->isVisible() ? grilla_->verticalHeader()->width() : 0);
    for (int c = 0; c < h->count(); ++c) {
        if (h->isSectionHidden(c))
            continue;
        grilla_->resizeColumnToContents(c);
        h->resizeSection(c, std::min(h->sectionSize(c), kMaximaColumna));
        ancho += h->sectionSize(c);
    }
    return ancho;
}

void Tflista::ajuste_ancho() {
    int ancho = ajuste_columnas();
    const QMargins m = caja_->contentsMargins();
    ancho = std::max(ancho + m.left() + m.right(), minimumSizeHint().width());
    // Inside the main window the frame around it counts, and the area is the limit.
    auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget());
    QWidget* exterior = marco && marco->mdiArea() ? static_cast<QWidget*>(marco) : this;
    const QSize borde = exterior->size() - size();
    const QSize limite = exterior == this ? screen()->availableGeometry().size()
                                          : marco->mdiArea()->viewport()->size();
    const int alto = a_lo_alto_ ? std::max(exterior->height(), limite.height() * 3 / 4)
                                : exterior->height();
    exterior->resize(std::min(ancho + borde.width(), limite.width()),
                     std::min(alto, limite.height()));
    // A window of its own grew where it was placed: back wholly in view.
    if (exterior == this && isWindow()) {
        const QRect area = screen()->availableGeometry();
        const QRect marco = frameGeometry();
        move(std::clamp(marco.left(), area.left(), std::max(area.left(), area.right() - marco.width())),
             std::clamp(marco.top(), area.top(), std::max(area.top(), area.bottom() - marco.height())));
    }
}

bool Tflista::tecla(int key) {
    if (key == Qt::Key_Escape) {
        SBSalirClick();
        return true;
    }
    // F2 belongs to the copy panel, never to the grid's cell editor.
    if (key == Qt::Key_F2 && panel_copia_) {
        if (panel_copia_->isVisible())
            haga_copia();
        return true;
    }
    const auto accion = teclas_.constFind(key);
    if (accion == teclas_.constEnd())
        return false;
    (*accion)();
    return true;
}

bool Tflista::eventFilter(QObject* watched, QEvent* event) {
    const auto propia = [this](int key) {
        return key == Qt::Key_Escape || teclas_.contains(key) ||
               (key == Qt::Key_F2 && panel_copia_);
    };
    if (teclas_de_la_ventana(event, propia, [this](int key) { return tecla(key); }))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Tflista::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key()))
        QWidget::keyPressEvent(event);
}

void Tflista::busque_al_pausar(QLineEdit* texto, std::function<void()> busque) {
    espera_.setSingleShot(true);
    connect(&espera_, &QTimer::timeout, this, std::move(busque));
    connect(texto, &QLineEdit::textChanged, this,
            [this] { espera_.start(grilla_->searchDelay()); });
    texto->setFocus();
}

void Tflista::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        if (a_lo_ancho_)
            ajuste_ancho();
        centre_en_area(this, 135, 140);
    }
}

}  // namespace ledgrix
