#include "app/ui/tasacambio/tftasacambiodia.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/campos/campo_monto.h"

namespace ledgrix {

Tftasacambiodia::Tftasacambiodia(Tfdm& dm, int moneda, QWidget* parent)
    : QDialog(parent), logica_(dm, moneda) {
    setObjectName(QStringLiteral("ftasacambiodia"));
    setWindowTitle(QStringLiteral("Tasa de cambio del día"));
    auto* forma = new QFormLayout(this);
    forma->addRow(QStringLiteral("Moneda:"), new QLabel(logica_.nombre_moneda(), this));
    forma->addRow(QStringLiteral("Fecha:"), new QLabel(sql::dateText(logica_.fecha()), this));
    valor_ = new CampoMonto(dm.dialogs(), this);
    valor_->setObjectName(QStringLiteral("valor"));
    forma->addRow(QStringLiteral("Tasa:"), valor_);
    auto* grabar = new QPushButton(QStringLiteral("F2:Grabar"), this);
    auto* cancelar = new QPushButton(QStringLiteral("Esc:Cancela"), this);
    forma->addRow(grabar, cancelar);
    connect(grabar, &QPushButton::clicked, this, &Tftasacambiodia::grabe);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* b : {grabar, cancelar}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    valor_->setFocus();
}

void Tftasacambiodia::grabe() {
    // A text in another format is refused by the box itself, which keeps it.
    if (!valor_->acepte())
        return;
    if (logica_.grabe(valor_->valor().value_or(Currency())))
        accept();
    else
        valor_->setFocus();
}

void Tftasacambiodia::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2) {
        grabe();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace ledgrix
