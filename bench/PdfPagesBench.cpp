// PdfPagesBench: File > Print to a PDF file, 10,000 pages of CAN rows
// through the data list's page loop, offscreen. Prints pdf_pages_per_s.
#include "core/CDataDoc.h"
#include "core/CaptureState.h"
#include "core/ReceiveTimer.h"
#include "driver/Backend.h"
#include "views/widgets/CViewDataList.h"

#include <QApplication>
#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr uint32_t kPages = 10'000;

class PageCount : public PrintProgress {
public:
    bool pagePrinted(uint32_t printed, uint32_t) override {
        pages = printed;
        return true;
    }
    uint32_t pages = 0;
};

// Page objects in the file: what a reader would count as its pages.
int pdfPageObjects(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    return int(bytes.count("/Type /Page\n"));
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    vorelin::driver::installBackend(std::move(*vorelin::driver::makeBackend("sim:rate=0")));

    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(folder.filePath(QStringLiteral("pages.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A4));
    useFileOutputResolution(printer);

    CaptureState capture;
    ReceiveTimer receiveTimer(capture);
    CDataDoc document(capture, receiveTimer);
    CViewDataList view(capture, document, Protocol::can);
    const uint32_t rowsPerPage =
        measurePrintLayout(printerFonts(view.listLogFont(), printer), printer, 0).rowsPerPage;
    // One row short of 10,000 full pages: the last page is the 10,000th.
    FrameRecord record;
    record.frame.length = 8;
    for (uint32_t i = 0; i + 1 < kPages * rowsPerPage; ++i) {
        record.frame.identifier = i & 0x7FF;
        record.frame.data[0] = uint8_t(i);
        capture.store.append(record);
        capture.rows.append(i);
    }

    PageCount progress;
    const auto start = std::chrono::steady_clock::now();
    const PrintOutcome outcome = view.printPages(printer, &progress);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const int pageObjects = pdfPageObjects(printer.outputFileName());
    if (outcome != PrintOutcome::printed || progress.pages != kPages || pageObjects != int(kPages)) {
        std::fprintf(stderr, "pdf_pages: printed %u pages, the file holds %d, %u expected\n", progress.pages,
                     pageObjects, kPages);
        return 1;
    }
    std::fprintf(stderr, "pdf_pages: %u rows a page, %.1f MB\n", rowsPerPage,
                 double(QFile(printer.outputFileName()).size()) / 1e6);
    std::printf("pdf_pages_per_s %.0f pages/s\n", kPages / seconds);
    return 0;
}
