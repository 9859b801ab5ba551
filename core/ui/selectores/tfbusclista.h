#pragma once

#include <QDialog>
#include <QSize>
#include <QStringList>
#include <functional>
#include <vector>

class QLineEdit;
class QStandardItemModel;

namespace ledgrix {

class LedgrixGrid;

// What a chooser window shows and answers, written by whoever owns the
// chooser's logic: its names, the columns, the rows for the current search
// and the result code of a confirmed row.
struct Seleccion {
    QString ventana;      // the window's object name
    QString titulo;       // its caption
    QString exportacion;  // the title of the grid's exports
    QString rotulo = QStringLiteral("Buscar:");
    QSize tamano;
    QString texto;  // the search text the window opens with
    QStringList columnas;
    // Runs a search for the text typed.
    std::function<void(const QString& texto)> busque;
    // The rows of the last search, one text per column.
    std::function<std::vector<QStringList>()> filas;
    // Records the row confirmed (0 = first shown) and answers the window's
    // result code.
    std::function<int(int fila)> elija;
};

// The window of every chooser: a search box over a grid of rows. Enter or a
// double click end it with the code `Seleccion::elija` answers for the row
// under the cursor, Esc with 0. The arrows move through the rows while the
// search box has the focus.
class Tfbusclista : public QDialog {
    Q_OBJECT
  public:
    Tfbusclista(Seleccion seleccion, QWidget* parent = nullptr);

    QLineEdit* busqueda() const { return busqueda_; }
    LedgrixGrid* grilla() const { return grilla_; }
    // Ends with the line under the cursor; nothing happens on an empty list.
    void elija();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void llene();

    Seleccion seleccion_;
    QLineEdit* busqueda_;
    LedgrixGrid* grilla_;
    QStandardItemModel* modelo_;
};

}  // namespace ledgrix
