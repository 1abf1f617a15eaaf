// PrinterPages.h: printed pages on Qt's paint devices: the printer fonts made
// from the list's font, the layout measured on the device, and a canvas
// that draws a page through a QPainter.
#pragma once

#include "views/PrintPage.h"

#include <QFont>

class QPainter;
class QPaintDevice;

struct PrinterFonts {
    QFont body;
    QFont heading;
};

// The list font's height in screen pixels, whether it was set in pixels or
// in points.
int listFontPixelHeight(const QFont& listLogFont);

// The body and heading fonts for `device`, from the list's font and the
// device's resolution.
PrinterFonts printerFonts(const QFont& listLogFont, const QPaintDevice& device);

// The layout of a run on `device`: its page height and the body font's
// line height there.
PrintLayout measurePrintLayout(const PrinterFonts& fonts, const QPaintDevice& device, uint32_t rowCount);

// The printable rectangle of `device`: (0, 0, width, height).
PageRect pageRectOf(const QPaintDevice& device);

class PainterPageCanvas : public PageCanvas {
public:
    PainterPageCanvas(QPainter& painter, const PrinterFonts& fonts);
    void drawText(PrintFont font, int x, int y, std::string_view text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;

private:
    QPainter& painter_;
    const PrinterFonts& fonts_;
};
