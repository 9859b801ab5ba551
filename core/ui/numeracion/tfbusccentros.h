#pragma once

#include <QDialog>

class QLineEdit;
class QStandardItemModel;

namespace ledgrix {

class LedgrixGrid;
class SelectorCentros;

// The cost-centre picker: project, centre and sub-centre with their names and
// a search box. Enter or a double click ends it with the line's result code
// (SelectorCentros::resultado), Esc with 0.
class Tfbusccentros : public QDialog {
    Q_OBJECT
public:
    Tfbusccentros(SelectorCentros& selector, QWidget* parent = nullptr);

    QLineEdit* busqueda() const { return busqueda_; }
    LedgrixGrid* grilla() const { return grilla_; }
    // Ends with the line under the cursor; nothing happens on an empty list.
    void elija();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void llene();

    SelectorCentros& selector_;
    QLineEdit* busqueda_;
    LedgrixGrid* grilla_;
    QStandardItemModel* modelo_;
};

}  // namespace ledgrix
