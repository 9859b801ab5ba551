#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTemporaryDir>

#include "tests/support/testdb.h"
#include "core/ui/grid/grid_filter_proxy.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_dialogs.h"

using namespace ledgrix;

namespace {

class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        model.setHorizontalHeaderLabels({QStringLiteral("Documento"), QStringLiteral("Tercero"), QStringLiteral("Saldo")});
        const QStringList names = {QStringLiteral("Peña Ltda"), QStringLiteral("Crédito Rápido"), QStringLiteral("PENAGOS"),
                                   QStringLiteral("Otro, \"S.A.\"")};
        for (int r = 0; r < names.size(); ++r) {
            model.setItem(r, 0, new QStandardItem(QStringLiteral("CE-%1").arg(r + 1)));
            model.setItem(r, 1, new QStandardItem(names[r]));
            auto* amount = new QStandardItem(QStringLiteral("%1,000.50").arg(r + 1));
            amount->setTextAlignment(Qt::AlignRight);
            model.setItem(r, 2, amount);
        }
        grid.setModel(&model);
        grid.setDialogs(&dialogs);
        grid.setExportTitle(QStringLiteral("Egresos"));
        grid.resize(600, 300);
        grid.show();
    }

    // Chooser that answers `file` inside the scratch folder and records the
    // proposal it was given.
    void answerSaveWith(const QString& file, const QString& filter = {}) {
        grid.setSaveFileChooser([this, file, filter](QWidget*, const QString& proposed, const QStringList&, QString* chosen) {
            proposedName = proposed;
            if (!filter.isEmpty()) *chosen = filter;
            return file.isEmpty() ? QString() : dir.filePath(file);
        });
    }
    QStringList lines(const QString& file) {
        QFile f(dir.filePath(file));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        QStringList l = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
        l.removeLast();
        return l;
    }
    void selectRows(std::initializer_list<int> rows) {
        grid.clearSelection();
        for (int r : rows)
            grid.selectionModel()->select(grid.model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    QStandardItemModel model;
    test::ScriptedDialogs dialogs;
    LedgrixGrid grid;
    QTemporaryDir dir{test::TestInstallation::scratchRoot() + QStringLiteral("/grid-XXXXXX")};
    QString proposedName;
};

}  // namespace

TEST_F(GridTest, CopyPutsSelectedRowsOnTheClipboardInScreenOrder) {
    grid.horizontalHeader()->moveSection(2, 0);  // amount first on screen
    grid.setColumnHidden(0, true);
    selectRows({2, 0});
    grid.copyAction()->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("Saldo\tTercero\r\n1,000.50\tPeña Ltda\r\n3,000.50\tPENAGOS\r\n"));

    // A lone cell goes without titles or line end, ready to paste as a value.
    grid.setSelectionBehavior(QAbstractItemView::SelectItems);
    grid.clearSelection();
    grid.selectionModel()->select(grid.model()->index(1, 1), QItemSelectionModel::Select);
    grid.setFocus();
    QKeyEvent ctrlC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(&grid, &ctrlC);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Crédito Rápido"));

    grid.selectAllAction()->trigger();
    EXPECT_EQ(grid.selectionAsText().count(QStringLiteral("\r\n")), 5);  // titles and four rows
}

TEST_F(GridTest, FilterRowHidesRowsIgnoringCaseAndAccentsAndClears) {
    grid.filtersAction()->trigger();
    ASSERT_TRUE(grid.filtersEnabled());
    QLineEdit* tercero = grid.filterEditor(1);
    ASSERT_NE(tercero, nullptr);
    EXPECT_TRUE(tercero->isVisible());

    tercero->setText(QStringLiteral("pena"));
    EXPECT_EQ(grid.model()->rowCount(), 2);  // Peña and PENAGOS
    EXPECT_EQ(grid.sourceIndex(grid.model()->index(1, 1)).row(), 2);
    tercero->setText(QStringLiteral("CREDITO rap"));
    ASSERT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(grid.model()->index(0, 0).data().toString(), QStringLiteral("CE-2"));
    grid.filterEditor(2)->setText(QStringLiteral("9,9"));  // filters add up
    EXPECT_EQ(grid.model()->rowCount(), 0);

    grid.filtersAction()->trigger();  // disabling clears every filter
    EXPECT_FALSE(grid.filtersEnabled());
    EXPECT_FALSE(tercero->isVisible());
    EXPECT_TRUE(tercero->text().isEmpty());
    EXPECT_EQ(grid.model()->rowCount(), 4);
    EXPECT_FALSE(grid.filterProxy()->hasColumnFilters());
}

TEST_F(GridTest, ExportSelectionAndAllWriteTheRightRows) {
    selectRows({1, 3});
    answerSaveWith(QStringLiteral("sel.csv"));
    ASSERT_TRUE(grid.exportRows(true));
    EXPECT_EQ(proposedName, QStringLiteral("Egresos.xlsx"));
    EXPECT_EQ(lines(QStringLiteral("sel.csv")).size(), 3);

    // No extension typed: the filter chosen in the dialog decides it.
    answerSaveWith(QStringLiteral("todo"), dialogFilterOf(ExportFormat::Text));
    grid.exportAllAction()->trigger();
    const QStringList all = lines(QStringLiteral("todo.txt"));
    ASSERT_EQ(all.size(), 5);
    EXPECT_EQ(all[4], QStringLiteral("CE-4\tOtro, \"S.A.\"\t4,000.50"));

    // "All" means what passes the filters.
    grid.setFiltersEnabled(true);
    grid.filterEditor(1)->setText(QStringLiteral("peña"));
    answerSaveWith(QStringLiteral("filtrado.txt"));
    ASSERT_TRUE(grid.exportRows(false));
    EXPECT_EQ(lines(QStringLiteral("filtrado.txt")).size(), 3);

    answerSaveWith(QString());  // cancelled
    EXPECT_FALSE(grid.exportRows(false));

    grid.clearSelection();
    EXPECT_FALSE(grid.exportRows(true));
    EXPECT_EQ(dialogs.texts(QStringLiteral("warning")), QStringList{QStringLiteral("No hay filas seleccionadas para exportar.")});
}

TEST_F(GridTest, PreviewGoesThroughTheDialogService) {
    dialogs.expectModal(QStringLiteral("QPrintPreviewDialog"), 0);
    grid.previewAction()->trigger();
    EXPECT_EQ(dialogs.texts(QStringLiteral("modal")), QStringList{QStringLiteral("QPrintPreviewDialog")});
}

// Titles wider than a column were drawn centred and clipped at both ends, the
// more so under the sort arrow; "Band|Title" showed its bar.
TEST_F(GridTest, TitlesFitTheirColumnsAndABandStandsAboveItsTitle) {
    model.setHorizontalHeaderLabels({QStringLiteral("Tipo de documento del acreedor"),
                                     QStringLiteral("Documento electrónico|Token Empresa"),
                                     QStringLiteral("Saldo")});
    grid.setSortingEnabled(true);
    const QHeaderView* h = grid.horizontalHeader();
    for (int c = 0; c < model.columnCount(); ++c)
        EXPECT_GE(h->sectionSize(c), h->sectionSizeHint(c)) << c;
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("Documento electrónico\nToken Empresa"));

    // Copies and files keep one line per title.
    selectRows({0});
    EXPECT_TRUE(grid.selectionAsText().startsWith(
        QStringLiteral("Tipo de documento del acreedor\tDocumento electrónico Token Empresa\t")));
    EXPECT_EQ(grid.snapshot(false).titles[1], QStringLiteral("Documento electrónico Token Empresa"));
}
