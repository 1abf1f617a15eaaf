#include "views/widgets/PrinterPages.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QString>

#include <algorithm>

namespace {

constexpr double kScreenDpi = 96.0;
constexpr double kPointsPerInch = 72.0;

// Qt ignores a pixel size below 1 and would keep the list's screen size; a
// list font of one pixel still prints, one device pixel high.
QFont withPixelHeight(QFont font, int pixelHeight) {
    font.setPixelSize(std::max(pixelHeight, 1));
    return font;
}

}  // namespace

int listFontPixelHeight(const QFont& listLogFont) {
    if (listLogFont.pixelSize() > 0)
        return listLogFont.pixelSize();
    return int(listLogFont.pointSizeF() * kScreenDpi / kPointsPerInch);
}

PrinterFonts printerFonts(const QFont& listLogFont, const QPaintDevice& device) {
    // A QFont has no absolute character width, only the face's own, so the
    // body font keeps its face's width where a width would be halved and
    // scaled with the height.
    const PrintFontSizes sizes = printFontSizes(listFontPixelHeight(listLogFont), /*listFontWidth=*/0,
                                                device.logicalDpiX(), device.logicalDpiY());
    return {withPixelHeight(listLogFont, sizes.bodyHeight), withPixelHeight(listLogFont, sizes.headingHeight)};
}

PrintLayout measurePrintLayout(const PrinterFonts& fonts, const QPaintDevice& device, uint32_t rowCount) {
    const QFontMetrics metrics(fonts.body, &device);
    return computePrintLayout(device.height(), metrics.height(), rowCount);
}

PageRect pageRectOf(const QPaintDevice& device) { return {0, 0, device.width(), device.height()}; }

PainterPageCanvas::PainterPageCanvas(QPainter& painter, const PrinterFonts& fonts)
    : painter_(painter), fonts_(fonts) {}

void PainterPageCanvas::drawText(PrintFont font, int x, int y, std::string_view text) {
    // Whoever draws around the page (the preview) keeps the font it had.
    const QFont previous = painter_.font();
    painter_.setFont(font == PrintFont::heading ? fonts_.heading : fonts_.body);
    // QPainter puts the baseline at y; the page's texts give their top edge.
    const int ascent = painter_.fontMetrics().ascent();
    painter_.drawText(x, y + ascent, QString::fromUtf8(text.data(), qsizetype(text.size())));
    painter_.setFont(previous);
}

void PainterPageCanvas::drawLine(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }
