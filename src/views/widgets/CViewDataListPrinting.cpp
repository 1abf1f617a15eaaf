// The data list view's printing steps and File > Print.
#include "views/widgets/CViewDataList.h"

#include "core/CaptureState.h"
#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "views/widgets/PrintProgressWindow.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cassert>
#include <climits>

namespace {

// Settings that name a printer, from Print Setup or the system's default
// printer; printing to a file names none.
bool namesPrinter(const QPrinter& printer) { return !printer.printerName().isEmpty(); }

// The named printer may have gone since it was chosen.
bool canReachPrinter(const QPrinter& printer) {
    return printer.isValid() && !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

}  // namespace

void CViewDataList::printShownRows(QPrinter& printer, MessageSink& messages) {
    if (OnPreparePrinting(printer, messages))
        printChosenPages(printer, messages);
}

void CViewDataList::printChosenPages(QPrinter& printer, MessageSink& messages) {
    PrintProgressWindow progress(this);
    if (printPages(printer, &progress) != PrintOutcome::failed)
        return;
    if (printer.outputFileName().isEmpty()) {
        messages.show(applicationMessage(strings::kNoPrinterContext, MessageIcon::None));
        return;
    }
    Message message = applicationMessage(strings::kOpenFileError, MessageIcon::Stop);
    message.caption = strings::text(strings::kErrorCaption);
    messages.show(message);
}

PrintOutcome CViewDataList::printPages(QPrinter& printer, PrintProgress* progress) {
    return runPrintLoop(printer, *this, progress);
}

bool CViewDataList::OnPreparePrinting(QPrinter& printer, MessageSink& messages) {
    printer.setPrintRange(QPrinter::AllPages);
    int pageCount = 0;
    if (namesPrinter(printer)) {
        if (!canReachPrinter(printer)) {
            messages.show(applicationMessage(strings::kNoPrinterContext, MessageIcon::None));
            return false;
        }
        useFileOutputResolution(printer);
        const PrintLayout layout =
            measurePrintLayout(printerFonts(listLogFont_, printer), printer, capture_.rows.count());
        pageCount = int(std::min<uint32_t>(layout.pageCount, INT_MAX));
        printer.setFromTo(1, pageCount);
    }
    QPrintDialog dialog(&printer, this);
    if (pageCount > 0)
        dialog.setMinMax(1, pageCount);
    return dialog.exec() == QDialog::Accepted;
}

uint32_t CViewDataList::OnBeginPrinting(QPrinter& printer) {
    PrinterFonts fonts = printerFonts(listLogFont_, printer);
    const PrintLayout layout = measurePrintLayout(fonts, printer, capture_.rows.count());
    printRun_.emplace(PrintRunState{std::move(fonts), PrintJob(protocol_, capture_.store, capture_.rows, layout)});
    return layout.pageCount;
}

bool CViewDataList::OnPrint(QPainter& painter, uint32_t page, const PageRect& rect) {
    assert(printRun_ && "OnPrint outside a print run");
    PainterPageCanvas canvas(painter, printRun_->fonts);
    return drawPrintPage(canvas, printRun_->job, page, rect);
}

void CViewDataList::OnEndPrinting() { printRun_.reset(); }
