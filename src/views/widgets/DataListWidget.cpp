#include "views/widgets/DataListWidget.h"

#include "core/StringTable.h"
#include "dialogs/TableText.h"
#include "views/DataListCells.h"
#include "views/widgets/DataListAccessible.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>

#include <algorithm>
#include <climits>

namespace {

constexpr int kCellPadding = 3;

}  // namespace

DataListWidget::DataListWidget(const DataListSource& source, QWidget* parent)
    : QAbstractScrollArea(parent),
      source_(source),
      header_(new QHeaderView(Qt::Horizontal, this)),
      captions_(new QStandardItemModel(this)),
      textColour_(palette().color(QPalette::Text)) {
    static const bool accessibilityInstalled = (DataListAccessible::install(), true);
    (void)accessibilityInstalled;
    header_->setModel(captions_);
    header_->setSectionsClickable(false);  // captions do not sort
    header_->setSortIndicatorShown(false);
    header_->setSectionResizeMode(QHeaderView::Interactive);
    header_->setStretchLastSection(false);
    header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(header_, &QHeaderView::sectionResized, this, [this] {
        updateScrollBars();
        viewport()->update();
    });
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
    updateHeaderGeometry();
}

void DataListWidget::setColumns(const QStringList& captions) {
    captions_->clear();
    captions_->setColumnCount(int(captions.size()));
    captions_->setHorizontalHeaderLabels(captions);
    updateScrollBars();
    viewport()->update();
    emit columnsChanged();
}

void DataListWidget::setColumnWidths(const std::vector<int>& widths) {
    for (int column = 0; column < int(widths.size()) && column < columnCount(); ++column)
        header_->resizeSection(column, std::max(widths[std::size_t(column)], 0));
}

int DataListWidget::columnCount() const { return captions_->columnCount(); }

QString DataListWidget::columnCaption(int column) const {
    return captions_->headerData(column, Qt::Horizontal).toString();
}

void DataListWidget::setRowCount(uint32_t count) {
    if (count == rowCount_)
        return;
    const uint32_t previous = rowCount_;
    rowCount_ = count;
    const bool selectionShrinks = count < previous && !selection_.isEmpty() && selection_.ranges().back().last >= count;
    selection_.truncate(count);
    const bool currentLost = currentRow_ && *currentRow_ >= count;
    if (currentLost)
        currentRow_.reset();
    updateScrollBars();
    // Rows beyond the old count become visible only if they fall in the
    // viewport; the rows already shown keep their pixels.
    const uint32_t first = firstVisibleRow();
    const uint32_t end = first + visibleRowCount();
    const uint32_t changedFrom = std::min(previous, count);
    if (changedFrom < end) {
        const int y = int(std::max<int64_t>(int64_t(changedFrom) - first, 0)) * rowHeight();
        viewport()->update(0, y, viewport()->width(), viewport()->height() - y);
    }
    emit visibleRowsChanged();
    emit rowCountChanged(previous, count);
    if (selectionShrinks)
        emit selectionChanged();
    if (currentLost)
        emit currentRowChanged();
}

void DataListWidget::scrollToRow(uint32_t row) {
    if (row >= rowCount_)
        return;
    const uint32_t first = firstVisibleRow();
    const uint32_t fullyVisible = std::max<uint32_t>(uint32_t(viewport()->height() / rowHeight()), 1);
    uint64_t newFirst = first;
    if (row < first)
        newFirst = row;
    else if (row >= uint64_t(first) + fullyVisible)
        newFirst = uint64_t(row) - fullyVisible + 1;
    if (newFirst == first)
        return;
    const uint64_t step = rowsPerScrollStep();
    // Round up so that a scaled scroll bar still brings `row` into view.
    verticalScrollBar()->setValue(int((newFirst + step - 1) / step));
}

uint32_t DataListWidget::firstVisibleRow() const {
    const uint64_t first = uint64_t(verticalScrollBar()->value()) * rowsPerScrollStep();
    return uint32_t(std::min<uint64_t>(first, rowCount_ ? rowCount_ - 1 : 0));
}

uint32_t DataListWidget::visibleRowCount() const {
    const uint32_t capacity = uint32_t((viewport()->height() + rowHeight() - 1) / rowHeight());
    const uint32_t first = firstVisibleRow();
    return rowCount_ > first ? std::min(capacity, rowCount_ - first) : 0;
}

int DataListWidget::rowHeight() const { return fontMetrics().height() + 4; }

uint64_t DataListWidget::rowsPerScrollStep() const {
    const uint32_t fullyVisible = std::max<uint32_t>(uint32_t(viewport()->height() / rowHeight()), 1);
    const uint64_t maxFirst = rowCount_ > fullyVisible ? rowCount_ - fullyVisible : 0;
    return maxFirst / INT_MAX + 1;
}

void DataListWidget::updateScrollBars() {
    const uint32_t fullyVisible = std::max<uint32_t>(uint32_t(viewport()->height() / rowHeight()), 1);
    const uint64_t maxFirst = rowCount_ > fullyVisible ? rowCount_ - fullyVisible : 0;
    const uint64_t step = rowsPerScrollStep();
    verticalScrollBar()->setRange(0, int((maxFirst + step - 1) / step));
    verticalScrollBar()->setPageStep(int(std::max<uint64_t>(fullyVisible / step, 1)));
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setRange(0, std::max(header_->length() - viewport()->width(), 0));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void DataListWidget::updateHeaderGeometry() {
    const int headerHeight = header_->sizeHint().height();
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect area = viewport()->geometry();
    header_->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);
}

void DataListWidget::setGridLines(bool on) {
    gridLines_ = on;
    viewport()->update();
}

void DataListWidget::setTextColor(const QColor& colour) {
    textColour_ = colour;
    viewport()->update();
}

QString DataListWidget::cellText(uint32_t row, int column) const {
    char text[kCellBufferSize];
    const std::size_t length = source_.cellText(row, column, text);
    return QString::fromUtf8(text, qsizetype(length));
}

QString DataListWidget::selectedText() const {
    QString text;
    for (const RowSelection::Range& range : selection_.ranges()) {
        for (uint64_t row = range.first; row <= range.last; ++row) {
            for (int column = 0; column < columnCount(); ++column) {
                if (column)
                    text += QLatin1Char('\t');
                text += cellText(uint32_t(row), column);
            }
            text += QLatin1Char('\n');
        }
    }
    return text;
}

void DataListWidget::copySelection() const {
    if (!selection_.isEmpty())
        QApplication::clipboard()->setText(selectedText());
}

void DataListWidget::setRowSelected(uint32_t row, bool selected) {
    if (row >= rowCount_ || selection_.contains(row) == selected)
        return;
    selection_.toggle(row);
    viewport()->update();
    emit selectionChanged();
}

void DataListWidget::selectAll() {
    if (rowCount_ == 0)
        return;
    selection_.selectOnly(0);
    selection_.extendTo(rowCount_ - 1);
    viewport()->update();
    emit selectionChanged();
}

void DataListWidget::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int height = rowHeight();
    const uint32_t first = firstVisibleRow();
    const uint32_t count = visibleRowCount();
    const int columns = columnCount();
    const QPalette& colours = palette();
    const QColor gridColour = colours.color(QPalette::Mid);
    char text[kCellBufferSize];

    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t row = first + i;
        const int y = int(i) * height;
        const bool selected = selection_.contains(row);
        if (selected)
            painter.fillRect(0, y, viewport()->width(), height, colours.brush(QPalette::Highlight));
        painter.setPen(selected ? colours.color(QPalette::HighlightedText) : textColour_);
        for (int column = 0; column < columns; ++column) {
            const int x = header_->sectionViewportPosition(column);
            const int width = header_->sectionSize(column);
            if (x + width < 0 || x > viewport()->width())
                continue;
            const std::size_t length = source_.cellText(row, column, text);
            painter.drawText(QRect(x + kCellPadding, y, width - 2 * kCellPadding, height),
                             Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(text, qsizetype(length)));
        }
    }
    if (gridLines_) {
        painter.setPen(gridColour);
        for (uint32_t i = 1; i <= count; ++i)
            painter.drawLine(0, int(i) * height - 1, viewport()->width(), int(i) * height - 1);
        const int bottom = int(count) * height;
        for (int column = 0; column < columns; ++column) {
            const int x = header_->sectionViewportPosition(column) + header_->sectionSize(column) - 1;
            painter.drawLine(x, 0, x, bottom);
        }
    }
}

void DataListWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateHeaderGeometry();
    updateScrollBars();
    emit visibleRowsChanged();
}

void DataListWidget::scrollContentsBy(int dx, int dy) {
    if (dx)
        header_->setOffset(horizontalScrollBar()->value());
    viewport()->update();
    if (dy)
        emit visibleRowsChanged();
}

bool DataListWidget::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize)
        updateScrollBars();
    return QAbstractScrollArea::viewportEvent(event);
}

void DataListWidget::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        header_->setFont(font());
        updateHeaderGeometry();
        updateScrollBars();
        viewport()->update();
        emit visibleRowsChanged();
    }
}

std::optional<uint32_t> DataListWidget::rowAt(int viewportY) const {
    if (viewportY < 0)
        return std::nullopt;
    const uint64_t row = uint64_t(firstVisibleRow()) + uint64_t(viewportY / rowHeight());
    if (row >= rowCount_)
        return std::nullopt;
    return uint32_t(row);
}

void DataListWidget::mousePressEvent(QMouseEvent* event) {
    const std::optional<uint32_t> row = rowAt(int(event->position().y()));
    if (!row) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::RightButton && selection_.contains(*row))
        return;  // keep the selection for the context menu
    if (event->modifiers() & Qt::ControlModifier) {
        selection_.toggle(*row);
        viewport()->update();
        emit selectionChanged();
        setCurrentRow(*row);
        return;
    }
    moveCurrentTo(*row, event->modifiers());
}

void DataListWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int y = std::clamp(int(event->position().y()), 0, std::max(viewport()->height() - 1, 0));
    if (const std::optional<uint32_t> row = rowAt(y))
        moveCurrentTo(*row, Qt::ShiftModifier);
}

void DataListWidget::moveCurrentTo(uint32_t row, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ShiftModifier)
        selection_.extendTo(row);
    else
        selection_.selectOnly(row);
    scrollToRow(row);
    viewport()->update();
    emit selectionChanged();
    setCurrentRow(row);
}

void DataListWidget::setCurrentRow(std::optional<uint32_t> row) {
    if (row == currentRow_)
        return;
    currentRow_ = row;
    emit currentRowChanged();
}

void DataListWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ControlModifier) {
        copySelection();
        return;
    }
    if (rowCount_ == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int64_t last = int64_t(rowCount_) - 1;
    const int64_t current = currentRow_ ? int64_t(*currentRow_) : -1;
    const int64_t page = std::max<int64_t>(viewport()->height() / rowHeight() - 1, 1);
    int64_t target;
    switch (event->key()) {
    case Qt::Key_Up: target = current - 1; break;
    case Qt::Key_Down: target = current + 1; break;
    case Qt::Key_PageUp: target = current - page; break;
    case Qt::Key_PageDown: target = current + page; break;
    case Qt::Key_Home: target = 0; break;
    case Qt::Key_End: target = last; break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    moveCurrentTo(uint32_t(std::clamp<int64_t>(target, 0, last)), event->modifiers());
}

void DataListWidget::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(tableText(strings::kCopyRows), this, &DataListWidget::copySelection);
    copy->setEnabled(!selection_.isEmpty());
    QAction* all = menu.addAction(tableText(strings::kSelectAllRows), this, &DataListWidget::selectAll);
    all->setEnabled(rowCount_ > 0);
    menu.exec(event->globalPos());
}
