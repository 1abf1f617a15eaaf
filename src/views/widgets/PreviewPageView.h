// PreviewPageView.h: one printed page on screen at a chosen zoom. The page is
// drawn when it comes into view, through the same page drawing as printing,
// into an image of that one page; no other page is ever drawn or kept, so
// the millionth page costs what the first does.
#pragma once

#include "views/PrintPage.h"
#include "views/widgets/PrinterPages.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QSize>

#include <cstdint>
#include <optional>

class QPaintDevice;

// How the page's size on screen is chosen.
enum class PreviewZoom { fitWidth, fitPage, fixed };

class PreviewPageView : public QAbstractScrollArea {
    Q_OBJECT

public:
    // `job` and `fonts` outlive the view; `printer` is only measured here.
    PreviewPageView(const PrintJob& job, const PrinterFonts& fonts, const QPaintDevice& printer,
                    QWidget* parent = nullptr);

    // `page` counts from 1 and is at most the job's page count.
    void setPage(uint32_t page);
    uint32_t page() const { return page_; }
    uint32_t pageCount() const { return job_.layout.pageCount; }

    void setZoomMode(PreviewZoom mode);
    PreviewZoom zoomMode() const { return mode_; }
    // The shown size against the paper's own size on this screen (1 = 100%).
    double zoom() const;
    // The next step above or below the shown zoom, if the page image may grow
    // or shrink that far; either one switches to a fixed zoom.
    std::optional<double> zoomInStep() const;
    std::optional<double> zoomOutStep() const;
    void setZoom(double zoom);

    // The current page at the current zoom, drawn now if it is not yet.
    const QImage& pageImage();
    // The current page's texts from top to bottom, one a line.
    QString pageText() const;
    // Page images drawn since the view was made: opening and turning pages
    // must draw the pages shown, never all of them.
    uint64_t pagesDrawn() const { return pagesDrawn_; }

signals:
    void zoomChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    double fittedZoom() const;
    double maxZoom() const;
    QSize imageSize() const;
    void zoomChangedOnScreen();
    void updateScrollBars();

    const PrintJob& job_;
    const PrinterFonts& fonts_;
    const PageRect rect_;
    const double pageWidthInches_;
    const double pageHeightInches_;
    uint32_t page_ = 1;
    PreviewZoom mode_ = PreviewZoom::fitWidth;
    double fixedZoom_ = 1.0;
    QImage image_;
    uint32_t imagePage_ = 0;  // 0: no page drawn yet
    uint64_t pagesDrawn_ = 0;
};
