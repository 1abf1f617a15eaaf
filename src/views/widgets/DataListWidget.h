// DataListWidget.h: a virtual list of rows and columns that keeps nothing per
// row. It paints only the rows in view, asking its source for each cell's text,
// so ten rows and a hundred million cost the same. Resizable column captions,
// full-row selection with mouse and keyboard, Copy, grid lines.
#pragma once

#include "views/RowSelection.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class QHeaderView;
class QStandardItemModel;

class DataListSource {
public:
    virtual ~DataListSource() = default;
    // Writes the text of a cell into `out` (64 bytes), returns its length.
    virtual std::size_t cellText(uint32_t row, int column, char* out) const = 0;
};

class DataListWidget : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit DataListWidget(const DataListSource& source, QWidget* parent = nullptr);

    void setColumns(const QStringList& captions);
    void setColumnWidths(const std::vector<int>& widths);
    int columnCount() const;
    QString columnCaption(int column) const;
    QHeaderView* header() const { return header_; }

    // Changes the number of rows. Rows already painted are not painted again
    // unless they move; the selection loses rows that no longer exist.
    void setRowCount(uint32_t count);
    uint32_t rowCount() const { return rowCount_; }
    // Scrolls as little as needed to show `row` entirely.
    void scrollToRow(uint32_t row);
    uint32_t firstVisibleRow() const;
    // Rows that fit in the viewport, the last one possibly cut.
    uint32_t visibleRowCount() const;
    int rowHeight() const;

    void setGridLines(bool on);
    bool hasGridLines() const { return gridLines_; }
    void setTextColor(const QColor& colour);
    QColor textColor() const { return textColour_; }

    const RowSelection& selection() const { return selection_; }
    // Adds or removes one row, as Ctrl+click does; `row` becomes the anchor.
    void setRowSelected(uint32_t row, bool selected);
    // The selected rows' cells, TAB between cells, a line break after each row.
    QString selectedText() const;
    void copySelection() const;
    void selectAll();

    // The row the keyboard moves from; none until a row is clicked or a key
    // moves to one.
    std::optional<uint32_t> currentRow() const { return currentRow_; }
    // The row shown at `viewportY`, if any.
    std::optional<uint32_t> rowAt(int viewportY) const;

    // The text of one cell, as painted.
    QString cellText(uint32_t row, int column) const;

signals:
    void selectionChanged();
    void currentRowChanged();
    void visibleRowsChanged();
    void rowCountChanged(uint32_t previous, uint32_t count);
    void columnsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void updateScrollBars();
    void updateHeaderGeometry();
    void setCurrentRow(std::optional<uint32_t> row);
    void moveCurrentTo(uint32_t row, Qt::KeyboardModifiers modifiers);
    // The vertical scroll bar counts steps of this many rows, so that more
    // rows than an int can count still scroll.
    uint64_t rowsPerScrollStep() const;

    const DataListSource& source_;
    QHeaderView* header_;
    QStandardItemModel* captions_;
    uint32_t rowCount_ = 0;
    bool gridLines_ = false;
    QColor textColour_;
    RowSelection selection_;
    std::optional<uint32_t> currentRow_;
};
