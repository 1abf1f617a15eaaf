// DataListCellAccessible.h: the children of the data list's table for screen
// readers: one cell, made when asked for, and the caption above a column.
// Neither stores any text; each asks the list when it is read.
#pragma once

#include <QAccessible>

#include <cstdint>

class DataListAccessible;

// What a cell and a caption share: no children, no object of their own, read only.
class DataListLeafAccessible : public QAccessibleInterface {
public:
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
};

class DataListCellAccessible : public DataListLeafAccessible, public QAccessibleTableCellInterface {
public:
    // `row` must be one the table can name with an int.
    DataListCellAccessible(const DataListAccessible* table, uint32_t row, int column);

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override { return table(); }
    // Name: the cell's text; Description: its column's caption.
    QString text(QAccessible::Text kind) const override;
    // Empty while the row is out of view.
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return int(row_); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    uint32_t row() const { return row_; }

private:
    bool isInView() const;

    const DataListAccessible* table_;
    uint32_t row_;
    int column_;
};

class DataListColumnHeaderAccessible : public DataListLeafAccessible {
public:
    DataListColumnHeaderAccessible(const DataListAccessible* table, int column);

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    // Name: the caption.
    QString text(QAccessible::Text kind) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QAccessible::State state() const override { return {}; }

    int column() const { return column_; }

private:
    const DataListAccessible* table_;
    int column_;
};
