#include "views/widgets/CPrintPreviewWnd.h"

#include "core/CaptureState.h"
#include "core/StringTable.h"
#include "dialogs/TableText.h"
#include "views/widgets/PreviewPageView.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QLabel>
#include <QPaintDevice>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The page field counts in int; 2^31 pages would take more rows than memory holds.
uint32_t lastPageOf(const PrintJob& job) { return std::clamp<uint32_t>(job.layout.pageCount, 1, INT_MAX); }

}  // namespace

CPrintPreviewWnd::CPrintPreviewWnd(const CaptureState& capture, Protocol protocol, const QFont& listLogFont,
                                   const QPaintDevice& printer, std::function<void()> print, QWidget* parent)
    : QDialog(parent),
      fonts_(printerFonts(listLogFont, printer)),
      job_(protocol, capture.store, capture.rows, measurePrintLayout(fonts_, printer, capture.rows.count())),
      lastPage_(lastPageOf(job_)),
      print_(std::move(print)),
      view_(new PreviewPageView(job_, fonts_, printer)) {
    setWindowTitle(tableText(strings::kPreviewTitle));
    auto* bar = new QHBoxLayout;
    QPushButton* printButton = addButton(strings::kPreviewPrint, "print");
    bar->addWidget(printButton);
    bar->addSpacing(12);
    first_ = addButton(strings::kPreviewFirst, "first");
    previous_ = addButton(strings::kPreviewPrevious, "previous");
    next_ = addButton(strings::kPreviewNext, "next");
    last_ = addButton(strings::kPreviewLast, "last");
    for (QPushButton* button : {first_, previous_, next_, last_})
        bar->addWidget(button);

    auto* pageLabel = new QLabel(tableText(strings::kPreviewPage));
    pageField_ = new QSpinBox;
    pageField_->setObjectName(QStringLiteral("page"));
    pageField_->setRange(1, int(lastPage_));
    // A typed number turns the page on Enter, not at each digit.
    pageField_->setKeyboardTracking(false);
    pageLabel->setBuddy(pageField_);
    auto* pageCountLabel = new QLabel(tableText(strings::kPreviewPageCount).arg(job_.layout.pageCount));
    pageCountLabel->setObjectName(QStringLiteral("pageCount"));
    bar->addSpacing(12);
    bar->addWidget(pageLabel);
    bar->addWidget(pageField_);
    bar->addWidget(pageCountLabel);

    fitWidth_ = addButton(strings::kPreviewFitWidth, "fitWidth");
    fitPage_ = addButton(strings::kPreviewFitPage, "fitPage");
    zoomIn_ = addButton(strings::kPreviewZoomIn, "zoomIn");
    zoomOut_ = addButton(strings::kPreviewZoomOut, "zoomOut");
    zoomShown_ = new QLabel;
    zoomShown_->setObjectName(QStringLiteral("zoom"));
    bar->addSpacing(12);
    for (QPushButton* button : {fitWidth_, fitPage_, zoomIn_, zoomOut_})
        bar->addWidget(button);
    bar->addWidget(zoomShown_);
    bar->addStretch();
    QPushButton* close = addButton(strings::kPreviewClose, "close");
    bar->addWidget(close);
    fitWidth_->setCheckable(true);
    fitPage_->setCheckable(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);

    connect(printButton, &QPushButton::clicked, this, &CPrintPreviewWnd::printPages);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(first_, &QPushButton::clicked, this, [this] { showPage(1); });
    connect(previous_, &QPushButton::clicked, this, [this] { showPage(view_->page() - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(view_->page() + 1); });
    connect(last_, &QPushButton::clicked, this, [this] { showPage(lastPage_); });
    connect(pageField_, &QSpinBox::valueChanged, this, [this](int page) { showPage(uint32_t(page)); });
    connect(fitWidth_, &QPushButton::clicked, this, [this] { view_->setZoomMode(PreviewZoom::fitWidth); });
    connect(fitPage_, &QPushButton::clicked, this, [this] { view_->setZoomMode(PreviewZoom::fitPage); });
    connect(zoomIn_, &QPushButton::clicked, this, [this] { zoomBy(/*in=*/true); });
    connect(zoomOut_, &QPushButton::clicked, this, [this] { zoomBy(/*in=*/false); });
    connect(view_, &PreviewPageView::zoomChanged, this, &CPrintPreviewWnd::showZoomState);

    addShortcut(Qt::Key_PageUp, [this] { return view_->page() - 1; });
    addShortcut(Qt::Key_PageDown, [this] { return view_->page() + 1; });
    addShortcut(Qt::Key_Home, [] { return 1u; });
    addShortcut(Qt::Key_End, [this] { return lastPage_; });

    // The preview takes the main window's place while it is open.
    if (parent)
        resize(parent->window()->size());
    showPage(1);
    showZoomState();
    view_->setFocus();
}

QPushButton* CPrintPreviewWnd::addButton(int textNumber, const char* objectName) {
    auto* button = new QPushButton(tableText(textNumber), this);
    button->setObjectName(QString::fromLatin1(objectName));
    // Enter in the page field turns the page; it must not press a button.
    button->setAutoDefault(false);
    return button;
}

void CPrintPreviewWnd::addShortcut(int key, const std::function<uint32_t()>& page) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    connect(shortcut, &QShortcut::activated, this, [this, page] { showPage(page()); });
}

void CPrintPreviewWnd::showPage(uint32_t page) {
    // Page 0 stands for "before the first", from PgUp on page 1.
    page = std::clamp<uint32_t>(page, 1, lastPage_);
    view_->setPage(page);
    {
        const QSignalBlocker quiet(pageField_);
        pageField_->setValue(int(page));
    }
    first_->setEnabled(page > 1);
    previous_->setEnabled(page > 1);
    next_->setEnabled(page < lastPage_);
    last_->setEnabled(page < lastPage_);
}

void CPrintPreviewWnd::zoomBy(bool in) {
    if (const std::optional<double> step = in ? view_->zoomInStep() : view_->zoomOutStep())
        view_->setZoom(*step);
}

void CPrintPreviewWnd::showZoomState() {
    const QString shown = tableText(strings::kPreviewZoomPercent).arg(std::lround(view_->zoom() * 100));
    if (zoomShown_->text() != shown) {
        zoomShown_->setText(shown);
        // Qt tells a screen reader nothing when a label's text changes.
        QAccessibleEvent changed(zoomShown_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    fitWidth_->setChecked(view_->zoomMode() == PreviewZoom::fitWidth);
    fitPage_->setChecked(view_->zoomMode() == PreviewZoom::fitPage);
    zoomIn_->setEnabled(view_->zoomInStep().has_value());
    zoomOut_->setEnabled(view_->zoomOutStep().has_value());
}

void CPrintPreviewWnd::printPages() {
    // Closed first: the pages print on the printer, not over this window.
    accept();
    if (print_)
        print_();
}
