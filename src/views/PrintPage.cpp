#include "views/PrintPage.h"

#include "core/FrameStore.h"
#include "core/StringTable.h"
#include "core/VisibleRows.h"
#include "views/PrintLines.h"

namespace {

void drawHeading(PageCanvas& canvas, const PrintJob& job, const PageRect& rect) {
    using namespace printplace;
    canvas.drawText(PrintFont::heading, int(0.3 * rect.right), rect.top + kHeadingY, job.title);
    canvas.drawLine(rect.left + kMargin, rect.top + kHeadingRuleY, rect.right - kMargin, rect.top + kHeadingRuleY);
}

// Returns false when the shown rows ended on this page.
bool drawRows(PageCanvas& canvas, const PrintJob& job, uint32_t page, const PageRect& rect) {
    using namespace printplace;
    canvas.drawText(PrintFont::body, rect.left + kMargin, rect.top + kColumnHeadingY, job.columnHeading);
    const uint64_t first = firstRowOfPage(job.layout, page);
    char line[kMaxPrintLineChars];
    for (uint32_t k = 0; k < job.layout.rowsPerPage; ++k) {
        const uint64_t row = first + k;
        if (row >= job.rows.count())
            return false;
        const FrameRecord& record = job.store.at(job.rows.at(uint32_t(row)));
        const char* end = writePrintLine(line, job.rowLayout, job.words, uint32_t(row), record);
        canvas.drawText(PrintFont::body, rect.left + kMargin, printRowY(job.layout, rect, k),
                        std::string_view(line, std::size_t(end - line)));
    }
    return true;
}

void drawFooter(PageCanvas& canvas, const PrintJob& job, uint32_t page, const PageRect& rect) {
    using namespace printplace;
    canvas.drawText(PrintFont::heading, int(0.5 * rect.right - 100), rect.bottom - kFooterFromBottom,
                    pageFooterText(page, job.layout.pageCount));
    canvas.drawLine(rect.left + kMargin, rect.bottom - kFooterRuleFromBottom, rect.right - kMargin,
                    rect.bottom - kFooterRuleFromBottom);
}

}  // namespace

PrintJob::PrintJob(Protocol protocol, const FrameStore& store, const VisibleRows& rows, PrintLayout layout)
    : rowLayout(exportLayout(protocol)),
      words(ExportWords::fromStringTable()),
      title(strings::text(strings::kPrintTitle)),
      columnHeading(strings::text(forLayout(rowLayout, strings::kPrintHeadingCan, strings::kPrintHeadingDeviceNet,
                                              strings::kPrintHeadingCanopen))),
      store(store),
      rows(rows),
      layout(layout) {}

std::string pageFooterText(uint32_t page, uint32_t pageCount) {
    return "- Page " + std::to_string(page) + " of " + std::to_string(pageCount) + " -";
}

bool drawPrintPage(PageCanvas& canvas, const PrintJob& job, uint32_t page, const PageRect& rect) {
    drawHeading(canvas, job, rect);
    const bool more = drawRows(canvas, job, page, rect);
    drawFooter(canvas, job, page, rect);
    return more;
}
