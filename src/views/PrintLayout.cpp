#include "views/PrintLayout.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kHeadingPoints = 12;
// Lines a page loses to the heading, the column heading line and the footer.
constexpr int kLinesBesideRows = 5;
// What the heading, column heading line and footer take from the rows' room.
constexpr int kRowAreaReserve = 1300;
constexpr int kFirstRowY = 680;

}  // namespace

PrintFontSizes printFontSizes(int listFontHeight, int listFontWidth, int dpiX, int dpiY) {
    return {
        .bodyHeight = listFontHeight / 2 * dpiY / kPointsPerInch,
        .bodyWidth = listFontWidth / 2 * dpiX / kPointsPerInch,
        .headingHeight = kHeadingPoints * dpiY / kPointsPerInch,
    };
}

PrintLayout computePrintLayout(int pageHeight, int lineHeight, uint32_t rowCount) {
    PrintLayout layout;
    layout.pageHeight = pageHeight;
    layout.lineHeight = lineHeight;
    const int rows = lineHeight > 0 ? pageHeight / lineHeight - kLinesBesideRows : 1;
    layout.rowsPerPage = uint32_t(std::max(rows, 1));
    // In 64 bits: 2^32 - 1 rows one to a page would wrap to 0 pages.
    layout.pageCount = uint32_t(std::min<uint64_t>(uint64_t(rowCount) / layout.rowsPerPage + 1, UINT32_MAX));
    return layout;
}

int printRowY(const PrintLayout& layout, const PageRect& rect, uint32_t k) {
    const int64_t room = int64_t(layout.pageHeight) - layout.lineHeight - kRowAreaReserve;
    return rect.top + kFirstRowY + int(room * (int64_t(k) + 1) / int64_t(layout.rowsPerPage));
}
