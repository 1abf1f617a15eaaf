// DataListCellAccessible.h: the children of the data list's table for screen
// readers: one cell, made when asked for, and the caption above a column.
// Neither stores any text; each asks the list when it is read.
#pragma once

#include <QAccessible>

#include <cstdint>

class DataListAccessible;

class DataListCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    // `row` must be one the table can name with an int.
    DataListCellAccessible(const DataListAccessible* table, uint32_t row, int column);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    // Name: the cell's text; Description: its column's caption.
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
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

class DataListColumnHeaderAccessible : public QAccessibleInterface {
public:
    DataListColumnHeaderAccessible(const DataListAccessible* table, int column);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    // Name: the caption.
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QAccessible::State state() const override { return {}; }

    int column() const { return column_; }

private:
    const DataListAccessible* table_;
    int column_;
};
