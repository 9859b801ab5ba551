#pragma once

#include <QList>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <vector>

#include "core/export/export_table.h"
#include "core/export/export_writers.h"

class QAction;
class QLineEdit;
class QPrinter;
class QWidget;

namespace ledgrix {

class Dialogs;
class FilterHeader;
class GridFilterProxy;

// The grid of every list window. It shows any model through its own filter
// proxy, so indexes it hands out (currentIndex(), selection) are of the
// proxy: sourceIndex() maps them back to the window's model.
class LedgrixGrid : public QTableView {
    Q_OBJECT
  public:
    // Asks where to save: the proposed file name, the filter lines; returns
    // the chosen path (empty when cancelled) and sets the chosen filter.
    using SaveFileChooser =
        std::function<QString(QWidget* parent, const QString& proposedName,
                              const QStringList& filters, QString* chosenFilter)>;

    explicit LedgrixGrid(QWidget* parent = nullptr);
    ~LedgrixGrid() override;

    void setModel(QAbstractItemModel* model) override;
    QAbstractItemModel* sourceModel() const;
    QModelIndex sourceIndex(const QModelIndex& viewIndex) const;
    GridFilterProxy* filterProxy() const { return proxy_; }

    // Messages and the print preview go through this service; without one
    // the desktop message boxes are used.
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    void setSaveFileChooser(SaveFileChooser chooser);
    // Title of the data shown: proposed export file name, sheet name.
    void setExportTitle(const QString& title) { exportTitle_ = title; }
    QString exportTitle() const { return exportTitle_; }

    // Milliseconds within which typed keys add to the incremental search;
    // after a longer pause the next key starts a new one.
    void setSearchDelay(int ms) { searchDelay_ = ms; }
    int searchDelay() const { return searchDelay_; }
    // The login's delay for every grid shown inside `root`, now or later:
    // set once on the main window, it reaches each window and dialog opened
    // in it, so that no window has to remember to copy it. 0 or less leaves
    // the grids' own delay.
    static void setSearchDelayFor(QWidget* root, int ms);

    // Filter row: one editor per column above the rows.
    void setFiltersEnabled(bool enabled);
    bool filtersEnabled() const;
    QLineEdit* filterEditor(int column) const;

    // Selected cells as tab-separated lines, column titles first unless a
    // single cell is selected.
    QString selectionAsText() const;
    void copySelection();

    // Snapshot of the visible columns, in screen order, of the selected rows
    // or of every row passing the filters (fetching rows not yet loaded).
    ExportTable snapshot(bool selectedOnly);
    // Asks for a file and writes the format its filter or extension names;
    // false when cancelled or failed (the failure is reported).
    bool exportRows(bool selectedOnly);

    void printPreview();
    // The grid as a printed table, page after page.
    void print(QPrinter* printer);

    QAction* copyAction() const { return copy_; }
    QAction* selectAllAction() const { return selectAll_; }
    QAction* previewAction() const { return preview_; }
    QAction* filtersAction() const { return filters_; }
    QAction* exportSelectionAction() const { return exportSelection_; }
    QAction* exportAllAction() const { return exportAll_; }

    void keyboardSearch(const QString& search) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    Dialogs& dialogs();
    QList<int> visibleColumns() const;
    QList<int> selectedRows() const;
    QString title(int column) const;
    void fitColumnTitles();

    GridFilterProxy* proxy_;
    QPointer<QAbstractItemModel> source_;
    Dialogs* dialogs_ = nullptr;
    SaveFileChooser chooser_;
    QString exportTitle_;
    int searchDelay_ = 500;
    FilterHeader* header_;
    QAction* copy_;
    QAction* selectAll_;
    QAction* preview_;
    QAction* filters_;
    QAction* exportSelection_;
    QAction* exportAll_;
};

}  // namespace ledgrix
