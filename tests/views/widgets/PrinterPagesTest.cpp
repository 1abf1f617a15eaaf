#include "views/widgets/PrinterPages.h"

#include <QPrinter>

#include <gtest/gtest.h>

namespace {

QFont italicVerdana(int pixels, double points = 0) {
    QFont font(QStringLiteral("Verdana"));
    font.setItalic(true);
    if (points > 0)
        font.setPointSizeF(points);
    else
        font.setPixelSize(pixels);
    return font;
}

}  // namespace

TEST(PrinterFonts, HalveTheListFontForTheBodyAndMakeTheHeadingTwelvePoints) {
    // At 600 dpi: the body is (list height / 2) * 600 / 72, truncated; the
    // heading 12 * 600 / 72 = 100 pixels.
    const struct {
        const char* name;
        QFont listFont;
        int listPixels;
        int bodyPixels;
    } rows[] = {
        {"pixels", italicVerdana(16), 16, 66},
        {"points at 96 dpi", italicVerdana(0, 12.5), 16, 66},
        {"odd height halved down", italicVerdana(17), 17, 66},
        {"one pixel still prints", italicVerdana(1), 1, 1},
    };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    for (const auto& row : rows) {
        EXPECT_EQ(listFontPixelHeight(row.listFont), row.listPixels) << row.name;
        const PrinterFonts fonts = printerFonts(row.listFont, printer);
        EXPECT_EQ(fonts.body.pixelSize(), row.bodyPixels) << row.name;
        EXPECT_EQ(fonts.heading.pixelSize(), 100) << row.name;
        for (const QFont& font : {fonts.body, fonts.heading}) {
            EXPECT_EQ(font.family(), QStringLiteral("Verdana")) << row.name;
            EXPECT_TRUE(font.italic()) << row.name << ": every other property as the list's";
        }
    }
}
