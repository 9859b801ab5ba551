#include "app/ui/tfprincipal.h"

#include <QStatusBar>

#include "app/login/ingreso.h"
#include "core/status/status_line.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

Tfprincipal::Tfprincipal(Tfdm& dm, QStringList args, QWidget* parent)
    : QMainWindow(parent), dm_(dm), args_(std::move(args)) {
    setObjectName(QStringLiteral("fprincipal"));
    setWindowTitle(QStringLiteral("C x Pagar - Ledgrix"));
    resize(1024, 700);
    mdi_ = new QMdiArea(this);
    setCentralWidget(mdi_);
    compania_ = new QLabel(this);
    usuario_ = new QLabel(this);
    estado_ = new QLabel(this);
    estado_->setAutoFillBackground(true);
    revision_ = new QLabel(this);
    revision_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusBar()->addWidget(compania_);
    statusBar()->addWidget(usuario_);
    statusBar()->addWidget(estado_, 1);
    statusBar()->addPermanentWidget(revision_);
    connect(&dm_.estado(), &StatusLine::changed, this, &Tfprincipal::pinteEstado);
}

bool Tfprincipal::ingrese() {
    Ingreso ingreso(dm_);
    if (!ingreso.ingrese(args_)) return false;
    compania_->setText(QStringLiteral("Compañia: ") + dm_.ctx.compania.nombre);
    usuario_->setText(QStringLiteral("Usuario: ") + dm_.ctx.usuario);
    revision_->setText(ingreso.revision());
    dentro_ = true;
    return true;
}

void Tfprincipal::closeEvent(QCloseEvent* event) {
    if (dentro_) Ingreso(dm_).salga();
    dentro_ = false;
    QMainWindow::closeEvent(event);
}

void Tfprincipal::pinteEstado() {
    const StatusLine& s = dm_.estado();
    QPalette p = estado_->palette();
    QColor fondo = palette().color(QPalette::Window);
    switch (s.background()) {
        case StatusLine::Colour::Highlight: fondo = palette().color(QPalette::Highlight); break;
        case StatusLine::Colour::Red: fondo = Qt::red; break;
        default: break;
    }
    if (s.gradientEnd() == StatusLine::Colour::Yellow) fondo = QColor(255, 255, 160);
    p.setColor(QPalette::Window, fondo);
    estado_->setPalette(p);
    estado_->setText(s.text());
    estado_->repaint();
}

}  // namespace ledgrix
