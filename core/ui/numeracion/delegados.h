#pragma once

#include <QList>
#include <QPair>
#include <QStyledItemDelegate>

class QWidget;

namespace ledgrix {

class Dialogs;

// A column that takes one of a list of codes: the cell shows the code's name
// (when the list has names) and edits with a drop-down.
class ListaDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using Opcion = QPair<QVariant, QString>;  // code, name
    ListaDelegate(QList<Opcion> opciones, QObject* parent);

    QString displayText(const QVariant& value, const QLocale& locale) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QList<Opcion> opciones_;
};

// An "S"/"N" column shown as a check box; a click or the space bar toggles it.
class MarcaDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override { return nullptr; }
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

// An amount, rate or percentage column: edited in a CampoMonto, so the cell
// takes the installation's number format only. A text that does not follow
// it keeps the editor open with the text, after the message.
class MontoDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    MontoDelegate(Dialogs& dialogs, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

  private:
    Dialogs& dialogs_;
};

// Places a working window of the main window's work area: centred, less the
// offsets the numbering windows were laid out with.
void centre_en_area(QWidget* ventana, int menos_x, int menos_y);

}  // namespace ledgrix
