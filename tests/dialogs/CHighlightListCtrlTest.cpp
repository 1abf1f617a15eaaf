#include "dialogs/CHighlightListCtrl.h"

#include "core/ListColumn.h"
#include "support/QStringPrinting.h"

#include <QAccessible>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Fills the list afresh with `rows` rows of one short cell each.
void rebuild(CHighlightListCtrl& list, int rows) {
    list.setRowCount(0);
    list.setRowCount(rows);
    for (int row = 0; row < rows; ++row)
        list.setItem(row, 0, new QTableWidgetItem(QString::number(row)));
}

// The colour painted at the far end of row `row`, away from its text.
QColor paintedAt(CHighlightListCtrl& list, int row) {
    const QRect cell = list.visualRect(list.model()->index(row, 0));
    return list.viewport()->grab().toImage().pixelColor(cell.right() - 4, cell.center().y());
}

}  // namespace

TEST(CHighlightListCtrlTest, RowColoursBelongToPositionsAndOutlastARebuild) {
    CHighlightListCtrl list;
    list.setColumnCount(1);
    list.setColumnWidth(0, 200);
    list.resize(260, 200);
    rebuild(list, 2);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const QColor grey(0xEF, 0xEF, 0xEF);
    const QColor pink(0xFF, 0xC0, 0xC0);
    list.setRowColour(1, pink);
    list.setRowColour(1, grey);  // replaces the earlier colour
    list.setRowColour(2, pink);  // a row the list does not hold yet

    rebuild(list, 3);
    EXPECT_EQ(paintedAt(list, 1), grey);
    EXPECT_EQ(paintedAt(list, 2), pink);
    EXPECT_NE(paintedAt(list, 0), grey) << "a row without a colour is painted normally";

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&list);
    ASSERT_NE(accessible, nullptr);
    EXPECT_NE(accessible->tableInterface(), nullptr);
}

TEST(CHighlightListCtrlTest, ColumnsKeepTheirSharesWhenTheListIsResized) {
    static constexpr ListColumn kColumns[] = {{2020, 0.25}, {2007, 0.5}};
    CHighlightListCtrl list;
    list.setColumns(kColumns);
    EXPECT_EQ(list.horizontalHeaderItem(1)->text(), "Data");
    for (const int width : {400, 640}) {
        list.resize(width, 200);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        const int shared = list.viewport()->width() - 15;
        EXPECT_EQ(list.columnWidth(0), int(shared * 0.25)) << "list width " << width;
        EXPECT_EQ(list.columnWidth(1), int(shared * 0.5)) << "list width " << width;
    }
}
