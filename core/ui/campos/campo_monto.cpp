#include "core/ui/campos/campo_monto.h"

#include <QApplication>
#include <QFocusEvent>
#include <QScopedValueRollback>
#include <QTimer>

#include "core/money/formato_numero.h"
#include "core/services/dialogs.h"

namespace ledgrix {

CampoMonto::CampoMonto(Dialogs& dialogs, QWidget* parent, int decimales)
    : QLineEdit(parent), dialogs_(dialogs), decimales_(decimales) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ancho_para(QStringLiteral("-9.999.999.999,99"));
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (!callado_)
            acepte();
    });
}

void CampoMonto::ancho_para(const QString& muestra) {
    // The text plus the frame and the line edit's own margins.
    setMinimumWidth(fontMetrics().horizontalAdvance(muestra) + 16);
}

namespace {

// Decimals a value needs to be shown whole: the box never rounds away what
// was typed or computed.
int decimales_de(Currency valor, int minimo) {
    int d = Currency::kDecimals;
    int64_t resto = valor.units() % Currency::kScale;
    while (d > minimo && resto % 10 == 0) {
        resto /= 10;
        --d;
    }
    return d;
}

}  // namespace

void CampoMonto::muestre(std::optional<Currency> valor) {
    mostrado_ = valor;
    const QString texto =
        valor ? FormatoNumero::instalacion().escriba(*valor, decimales_de(*valor, decimales_))
              : QString();
    if (text() != texto)
        setText(texto);
}

std::optional<Currency> CampoMonto::valor() const {
    if (text().trimmed().isEmpty())
        return Currency();
    return FormatoNumero::instalacion().lea(text());
}

bool CampoMonto::acepte() {
    const std::optional<Currency> v = valor();
    if (!v) {
        ++rechazos_;
        dialogs_.error(FormatoNumero::instalacion().mensaje_invalido(text()));
        // The window the message box covered is active again (not every
        // desktop gives the activation back by itself) with the text to fix.
        window()->activateWindow();
        setFocus(Qt::OtherFocusReason);
        selectAll();
        // Closing a message box gives the window back its focus later, to
        // whatever had it when the box opened (the next control, when the
        // user was leaving this one): take it back once that has happened.
        QTimer::singleShot(0, this, [this] {
            if (!valor()) {
                window()->activateWindow();
                setFocus(Qt::OtherFocusReason);
                selectAll();
            }
        });
        return false;
    }
    // An empty box that showed nothing is still nothing, not a zero typed.
    if (!mostrado_ && text().trimmed().isEmpty())
        return true;
    const bool distinto = !mostrado_ || *mostrado_ != *v;
    muestre(*v);
    if (distinto)
        emit cambiado(*v);
    return true;
}

void CampoMonto::focusOutEvent(QFocusEvent* event) {
    // Only moving to another control of the same window is leaving the box:
    // a menu, another window or the window closing is not.
    const QWidget* siguiente = QApplication::focusWidget();
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason ||
        !siguiente || siguiente == this || siguiente->window() != window()) {
        const QScopedValueRollback<bool> quieto(callado_, true);
        QLineEdit::focusOutEvent(event);
        return;
    }
    const int antes = rechazos_;
    QLineEdit::focusOutEvent(event);  // finishes the editing: acepte() when the text changed
    if (!valor()) {
        // Refused before and left untouched: still not a number.
        if (rechazos_ == antes)
            acepte();
        return;
    }
    // The line edit does not always report the end of the editing when the
    // box is left (after a refusal its own record of changes can miss what
    // was typed next): a valid value is taken here in any case; taking it
    // twice hands nothing on the second time.
    acepte();
    emit dejado();
}

}  // namespace ledgrix
