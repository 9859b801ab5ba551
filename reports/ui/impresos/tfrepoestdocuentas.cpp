#include "reports/ui/impresos/tfrepoestdocuentas.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

Tfrepoestdocuentas::EligeCarpeta& elector_instalado() {
    static Tfrepoestdocuentas::EligeCarpeta elector = [](QWidget* padre) {
        return QFileDialog::getExistingDirectory(
            padre, QStringLiteral("Carpeta de los estados de cuenta"));
    };
    return elector;
}

}  // namespace

void Tfrepoestdocuentas::instale_elector_carpeta(EligeCarpeta elector) {
    elector_instalado() = std::move(elector);
}

Tfrepoestdocuentas::Tfrepoestdocuentas(Tfdm& dm, QWidget* parent)
    : TfReporteImpreso(dm, new EstadoCuenta(dm), QStringLiteral("Tfrepoestdocuentas"),
                       QStringLiteral("Estado de Cuenta"), parent) {
    construya();
    oculte_corte();
    titule_proveedores(QStringLiteral("Nit"));
    // Every group, by NIT, never grouped: the boxes would change nothing.
    oculte_seleccion();
}

void Tfrepoestdocuentas::agregue_propios(QVBoxLayout* caja) {
    agregue_periodo(caja);
    auto* fila = new QHBoxLayout;
    fila->addWidget(new QLabel(QStringLiteral("Observaciones:"), this));
    observaciones_ = new QLineEdit(this);
    observaciones_->setObjectName(QStringLiteral("observaciones"));
    observaciones_->setMaxLength(250);
    fila->addWidget(observaciones_, 1);
    auto* pdf = new QPushButton(QStringLiteral("F5:PDF por proveedor"), this);
    pdf->setFocusPolicy(Qt::NoFocus);
    connect(pdf, &QPushButton::clicked, this, [this] { SBPdfProveedorClick(); });
    fila->addWidget(pdf);
    caja->addLayout(fila);
}

void Tfrepoestdocuentas::lea_propios() {
    logica().observaciones = observaciones_->text();
}

QStringList Tfrepoestdocuentas::SBPdfProveedorClick() {
    if (!consulte())
        return {};
    const QString carpeta = elector_instalado() ? elector_instalado()(this) : QString();
    if (carpeta.isEmpty())
        return {};
    const std::optional<QStringList> escritos = logica().escriba_por_proveedor(carpeta);
    if (!escritos)
        return {};
    dm().dialogs().information(QStringLiteral("Se escribieron %1 estados de cuenta en %2.")
                                   .arg(escritos->size())
                                   .arg(QDir::toNativeSeparators(carpeta)));
    return *escritos;
}

bool Tfrepoestdocuentas::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F5) {
        SBPdfProveedorClick();
        return true;
    }
    return TfReporteImpreso::eventFilter(watched, event);
}

}  // namespace ledgrix
