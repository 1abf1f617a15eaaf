// PrintLayout.h: the arithmetic of a printed page in device pixels: the
// fonts' sizes from the list's font and the printer's resolution, rows per
// page, page count and where each text and rule goes.
#pragma once

#include <cstdint>

// The printable rectangle of a page in device pixels.
struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Font sizes in device pixels. A width of 0 keeps the face's own width.
struct PrintFontSizes {
    int bodyHeight = 0;
    int bodyWidth = 0;
    int headingHeight = 0;
};

// The body font is half the list's font scaled to the printer; the heading
// font is 12 points high.
PrintFontSizes printFontSizes(int listFontHeight, int listFontWidth, int dpiX, int dpiY);

struct PrintLayout {
    int pageHeight = 0;
    int lineHeight = 0;
    uint32_t rowsPerPage = 1;  // R
    uint32_t pageCount = 1;    // N
};

// R = page height / line height - 5, at least 1: a large font would give 0
// or less, and every row position and the page count divide by R.
PrintLayout computePrintLayout(int pageHeight, int lineHeight, uint32_t rowCount);

// The first shown row on `page` (counted from 1).
inline uint64_t firstRowOfPage(const PrintLayout& layout, uint32_t page) {
    return uint64_t(page - 1) * layout.rowsPerPage;
}

// Where the k-th row of a page (counted from 0) has its top edge.
int printRowY(const PrintLayout& layout, const PageRect& rect, uint32_t k);

// Where the heading, the column heading line, the footer and the two rules go.
namespace printplace {
constexpr int kMargin = 150;
constexpr int kHeadingY = 400;
constexpr int kHeadingRuleY = 600;
constexpr int kColumnHeadingY = 620;
constexpr int kFooterFromBottom = 480;
constexpr int kFooterRuleFromBottom = 500;
}  // namespace printplace
