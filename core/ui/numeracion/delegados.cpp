#include "core/ui/numeracion/delegados.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>

#include "core/money/formato_numero.h"
#include "core/ui/campos/campo_monto.h"

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

MontoDelegate::MontoDelegate(Dialogs& dialogs, QObject* parent)
    : QStyledItemDelegate(parent), dialogs_(dialogs) {}

QWidget* MontoDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex&) const {
    auto* campo = new CampoMonto(dialogs_, parent);
    campo->setFrame(false);
    return campo;
}

void MontoDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* campo = static_cast<CampoMonto*>(editor);
    const QVariant v = index.data(Qt::EditRole);
    if (v.metaType() == QMetaType::fromType<Currency>()) {
        campo->muestre(v.value<Currency>());
        return;
    }
    // The cell keeps the decimals it is shown with.
    const FormatoNumero& formato = FormatoNumero::instalacion();
    const QString texto = v.toString();
    const qsizetype coma = texto.lastIndexOf(formato.decimal());
    campo->set_decimales(coma < 0 ? 0 : static_cast<int>(texto.size() - coma - 1));
    campo->muestre(formato.lea(texto));
}

void MontoDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex& index) const {
    auto* campo = static_cast<CampoMonto*>(editor);
    const std::optional<Currency> v = campo->valor();
    if (!v)
        return;
    if (campo->text().trimmed().isEmpty()) {
        model->setData(index, QVariant(), Qt::EditRole);
        return;
    }
    model->setData(index, QVariant::fromValue(*v), Qt::EditRole);
}

bool MontoDelegate::eventFilter(QObject* editor, QEvent* event) {
    auto* campo = qobject_cast<CampoMonto*>(editor);
    bool termina = event->type() == QEvent::FocusOut;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        termina = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
                  key == Qt::Key_Backtab;
    }
    // The editor stays, with the text, until it holds a number.
    if (campo && termina && !campo->valor()) {
        const QWidget* siguiente = QApplication::focusWidget();
        if (event->type() != QEvent::FocusOut ||
            (siguiente && siguiente->window() == campo->window()))
            campo->acepte();
        return true;
    }
    return QStyledItemDelegate::eventFilter(editor, event);
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
