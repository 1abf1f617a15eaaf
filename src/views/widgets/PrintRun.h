// PrintRun.h: the page loop of one print run on a QPrinter, around a view's
// printing steps: the layout once, then each page of the chosen range and
// copies until the rows end or the user cancels. It runs no dialog, so that
// File > Print, the preview's Print button and the tests share it.
#pragma once

#include <cstdint>

struct PageRect;
class QPainter;
class QPrinter;

// A view's printing steps, called in this order by one run.
class PrintableView {
public:
    virtual ~PrintableView() = default;
    // Lays the run out on `printer`; returns its page count.
    virtual uint32_t OnBeginPrinting(QPrinter& printer) = 0;
    // Draws `page` (counted from 1) in `rect`; false when no page follows it.
    virtual bool OnPrint(QPainter& painter, uint32_t page, const PageRect& rect) = 0;
    virtual void OnEndPrinting() = 0;
};

// Hears of each page printed, and may cancel the run.
class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    // `printed` of about `total` pages are done (a run can end early, when
    // the rows end before the page count said). False cancels the run.
    virtual bool pagePrinted(uint32_t printed, uint32_t total) = 0;
};

enum class PrintOutcome { printed, cancelled, failed };

// Prints the pages `printer` was set up for (range, copies, collation) with
// the steps of `view`. A run to a file writes a hidden temporary file beside
// it, which takes the file's place only when every page is done: a cancelled
// or failed run leaves no new file, and an old one as it was.
PrintOutcome runPrintLoop(QPrinter& printer, PrintableView& view, PrintProgress* progress);

// Sets a printer that writes a file to 600 dpi, as the page's places are
// device pixels meant for a printer of about that resolution.
void useFileOutputResolution(QPrinter& printer);
