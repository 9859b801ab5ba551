#include "accounting/ui/selectores/tfbuscplantillas.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "accounting/selectores/plantillas.h"
#include "core/ui/grid/ledgrix_grid.h"

namespace ledgrix {

Tfbuscplantillas::Tfbuscplantillas(SelectorPlantillas& selector, QWidget* parent)
    : QDialog(parent), selector_(selector) {
    setObjectName(QStringLiteral("Tfbuscplantillas"));
    setWindowTitle(QStringLiteral("Plantillas de comprobante ") + selector.tipo());
    resize(560, 320);
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
    grilla_->setExportTitle(QStringLiteral("Plantillas"));
    caja->addWidget(grilla_, 1);
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

void Tfbuscplantillas::llene() {
    modelo_->clear();
    modelo_->setHorizontalHeaderLabels({QStringLiteral("Plantilla"), QStringLiteral("Prefijo"),
                                        QStringLiteral("Concepto"), QStringLiteral("Referencia"),
                                        QStringLiteral("Usuario")});
    for (int linea : selector_.visibles()) {
        const SelectorPlantillas::Plantilla& p = selector_.lineas()[static_cast<size_t>(linea)];
        QList<QStandardItem*> fila{new QStandardItem(QString::number(p.id)), new QStandardItem(p.prefijo),
                                   new QStandardItem(p.concepto), new QStandardItem(p.referencia),
                                   new QStandardItem(p.usuario)};
        fila.front()->setData(linea, Qt::UserRole);
        modelo_->appendRow(fila);
    }
    if (modelo_->rowCount() > 0) grilla_->setCurrentIndex(grilla_->model()->index(0, 0));
}

void Tfbuscplantillas::elija() {
    const QModelIndex actual = grilla_->sourceIndex(grilla_->currentIndex());
    if (!actual.isValid()) return;
    selector_.elija(modelo_->index(actual.row(), 0).data(Qt::UserRole).toInt());
    done(1);
}

bool Tfbuscplantillas::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            elija();
            return true;
        }
        if (watched == busqueda_ && (key == Qt::Key_Down || key == Qt::Key_Up)) {
            QCoreApplication::sendEvent(grilla_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ledgrix
