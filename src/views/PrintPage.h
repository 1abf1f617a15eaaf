// PrintPage.h: one printed page drawn on any surface (a printer, the
// preview, a PDF file, plain text): the heading with its rule, the column
// heading line, the page's rows and the footer with its rule.
#pragma once

#include "protocol/Protocol.h"
#include "views/ExportLines.h"
#include "views/PrintLayout.h"

#include <cstdint>
#include <string>
#include <string_view>

class FrameStore;
class VisibleRows;

enum class PrintFont { body, heading };

class PageCanvas {
public:
    virtual ~PageCanvas() = default;
    // `text`'s top-left corner goes to (x, y).
    virtual void drawText(PrintFont font, int x, int y, std::string_view text) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
};

// What every page of one print run shares.
struct PrintJob {
    PrintJob(Protocol protocol, const FrameStore& store, const VisibleRows& rows, PrintLayout layout);

    ExportLayout rowLayout;
    ExportWords words;
    std::string_view title;          // "Data captured by ..."
    std::string_view columnHeading;  // the protocol's heading line, exactly as stored
    const FrameStore& store;
    const VisibleRows& rows;  // read as each page is drawn
    PrintLayout layout;
};

// "- Page %d of %d -"
std::string pageFooterText(uint32_t page, uint32_t pageCount);

// Draws `page` (counted from 1). Returns false once the page reached the end
// of the shown rows: no page follows it.
bool drawPrintPage(PageCanvas& canvas, const PrintJob& job, uint32_t page, const PageRect& rect);
