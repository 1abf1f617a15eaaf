// DataListAccessible.h: the data list as a table for screen readers and GUI
// test tools. A cell is made when asked for and lives while its row is in
// view; nothing is kept per row, so no call costs more for more rows.
#pragma once

#include "views/RowSelection.h"

#include <QAccessibleWidget>
#include <QHash>

#include <cstdint>
#include <vector>

class DataListWidget;

class DataListAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    // The list selects whole rows and has no column cursor: the keyboard's
    // cell is the first of the current row.
    static constexpr int kCurrentColumn = 0;

    explicit DataListAccessible(DataListWidget* list);
    ~DataListAccessible() override;

    // Installs the factory that gives every DataListWidget this interface.
    static void install();

    DataListWidget* list() const;
    // Made on request and kept while `row` is in view; `row` must be below
    // rowCount(). A cell out of view lives until the view next changes.
    QAccessibleInterface* cell(uint32_t row, int column) const;
    QAccessibleInterface* columnHeader(int column) const;

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    // Laid out as Qt's own item views lay out theirs, which AT-SPI's table
    // calls rely on: child i below columnCount() is column i's header, then
    // (row + 1) * columnCount() + column. At most INT_MAX children.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    // -1 for a cell whose index would not fit an int.
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    // Only the selected rows in view: a selection of millions of rows would
    // otherwise mean millions of interfaces at once.
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    // A column counts as selected when every row is, as in Qt's item views.
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    int columnCount() const override;
    // The shown rows; INT_MAX and beyond cannot be named through this interface.
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    // One entry per selected row: the interface asks for a list, so this
    // costs what the selection holds. The counts and isRowSelected do not.
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }  // rows only
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    bool hasRow(uint32_t row) const { return row < uint32_t(rowCount()); }
    bool isRowIndex(int row) const { return row >= 0 && hasRow(uint32_t(row)); }
    bool allRowsSelected() const;
    // Children handed out whose rows have left the view go; those in view stay.
    void releaseCellsOutOfView();
    void releaseAll();
    void announceRowCount(uint32_t previous, uint32_t count);
    void announceColumns();
    void announceSelection();
    void announceCurrentCell();

    std::vector<QMetaObject::Connection> connections_;
    // Keyed by row << 32 | column.
    mutable QHash<uint64_t, QAccessible::Id> cells_;
    mutable QHash<int, QAccessible::Id> columnHeaders_;
    // The selection screen readers last heard of, to tell them what changed.
    std::vector<RowSelection::Range> announcedSelection_;
};
