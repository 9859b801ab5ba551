#include "accounting/ui/interfaces/tfpreginterfaz.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "core/ui/grid/ledgrix_grid.h"

namespace ledgrix {

Tfpreginterfaz::Tfpreginterfaz(const QList<OpcionInterfaz>& opciones, QWidget* parent)
    : QDialog(parent), opciones_(opciones) {
    setObjectName(QStringLiteral("Tfpreginterfaz"));
    setWindowTitle(QStringLiteral("Interfaz contable"));
    resize(271, 172);
    auto* caja = new QVBoxLayout(this);
    modelo_ = new QStandardItemModel(this);
    modelo_->setHorizontalHeaderLabels({QStringLiteral("Interfaz a aplicar")});
    for (const OpcionInterfaz& o : opciones_)
        modelo_->appendRow(new QStandardItem(o.nombre));
    grilla_ = new LedgrixGrid(this);
    grilla_->setObjectName(QStringLiteral("grilla"));
    grilla_->setModel(modelo_);
    grilla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The row under the cursor is drawn whole in the highlight colour.
    grilla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grilla_->setSelectionMode(QAbstractItemView::SingleSelection);
    grilla_->horizontalHeader()->setStretchLastSection(true);
    caja->addWidget(grilla_, 1);
    auto* abajo = new QHBoxLayout;
    auto* grabar = new QPushButton(QStringLiteral("F2:Grabar"), this);
    auto* cancelar = new QPushButton(QStringLiteral("Esc:Cancelar"), this);
    grabar->setAutoDefault(false);
    cancelar->setAutoDefault(false);
    abajo->addWidget(grabar);
    abajo->addWidget(cancelar);
    caja->addLayout(abajo);
    connect(grabar, &QPushButton::clicked, this, &Tfpreginterfaz::confirme);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(grilla_, &QAbstractItemView::doubleClicked, this, &Tfpreginterfaz::confirme);
    grilla_->installEventFilter(this);
    if (modelo_->rowCount() > 0)
        grilla_->setCurrentIndex(grilla_->model()->index(0, 0));
}

void Tfpreginterfaz::confirme() {
    const QModelIndex actual = grilla_->sourceIndex(grilla_->currentIndex());
    if (!actual.isValid())
        return;
    done(opciones_.at(actual.row()).id);
}

bool Tfpreginterfaz::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_F2 || key == Qt::Key_Return || key == Qt::Key_Enter) {
            confirme();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ledgrix
