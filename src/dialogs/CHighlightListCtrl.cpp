#include "dialogs/CHighlightListCtrl.h"

#include "core/ListColumn.h"
#include "dialogs/TableText.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>

#include <algorithm>
#include <QStyledItemDelegate>

namespace {

// Looks the colour up as each cell is painted, so that rows inserted later
// take the colour of their position.
class RowColourDelegate : public QStyledItemDelegate {
public:
    explicit RowColourDelegate(CHighlightListCtrl* list) : QStyledItemDelegate(list), list_(list) {}

    // The check boxes are checkable to a screen reader, but only the list's
    // owner changes them, after rowClicked.
    bool editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&, const QModelIndex&) override {
        return false;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (const std::optional<QColor> colour = list_->rowColour(index.row()))
            option->backgroundBrush = *colour;
    }

private:
    const CHighlightListCtrl* list_;
};

}  // namespace

CHighlightListCtrl::CHighlightListCtrl(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new RowColourDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
}

void CHighlightListCtrl::setRowColour(int row, const QColor& colour) {
    rowColours_[row] = colour;
    if (row < rowCount()) {
        for (int column = 0; column < columnCount(); ++column)
            update(model()->index(row, column));
    }
    setFocus();
    viewport()->repaint();
}

std::optional<QColor> CHighlightListCtrl::rowColour(int row) const {
    const auto found = rowColours_.find(row);
    if (found == rowColours_.end())
        return std::nullopt;
    return found->second;
}

QRect CHighlightListCtrl::checkBoxRect(int row) const {
    const QModelIndex index = model()->index(row, 0);
    if (!index.isValid())
        return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

void CHighlightListCtrl::setColumns(std::span<const ListColumn> columns) {
    columns_ = columns;
    setColumnCount(int(columns.size()));
    QStringList headers;
    for (const ListColumn& column : columns)
        headers << tableText(column.headerString);
    setHorizontalHeaderLabels(headers);
    for (std::size_t column = 0; column < columns.size(); ++column)
        fitColumnText(column, headers[qsizetype(column)], horizontalHeader()->fontMetrics());
    applyColumnWidths();
}

void CHighlightListCtrl::fitColumnText(std::size_t column, const QString& text, const QFontMetrics& metrics) {
    // An em of room for the cell's margins; the other columns keep their shares.
    const int textWidth = metrics.horizontalAdvance(text) + metrics.horizontalAdvance(QLatin1Char('M'));
    const int listWidth = int(textWidth / columns_[column].widthFraction) + 15 + 2 * frameWidth();
    setMinimumWidth(std::max(minimumWidth(), listWidth));
}

void CHighlightListCtrl::applyColumnWidths() {
    for (std::size_t column = 0; column < columns_.size(); ++column)
        setColumnWidth(int(column), listColumnWidth(columns_[column], viewport()->width()));
}

void CHighlightListCtrl::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    applyColumnWidths();
}

void CHighlightListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    const QModelIndex hit = indexAt(at);
    if (!hit.isValid()) {
        emit rowClicked(-1, false);
        return;
    }
    emit rowClicked(hit.row(), hit.column() == 0 && checkBoxRect(hit.row()).contains(at));
}

void CHighlightListCtrl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && currentIndex().isValid()) {
        emit rowClicked(currentIndex().row(), true);
        return;
    }
    QTableWidget::keyPressEvent(event);
}
