#include "core/ui/grid/ledgrix_grid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTextDocument>
#include <set>

#include "core/services/dialogs.h"
#include "core/ui/desktop_dialogs.h"
#include "core/ui/grid/filter_header.h"
#include "core/ui/grid/grid_filter_proxy.h"

namespace ledgrix {

namespace {

QString askWithFileDialog(QWidget* parent, const QString& proposedName, const QStringList& filters,
                          QString* chosenFilter) {
    return QFileDialog::getSaveFileName(parent, QObject::tr("Exportar"), proposedName,
                                        filters.join(QStringLiteral(";;")), chosenFilter);
}

// Where a window tree keeps the login's search delay for its grids.
const char* const kSearchDelayProperty = "ledgrixSearchDelay";

QAction* addMenuAction(QWidget* owner, const QString& text, const QKeySequence& shortcut = {}) {
    auto* a = new QAction(text, owner);
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        // Only while the grid has focus: a filter editor keeps its own Ctrl+C.
        a->setShortcutContext(Qt::WidgetShortcut);
    }
    owner->addAction(a);
    return a;
}

void addSeparator(QWidget* owner) {
    auto* s = new QAction(owner);
    s->setSeparator(true);
    owner->addAction(s);
}

}  // namespace

LedgrixGrid::LedgrixGrid(QWidget* parent)
    : QTableView(parent),
      proxy_(new GridFilterProxy(this)),
      chooser_(askWithFileDialog),
      header_(new FilterHeader(this)) {
    setHorizontalHeader(header_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    QTableView::setModel(proxy_);

    copy_ = addMenuAction(this, tr("Copiar"), QKeySequence::Copy);
    selectAll_ = addMenuAction(this, tr("Seleccionar todo"), QKeySequence::SelectAll);
    addSeparator(this);
    preview_ = addMenuAction(this, tr("Vista preliminar"));
    filters_ = addMenuAction(this, tr("Habilitar filtros"));
    filters_->setCheckable(true);
    addSeparator(this);
    exportSelection_ = addMenuAction(this, tr("Exportar selección…"));
    exportAll_ = addMenuAction(this, tr("Exportar todo…"));
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(copy_, &QAction::triggered, this, &LedgrixGrid::copySelection);
    connect(selectAll_, &QAction::triggered, this, &QTableView::selectAll);
    connect(preview_, &QAction::triggered, this, &LedgrixGrid::printPreview);
    connect(filters_, &QAction::toggled, this, &LedgrixGrid::setFiltersEnabled);
    connect(exportSelection_, &QAction::triggered, this, [this] { exportRows(true); });
    connect(exportAll_, &QAction::triggered, this, [this] { exportRows(false); });

    connect(header_, &FilterHeader::filterChanged, proxy_, &GridFilterProxy::setColumnFilter);
    connect(header_, &FilterHeader::editorsRebuilt, proxy_, &GridFilterProxy::clearColumnFilters);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, header_, &FilterHeader::placeEditors);
    connect(proxy_, &QAbstractItemModel::modelReset, this, &LedgrixGrid::fitColumnTitles);
    connect(proxy_, &QAbstractItemModel::layoutChanged, this, &LedgrixGrid::fitColumnTitles);
    connect(proxy_, &QAbstractItemModel::headerDataChanged, this, &LedgrixGrid::fitColumnTitles);
    connect(proxy_, &QAbstractItemModel::columnsInserted, this, &LedgrixGrid::fitColumnTitles);
}

LedgrixGrid::~LedgrixGrid() = default;

void LedgrixGrid::setModel(QAbstractItemModel* model) {
    source_ = model;
    proxy_->clearColumnFilters();
    proxy_->setSourceModel(model);
    header_->clearFilters();
    fitColumnTitles();
}

QAbstractItemModel* LedgrixGrid::sourceModel() const {
    return source_;
}

QModelIndex LedgrixGrid::sourceIndex(const QModelIndex& viewIndex) const {
    return proxy_->mapToSource(viewIndex);
}

void LedgrixGrid::setSaveFileChooser(SaveFileChooser chooser) {
    chooser_ = chooser ? std::move(chooser) : SaveFileChooser(askWithFileDialog);
}

Dialogs& LedgrixGrid::dialogs() {
    if (dialogs_)
        return *dialogs_;
    static DesktopDialogs desktop;
    desktop.setParent(window());
    return desktop;
}

void LedgrixGrid::setFiltersEnabled(bool enabled) {
    header_->setFiltersVisible(enabled);
    if (!enabled)
        proxy_->clearColumnFilters();
    if (filters_->isChecked() != enabled)
        filters_->setChecked(enabled);
    updateGeometries();
}

bool LedgrixGrid::filtersEnabled() const {
    return header_->filtersVisible();
}

QLineEdit* LedgrixGrid::filterEditor(int column) const {
    return header_->editor(column);
}

QList<int> LedgrixGrid::visibleColumns() const {
    QList<int> columns;
    const QHeaderView* h = horizontalHeader();
    for (int v = 0; v < h->count(); ++v) {
        const int logical = h->logicalIndex(v);
        if (!h->isSectionHidden(logical))
            columns << logical;
    }
    return columns;
}

QList<int> LedgrixGrid::selectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& i : selectionModel()->selectedIndexes())
        if (!isRowHidden(i.row()))
            rows.insert(i.row());
    return {rows.begin(), rows.end()};
}

// One line per column title in copies and files; the screen shows bands on their own line.
QString LedgrixGrid::title(int column) const {
    return model()->headerData(column, Qt::Horizontal).toString().replace(u'\n', u' ');
}

QString LedgrixGrid::selectionAsText() const {
    const QModelIndexList cells = selectedIndexes();
    if (cells.isEmpty())
        return {};
    std::set<std::pair<int, int>> chosen;
    std::set<int> rows, usedColumns;
    for (const QModelIndex& i : cells) {
        chosen.insert({i.row(), i.column()});
        rows.insert(i.row());
        usedColumns.insert(i.column());
    }
    QList<int> columns;
    for (int c : visibleColumns())
        if (usedColumns.count(c))
            columns << c;

    ExportTable t;
    for (int c : columns)
        t.titles << title(c);
    for (int r : rows) {
        QStringList line;
        for (int c : columns)
            line << (chosen.count({r, c}) ? model()->data(model()->index(r, c)).toString()
                                          : QString());
        t.rows.push_back(line);
    }
    // One cell is pasted where a value is expected; titles would get in the way.
    const bool withTitles = cells.size() > 1;
    QString text = toTabSeparated(t, withTitles);
    if (!withTitles)
        text.chop(2);  // the lone value without its line end
    return text;
}

void LedgrixGrid::copySelection() {
    const QString text = selectionAsText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

ExportTable LedgrixGrid::snapshot(bool selectedOnly) {
    QList<int> rows;
    if (selectedOnly) {
        rows = selectedRows();
    } else {
        // Datasets read in packets: "all" means the rows not fetched yet too.
        while (model()->canFetchMore({}))
            model()->fetchMore({});
        for (int r = 0; r < model()->rowCount(); ++r)
            if (!isRowHidden(r))
                rows << r;
    }
    ExportTable t = tableFromModel(*model(), visibleColumns(), rows);
    for (QString& titulo : t.titles)
        titulo.replace(u'\n', u' ');
    t.title = exportTitle_.isEmpty() ? window()->windowTitle() : exportTitle_;
    return t;
}

bool LedgrixGrid::exportRows(bool selectedOnly) {
    ExportTable table = snapshot(selectedOnly);
    if (selectedOnly && table.rows.empty()) {
        dialogs().warning(tr("No hay filas seleccionadas para exportar."));
        return false;
    }
    QString filter = dialogFilterOf(ExportFormat::Xlsx);
    QString path =
        chooser_(this, nombreArchivoPorDefecto(table.title, extensionOf(ExportFormat::Xlsx)),
                 exportDialogFilters(), &filter);
    if (path.isEmpty())
        return false;
    // A known extension typed by the user wins over the filter left selected.
    std::optional<ExportFormat> format = formatFromPath(path);
    if (!format) {
        format = formatFromFilter(filter).value_or(ExportFormat::Xlsx);
        path += QLatin1Char('.') + extensionOf(*format);
    }
    QString error;
    if (!writeExport(table, *format, path, &error)) {
        dialogs().error(error);
        return false;
    }
    return true;
}

void LedgrixGrid::print(QPrinter* printer) {
    QTextDocument doc;
    doc.setHtml(toHtmlDocument(snapshot(false)));
    doc.print(printer);
}

void LedgrixGrid::printPreview() {
    dialogs().modal(QStringLiteral("QPrintPreviewDialog"), [this] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        QPrintPreviewDialog dialog(&printer, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, &LedgrixGrid::print);
        return dialog.exec();
    });
}

void LedgrixGrid::setSearchDelayFor(QWidget* root, int ms) {
    if (root)
        root->setProperty(kSearchDelayProperty, ms);
}

// A title wider than its column is drawn centred and clipped at both ends
// ("ipo document"), more so once the sort arrow takes its room: columns grow
// to their titles, and never shrink below what the user widened them to.
void LedgrixGrid::fitColumnTitles() {
    QHeaderView* h = horizontalHeader();
    for (int c = 0; c < h->count(); ++c)
        if (!h->isSectionHidden(c) && h->sectionSize(c) < h->sectionSizeHint(c))
            h->resizeSection(c, h->sectionSizeHint(c));
}

void LedgrixGrid::showEvent(QShowEvent* event) {
    fitColumnTitles();
    for (const QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        const QVariant ms = w->property(kSearchDelayProperty);
        if (!ms.isValid())
            continue;
        if (ms.toInt() > 0)
            searchDelay_ = ms.toInt();
        break;
    }
    QTableView::showEvent(event);
}

void LedgrixGrid::keyboardSearch(const QString& search) {
    // The view measures the pause between keys against the application's
    // interval; each grid answers with its own for the length of the search.
    const int before = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(searchDelay_);
    QTableView::keyboardSearch(search);
    QApplication::setKeyboardInputInterval(before);
}

void LedgrixGrid::keyPressEvent(QKeyEvent* event) {
    // The view's own Ctrl+C copies only the current cell.
    if (event == QKeySequence::Copy) {
        copySelection();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace ledgrix
