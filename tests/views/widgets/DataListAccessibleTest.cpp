// What a screen reader or a GUI test tool reads from the data list through
// Qt's table interface, at a few rows and at ten million.
#include "support/QStringPrinting.h"
#include "views/DataListCells.h"
#include "views/widgets/DataListWidget.h"

#include <QAccessible>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <memory>
#include <tuple>
#include <utility>

namespace {

// Every cell names its own place, so a row of any list has a known text
// without a stored frame behind it.
class NumberedCells : public DataListSource {
public:
    std::size_t cellText(uint32_t row, int column, char* out) const override {
        return std::size_t(std::snprintf(out, kCellBufferSize, "r%uc%d", row, column));
    }
};

constexpr uint32_t kTenMillion = 10'000'000;

class DataListAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override {
        list = std::make_unique<DataListWidget>(source);
        list->setColumns({QStringLiteral("No."), QStringLiteral("Identifier"), QStringLiteral("Data")});
        list->resize(400, 300);
        list->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
        table = QAccessible::queryAccessibleInterface(list.get());
        ASSERT_NE(table, nullptr);
        cells = table->tableInterface();
        ASSERT_NE(cells, nullptr);
    }

    // `count` rows with the last one in view, as the view keeps them.
    void showRows(uint32_t count) {
        list->setRowCount(count);
        list->scrollToRow(count - 1);
    }

    static bool isAlive(QAccessible::Id id) { return QAccessible::accessibleInterface(id) != nullptr; }

    NumberedCells source;
    std::unique_ptr<DataListWidget> list;
    QAccessibleInterface* table = nullptr;
    QAccessibleTableInterface* cells = nullptr;
};

struct ListSize {
    const char* name;
    uint32_t rows;
    const char* lastCellText;  // row rows - 1, column 2
    int lastCellIndex;         // (rows + 1) * 3 - 1: the headers come first
    int childCount;
    int cellCount;
};

class DataListTableAtSize : public DataListAccessibleTest, public ::testing::WithParamInterface<ListSize> {};

}  // namespace

TEST_P(DataListTableAtSize, CountsCaptionsAndCellsFollowTheShownRows) {
    const ListSize& size = GetParam();
    showRows(size.rows);
    const int last = int(size.rows) - 1;

    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(std::tuple(cells->rowCount(), cells->columnCount(), table->childCount()),
              std::tuple(int(size.rows), 3, size.childCount));
    EXPECT_EQ(cells->columnDescription(1), "Identifier");

    QAccessibleInterface* header = table->child(1);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(header->text(QAccessible::Name), "Identifier");
    EXPECT_EQ(header->parent(), table);
    EXPECT_EQ(table->indexOfChild(header), 1);

    QAccessibleInterface* cell = cells->cellAt(last, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Name), size.lastCellText);
    EXPECT_EQ(cell->text(QAccessible::Description), "Data");
    EXPECT_FALSE(cell->state().invisible) << "the last row is in view";
    EXPECT_EQ(cell->parent(), table);
    EXPECT_EQ(cells->cellAt(last, 2), cell) << "asked again: the same cell";
    EXPECT_EQ(table->indexOfChild(cell), size.lastCellIndex);
    EXPECT_EQ(table->child(size.lastCellIndex), cell);

    QAccessibleTableCellInterface* place = cell->tableCellInterface();
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(std::tuple(place->rowIndex(), place->columnIndex(), place->rowExtent(), place->columnExtent()),
              std::tuple(last, 2, 1, 1));
    EXPECT_EQ(place->table(), table);
    EXPECT_TRUE(place->rowHeaderCells().isEmpty());
    const QList<QAccessibleInterface*> captions = place->columnHeaderCells();
    ASSERT_EQ(captions.size(), 1);
    EXPECT_EQ(captions[0], table->child(2));
    EXPECT_EQ(captions[0]->text(QAccessible::Name), "Data");

    QAccessibleInterface* first = cells->cellAt(0, 0);
    ASSERT_NE(first, nullptr) << "any row can be asked for, in view or not";
    EXPECT_EQ(first->text(QAccessible::Name), "r0c0");
    EXPECT_EQ(table->indexOfChild(first), 3);

    const std::pair<int, int> outside[] = {{int(size.rows), 0}, {0, 3}, {-1, 0}, {0, -1}};
    for (const auto& [row, column] : outside)
        EXPECT_EQ(cells->cellAt(row, column), nullptr) << "no cell at " << row << ", " << column;
    EXPECT_EQ(table->child(size.childCount), nullptr);
    EXPECT_EQ(table->child(-1), nullptr);
}

TEST_P(DataListTableAtSize, SelectionIsReadFromTheSelectedRows) {
    const ListSize& size = GetParam();
    showRows(size.rows);
    const int last = int(size.rows) - 1;
    EXPECT_EQ(cells->selectedRowCount(), 0);
    EXPECT_TRUE(cells->selectedRows().isEmpty());

    list->selectAll();
    EXPECT_EQ(std::tuple(cells->selectedRowCount(), cells->selectedCellCount()),
              std::tuple(int(size.rows), size.cellCount));
    EXPECT_TRUE(cells->isRowSelected(0));
    EXPECT_TRUE(cells->isRowSelected(last));
    EXPECT_FALSE(cells->isRowSelected(last + 1));
    EXPECT_EQ(cells->selectedColumnCount(), 3) << "every row selected: every column is whole";
    EXPECT_TRUE(cells->isColumnSelected(2));
    EXPECT_EQ(cells->selectedColumns(), QList<int>({0, 1, 2}));
    const QList<int> rows = cells->selectedRows();
    ASSERT_EQ(rows.size(), qsizetype(size.rows));
    EXPECT_EQ(rows.front(), 0);
    EXPECT_EQ(rows.back(), last);

    const QList<QAccessibleInterface*> shown = cells->selectedCells();
    EXPECT_EQ(shown.size(), qsizetype(list->visibleRowCount()) * 3) << "the selected cells in view";
    for (QAccessibleInterface* cell : shown) {
        EXPECT_TRUE(cell->tableCellInterface()->isSelected());
        EXPECT_TRUE(cell->state().selected);
    }

    EXPECT_TRUE(cells->unselectRow(last));
    EXPECT_FALSE(cells->isRowSelected(last));
    EXPECT_FALSE(cells->cellAt(last, 1)->state().selected);
    EXPECT_EQ(cells->selectedRowCount(), last);
    EXPECT_EQ(cells->selectedColumnCount(), 0) << "one row less: no column is whole";
    EXPECT_FALSE(cells->isColumnSelected(2));
}

INSTANTIATE_TEST_SUITE_P(DataListAccessible, DataListTableAtSize,
                         ::testing::Values(ListSize{"AFewRows", 5, "r4c2", 17, 18, 15},
                                           ListSize{"TenMillionRows", kTenMillion, "r9999999c2", 30'000'002,
                                                    30'000'003, 30'000'000}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DataListAccessibleTest, ScreenReaderSelectsWholeRowsWithinTheList) {
    showRows(20);
    QSignalSpy changes(list.get(), &DataListWidget::selectionChanged);

    EXPECT_TRUE(cells->selectRow(3));
    EXPECT_TRUE(cells->selectRow(7));
    EXPECT_EQ(cells->selectedRows(), QList<int>({3, 7}));
    EXPECT_TRUE(cells->cellAt(7, 1)->state().selected);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_TRUE(cells->selectRow(7));
    EXPECT_EQ(changes.count(), 2) << "already selected: nothing changes";

    EXPECT_TRUE(cells->unselectRow(3));
    EXPECT_EQ(cells->selectedRows(), QList<int>({7}));
    EXPECT_EQ(cells->selectedCellCount(), 3);

    for (int beyond : {20, -1})
        EXPECT_FALSE(cells->selectRow(beyond) || cells->unselectRow(beyond)) << beyond;
    EXPECT_FALSE(cells->selectColumn(0)) << "the list selects whole rows";
    EXPECT_FALSE(cells->unselectColumn(0));
    EXPECT_EQ(changes.count(), 3);
    EXPECT_EQ(cells->selectedRows(), QList<int>({7}));
}

TEST_F(DataListAccessibleTest, CurrentCellFollowsTheKeyboard) {
    showRows(30);
    list->scrollToRow(0);
    list->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(list.get()));
    list->setFocus();
    ASSERT_TRUE(list->hasFocus());
    EXPECT_EQ(table->focusChild(), nullptr) << "no current row yet";

    for (int press = 0; press < 3; ++press)
        QTest::keyClick(list.get(), Qt::Key_Down);
    QAccessibleInterface* current = table->focusChild();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current, cells->cellAt(2, 0));
    EXPECT_TRUE(current->state().focused);
    EXPECT_FALSE(cells->cellAt(1, 0)->state().focused);
    EXPECT_FALSE(cells->cellAt(2, 1)->state().focused) << "the keyboard's cell is the row's first";

    QTest::keyClick(list.get(), Qt::Key_End);
    current = table->focusChild();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->text(QAccessible::Name), "r29c0");
    EXPECT_TRUE(current->state().focused);
    EXPECT_FALSE(current->state().invisible) << "the list scrolled the current row into view";

    list->setRowCount(10);
    EXPECT_EQ(table->focusChild(), nullptr) << "the current row is gone";
}

TEST_F(DataListAccessibleTest, CellsLiveOnlyWhileTheirRowsAreInView) {
    showRows(kTenMillion);
    const int last = int(kTenMillion) - 1;
    const QAccessible::Id lastRowCell = QAccessible::uniqueId(cells->cellAt(last, 1));
    const QAccessible::Id firstRowCell = QAccessible::uniqueId(cells->cellAt(0, 1));
    const QAccessible::Id caption = QAccessible::uniqueId(table->child(1));
    EXPECT_TRUE(isAlive(firstRowCell)) << "a row out of view lives until the view changes";

    list->scrollToRow(kTenMillion / 2);
    EXPECT_FALSE(isAlive(lastRowCell));
    EXPECT_FALSE(isAlive(firstRowCell));
    EXPECT_TRUE(isAlive(caption)) << "captions stay while the columns do";

    const uint32_t top = list->firstVisibleRow();
    QAccessibleInterface* shown = cells->cellAt(int(top) + 1, 0);
    const QAccessible::Id shownId = QAccessible::uniqueId(shown);
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->value() + 1);
    ASSERT_EQ(list->firstVisibleRow(), top + 1);
    EXPECT_TRUE(isAlive(shownId)) << "still in view";
    EXPECT_EQ(cells->cellAt(int(top) + 1, 0), shown);

    list->setRowCount(top);
    EXPECT_FALSE(isAlive(shownId)) << "its row no longer exists";
    EXPECT_EQ(cells->cellAt(int(top) + 1, 0), nullptr);

    list->scrollToRow(0);
    const QAccessible::Id cellBeforeNewColumns = QAccessible::uniqueId(cells->cellAt(0, 2));
    list->setColumns({QStringLiteral("No."), QStringLiteral("COB-ID")});
    EXPECT_FALSE(isAlive(cellBeforeNewColumns)) << "new columns: new texts in every cell";
    EXPECT_FALSE(isAlive(caption));
    EXPECT_EQ(table->child(1)->text(QAccessible::Name), "COB-ID");
    EXPECT_EQ(cells->cellAt(0, 2), nullptr);
}

TEST_F(DataListAccessibleTest, CellsGoWithTheList) {
    showRows(kTenMillion);
    const QAccessible::Id cell = QAccessible::uniqueId(cells->cellAt(int(kTenMillion) - 1, 0));
    const QAccessible::Id farCell = QAccessible::uniqueId(cells->cellAt(0, 0));
    const QAccessible::Id caption = QAccessible::uniqueId(table->child(0));
    list.reset();
    EXPECT_FALSE(isAlive(cell) || isAlive(farCell) || isAlive(caption));
}

TEST_F(DataListAccessibleTest, PointsFindTheCellOrCaptionUnderThem) {
    showRows(20);
    list->scrollToRow(0);
    QAccessibleInterface* cell = cells->cellAt(3, 1);
    const QPoint inCell = cell->rect().center();
    EXPECT_EQ(table->childAt(inCell.x(), inCell.y()), cell);

    QAccessibleInterface* caption = table->child(2);
    const QPoint inCaption = caption->rect().center();
    EXPECT_EQ(table->childAt(inCaption.x(), inCaption.y()), caption);

    const QPoint outside = list->mapToGlobal(QPoint(-5, -5));
    EXPECT_EQ(table->childAt(outside.x(), outside.y()), nullptr);
}

TEST_F(DataListAccessibleTest, RowsBeyondWhatAnIntCountsAreNotNamed) {
    list->setRowCount(UINT32_MAX);
    EXPECT_EQ(cells->rowCount(), INT_MAX);
    EXPECT_EQ(table->childCount(), INT_MAX);

    QAccessibleInterface* far = cells->cellAt(INT_MAX - 1, 2);
    ASSERT_NE(far, nullptr);
    EXPECT_EQ(far->text(QAccessible::Name), "r2147483646c2");
    EXPECT_EQ(far->tableCellInterface()->rowIndex(), INT_MAX - 1);
    EXPECT_EQ(table->indexOfChild(far), -1) << "its child index would not fit an int";

    list->setRowSelected(3, true);
    list->setRowSelected(uint32_t(INT_MAX) + 10, true);
    EXPECT_EQ(cells->selectedRowCount(), 1) << "a row past INT_MAX cannot be named";
    EXPECT_EQ(cells->selectedRows(), QList<int>({3}));
    EXPECT_EQ(cells->selectedCellCount(), 3);

    list->selectAll();
    EXPECT_EQ(cells->selectedRowCount(), INT_MAX);
    EXPECT_EQ(cells->selectedCellCount(), INT_MAX);
    EXPECT_TRUE(cells->isRowSelected(INT_MAX - 1));
}
