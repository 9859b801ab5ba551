#include "core/status/status_line.h"

#include <algorithm>
#include <climits>

namespace ledgrix {

const QString StatusLine::kFetchingText =
    QStringLiteral("Solicitando información. Espere un momento...");

StatusLine::StatusLine(std::function<void()> beep, QObject* parent)
    : QObject(parent), beep_(std::move(beep)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &StatusLine::expire);
}

void StatusLine::mostrar_mensaje() {
    if (quiet_ || background_ != Colour::Default)
        return;
    text_ = kFetchingText;
    background_ = Colour::Highlight;
    emit changed();
}

void StatusLine::quitar_mensaje() {
    if (background_ != Colour::Highlight)
        return;
    background_ = Colour::Default;
    text_.clear();
    emit changed();
}

void StatusLine::mostrar_advertencia(const QString& text, int durationUnits) {
    if (beep_)
        beep_();
    arm(qint64{durationUnits} * 100);
    text_ = QStringLiteral("Advertencia: ") + text;
    background_ = Colour::Red;
    gradientEnd_ = Colour::Maroon;
    emit changed();
}

void StatusLine::mostrar_alerta(const QString& text, int durationUnits) {
    if (beep_)
        beep_();
    if (gradientEnd_ != Colour::Navy)
        return;
    arm(qint64{durationUnits} * 1000);
    text_ = QStringLiteral("RECORDAR: ") + text;
    gradientEnd_ = Colour::Yellow;
    emit changed();
}

void StatusLine::expire() {
    timer_.stop();
    text_.clear();
    background_ = Colour::Default;
    gradientEnd_ = Colour::Navy;
    emit changed();
}

StatusLine::State StatusLine::state() const {
    if (background_ == Colour::Red)
        return State::Warning;
    if (gradientEnd_ == Colour::Yellow)
        return State::Alert;
    if (background_ == Colour::Highlight)
        return State::Fetching;
    return State::Idle;
}

void StatusLine::arm(qint64 milliseconds) {
    // A misconfigured duration must not leave the message on screen for good:
    // QTimer refuses negative intervals, so they clear it at the next event;
    // huge ones are capped at what the timer accepts.
    timer_.start(static_cast<int>(std::clamp<qint64>(milliseconds, 0, INT_MAX)));
}

}  // namespace ledgrix
