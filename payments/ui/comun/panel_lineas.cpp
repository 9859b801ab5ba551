#include "payments/ui/comun/panel_lineas.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/data/field.h"
#include "core/money/formato_numero.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"
#include "payments/ui/comun/muestra_diferida.h"

namespace ledgrix {

PanelLineas::PanelLineas(Dialogs& dialogs, const QString& titulo, ClientDataset& lineas,
                         QWidget* parent)
    : QFrame(parent), dialogs_(dialogs), lineas_(lineas) {
    setFrameShape(QFrame::StyledPanel);
    auto* caja = new QVBoxLayout(this);
    caja->setContentsMargins(4, 4, 4, 4);
    auto* rotulo = new QLabel(titulo, this);
    rotulo->setObjectName(QStringLiteral("titulo"));
    QFont negrita = rotulo->font();
    negrita.setBold(true);
    rotulo->setFont(negrita);
    caja->addWidget(rotulo);
    grilla_ = new LedgrixGrid(this);
    grilla_->setDialogs(&dialogs_);
    grilla_->setExportTitle(titulo.trimmed());
    grilla_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                             QAbstractItemView::SelectedClicked);
    caja->addWidget(grilla_, 1);
    pies_ = new QHBoxLayout;
    pies_->addStretch(1);
    caja->addLayout(pies_);

    nueva_linea = [this] {
        if (lineas_.active())
            lineas_.append();
    };
    borre_linea = [this] {
        if (lineas_.active() && !lineas_.isEmpty())
            lineas_.remove();
    };
    grilla_->installEventFilter(this);
    grilla_->viewport()->installEventFilter(this);
}

void PanelLineas::columnas(const QList<QPair<QString, QString>>& campo_titulo) {
    for (const auto& [campo, titulo] : campo_titulo)
        titulos_.insert(campo, titulo);
    modelo_ = new DatasetModel(&lineas_, this);
    grilla_->setModel(modelo_);
    // While the lines change under it the grid moves its cursor by itself;
    // only the user's moves go to the dataset, which follows its own cursor.
    const auto cambia = [this] { siguiendo_ = true; };
    const auto cambio = [this] {
        siguiendo_ = false;
        siga_cursor();
        muestre_luego();
    };
    connect(modelo_, &QAbstractItemModel::rowsAboutToBeInserted, this, cambia);
    connect(modelo_, &QAbstractItemModel::rowsAboutToBeRemoved, this, cambia);
    connect(modelo_, &QAbstractItemModel::modelAboutToBeReset, this, cambia);
    connect(modelo_, &QAbstractItemModel::rowsInserted, this, cambio);
    connect(modelo_, &QAbstractItemModel::rowsRemoved, this, cambio);
    connect(modelo_, &QAbstractItemModel::modelReset, this, [this, cambio] {
        ajuste_columnas();
        cambio();
    });
    connect(modelo_, &QAbstractItemModel::dataChanged, this, [this] { muestre_luego(); });
    connect(&lineas_, &ClientDataset::currentRowChanged, this, [this] { siga_cursor(); });
    connect(
        grilla_->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& actual, const QModelIndex& anterior) {
            const QModelIndex fila = grilla_->sourceIndex(actual);
            if (siguiendo_ || !fila.isValid() || fila.row() == lineas_.recNo())
                return;
            // The line left is posted on the way; its refusal keeps the cursor.
            if (!lineas_.moveTo(fila.row()) && lineas_.state() != ClientDataset::State::Browse) {
                const QModelIndex volver = anterior;
                QTimer::singleShot(0, grilla_,
                                   [this, volver] { grilla_->setCurrentIndex(volver); });
            }
        });
    ajuste_columnas();
}

void PanelLineas::siga_cursor() {
    const int fila = lineas_.recNo();
    QAbstractItemModel* vista = grilla_->model();
    if (siguiendo_ || fila < 0 || fila >= vista->rowCount() ||
        grilla_->currentIndex().row() == fila)
        return;
    QScopedValueRollback<bool> callado(siguiendo_, true);
    const int columna = std::max(0, grilla_->currentIndex().column());
    grilla_->setCurrentIndex(vista->index(fila, columna));
}

void PanelLineas::lista(const QString& campo, const Opciones& opciones) {
    listas_.insert(campo, opciones);
    ajuste_columnas();
}

void PanelLineas::ajuste_columnas() {
    if (!modelo_)
        return;
    const int n = modelo_->columnCount();
    for (int c = 0; c < n; ++c) {
        Field* f = modelo_->fieldAt(c);
        const QString nombre = f ? f->name() : QString();
        const bool visible = titulos_.contains(nombre);
        grilla_->setColumnHidden(c, !visible);
        if (!visible)
            continue;
        f->setDisplayLabel(titulos_.value(nombre));
        QAbstractItemDelegate* anterior = grilla_->itemDelegateForColumn(c);
        if (listas_.contains(nombre))
            grilla_->setItemDelegateForColumn(c, new ListaDelegate(listas_.value(nombre), grilla_));
        else if (f->type() == Field::Type::Currency)
            grilla_->setItemDelegateForColumn(c, new MontoDelegate(dialogs_, grilla_));
        if (anterior && anterior != grilla_->itemDelegateForColumn(c))
            anterior->deleteLater();
    }
    if (n > 0)
        emit modelo_->headerDataChanged(Qt::Horizontal, 0, n - 1);
    muestre_luego();
}

void PanelLineas::muestre_luego() {
    diferida_.pida();
}

void PanelLineas::pie(const QString& titulo, std::function<Currency()> valor) {
    pies_->insertWidget(pies_->count() - 1, new QLabel(titulo, this));
    auto* l = new QLabel(this);
    l->setObjectName(QStringLiteral("pie_") + QString::number(valores_.size()));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("999.999.999,99")) + 8);
    pies_->insertWidget(pies_->count() - 1, l);
    valores_.emplace_back(l, std::move(valor));
    muestre();
}

void PanelLineas::rotulo(const QString& texto) {
    pies_->addWidget(new QLabel(texto, this));
}

QString PanelLineas::campo_de(int columna) const {
    Field* f = modelo_ ? modelo_->fieldAt(columna) : nullptr;
    return f ? f->name() : QString();
}

int PanelLineas::columna(const QString& campo) const {
    if (!modelo_)
        return -1;
    for (int c = 0; c < modelo_->columnCount(); ++c)
        if (campo_de(c) == campo && !grilla_->isColumnHidden(c))
            return c;
    return -1;
}

void PanelLineas::enfoque(const QString& campo) {
    grilla_->setFocus();
    if (!modelo_ || lineas_.isEmpty())
        return;
    int c = columna(campo);
    for (int i = 0; c < 0 && i < modelo_->columnCount(); ++i)
        if (!grilla_->isColumnHidden(i))
            c = i;
    const int fila = std::max(0, lineas_.recNo());
    QAbstractItemModel* vista = grilla_->model();
    if (fila < vista->rowCount() && c >= 0)
        grilla_->setCurrentIndex(vista->index(fila, c));
}

void PanelLineas::termine_edicion() {
    QWidget* f = QApplication::focusWidget();
    if (f && f != grilla_ && grilla_->isAncestorOf(f))
        grilla_->setFocus();
}

void PanelLineas::muestre() {
    const FormatoNumero& formato = FormatoNumero::instalacion();
    for (const auto& [etiqueta, valor] : valores_)
        etiqueta->setText(formato.escriba(valor()));
}

bool PanelLineas::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grilla_ && event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        const bool ultima = grilla_->currentIndex().row() == grilla_->model()->rowCount() - 1;
        if (k->key() == Qt::Key_Insert || (k->key() == Qt::Key_Down && ultima)) {
            nueva_linea();
            enfoque();
            return true;
        }
        if (k->key() == Qt::Key_Delete && k->modifiers() & Qt::ControlModifier) {
            borre_linea();
            return true;
        }
    }
    if (watched == grilla_->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        doble_clic) {
        const QModelIndex i =
            grilla_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (doble_clic(i.isValid() ? campo_de(i.column()) : QString()))
            return true;
        if (i.isValid())
            grilla_->edit(i);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace ledgrix
