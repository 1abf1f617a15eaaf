// CHighlightListCtrl.h: the item list of the automation and filter dialogs: a
// table with a check box in each row's first cell, one selectable row, grid
// lines, and a background colour chosen per row index. The colours belong to
// the positions, not to the rows' contents, so they outlast a rebuild of the
// rows and go only with the control.
#pragma once

#include <QColor>
#include <QTableWidget>

#include <map>
#include <optional>
#include <span>

struct ListColumn;

class CHighlightListCtrl : public QTableWidget {
    Q_OBJECT

public:
    explicit CHighlightListCtrl(QWidget* parent = nullptr);

    // Paints row `row` on `colour` from now on, whatever the row then holds,
    // and brings the list forward with the focus, repainted at once.
    void setRowColour(int row, const QColor& colour);
    std::optional<QColor> rowColour(int row) const;

    // Where row `row`'s check box is drawn, in viewport coordinates.
    QRect checkBoxRect(int row) const;

    // The columns with their header texts; each keeps its share of the
    // client width whenever the list changes size. The list reads
    // `columns` again later: a table that lives as long as the program.
    void setColumns(std::span<const ListColumn> columns);
    // Widens the list, never narrows it, until column `column` holds `text`
    // whole; setColumns does so for every header.
    void fitColumnText(std::size_t column, const QString& text, const QFontMetrics& metrics);
    void fitColumnText(std::size_t column, const QString& text) { fitColumnText(column, text, fontMetrics()); }

signals:
    // A click on row `row` (-1: outside every row), on its check box or not.
    // The list toggles no check box itself: its owner decides what a row
    // holds. Space on the current row counts as a click on its check box.
    void rowClicked(int row, bool onCheckBox);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyColumnWidths();

    std::map<int, QColor> rowColours_;
    std::span<const ListColumn> columns_;
};
