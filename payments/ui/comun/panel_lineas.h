#pragma once

#include <QFrame>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

#include "core/money/currency.h"
#include "payments/ui/comun/muestra_diferida.h"

class QHBoxLayout;
class QLabel;

namespace ledgrix {

class ClientDataset;
class DatasetModel;
class Dialogs;
class LedgrixGrid;

// A detail list of a document window: its caption, a grid over the nested
// dataset and a line of footers with the sums the logic keeps. Only the
// columns named are shown, under the titles given; amounts are edited in
// the installation's number format and a code column given a list shows the
// code's name. Insert, or Down on the last line, asks for a new line;
// Ctrl+Delete for the removal of the current one. The grid's cursor moves
// the dataset's, and a line that fails its checks keeps it.
class PanelLineas : public QFrame {
    Q_OBJECT
  public:
    using Opciones = QList<QPair<QVariant, QString>>;  // code, name

    PanelLineas(Dialogs& dialogs, const QString& titulo, ClientDataset& lineas,
                QWidget* parent = nullptr);

    LedgrixGrid* grilla() const { return grilla_; }
    ClientDataset& lineas() const { return lineas_; }

    // The columns shown, in the dataset's order, and their titles.
    void columnas(const QList<QPair<QString, QString>>& campo_titulo);
    // A code column shown by name and chosen from a list.
    void lista(const QString& campo, const Opciones& opciones);
    // A footer: its title and the value it shows.
    void pie(const QString& titulo, std::function<Currency()> valor);
    // A key's caption at the right of the footers.
    void rotulo(const QString& texto);

    // The field of a grid column; empty for none.
    QString campo_de(int columna) const;
    // Column of a field, -1 when it is not shown.
    int columna(const QString& campo) const;
    // Puts the grid's cursor on the dataset's line and column.
    void enfoque(const QString& campo = {});
    // A cell editor still open hands its text to the line.
    void termine_edicion();
    // Footers again.
    void muestre();

    std::function<void()> nueva_linea;  // default: a new line of the dataset
    std::function<void()> borre_linea;  // default: the current line goes
    // Double click on a cell of the column of `campo` (empty: on no line);
    // true when it opened a chooser, else the cell is edited.
    std::function<bool(const QString& campo)> doble_clic;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ajuste_columnas();
    // The grid's cursor on the dataset's line.
    void siga_cursor();
    void muestre_luego();

    Dialogs& dialogs_;
    ClientDataset& lineas_;
    DatasetModel* modelo_ = nullptr;
    LedgrixGrid* grilla_ = nullptr;
    QHBoxLayout* pies_ = nullptr;
    bool siguiendo_ = false;
    MuestraDiferida diferida_{this, [this] { muestre(); }};
    QMap<QString, QString> titulos_;
    QMap<QString, Opciones> listas_;
    std::vector<std::pair<QLabel*, std::function<Currency()>>> valores_;
};

}  // namespace ledgrix
