// AccessibleTableBench: what a screen reader's calls on the data list's table
// cost at 10,000,000 rows against 100: rowCount, childCount, cellAt over every
// cell in view (made anew, then found again), selectedRowCount and
// isRowSelected with every row selected. The two lists take turns, round by
// round, and each call keeps its best round. Prints
// accessible_table_calls_ratio_10M, the largest per-call ratio; every figure
// goes to stderr.
#include "views/DataListCells.h"
#include "views/widgets/DataListWidget.h"

#include <QAccessible>
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr uint32_t kSmallCount = 100;
constexpr uint32_t kLargeCount = 10'000'000;
constexpr int kColumns = 12;  // the widest protocol's
constexpr int kRounds = 15;
constexpr int kCallsPerRound = 200'000;
constexpr int kCellPassesPerRound = 50;

class NumberedCells : public DataListSource {
public:
    std::size_t cellText(uint32_t row, int column, char* out) const override {
        return std::size_t(std::snprintf(out, kCellBufferSize, "r%uc%d", row, column));
    }
};

[[noreturn]] void fail(const char* what, uint32_t rows) {
    std::fprintf(stderr, "accessible_table: %s at %u rows\n", what, rows);
    std::exit(1);
}

// Nanoseconds per call over `calls` calls.
template <typename Call>
double nsPerCall(int calls, Call call) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        call(i);
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() / calls;
}

struct CallCosts {
    double rowCount = 1e300, childCount = 1e300, cellAt = 1e300, selectedRowCount = 1e300, isRowSelected = 1e300;
};

// A list of `rows` rows scrolled to its end, every row selected, and the
// table a screen reader gets for it.
class Subject {
public:
    explicit Subject(uint32_t rows) : rows_(rows), list_(source_) {
        for (int column = 0; column < kColumns; ++column)
            captions_ << QStringLiteral("Column %1").arg(column);
        list_.setColumns(captions_);
        list_.resize(1100, 640);
        list_.show();
        QApplication::processEvents();
        list_.setRowCount(rows);
        list_.scrollToRow(rows - 1);
        list_.selectAll();
        table_ = QAccessible::queryAccessibleInterface(&list_);
        cells_ = table_ ? table_->tableInterface() : nullptr;
        if (!cells_)
            fail("no table interface", rows);
        if (cells_->rowCount() != int(rows) || table_->childCount() != int((rows + 1) * kColumns))
            fail("wrong counts", rows);
        if (cells_->cellAt(int(rows) - 1, kColumns - 1)->text(QAccessible::Name) !=
            QStringLiteral("r%1c%2").arg(rows - 1).arg(kColumns - 1))
            fail("wrong text in the last cell", rows);
        if (cells_->selectedRowCount() != int(rows))
            fail("wrong selected row count", rows);
    }

    // One round of every call, each kept if cheaper than in `best`.
    void timeRound(CallCosts& best) {
        const int first = int(list_.firstVisibleRow());
        const int cellsInView = int(list_.visibleRowCount()) * kColumns;
        best.rowCount = std::min(best.rowCount, nsPerCall(kCallsPerRound, [&](int) { sink_ += cells_->rowCount(); }));
        best.childCount =
            std::min(best.childCount, nsPerCall(kCallsPerRound, [&](int) { sink_ += table_->childCount(); }));
        best.selectedRowCount = std::min(
            best.selectedRowCount, nsPerCall(kCallsPerRound, [&](int) { sink_ += cells_->selectedRowCount(); }));
        best.isRowSelected = std::min(best.isRowSelected, nsPerCall(kCallsPerRound, [&](int i) {
            sink_ += cells_->isRowSelected(first + i % (cellsInView / kColumns));
        }));
        double cellAt = 0;
        for (int pass = 0; pass < kCellPassesPerRound; ++pass) {
            list_.setColumns(captions_);  // releases every cell, so the first call for each makes it
            cellAt += nsPerCall(2 * cellsInView, [&](int i) {
                const int cell = i % cellsInView;
                sink_ += cells_->cellAt(first + cell / kColumns, cell % kColumns) != nullptr;
            });
        }
        best.cellAt = std::min(best.cellAt, cellAt / kCellPassesPerRound);
        if (sink_ == 0)
            fail("no call answered", rows_);
    }

private:
    uint32_t rows_;
    NumberedCells source_;
    DataListWidget list_;
    QStringList captions_;
    QAccessibleInterface* table_ = nullptr;
    QAccessibleTableInterface* cells_ = nullptr;
    long long sink_ = 0;  // checked, so that no call is optimised away
};

void report(uint32_t rows, const CallCosts& costs) {
    std::fprintf(stderr,
                 "%u rows, ns per call: rowCount %.2f, childCount %.2f, cellAt %.1f, selectedRowCount %.1f, "
                 "isRowSelected %.2f\n",
                 rows, costs.rowCount, costs.childCount, costs.cellAt, costs.selectedRowCount, costs.isRowSelected);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    Subject small(kSmallCount);
    Subject large(kLargeCount);
    CallCosts smallCosts, largeCosts;
    for (int round = 0; round < kRounds; ++round) {
        small.timeRound(smallCosts);
        large.timeRound(largeCosts);
    }
    report(kSmallCount, smallCosts);
    report(kLargeCount, largeCosts);
    const double ratio = std::max({largeCosts.rowCount / smallCosts.rowCount,
                                   largeCosts.childCount / smallCosts.childCount,
                                   largeCosts.cellAt / smallCosts.cellAt,
                                   largeCosts.selectedRowCount / smallCosts.selectedRowCount,
                                   largeCosts.isRowSelected / smallCosts.isRowSelected});
    std::printf("accessible_table_calls_ratio_10M %.3f ratio\n", ratio);
    return 0;
}
