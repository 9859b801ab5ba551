#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QToolButton;

namespace ledgrix {

class Buzon;

// The popup that shows the unread messages found by the inbox poll, one at a
// time. It leaves by itself after a while; the poll resumes when it closes.
class TfAlertas : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDuracion = 30000;

    explicit TfAlertas(Buzon& buzon, QWidget* parent = nullptr);
    ~TfAlertas() override;

    QLabel* LMensaje() const { return LMensaje_; }
    QToolButton* boton(const QString& ayuda) const;
    QTimer& duracion() { return duracion_; }

    // Clicking the message marks it read.
    void LMensajeClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void muestre_actual();
    QString id_actual() const;

    QPointer<Buzon> buzon_;
    QLabel* LMensaje_;
    QTimer duracion_;
};

}  // namespace ledgrix
