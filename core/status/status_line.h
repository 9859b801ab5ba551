#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

namespace ledgrix {

// The text line at the bottom of the main window: the fetching indicator,
// warnings and reminders. It holds the state only; the window paints it on
// changed(), mapping the named colours to its own palette and skin.
//
// The colours are the state. A warning (red background) is never replaced by
// the fetching indicator, and a navy gradient end means no warning or reminder
// has been shown since the line was last idle, which is what lets a reminder
// in. When the timer armed by a warning or a reminder runs out, the line goes
// back to idle.
class StatusLine : public QObject {
    Q_OBJECT
  public:
    enum class State { Idle, Fetching, Warning, Alert };
    // Default: the panel's own colour; Highlight: the skin's highlight colour.
    enum class Colour { Default, Highlight, Red, Maroon, Navy, Yellow };

    static const QString kFetchingText;

    explicit StatusLine(std::function<void()> beep = {}, QObject* parent = nullptr);

    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }
    // Set while a caller fetches rows the user should not be told about.
    void setQuietFetch(bool quiet) { quiet_ = quiet; }
    bool quietFetch() const { return quiet_; }

    // Before a dataset fetches rows.
    void mostrar_mensaje();
    // After it has fetched them.
    void quitar_mensaje();
    // Replaces whatever is shown, for `durationUnits` tenths of a second.
    void mostrar_advertencia(const QString& text, int durationUnits);
    // A reminder for `durationUnits` seconds; ignored once a warning or a
    // reminder has been shown and has not yet run out.
    void mostrar_alerta(const QString& text, int durationUnits);
    // The timer ran out: back to idle. Public so tests need not wait for it.
    void expire();

    State state() const;
    const QString& text() const { return text_; }
    Colour background() const { return background_; }
    Colour gradientEnd() const { return gradientEnd_; }
    bool timerActive() const { return timer_.isActive(); }
    int timerInterval() const { return timer_.interval(); }

  signals:
    void changed();

  private:
    void arm(qint64 milliseconds);

    std::function<void()> beep_;
    bool quiet_ = false;
    QString text_;
    Colour background_ = Colour::Default;
    Colour gradientEnd_ = Colour::Navy;
    QTimer timer_;
};

}  // namespace ledgrix
