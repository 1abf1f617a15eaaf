// A newcomer's first session: New (CAN), Setup, Capture on the simulated
// adapter, and the list shows what the store holds.
#include "MainFrameFixture.h"

#include "views/widgets/CViewDataList.h"
#include "views/widgets/DataListWidget.h"

#include <QAccessible>

#include <cstdio>

namespace {

class CaptureEndToEnd : public MainFrameFixture {
protected:
    std::string adapterSelector() const override { return "sim:rate=3000,mix=can,seed=11"; }
};

std::string hexIdentifier(uint32_t identifier) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", unsigned(identifier));
    return text;
}

std::string hexBytes(const CanFrame& frame) {
    std::string text;
    for (int i = 0; i < frame.length && i < 8; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02X ", frame.data[i]);
        text += byte;
    }
    return text;
}

}  // namespace

TEST_F(CaptureEndToEnd, RowsArriveAndMatchTheStoredFrames) {
    runNew(QStringLiteral("can"));
    runSetup();
    ASSERT_TRUE(state.device.configured);
    action(command::kCapture)->trigger();
    ASSERT_TRUE(state.capture.capturing);
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.capture.store.count() >= 200; }, 20000));
    action(command::kStop)->trigger();

    // Stopped, the store no longer grows; the two 800 ms ticks bring the list
    // up to it.
    const uint32_t stored = state.capture.store.count();
    DataListWidget* list = frame->dataListView()->list();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->rowCount() == stored; }, 10000))
        << list->rowCount() << " rows for " << stored << " frames";
    EXPECT_EQ(state.capture.rows.count(), stored);
    EXPECT_TRUE(messages.shown().empty());

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(table, nullptr);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), int(stored));
    ASSERT_GT(list->visibleRowCount(), 3u) << "the list follows the newest rows";
    for (uint32_t row = list->firstVisibleRow(); row < stored; ++row) {
        const FrameRecord& record = state.capture.store.at(state.capture.rows.at(row));
        const auto cell = [&](int column) {
            return cells->cellAt(int(row), column)->text(QAccessible::Name).toStdString();
        };
        EXPECT_EQ(cell(0), std::to_string(row));
        EXPECT_EQ(cell(3), hexIdentifier(record.frame.identifier)) << "row " << row;
        EXPECT_EQ(cell(4), record.frame.extended == 1 ? "Extend" : "Standard") << "row " << row;
        EXPECT_EQ(cell(5), std::to_string(record.frame.length)) << "row " << row;
        EXPECT_EQ(cell(6), record.frame.remote == 1 ? "Remote Frame" : hexBytes(record.frame)) << "row " << row;
    }
    EXPECT_EQ(list->firstVisibleRow() + list->visibleRowCount(), stored) << "scrolled to the last row";
}
