#include "views/widgets/CViewDataList.h"

#include "core/CDataDoc.h"
#include "core/CaptureState.h"
#include "core/StringTable.h"
#include "core/ReceiveTimer.h"
#include "support/Frames.h"
#include "support/ScopedTranslations.h"
#include "support/QStringPrinting.h"
#include "support/ScriptedBackend.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class CViewDataListTest : public ::testing::Test {
protected:
    void SetUp() override {
        vorelin::driver::installBackend(std::make_shared<ScriptedBackend>());
        document = std::make_unique<CDataDoc>(capture, receiveTimer);
        view = std::make_unique<CViewDataList>(capture, *document, Protocol::can);
        view->resize(1018, 300);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    // Stores `count` frames whose identifiers count up from `firstId`, and
    // makes each a shown row, as the classification pass would.
    void addRows(uint32_t count, uint32_t firstId = 0x100) {
        for (uint32_t i = 0; i < count; ++i) {
            capture.store.append(frameRecord(firstId + i, {uint8_t(i)}));
            capture.rows.append(capture.store.count() - 1);
        }
    }

    bool lastRowFullyVisible() const {
        DataListWidget* list = view->list();
        const uint32_t fullyVisible = uint32_t(list->viewport()->height() / list->rowHeight());
        return list->rowCount() > 0 && list->firstVisibleRow() + fullyVisible >= list->rowCount();
    }

    CaptureState capture;
    ReceiveTimer receiveTimer{capture};
    std::unique_ptr<CDataDoc> document;
    std::unique_ptr<CViewDataList> view;
};

}  // namespace

TEST_F(CViewDataListTest, RowCountFollowsTheShownRowsAndJumpsToTheNewest) {
    view->refreshRowCount();
    EXPECT_EQ(view->list()->rowCount(), 0u);

    addRows(200);
    view->refreshRowCount();
    EXPECT_EQ(view->shownRowCount(), 200u);
    EXPECT_EQ(view->list()->rowCount(), 200u);
    EXPECT_TRUE(lastRowFullyVisible());

    view->list()->verticalScrollBar()->setValue(0);  // the user looks at old rows
    view->refreshRowCount();
    EXPECT_EQ(view->list()->firstVisibleRow(), 0u) << "no new rows: the list stays where the user put it";

    addRows(5);
    view->refreshRowCount();
    EXPECT_EQ(view->list()->rowCount(), 205u);
    EXPECT_TRUE(lastRowFullyVisible()) << "new rows bring the newest into view";
}

TEST_F(CViewDataListTest, ClearAllEmptiesTheListAndCellsSayNothing) {
    addRows(10);
    view->refreshRowCount();
    document->clearing = true;
    view->refreshRowCount();
    EXPECT_EQ(view->list()->rowCount(), 0u);
    EXPECT_EQ(view->shownRowCount(), 0u);
    document->clearing = false;

    capture.clearing = true;
    EXPECT_EQ(view->list()->cellText(0, 3), "");
    capture.clearing = false;
    EXPECT_EQ(view->list()->cellText(0, 3), "100");
    EXPECT_EQ(view->list()->cellText(10, 3), "") << "a row beyond the shown rows has no text";
}

TEST_F(CViewDataListTest, CellsShowTheRowsRecordsInTheProtocolsColumns) {
    capture.store.append(frameRecord(0x7FF));
    capture.store.append(stampedRecord(dataFrame(0x181, {0x01, 0xA0, 0xFF}), 5));
    capture.rows.append(1);  // a filter hid record 0
    view->refreshRowCount();

    DataListWidget* list = view->list();
    ASSERT_EQ(list->columnCount(), 7);
    const char* expected[] = {"0", "01-02-003-004", " 5", "181", "Standard", "3", "01 A0 FF "};
    for (int column = 0; column < 7; ++column)
        EXPECT_EQ(list->cellText(0, column), expected[column]) << "column " << column;
}

TEST_F(CViewDataListTest, ALanguageModulesWordsReachTheCellsWhole) {
    const ScopedTranslations german({{6200, "Ung\xC3\xBCltige Daten"}});
    capture.store.append(stampedRecord(dataFrame(0x1ABCDE, {0x11}, 1), 5));
    capture.rows.append(0);
    view->SetProtocol(Protocol::canopen);
    view->refreshRowCount();
    EXPECT_EQ(view->list()->cellText(0, 7), QStringLiteral("Ung\u00FCltige Daten"));
}

TEST_F(CViewDataListTest, SwitchingProtocolSwapsColumnsAndKeepsRows) {
    addRows(3);
    view->refreshRowCount();
    DataListWidget* list = view->list();
    EXPECT_EQ(list->columnCaption(1), "Time(m-s-ms-us)");

    view->SetProtocol(Protocol::canopen);
    ASSERT_EQ(list->columnCount(), 10);
    EXPECT_EQ(list->columnCaption(3), "COB-ID");
    EXPECT_EQ(list->rowCount(), 3u);
    // Widths come from the list's width W: the first column 5 % of W, the
    // others their share of W - 18.
    const int width = list->width();
    EXPECT_EQ(list->header()->sectionSize(0), int(0.05 * width));
    EXPECT_EQ(list->header()->sectionSize(9), int(0.27 * (width - 18)));
    EXPECT_EQ(list->cellText(0, 7), "Time Stamp") << "COB-ID 100 read as CANopen";

    view->SetProtocol(Protocol::deviceNet);
    EXPECT_EQ(list->columnCount(), 12);
}

TEST_F(CViewDataListTest, KeyboardAndMouseSelectRowsAndCopyTakesTheirCells) {
    addRows(30);
    view->refreshRowCount();
    DataListWidget* list = view->list();
    list->verticalScrollBar()->setValue(0);
    const int rowHeight = list->rowHeight();

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, rowHeight + 2));
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_EQ(list->selection().ranges().size(), 1u);
    EXPECT_EQ(list->selection().ranges()[0].first, 1u);
    EXPECT_EQ(list->selection().ranges()[0].last, 3u);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, QPoint(20, 6 * rowHeight + 2));
    EXPECT_TRUE(list->selection().contains(6));
    EXPECT_FALSE(list->selection().contains(5));

    QTest::keyClick(list, Qt::Key_Insert, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "1\t00-00-000-000\t 0\t101\tStandard\t1\t01 ");
    EXPECT_EQ(lines[3].section('\t', 0, 0), "6");

    QTest::keyClick(list, Qt::Key_End);
    EXPECT_TRUE(list->selection().contains(29));
    EXPECT_EQ(list->selection().ranges().size(), 1u);
    EXPECT_TRUE(lastRowFullyVisible());
}

TEST_F(CViewDataListTest, ScreenReadersReadTheShownRowsAsATable) {
    addRows(50);
    view->refreshRowCount();
    DataListWidget* list = view->list();
    list->verticalScrollBar()->setValue(0);

    // The table interface itself is tested with DataListWidget; here, the
    // captions and texts of the protocol's columns over the capture.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(table, nullptr);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), 50);
    ASSERT_EQ(cells->columnCount(), 7);
    EXPECT_EQ(cells->columnDescription(3), "Identifier");
    EXPECT_EQ(cells->cellAt(2, 3)->text(QAccessible::Name), "102");
    EXPECT_EQ(cells->cellAt(2, 3)->text(QAccessible::Description), "Identifier");
    EXPECT_EQ(cells->cellAt(2, 0)->text(QAccessible::Name), "2");
    EXPECT_EQ(cells->rowDescription(2), "Row 2");

    list->verticalScrollBar()->setValue(10);
    EXPECT_EQ(cells->cellAt(10, 3)->text(QAccessible::Name), "10A");
    EXPECT_FALSE(cells->cellAt(10, 3)->state().invisible) << "row 10 scrolled into view";
    EXPECT_TRUE(cells->cellAt(2, 3)->state().invisible);

    view->SetProtocol(Protocol::canopen);
    EXPECT_EQ(cells->columnCount(), 10);
    EXPECT_EQ(cells->columnDescription(3), "COB-ID");
}

TEST_F(CViewDataListTest, GridLinesAndFontFollowTheirCommands) {
    EXPECT_EQ(view->listLogFont().family(), "Verdana");
    EXPECT_EQ(view->listLogFont().pixelSize(), 16);
    EXPECT_FALSE(view->hasGridLines());
    view->toggleGridLines();
    EXPECT_TRUE(view->hasGridLines());
    view->toggleGridLines();
    EXPECT_FALSE(view->hasGridLines());

    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPixelSize(22);
    chosen.setUnderline(true);
    view->applyFont(chosen, Qt::darkRed);
    EXPECT_EQ(view->list()->font().pixelSize(), 22);
    EXPECT_TRUE(view->list()->font().underline());
    EXPECT_EQ(view->list()->textColor(), QColor(Qt::darkRed));
    EXPECT_EQ(view->listLogFont().pixelSize(), 22);
}
