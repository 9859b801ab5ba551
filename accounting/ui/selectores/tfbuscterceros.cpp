#include "accounting/ui/selectores/tfbuscterceros.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "accounting/selectores/terceros.h"
#include "core/ui/grid/ledgrix_grid.h"

namespace ledgrix {

Tfbuscterceros::Tfbuscterceros(SelectorTerceros& selector, QWidget* parent) : QDialog(parent), selector_(selector) {
    setObjectName(QStringLiteral("Tfbuscterceros"));
    setWindowTitle(QStringLiteral("Terceros"));
    resize(520, 360);
    auto* caja = new QVBoxLayout(this);
    caja->addWidget(new QLabel(QStringLiteral("Buscar (NIT o nombre):"), this));
    busqueda_ = new QLineEdit(selector_.texto(), this);
    busqueda_->setObjectName(QStringLiteral("busqueda"));
    caja->addWidget(busqueda_);
    modelo_ = new QStandardItemModel(this);
    grilla_ = new LedgrixGrid(this);
    grilla_->setObjectName(QStringLiteral("grilla"));
    grilla_->setModel(modelo_);
    grilla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grilla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grilla_->setExportTitle(QStringLiteral("Terceros"));
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

void Tfbuscterceros::llene() {
    modelo_->clear();
    modelo_->setHorizontalHeaderLabels({QStringLiteral("NIT"), QStringLiteral("Nombre")});
    for (const SelectorTerceros::Tercero& t : selector_.lineas())
        modelo_->appendRow({new QStandardItem(t.nit), new QStandardItem(t.nombre)});
    if (modelo_->rowCount() > 0) grilla_->setCurrentIndex(grilla_->model()->index(0, 0));
}

void Tfbuscterceros::elija() {
    const QModelIndex actual = grilla_->sourceIndex(grilla_->currentIndex());
    if (!actual.isValid()) return;
    selector_.elija(actual.row());
    done(1);
}

bool Tfbuscterceros::eventFilter(QObject* watched, QEvent* event) {
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
