#include "app/ui/mensajes/tfalertas.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/mensajes/buzon.h"

namespace ledgrix {

TfAlertas::TfAlertas(Buzon& buzon, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint), buzon_(&buzon) {
    setObjectName(QStringLiteral("falertas"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The alert comes while a clerk may be typing: it must not take the keys.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    setFixedSize(300, 100);

    LMensaje_ = new QLabel(this);
    LMensaje_->setTextFormat(Qt::RichText);
    LMensaje_->setWordWrap(true);
    LMensaje_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LMensaje_->setCursor(Qt::PointingHandCursor);
    LMensaje_->installEventFilter(this);

    auto* botones = new QHBoxLayout;
    botones->setSpacing(2);
    auto agregue = [&](const QString& texto, const QString& ayuda, auto accion) {
        auto* b = new QToolButton(this);
        b->setText(texto);
        b->setToolTip(ayuda);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, accion);
        botones->addWidget(b);
    };
    agregue(QStringLiteral("<"), QStringLiteral("Anterior"), [this] { if (buzon_) buzon_->anterior(); });
    agregue(QStringLiteral(">"), QStringLiteral("Siguiente"), [this] { if (buzon_) buzon_->siguiente(); });
    agregue(QStringLiteral("✓"), QStringLiteral("Leído"), [this] { if (buzon_) buzon_->marque_leido(id_actual()); });
    agregue(QStringLiteral("↩"), QStringLiteral("Contestar al autor"), [this] { if (buzon_) buzon_->conteste(id_actual()); });
    botones->addStretch();
    agregue(QStringLiteral("×"), QStringLiteral("Cerrar"), [this] { close(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 6);
    layout->setSpacing(0);
    layout->addLayout(botones);
    layout->addWidget(LMensaje_, 1);

    connect(buzon_, &Buzon::cambiado, this, &TfAlertas::muestre_actual);
    duracion_.setSingleShot(true);
    duracion_.setInterval(kDuracion);
    connect(&duracion_, &QTimer::timeout, this, &QWidget::close);
    muestre_actual();
}

TfAlertas::~TfAlertas() {
    // Closing, timing out or being destroyed with the main window all end
    // the showing: the poll must come back in every case.
    if (buzon_) buzon_->cerrado();
}

QToolButton* TfAlertas::boton(const QString& ayuda) const {
    for (QToolButton* b : findChildren<QToolButton*>())
        if (b->toolTip() == ayuda) return b;
    return nullptr;
}

QString TfAlertas::id_actual() const {
    const AlertaMensaje* a = buzon_ ? buzon_->actual() : nullptr;
    return a ? a->id : QString();
}

void TfAlertas::muestre_actual() {
    const AlertaMensaje* a = buzon_ ? buzon_->actual() : nullptr;
    if (!a) {
        // Every message was read or answered.
        close();
        return;
    }
    LMensaje_->setText(a->html);
    QPalette p = palette();
    p.setColor(QPalette::Window, a->color ? QColor(a->color->rojo, a->color->verde, a->color->azul)
                                          : QGuiApplication::palette().color(QPalette::Window));
    setPalette(p);
}

void TfAlertas::LMensajeClick() {
    const AlertaMensaje* a = buzon_ ? buzon_->actual() : nullptr;
    if (a) buzon_->marque_leido(a->html);
}

bool TfAlertas::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LMensaje_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        LMensajeClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfAlertas::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QScreen* pantalla = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (pantalla) move(pantalla->availableGeometry().center() - rect().center());
    duracion_.start();
}

}  // namespace ledgrix
