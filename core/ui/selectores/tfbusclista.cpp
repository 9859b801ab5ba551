#include "core/ui/selectores/tfbusclista.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <utility>

#include "core/ui/grid/ledgrix_grid.h"

namespace ledgrix {

Tfbusclista::Tfbusclista(Seleccion seleccion, QWidget* parent)
    : QDialog(parent), seleccion_(std::move(seleccion)) {
    setObjectName(seleccion_.ventana);
    setWindowTitle(seleccion_.titulo);
    resize(seleccion_.tamano);
    auto* caja = new QVBoxLayout(this);
    caja->addWidget(new QLabel(seleccion_.rotulo, this));
    busqueda_ = new QLineEdit(seleccion_.texto, this);
    busqueda_->setObjectName(QStringLiteral("busqueda"));
    caja->addWidget(busqueda_);
    modelo_ = new QStandardItemModel(this);
    grilla_ = new LedgrixGrid(this);
    grilla_->setObjectName(QStringLiteral("grilla"));
    grilla_->setModel(modelo_);
    grilla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grilla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grilla_->setExportTitle(seleccion_.exportacion);
    caja->addWidget(grilla_, 1);
    caja->addWidget(new QLabel(QStringLiteral("Enter: Elegir    Esc: Salir"), this));
    connect(busqueda_, &QLineEdit::textChanged, this, [this](const QString& texto) {
        seleccion_.busque(texto);
        llene();
    });
    connect(grilla_, &QAbstractItemView::doubleClicked, this, [this] { elija(); });
    busqueda_->installEventFilter(this);
    grilla_->installEventFilter(this);
    llene();
}

void Tfbusclista::llene() {
    modelo_->clear();
    modelo_->setHorizontalHeaderLabels(seleccion_.columnas);
    for (const QStringList& textos : seleccion_.filas()) {
        QList<QStandardItem*> fila;
        for (const QString& texto : textos)
            fila << new QStandardItem(texto);
        modelo_->appendRow(fila);
    }
    if (modelo_->rowCount() > 0)
        grilla_->setCurrentIndex(grilla_->model()->index(0, 0));
}

void Tfbusclista::elija() {
    const QModelIndex actual = grilla_->sourceIndex(grilla_->currentIndex());
    if (!actual.isValid())
        return;
    done(seleccion_.elija(actual.row()));
}

bool Tfbusclista::eventFilter(QObject* watched, QEvent* event) {
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
