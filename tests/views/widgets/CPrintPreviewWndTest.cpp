#include "views/widgets/CPrintPreviewWnd.h"

#include "core/CaptureState.h"
#include "support/AccessibleNames.h"
#include "support/Frames.h"
#include "support/PushButtons.h"
#include "support/QStringPrinting.h"
#include "views/widgets/PreviewPageView.h"

#include <QAccessible>
#include <QLabel>
#include <QPrinter>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr uint32_t kStoredFrames = 7;

class CPrintPreviewWndTest : public ::testing::Test {
protected:
    CPrintPreviewWndTest() {
        // A PDF printer: the same page on every machine, with or without printers.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setResolution(600);
        listFont.setFamily(QStringLiteral("Verdana"));
        listFont.setPixelSize(16);
    }

    // Rows per page on this printer, as printing lays them out.
    uint32_t rowsPerPage() const { return measurePrintLayout(printerFonts(listFont, printer), printer, 0).rowsPerPage; }

    // `count` shown rows over a few stored frames: each row shows a stored
    // frame, some more than once, which keeps ten million rows cheap.
    void showRows(uint32_t count) {
        for (uint32_t i = 0; i < kStoredFrames; ++i)
            capture.store.append(frameRecord(0x100 + i, {uint8_t(i)}));
        for (uint32_t row = 0; row < count; ++row)
            capture.rows.append(row % kStoredFrames);
    }

    CPrintPreviewWnd& open() {
        preview = std::make_unique<CPrintPreviewWnd>(capture, Protocol::can, listFont, printer, [this] { ++printed; });
        preview->resize(1000, 700);
        preview->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(preview.get()));
        return *preview;
    }

    QString pageCountShown() const { return preview->findChild<QLabel*>(QStringLiteral("pageCount"))->text(); }
    QSpinBox* pageField() const { return preview->findChild<QSpinBox*>(QStringLiteral("page")); }
    QPushButton* button(const char* text) const { return pushButtonWithText(preview.get(), QString::fromUtf8(text)); }
    QAccessibleInterface* pageAccessible() const { return QAccessible::queryAccessibleInterface(preview->pageView()); }

    QPrinter printer{QPrinter::HighResolution};
    QFont listFont;
    CaptureState capture;
    std::unique_ptr<CPrintPreviewWnd> preview;
    int printed = 0;
};

}  // namespace

TEST_F(CPrintPreviewWndTest, ShowsThePageCountOfTheShownRows) {
    const uint32_t perPage = rowsPerPage();
    const struct {
        const char* name;
        uint32_t rows;
        int pages;
    } cases[] = {{"no rows: one page with heading and footer", 0, 1},
                 {"one row short of a full page", perPage - 1, 1},
                 {"two full pages: a third one without rows", 2 * perPage, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        capture.clearEverything();
        showRows(c.rows);
        open();
        EXPECT_EQ(pageCountShown(), QStringLiteral("of %1").arg(c.pages));
        EXPECT_EQ(pageField()->maximum(), c.pages);
        EXPECT_EQ(pageAccessible()->text(QAccessible::Name), QStringLiteral("- Page 1 of %1 -").arg(c.pages));
    }
}

TEST_F(CPrintPreviewWndTest, TenMillionRowsOpenOnOnePageAndTurnToPage100000) {
    showRows(10'000'000);
    CPrintPreviewWnd& window = open();
    PreviewPageView* view = window.pageView();
    const QImage firstPage = view->pageImage();
    EXPECT_EQ(view->pagesDrawn(), 1u) << "opening draws the page shown and no other";

    pageField()->setFocus();
    pageField()->selectAll();
    QTest::keyClicks(pageField(), QStringLiteral("100000"));
    QTest::keyClick(pageField(), Qt::Key_Return);
    ASSERT_EQ(view->page(), 100'000u);
    EXPECT_TRUE(view->pageImage() != firstPage) << "page 100,000 shows other rows than page 1";
    EXPECT_EQ(view->pagesDrawn(), 2u);

    // The page's first row is the one 99,999 full pages on, numbered as printed.
    const uint64_t firstRow = uint64_t(99'999) * rowsPerPage();
    QAccessibleTextInterface* text = pageAccessible()->textInterface();
    ASSERT_NE(text, nullptr);
    const QStringList lines = text->text(0, text->characterCount()).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("Data captured by Vorelin"));
    const QString rowNumber = QStringLiteral("%1 :").arg(firstRow, 7, 10, QLatin1Char('0'));
    EXPECT_TRUE(lines[2].startsWith(rowNumber)) << lines[2].toStdString();
    const uint32_t pages = 10'000'000 / rowsPerPage() + 1;
    EXPECT_EQ(lines.last(), QStringLiteral("- Page 100000 of %1 -").arg(pages));
}

TEST_F(CPrintPreviewWndTest, ButtonsAndKeysTurnThePagesWithinTheJob) {
    showRows(2 * rowsPerPage() + 1);  // three pages
    CPrintPreviewWnd& window = open();
    const struct {
        const char* name;
        uint32_t from;
        const char* button;  // or, without one, `key` on the page
        Qt::Key key;
        uint32_t to;
    } steps[] = {
        {"Next", 1, "&Next", {}, 2},
        {"Last", 1, "&Last", {}, 3},
        {"Previous", 3, "P&revious", {}, 2},
        {"First", 3, "&First", {}, 1},
        {"PgDn", 1, nullptr, Qt::Key_PageDown, 2},
        {"PgUp", 2, nullptr, Qt::Key_PageUp, 1},
        {"End", 1, nullptr, Qt::Key_End, 3},
        {"Home", 3, nullptr, Qt::Key_Home, 1},
        {"PgUp on the first page stays there", 1, nullptr, Qt::Key_PageUp, 1},
        {"PgDn on the last page stays there", 3, nullptr, Qt::Key_PageDown, 3},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        window.showPage(step.from);
        window.pageView()->setFocus();
        if (step.button)
            QTest::mouseClick(button(step.button), Qt::LeftButton);
        else
            QTest::keyClick(window.pageView(), step.key);
        EXPECT_EQ(window.pageView()->page(), step.to);
        EXPECT_EQ(pageField()->value(), int(step.to));
        EXPECT_EQ(button("&First")->isEnabled(), step.to > 1);
        EXPECT_EQ(button("P&revious")->isEnabled(), step.to > 1);
        EXPECT_EQ(button("&Next")->isEnabled(), step.to < 3);
        EXPECT_EQ(button("&Last")->isEnabled(), step.to < 3);
    }

    // In the page field PgDn turns one page, as everywhere in the window.
    window.showPage(1);
    pageField()->setFocus();
    QTest::keyClick(pageField(), Qt::Key_PageDown);
    EXPECT_EQ(window.pageView()->page(), 2u);
}

TEST_F(CPrintPreviewWndTest, ZoomFitsThePageAndStepsWithinItsLimits) {
    showRows(10);
    CPrintPreviewWnd& window = open();
    PreviewPageView* view = window.pageView();
    const QSize room = view->viewport()->size();

    QTest::mouseClick(button("Fit Pa&ge"), Qt::LeftButton);
    QSizeF shown = view->pageImage().deviceIndependentSize();
    EXPECT_LE(shown.width(), room.width());
    EXPECT_LE(shown.height(), room.height());
    EXPECT_TRUE(button("Fit Pa&ge")->isChecked());

    QTest::mouseClick(button("Fit &Width"), Qt::LeftButton);
    const double fittedWidth = view->pageImage().deviceIndependentSize().width();
    EXPECT_GT(fittedWidth, shown.width());
    EXPECT_LE(fittedWidth, view->viewport()->width());
    EXPECT_FALSE(button("Fit Pa&ge")->isChecked());

    // The printer's page width, in inches on this screen, at 300% and at 10%.
    const double paperWidth = double(printer.width()) / printer.logicalDpiX() * view->logicalDpiX();
    auto* zoomShown = window.findChild<QLabel*>(QStringLiteral("zoom"));
    const struct {
        const char* name;
        const char* button;
        double zoom;
        const char* text;
    } limits[] = {{"Zoom In to the largest step", "Zoom &In", 3.0, "300%"},
                  {"Zoom Out to the smallest step", "Zoom &Out", 0.1, "10%"}};
    for (const auto& limit : limits) {
        SCOPED_TRACE(limit.name);
        for (int clicks = 0; button(limit.button)->isEnabled() && clicks < 20; ++clicks)
            QTest::mouseClick(button(limit.button), Qt::LeftButton);
        EXPECT_FALSE(button(limit.button)->isEnabled());
        EXPECT_NEAR(view->pageImage().deviceIndependentSize().width(), paperWidth * limit.zoom, 1.0);
        EXPECT_EQ(zoomShown->text(), QString::fromUtf8(limit.text));
        EXPECT_FALSE(button("Fit &Width")->isChecked());
    }
}

TEST_F(CPrintPreviewWndTest, PrintClosesThePreviewAndPrintsOnceCloseDoesNot) {
    showRows(10);
    open();
    QTest::mouseClick(button("&Close"), Qt::LeftButton);
    EXPECT_FALSE(preview->isVisible());
    EXPECT_EQ(printed, 0);

    open();
    QTest::mouseClick(button("&Print..."), Qt::LeftButton);
    EXPECT_FALSE(preview->isVisible());
    EXPECT_EQ(printed, 1);
}

TEST_F(CPrintPreviewWndTest, ScreenReadersHearEachControlByItsLabel) {
    showRows(10);
    CPrintPreviewWnd& window = open();
    EXPECT_EQ(misnamedControls(&window), QString());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pageField())->text(QAccessible::Name), QStringLiteral("Page"));

    QAccessibleInterface* page = pageAccessible();
    EXPECT_EQ(page->role(), QAccessible::Document);
    EXPECT_TRUE(page->state().readOnly);
    QAccessibleTextInterface* text = page->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->text(0, text->characterCount()).startsWith(QStringLiteral("Data captured by Vorelin\nCANIndex")));
}
