#pragma once

#include <QDialog>

class QLineEdit;
class QStandardItemModel;

namespace ledgrix {

class LedgrixGrid;
class SelectorLista;

// The window of every list chooser (suppliers, purchase invoices, articles,
// businesses, documents to apply to): a search box over the selector's lines.
// Enter or a double click end it with 1 and the line chosen in the selector,
// Esc with 0. Its object name is the selector's window name.
class Tfbusclista : public QDialog {
    Q_OBJECT
  public:
    Tfbusclista(SelectorLista& selector, QWidget* parent = nullptr);

    QLineEdit* busqueda() const { return busqueda_; }
    LedgrixGrid* grilla() const { return grilla_; }
    // Ends with the line under the cursor; nothing happens on an empty list.
    void elija();

    // Shows every list chooser in this window.
    static void instale();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void llene();

    SelectorLista& selector_;
    QLineEdit* busqueda_;
    LedgrixGrid* grilla_;
    QStandardItemModel* modelo_;
};

}  // namespace ledgrix
