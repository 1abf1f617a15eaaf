// ViewRowCountBench: what one refresh of the data list costs when rows keep
// arriving, at 20,000 rows and at 10,000,000, the repaint included; and the
// memory the view adds per row. Prints rowcount_step_ms_10M,
// rowcount_step_ratio and view_bytes_per_row_10M.
#include "ResidentMemory.h"
#include "core/CDataDoc.h"
#include "core/CaptureState.h"
#include "core/ReceiveTimer.h"
#include "driver/Backend.h"
#include "views/widgets/CViewDataList.h"

#include <QApplication>
#include <QScrollBar>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr uint32_t kLargeCount = 10'000'000;
constexpr uint32_t kStep = 20'000;
constexpr int kRepeats = 15;

// One refresh that takes the shown rows from `from` to `from + kStep`, with
// the viewport painted, in milliseconds; the median of several.
double stepMs(CViewDataList& view, CaptureState& capture, uint32_t from) {
    std::vector<double> times;
    for (int i = 0; i < kRepeats; ++i) {
        while (capture.rows.count() > from)
            capture.rows.removeLast();
        view.refreshRowCount();
        view.list()->viewport()->repaint();
        for (uint32_t row = from; row < from + kStep; ++row)
            capture.rows.append(row);
        const auto start = std::chrono::steady_clock::now();
        view.refreshRowCount();
        view.list()->viewport()->repaint();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (view.shownRowCount() != from + kStep || view.list()->firstVisibleRow() == 0) {
            std::fprintf(stderr, "rowcount_step: the view did not follow the rows to %u\n", from + kStep);
            std::exit(1);
        }
    }
    std::nth_element(times.begin(), times.begin() + kRepeats / 2, times.end());
    return times[kRepeats / 2];
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    vorelin::driver::installBackend(std::move(*vorelin::driver::makeBackend("sim:rate=0")));

    CaptureState capture;
    FrameRecord record;
    record.frame.length = 8;
    for (uint32_t i = 0; i < kLargeCount; ++i) {
        record.frame.identifier = i & 0x7FF;
        capture.store.append(record);
    }
    ReceiveTimer receiveTimer(capture);
    CDataDoc document(capture, receiveTimer);
    CViewDataList view(capture, document, Protocol::deviceNet);
    view.resize(1100, 640);
    view.show();
    QApplication::processEvents();

    const double smallMs = stepMs(view, capture, 0);
    for (uint32_t row = capture.rows.count(); row < kLargeCount - kStep; ++row)
        capture.rows.append(row);
    const double largeMs = stepMs(view, capture, kLargeCount - kStep);

    // Memory per row: the same view showing 20,000 rows, then 10,000,000.
    view.showRowCount(kStep);
    view.list()->viewport()->repaint();
    const double before = residentBytes();
    view.showRowCount(kLargeCount);
    view.list()->viewport()->repaint();
    const double after = residentBytes();
    receiveTimer.stop();

    std::fprintf(stderr, "refresh of 20,000 new rows: %.3f ms at 0 rows, %.3f ms at 9,980,000 rows\n", smallMs, largeMs);
    std::printf("rowcount_step_ms_10M %.3f ms\n", largeMs);
    std::printf("rowcount_step_ratio %.3f ratio\n", largeMs / smallMs);
    std::printf("view_bytes_per_row_10M %.4f bytes\n", std::max(after - before, 0.0) / (kLargeCount - kStep));
    return 0;
}
