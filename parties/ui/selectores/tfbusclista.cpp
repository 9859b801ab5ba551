#include "parties/ui/selectores/tfbusclista.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "core/ui/grid/ledgrix_grid.h"
#include "parties/selectores/selector_lista.h"

namespace ledgrix {

void Tfbusclista::instale() {
    SelectorLista::instale_ventana([](SelectorLista& selector) {
        Tfbusclista ventana(selector, QApplication::activeWindow());
        return ventana.exec();
    });
}

Tfbusclista::Tfbusclista(SelectorLista& selector, QWidget* parent)
    : QDialog(parent), selector_(selector) {
    setObjectName(selector.ventana());
    setWindowTitle(selector.titulo());
    resize(640, 380);
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
    grilla_->setExportTitle(selector.titulo());
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

void Tfbusclista::llene() {
    modelo_->clear();
    modelo_->setHorizontalHeaderLabels(selector_.columnas());
    // The key is the first text of each line and is not shown.
    for (const QStringList& linea : selector_.lineas()) {
        QList<QStandardItem*> fila;
        for (int c = 1; c < linea.size(); ++c)
            fila << new QStandardItem(linea[c]);
        modelo_->appendRow(fila);
    }
    if (modelo_->rowCount() > 0)
        grilla_->setCurrentIndex(grilla_->model()->index(0, 0));
}

void Tfbusclista::elija() {
    const QModelIndex actual = grilla_->sourceIndex(grilla_->currentIndex());
    if (!actual.isValid())
        return;
    selector_.elija(actual.row());
    done(1);
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
            QApplication::sendEvent(grilla_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ledgrix
