#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace ledgrix {

// Draws the rows of an annulled document apart from the live ones (red,
// struck through), told by the "S" in the column `columna` of the row.
class FilaAnuladaDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    FilaAnuladaDelegate(std::function<int()> columna, QObject* parent);

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    std::function<int()> columna_;
};

}  // namespace ledgrix
