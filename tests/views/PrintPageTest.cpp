#include "views/PrintPage.h"

#include "core/FrameStore.h"
#include "core/VisibleRows.h"

#include "support/Frames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Drawn {
    char kind;  // 'H' heading-font text, 'B' body text, 'L' line
    int x, y;
    std::string text;
    int x2 = 0, y2 = 0;
};

class RecordingCanvas : public PageCanvas {
public:
    void drawText(PrintFont font, int x, int y, std::string_view text) override {
        drawn.push_back({font == PrintFont::heading ? 'H' : 'B', x, y, std::string(text)});
    }
    void drawLine(int x1, int y1, int x2, int y2) override { drawn.push_back({'L', x1, y1, {}, x2, y2}); }
    std::vector<Drawn> drawn;
};

// A page 1000 device pixels high with lines 100 high holds 1000/100 - 5 = 5 rows.
constexpr int kPageHeight = 1000;
constexpr int kLineHeight = 100;
constexpr uint32_t kRowsPerPage = 5;
constexpr PageRect kRect{0, 0, 700, kPageHeight};

struct Capture {
    FrameStore store{64};
    VisibleRows rows;

    // `count` records with identifiers 0x100 + position, every `step`-th shown.
    Capture(uint32_t count, uint32_t step) {
        for (uint32_t i = 0; i < count; ++i) {
            store.append(frameRecord(0x100 + i));
            if (i % step == 0)
                rows.append(i);
        }
    }

    PrintJob job(Protocol protocol = Protocol::can) const {
        return PrintJob(protocol, store, rows, computePrintLayout(kPageHeight, kLineHeight, rows.count()));
    }
};

struct PrintedPage {
    std::vector<Drawn> drawn;
    bool more = false;

    std::vector<std::string> rowTexts() const {
        std::vector<std::string> texts;
        for (std::size_t i = 3; i < drawn.size() && drawn[i].kind == 'B'; ++i)
            texts.push_back(drawn[i].text);
        return texts;
    }
};

PrintedPage print(const PrintJob& job, uint32_t page) {
    RecordingCanvas canvas;
    const bool more = drawPrintPage(canvas, job, page, kRect);
    return {canvas.drawn, more};
}

}  // namespace

TEST(PrintLayout, FontSizesFollowTheListFontAndResolution) {
    const PrintFontSizes sizes = printFontSizes(17, 8, 300, 600);
    EXPECT_EQ(sizes.bodyHeight, 8 * 600 / 72);  // half of 17 is 8, truncated first
    EXPECT_EQ(sizes.bodyWidth, 4 * 300 / 72);
    EXPECT_EQ(sizes.headingHeight, 100);
}

TEST(PrintLayout, RowsPerPageAndPageCount) {
    const PrintLayout layout = computePrintLayout(6600, 77, 160);
    EXPECT_EQ(layout.rowsPerPage, 80u);
    EXPECT_EQ(layout.pageCount, 3u);
    EXPECT_EQ(computePrintLayout(6600, 77, 0).pageCount, 1u);
    EXPECT_EQ(computePrintLayout(6600, 77, 159).pageCount, 2u);
    // The row area is 6600 - 77 - 1300 = 5223 pixels, split in 80 steps after a 680 pixel head.
    EXPECT_EQ(printRowY(layout, {0, 10, 4000, 6600}, 0), 10 + 680 + 5223 / 80);
    EXPECT_EQ(printRowY(layout, {0, 0, 4000, 6600}, 79), 680 + 5223);
}

TEST(PrintLayout, AFontTallerThanThePageStillPrintsOneRowPerPage) {
    for (int lineHeight : {2000, 1300, 0}) {
        const PrintLayout layout = computePrintLayout(6600, lineHeight, 3);
        EXPECT_EQ(layout.rowsPerPage, 1u) << lineHeight;
        EXPECT_EQ(layout.pageCount, 4u) << lineHeight;
    }
    EXPECT_EQ(computePrintLayout(6600, 2000, UINT32_MAX).pageCount, UINT32_MAX);
}

TEST(PrintPage, DrawsHeadingRowsAndFooterInOrderAtTheirPlaces) {
    const Capture capture(3, 1);
    const PrintedPage page = print(capture.job(), 1);
    ASSERT_EQ(page.drawn.size(), 2u + 1 + 3 + 2);
    const Drawn& heading = page.drawn[0];
    EXPECT_EQ(heading.kind, 'H');
    EXPECT_EQ(heading.text, "Data captured by Vorelin");
    EXPECT_EQ(heading.x, 210);
    EXPECT_EQ(heading.y, 400);
    const Drawn& rule = page.drawn[1];
    EXPECT_EQ(rule.kind, 'L');
    EXPECT_EQ(std::vector<int>({rule.x, rule.y, rule.x2, rule.y2}), std::vector<int>({150, 600, 550, 600}));
    const Drawn& columns = page.drawn[2];
    EXPECT_EQ(columns.text, "CANIndex   Time(m-s-ms-us) Loading(%) IDN Type Len    Data");
    EXPECT_EQ(columns.y, 620);
    // (1000 - 100 - 1300) * (k + 1) / 5: the rows climb on a page this small.
    EXPECT_EQ(page.drawn[3].y, 680 - 80);
    EXPECT_EQ(page.drawn[5].y, 680 - 240);
    EXPECT_EQ(page.drawn[5].text.substr(0, 9), "0000002 :");
    const Drawn& footer = page.drawn[6];
    EXPECT_EQ(footer.kind, 'H');
    EXPECT_EQ(footer.text, "- Page 1 of 1 -");
    EXPECT_EQ(footer.x, 250);
    EXPECT_EQ(footer.y, 1000 - 480);
    EXPECT_EQ(page.drawn[7].y, 500);
    EXPECT_FALSE(page.more);
}

TEST(PrintPage, TwiceRowsPerPageGiveThreePagesTheLastWithoutRows) {
    const Capture capture(2 * kRowsPerPage, 1);
    const PrintJob job = capture.job();
    ASSERT_EQ(job.layout.pageCount, 3u);
    EXPECT_TRUE(print(job, 1).more);
    const PrintedPage second = print(job, 2);
    EXPECT_TRUE(second.more);
    ASSERT_EQ(second.rowTexts().size(), kRowsPerPage);
    EXPECT_EQ(second.rowTexts().front().substr(0, 7), "0000005");
    const PrintedPage third = print(job, 3);
    EXPECT_FALSE(third.more);
    EXPECT_TRUE(third.rowTexts().empty());
    EXPECT_EQ(third.drawn.size(), 5u);
    EXPECT_EQ(third.drawn[3].text, "- Page 3 of 3 -");
}

TEST(PrintPage, NoRowsGiveOnePageWithItsHeadingsAndFooter) {
    const Capture capture(0, 1);
    const PrintedPage page = print(capture.job(Protocol::canopen), 1);
    EXPECT_FALSE(page.more);
    ASSERT_EQ(page.drawn.size(), 5u);
    EXPECT_EQ(page.drawn[2].text, "CopIndex Time(m-s-ms-us) Loading(%) IDN Type FC NID    Description      Len Data");
    EXPECT_EQ(page.drawn[3].text, "- Page 1 of 1 -");
}

TEST(PrintPage, AFilterThatHidesRowsEndsWithTheLastShownRow) {
    // 14 records, every third shown: rows 0..4 hold identifiers 100, 103, ... 10C.
    const Capture capture(14, 3);
    const PrintJob job = capture.job(Protocol::deviceNet);
    EXPECT_EQ(job.layout.pageCount, 2u);
    const PrintedPage first = print(job, 1);
    EXPECT_EQ(first.drawn[2].text.substr(0, 7), "DVIndex");
    const std::vector<std::string> rows = first.rowTexts();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows.back().substr(0, 7), "0000004");
    EXPECT_NE(rows.back().find("    10C  "), std::string::npos) << rows.back();
    const PrintedPage last = print(job, 2);
    EXPECT_FALSE(last.more);
    EXPECT_TRUE(last.rowTexts().empty());
}
