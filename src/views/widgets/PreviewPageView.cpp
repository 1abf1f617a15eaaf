#include "views/widgets/PreviewPageView.h"

#include "views/widgets/PreviewPageAccessible.h"

#include <QAccessible>
#include <QPaintDevice>
#include <QPainter>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>

namespace {

// Grey around the page, as paper on a desk.
constexpr int kPageMargin = 12;
constexpr int kScrollStep = 20;
constexpr std::array kZoomSteps{0.1, 0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0};
// A4 at 300% is about 8 million pixels; a large sheet stops growing
// sooner, so that the one page kept never costs more than this.
constexpr double kMaxImagePixels = 12e6;
// Steps count as reached within this, so a fitted 99.96% zooms in to 125%.
constexpr double kStepTolerance = 1e-3;

// The texts of a page in drawing order, which is top to bottom.
class PageTextLines : public PageCanvas {
public:
    void drawText(PrintFont, int, int, std::string_view text) override {
        lines << QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    void drawLine(int, int, int, int) override {}

    QStringList lines;
};

}  // namespace

PreviewPageView::PreviewPageView(const PrintJob& job, const PrinterFonts& fonts, const QPaintDevice& printer,
                                 QWidget* parent)
    : QAbstractScrollArea(parent),
      job_(job),
      fonts_(fonts),
      rect_(pageRectOf(printer)),
      pageWidthInches_(double(printer.width()) / printer.logicalDpiX()),
      pageHeightInches_(double(printer.height()) / printer.logicalDpiY()) {
    static const bool accessibilityInstalled = (PreviewPageAccessible::install(), true);
    (void)accessibilityInstalled;
    assert(rect_.right > 0 && rect_.bottom > 0 && "a printer without a page cannot be previewed");
    horizontalScrollBar()->setSingleStep(kScrollStep);
    verticalScrollBar()->setSingleStep(kScrollStep);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void PreviewPageView::setPage(uint32_t page) {
    assert(page >= 1 && page <= job_.layout.pageCount);
    if (page == page_)
        return;
    const QString previousText = QAccessible::isActive() ? pageText() : QString();
    page_ = page;
    verticalScrollBar()->setValue(0);
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleTextUpdateEvent changed(this, 0, previousText, pageText());
        QAccessible::updateAccessibility(&changed);
    }
}

void PreviewPageView::setZoomMode(PreviewZoom mode) {
    mode_ = mode;
    zoomChangedOnScreen();
}

void PreviewPageView::setZoom(double zoom) {
    fixedZoom_ = std::clamp(zoom, kZoomSteps.front(), maxZoom());
    mode_ = PreviewZoom::fixed;
    zoomChangedOnScreen();
}

double PreviewPageView::zoom() const { return mode_ == PreviewZoom::fixed ? fixedZoom_ : fittedZoom(); }

std::optional<double> PreviewPageView::zoomInStep() const {
    const double shown = zoom();
    for (const double step : kZoomSteps) {
        if (step > shown + kStepTolerance)
            return step <= maxZoom() ? std::optional(step) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<double> PreviewPageView::zoomOutStep() const {
    const double shown = zoom();
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step) {
        if (*step < shown - kStepTolerance)
            return *step;
    }
    return std::nullopt;
}

double PreviewPageView::fittedZoom() const {
    const QSize room = maximumViewportSize() - QSize(2 * kPageMargin, 2 * kPageMargin);
    const double fullWidth = pageWidthInches_ * logicalDpiX();
    const double fullHeight = pageHeightInches_ * logicalDpiY();
    double fitted = room.width() / fullWidth;
    if (mode_ == PreviewZoom::fitPage)
        fitted = std::min(fitted, room.height() / fullHeight);
    else if (fullHeight * fitted > room.height())
        // Judged at the full width, so that the scroll bar this brings cannot
        // take the page back to a height that needs none.
        fitted = (room.width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this)) / fullWidth;
    return std::clamp(fitted, kZoomSteps.front(), maxZoom());
}

double PreviewPageView::maxZoom() const {
    const double dpr = devicePixelRatioF();
    const double fullPixels =
        pageWidthInches_ * logicalDpiX() * pageHeightInches_ * logicalDpiY() * dpr * dpr;
    return std::max(kZoomSteps.front(), std::min(kZoomSteps.back(), std::sqrt(kMaxImagePixels / fullPixels)));
}

QSize PreviewPageView::imageSize() const {
    const double shown = zoom();
    return {std::max(1, int(std::lround(pageWidthInches_ * logicalDpiX() * shown))),
            std::max(1, int(std::lround(pageHeightInches_ * logicalDpiY() * shown)))};
}

const QImage& PreviewPageView::pageImage() {
    const QSize size = imageSize();
    const double dpr = devicePixelRatioF();
    const QSize pixels(int(std::lround(size.width() * dpr)), int(std::lround(size.height() * dpr)));
    if (imagePage_ == page_ && image_.size() == pixels)
        return image_;
    // The page before goes first: only one page image is ever held.
    image_ = QImage();
    QImage image(pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        // The page is drawn in the printer's device pixels.
        painter.scale(double(size.width()) / rect_.right, double(size.height()) / rect_.bottom);
        PainterPageCanvas canvas(painter, fonts_);
        drawPrintPage(canvas, job_, page_, rect_);
    }
    image_ = std::move(image);
    imagePage_ = page_;
    ++pagesDrawn_;
    return image_;
}

QString PreviewPageView::pageText() const {
    PageTextLines text;
    drawPrintPage(text, job_, page_, rect_);
    return text.lines.join(QLatin1Char('\n'));
}

void PreviewPageView::paintEvent(QPaintEvent*) {
    const QImage& image = pageImage();
    const QSize size = imageSize();
    const QSize room = viewport()->size();
    const int x = std::max(kPageMargin, (room.width() - size.width()) / 2) - horizontalScrollBar()->value();
    const int y = std::max(kPageMargin, (room.height() - size.height()) / 2) - verticalScrollBar()->value();
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(x - 1, y - 1, size.width() + 1, size.height() + 1);
    painter.drawImage(QPoint(x, y), image);
}

void PreviewPageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (mode_ == PreviewZoom::fixed)
        updateScrollBars();
    else
        zoomChangedOnScreen();
}

void PreviewPageView::scrollContentsBy(int, int) { viewport()->update(); }

void PreviewPageView::zoomChangedOnScreen() {
    updateScrollBars();
    viewport()->update();
    emit zoomChanged();
}

void PreviewPageView::updateScrollBars() {
    const QSize size = imageSize() + QSize(2 * kPageMargin, 2 * kPageMargin);
    const QSize room = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, size.width() - room.width()));
    horizontalScrollBar()->setPageStep(room.width());
    verticalScrollBar()->setRange(0, std::max(0, size.height() - room.height()));
    verticalScrollBar()->setPageStep(room.height());
}
