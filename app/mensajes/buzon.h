#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

namespace ledgrix {

class Tfdm;

// Colour of an alert, kept apart from the widget toolkit so the poll stays
// testable without a screen.
struct ColorAlerta {
    int rojo = 0;
    int verde = 0;
    int azul = 0;
    bool operator==(const ColorAlerta&) const = default;
};

struct AlertaMensaje {
    QString id;
    QString html;
    // Messages of an unknown level keep the alert window's own colour.
    std::optional<ColorAlerta> color;
};

// The main window's inbox: polls the unread messages addressed to the user
// and hands them to the alert window. While the alert window is up the poll
// is off, so the same messages are not shown twice.
class Buzon : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalo = 10000;

    explicit Buzon(Tfdm& dm, QObject* parent = nullptr);

    // Called once the login succeeded: polls at once, then every interval.
    void start();
    void sondee();
    // The alert window closed.
    void cerrado();

    // `item` is an alert's HTML text or just its id.
    void marque_leido(const QString& item);
    // Keeps the message to answer in the login context, marks it read and
    // asks for the instant-message window.
    void conteste(const QString& item);

    void siguiente();
    void anterior();
    int indice() const { return indice_; }
    const QList<AlertaMensaje>& alertas() const { return alertas_; }
    const AlertaMensaje* actual() const;

    bool activo() const { return timer_.isActive(); }
    QTimer& timer() { return timer_; }

    static QString id_de(const QString& item);
    static std::optional<ColorAlerta> color_de_nivel(int nivel);

signals:
    // There are unread messages: show the alert window.
    void muestre();
    // The list or the current index changed while the alert is up.
    void cambiado();
    // "Contestar al autor": open the instant-message window.
    void abra_mensaje();

private:
    // Marks read and drops the item; false when the id is not a message id.
    bool lea(const QString& id);

    Tfdm& dm_;
    QTimer timer_;
    QList<AlertaMensaje> alertas_;
    int indice_ = 0;
};

}  // namespace ledgrix
