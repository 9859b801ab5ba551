#include "app/ui/tasacambio/tftasacambiodia.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/sql/sqltext.h"

namespace ledgrix {

Tftasacambiodia::Tftasacambiodia(Tfdm& dm, int moneda, QWidget* parent)
    : QDialog(parent), logica_(dm, moneda) {
    setObjectName(QStringLiteral("ftasacambiodia"));
    setWindowTitle(QStringLiteral("Tasa de cambio del día"));
    auto* forma = new QFormLayout(this);
    forma->addRow(QStringLiteral("Moneda:"), new QLabel(logica_.nombre_moneda(), this));
    forma->addRow(QStringLiteral("Fecha:"), new QLabel(sql::dateText(logica_.fecha()), this));
    valor_ = new QLineEdit(this);
    valor_->setObjectName(QStringLiteral("valor"));
    valor_->setAlignment(Qt::AlignRight);
    forma->addRow(QStringLiteral("Tasa:"), valor_);
    auto* grabar = new QPushButton(QStringLiteral("F2:Grabar"), this);
    auto* cancelar = new QPushButton(QStringLiteral("Esc:Cancela"), this);
    forma->addRow(grabar, cancelar);
    connect(grabar, &QPushButton::clicked, this, &Tftasacambiodia::grabe);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void Tftasacambiodia::grabe() {
    if (logica_.grabe(valor_->text())) {
        accept();
    } else {
        valor_->setFocus();
    }
}

void Tftasacambiodia::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2) {
        grabe();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace ledgrix
