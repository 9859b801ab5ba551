#include "maintenance/ui/cambios/tfcambiavence.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

// The due date box reads empty until a date is chosen.
const QDate kSinFecha(1900, 1, 1);

}  // namespace

Tfcambiavence::Tfcambiavence(Tfdm& dm, QWidget* parent)
    : VentanaMantenimiento(QStringLiteral("Tfcambiavence"),
                           QStringLiteral("Cambiar vencimiento factura"), parent),
      dm_(dm),
      logica_(dm) {
    auto* caja = new QVBoxLayout(this);
    auto* aviso = new QLabel(QStringLiteral("Esta opción permite a un administrador cambiar el "
                                            "vencimiento de un cargo de cuentas por pagar "
                                            "previamente registrado"),
                             this);
    aviso->setWordWrap(true);
    caja->addWidget(aviso);

    auto* forma = new QFormLayout;
    cargo_ = new QLineEdit(this);
    cargo_->setMaxLength(10);
    fecha_ = new QLabel(this);
    vence_ = new QLabel(this);
    proveedor_ = new QLabel(this);
    nuevo_vence_ = new QDateEdit(this);
    nuevo_vence_->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    nuevo_vence_->setCalendarPopup(true);
    nuevo_vence_->setMinimumDate(kSinFecha);
    nuevo_vence_->setSpecialValueText(QStringLiteral(" "));
    nuevo_vence_->setDate(kSinFecha);
    numprov_ = new QLineEdit(this);
    numprov_->setMaxLength(20);
    forma->addRow(QStringLiteral("Número de cargo:"), cargo_);
    forma->addRow(QStringLiteral("Fecha:"), fecha_);
    forma->addRow(QStringLiteral("Vencimiento:"), vence_);
    forma->addRow(QStringLiteral("Proveedor:"), proveedor_);
    forma->addRow(QStringLiteral("Nuevo Vencimiento:"), nuevo_vence_);
    forma->addRow(QStringLiteral("Nro. Fac. proveedor:"), numprov_);
    caja->addLayout(forma);
    connect(cargo_, &QLineEdit::editingFinished, this, &Tfcambiavence::CargoExit);

    termine(caja, {{Qt::Key_F5, QStringLiteral("F5: Cambiar"), [this] { SBCambiarClick(); }}},
            cargo_);
    setMinimumWidth(460);
}

void Tfcambiavence::CargoExit() {
    const QString texto = cargo_->text().trimmed();
    // Leaving the box again without retyping asks nothing twice.
    if (texto.isEmpty() || texto == buscado_)
        return;
    buscado_ = texto;
    logica_.busque(texto);
    muestre();
}

void Tfcambiavence::muestre() {
    fecha_->setText(sql::dateText(logica_.fecha));
    vence_->setText(sql::dateText(logica_.vence));
    proveedor_->setText(logica_.proveedor);
    numprov_->setText(logica_.numero_proveedor);
    // The new due date starts from the one the charge has: typed over or
    // moved by days, never typed into an empty box the editor cannot read.
    if (logica_.vence.isValid() && nuevo_vence_->date() == kSinFecha)
        nuevo_vence_->setDate(logica_.vence);
}

void Tfcambiavence::SBCambiarClick() {
    CargoExit();
    const QDate nuevo = nuevo_vence_->date() == kSinFecha ? QDate() : nuevo_vence_->date();
    // A retyped number not yet looked up is not the charge shown.
    if (cargo_->text().trimmed() != buscado_)
        logica_.id = 0;
    if (logica_.cambie(nuevo, numprov_->text()))
        close();
}

}  // namespace ledgrix
