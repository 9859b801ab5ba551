#include "core/ui/numeracion/delegados.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>

namespace ledgrix {

ListaDelegate::ListaDelegate(QList<Opcion> opciones, QObject* parent)
    : QStyledItemDelegate(parent), opciones_(std::move(opciones)) {}

QString ListaDelegate::displayText(const QVariant& value, const QLocale& locale) const {
    for (const Opcion& o : opciones_)
        if (!value.toString().isEmpty() && o.first.toString() == value.toString())
            return o.second.isEmpty() ? o.first.toString() : o.second;
    return QStyledItemDelegate::displayText(value, locale);
}

QWidget* ListaDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* combo = new QComboBox(parent);
    combo->addItem(QString(), QVariant());
    for (const Opcion& o : opciones_) {
        const QString texto = o.second.isEmpty() ? o.first.toString()
                                                 : o.first.toString() + QStringLiteral(" - ") + o.second;
        combo->addItem(texto, o.first);
    }
    return combo;
}

void ListaDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = static_cast<QComboBox*>(editor);
    const QString actual = index.data(Qt::EditRole).toString();
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemData(i).toString() == actual) combo->setCurrentIndex(i);
}

void ListaDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    auto* combo = static_cast<QComboBox*>(editor);
    model->setData(index, combo->currentData(), Qt::EditRole);
}

void MarcaDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem vista = option;
    initStyleOption(&vista, index);
    vista.text.clear();
    const QWidget* widget = option.widget;
    QStyle* estilo = widget ? widget->style() : QApplication::style();
    estilo->drawControl(QStyle::CE_ItemViewItem, &vista, painter, widget);
    QStyleOptionButton marca;
    marca.rect = estilo->subElementRect(QStyle::SE_CheckBoxIndicator, &marca, widget);
    marca.rect.moveCenter(option.rect.center());
    marca.state = QStyle::State_Enabled |
                  (index.data(Qt::EditRole).toString() == QLatin1String("S") ? QStyle::State_On : QStyle::State_Off);
    estilo->drawPrimitive(QStyle::PE_IndicatorCheckBox, &marca, painter, widget);
}

bool MarcaDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem&,
                                const QModelIndex& index) {
    const bool clic = event->type() == QEvent::MouseButtonRelease &&
                      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    const bool espacio = event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
    if (!clic && !espacio) return false;
    const bool marcado = index.data(Qt::EditRole).toString() == QLatin1String("S");
    return model->setData(index, marcado ? QStringLiteral("N") : QStringLiteral("S"), Qt::EditRole);
}

void centre_en_area(QWidget* ventana, int menos_x, int menos_y) {
    auto* marco = qobject_cast<QMdiSubWindow*>(ventana->parentWidget());
    if (!marco || !marco->mdiArea()) return;
    const QSize area = marco->mdiArea()->viewport()->size();
    const QSize tam = marco->size();
    marco->move(std::max(0, (area.width() - tam.width()) / 2 - menos_x),
                std::max(0, (area.height() - tam.height()) / 2 - menos_y));
}

}  // namespace ledgrix
