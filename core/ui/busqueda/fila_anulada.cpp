#include "core/ui/busqueda/fila_anulada.h"

namespace ledgrix {

FilaAnuladaDelegate::FilaAnuladaDelegate(std::function<int()> columna, QObject* parent)
    : QStyledItemDelegate(parent), columna_(std::move(columna)) {}

void FilaAnuladaDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // The column is looked up each time: every listing builds new fields.
    const int columna = columna_();
    if (columna < 0 || index.sibling(index.row(), columna).data().toString() != QLatin1String("S"))
        return;
    option->palette.setColor(QPalette::Text, Qt::red);
    option->palette.setColor(QPalette::HighlightedText, QColor(255, 200, 200));
    option->font.setStrikeOut(true);
}

}  // namespace ledgrix
