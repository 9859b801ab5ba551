#pragma once

#include <QDialog>

class QLineEdit;
class QStandardItemModel;

namespace ledgrix {

class LedgrixGrid;
class SelectorTerceros;

// The third-party chooser: a search box over NITs and names. Enter or a
// double click end it with 1 and the line chosen in the selector, Esc with 0.
class Tfbuscterceros : public QDialog {
    Q_OBJECT
public:
    Tfbuscterceros(SelectorTerceros& selector, QWidget* parent = nullptr);

    QLineEdit* busqueda() const { return busqueda_; }
    LedgrixGrid* grilla() const { return grilla_; }
    // Ends with the line under the cursor; nothing happens on an empty list.
    void elija();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void llene();

    SelectorTerceros& selector_;
    QLineEdit* busqueda_;
    LedgrixGrid* grilla_;
    QStandardItemModel* modelo_;
};

}  // namespace ledgrix
