#include "app/ui/principal/tfacercade.h"

#include "core/config/revision.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace ledgrix {

Tfacercade::Tfacercade(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tfacercade"));
    setWindowTitle(QStringLiteral("Acerca de"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setFixedSize(kAncho, kAlto);
    auto* columna = new QVBoxLayout(this);
    auto* producto = new QLabel(QStringLiteral("Ledgrix"), this);
    QFont grande = producto->font();
    grande.setPointSize(grande.pointSize() * 2);
    grande.setBold(true);
    producto->setFont(grande);
    producto->setAlignment(Qt::AlignCenter);
    columna->addWidget(producto);
    auto* modulo = new QLabel(QStringLiteral("C. X PAGAR — Cuentas por pagar"), this);
    modulo->setAlignment(Qt::AlignCenter);
    columna->addWidget(modulo);
    auto* revision = new QLabel(QStringLiteral("Rev: ") + revision_programa(), this);
    revision->setAlignment(Qt::AlignCenter);
    columna->addWidget(revision);
}

Tfacercade* Tfacercade::muestre_presentacion() {
    auto* caja = new Tfacercade;
    caja->setAttribute(Qt::WA_DeleteOnClose);
    if (QScreen* pantalla = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), caja->size());
        r.moveCenter(pantalla->availableGeometry().center());
        caja->move(r.topLeft());
    }
    caja->show();
    QTimer::singleShot(kPresentacionMs, caja, &QWidget::close);
    return caja;
}

}  // namespace ledgrix
