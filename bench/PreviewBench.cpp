// PreviewBench: File > Print Preview over 10,000,000 shown rows, offscreen:
// how long the window takes to open with page 1 drawn, and the resident
// memory it adds once pages 1 and 100,000 have been drawn. Prints
// preview_first_page_ms_10M and preview_memory_mb_10M.
#include "MixedRecords.h"
#include "ResidentMemory.h"

#include "core/CaptureState.h"
#include "views/widgets/CPrintPreviewWnd.h"
#include "views/widgets/PreviewPageView.h"
#include "views/widgets/PrintRun.h"

#include <QApplication>
#include <QLabel>
#include <QPageSize>
#include <QPrinter>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr uint32_t kRows = 10'000'000;
constexpr uint32_t kFarPage = 100'000;
constexpr double kGiveUpMs = 60'000;

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The page's first row line begins with its row number, as printed.
bool showsRowFirst(PreviewPageView& view, uint64_t row) {
    const QStringList lines = view.pageText().split(QLatin1Char('\n'));
    return lines.size() > 2 && lines[2].startsWith(QStringLiteral("%1 :").arg(row, 7, 10, QLatin1Char('0')));
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);

    // The main window's printer on a machine without printers: A4, 600 dpi.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    useFileOutputResolution(printer);
    QFont listFont(QStringLiteral("Verdana"));
    listFont.setPixelSize(16);

    CaptureState capture;
    MixedRecords records;
    if (!storeShownRecords(records, kRows, capture.store, capture.rows, "preview_first_page_ms_10M"))
        return 1;
    // The main window is up before any preview: its fonts and painting are
    // not the preview's to pay for.
    QLabel mainWindow(QStringLiteral("Vorelin"));
    mainWindow.show();
    mainWindow.repaint();

    const double before = residentBytes();
    const auto start = std::chrono::steady_clock::now();
    CPrintPreviewWnd preview(capture, Protocol::can, listFont, printer, [] {});
    preview.resize(1100, 700);
    preview.show();
    // Page 1 is drawn when the window is first painted.
    while (preview.pageView()->pagesDrawn() == 0 && msSince(start) < kGiveUpMs)
        QApplication::processEvents();
    const double firstPageMs = msSince(start);
    if (preview.pageView()->pagesDrawn() != 1 || !showsRowFirst(*preview.pageView(), 0)) {
        std::fprintf(stderr, "preview_first_page_ms_10M: page 1 was not drawn alone on opening\n");
        return 1;
    }

    const auto farStart = std::chrono::steady_clock::now();
    preview.showPage(kFarPage);
    preview.pageView()->viewport()->repaint();
    const double farPageMs = msSince(farStart);
    const double after = residentBytes();
    const uint32_t rowsPerPage = measurePrintLayout(printerFonts(listFont, printer), printer, 0).rowsPerPage;
    const uint64_t farFirstRow = uint64_t(kFarPage - 1) * rowsPerPage;
    if (preview.pageView()->pagesDrawn() != 2 || !showsRowFirst(*preview.pageView(), farFirstRow)) {
        std::fprintf(stderr, "preview_memory_mb_10M: page %u does not show its own rows\n", kFarPage);
        return 1;
    }

    std::fprintf(stderr, "%u pages of %u rows; page 1 in %.1f ms with the window, page %u in %.1f ms\n",
                 preview.pageCount(), rowsPerPage, firstPageMs, kFarPage, farPageMs);
    std::printf("preview_first_page_ms_10M %.1f ms\n", firstPageMs);
    std::printf("preview_memory_mb_10M %.1f MB\n", (after - before) / 1e6);
    return 0;
}
