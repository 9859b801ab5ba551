#include "core/ui/numeracion/tfbusccentros.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "core/numeracion/ventanas/selector_centros.h"
#include "core/ui/grid/ledgrix_grid.h"

namespace ledgrix {

Tfbusccentros::Tfbusccentros(SelectorCentros& selector, QWidget* parent) : QDialog(parent), selector_(selector) {
    setObjectName(QStringLiteral("fbusccentros"));
    setWindowTitle(QStringLiteral("Centros de costo"));
    resize(520, 320);
    auto* caja = new QVBoxLayout(this);
    caja->addWidget(new QLabel(QStringLiteral("Buscar:"), this));
    busqueda_ = new QLineEdit(selector_.texto(), this);
    busqueda_->setObjectName(QStringLiteral("busqueda"));
    caja->addWidget(busqueda_);
    modelo_ = new QStandardItemModel(this);
    grilla_ = new LedgrixGrid(this);
    grilla_->setObjectName(QStringLiteral("grilla"));
    grilla_->setModel(modelo_);
    grilla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grilla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grilla_->setExportTitle(QStringLiteral("Centros de costo"));
    caja->addWidget(grilla_);
    caja->addWidget(new QLabel(QStringLiteral("Enter: Elegir    Esc: Salir"), this));
    connect(busqueda_, &QLineEdit::textChanged, this, [this](const QString& texto) {
        selector_.busque(texto);
        llene();
    });
    connect(grilla_, &QAbstractItemView::doubleClicked, this, [this] { elija(); });
    busqueda_->installEventFilter(this);
    grilla_->installEventFilter(this);
    llene();
}

void Tfbusccentros::llene() {
    modelo_->clear();
    modelo_->setHorizontalHeaderLabels({QStringLiteral("Proyecto"), QStringLiteral("Nombre proyecto"),
                                        QStringLiteral("Centro"), QStringLiteral("Nombre centro"),
                                        QStringLiteral("Subcentro"), QStringLiteral("Nombre subcentro")});
    for (int linea : selector_.visibles()) {
        const CentroCosto& c = selector_.lineas()[static_cast<size_t>(linea)];
        QList<QStandardItem*> fila;
        for (const QString& v : {c.proyecto, c.nombre_proyecto, c.centro, c.nombre_centro, c.subcentro,
                                 c.nombre_subcentro})
            fila << new QStandardItem(v);
        fila.front()->setData(SelectorCentros::resultado(linea), Qt::UserRole);
        modelo_->appendRow(fila);
    }
    if (modelo_->rowCount() > 0) grilla_->setCurrentIndex(grilla_->model()->index(0, 0));
}

void Tfbusccentros::elija() {
    const QModelIndex actual = grilla_->sourceIndex(grilla_->currentIndex());
    if (!actual.isValid()) return;
    done(modelo_->index(actual.row(), 0).data(Qt::UserRole).toInt());
}

bool Tfbusccentros::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            elija();
            return true;
        }
        // The arrows move through the list while the search box has the focus.
        if (watched == busqueda_ && (key == Qt::Key_Down || key == Qt::Key_Up)) {
            QCoreApplication::sendEvent(grilla_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ledgrix
