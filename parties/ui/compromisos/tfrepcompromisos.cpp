#include "parties/ui/compromisos/tfrepcompromisos.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace ledgrix {

Tfrepcompromisos::Tfrepcompromisos(Tfdm& dm, const QString& nit, QWidget* parent)
    : QDialog(parent), logica_(dm, this) {
    setObjectName(QStringLiteral("Tfrepcompromisos"));
    setWindowTitle(QStringLiteral("Reporte de compromisos"));
    auto* forma = new QFormLayout(this);
    nit_desde_ = new QLineEdit(nit, this);
    nit_hasta_ = new QLineEdit(nit, this);
    desde_ = new QDateEdit(logica_.desde, this);
    hasta_ = new QDateEdit(logica_.hasta.addMonths(1), this);
    for (QDateEdit* d : {desde_, hasta_}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    }
    cumplidos_ = new QCheckBox(QStringLiteral("Incluir cumplidos"), this);
    forma->addRow(QStringLiteral("Proveedor desde:"), nit_desde_);
    forma->addRow(QStringLiteral("Proveedor hasta:"), nit_hasta_);
    forma->addRow(QStringLiteral("Fecha desde:"), desde_);
    forma->addRow(QStringLiteral("Fecha hasta:"), hasta_);
    forma->addRow(QString(), cumplidos_);
    auto* botones = new QDialogButtonBox(this);
    connect(botones->addButton(QStringLiteral("F2: Imprimir"), QDialogButtonBox::AcceptRole),
            &QPushButton::clicked, this, &Tfrepcompromisos::SBImprimirClick);
    connect(botones->addButton(QStringLiteral("ESC: Salir"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::reject);
    forma->addRow(botones);
}

void Tfrepcompromisos::SBImprimirClick() {
    logica_.nit_desde = nit_desde_->text();
    logica_.nit_hasta = nit_hasta_->text();
    logica_.desde = desde_->date();
    logica_.hasta = hasta_->date();
    logica_.incluir_cumplidos = cumplidos_->isChecked();
    logica_.imprima();
}

void Tfrepcompromisos::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2)
        SBImprimirClick();
    else
        QDialog::keyPressEvent(event);
}

}  // namespace ledgrix
