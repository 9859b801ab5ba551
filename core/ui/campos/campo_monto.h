#pragma once

#include <QLineEdit>
#include <optional>

#include "core/money/currency.h"

namespace ledgrix {

class Dialogs;

// The box of every amount, rate and percentage: it shows its value in the
// installation's number format and reads what the user types in that format
// only. Text that does not follow it is refused when the user finishes
// (Enter or leaving the box): the message goes through the dialogs service
// and the user stays in the box with the text as typed, selected.
class CampoMonto : public QLineEdit {
    Q_OBJECT
  public:
    explicit CampoMonto(Dialogs& dialogs, QWidget* parent = nullptr, int decimales = 2);

    // Wide enough to read the widest value the box is meant for without
    // scrolling its text: a billion with cents by default, a percentage with
    // four decimals for rates.
    void ancho_para(const QString& muestra);
    void ancho_de_porcentaje() { ancho_para(QStringLiteral("100,0000")); }

    int decimales() const { return decimales_; }
    void set_decimales(int decimales) { decimales_ = decimales; }

    // Shows a value (empty for none). It becomes the value the next change
    // is measured against.
    void muestre(std::optional<Currency> valor);
    // The value of the text as it stands: the empty box is zero, text that
    // does not follow the format has none.
    std::optional<Currency> valor() const;
    // Checks the text: a refusal tells the user, keeps the focus here and
    // answers false; a valid value is shown formatted and, when it differs
    // from the one shown before, handed on through `cambiado`.
    bool acepte();

  signals:
    // The user finished typing a value other than the one shown.
    void cambiado(ledgrix::Currency valor);
    // The user left the box holding a valid value, changed or not.
    void dejado();

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    Dialogs& dialogs_;
    int decimales_;
    std::optional<Currency> mostrado_;
    int rechazos_ = 0;
    bool callado_ = false;  // the focus went somewhere that is not leaving the box
};

}  // namespace ledgrix
