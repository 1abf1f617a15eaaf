// DataListAccessible.h: tells screen readers (and black-box tests) what the
// data list shows: the rows in view as children, each with its cells. Only
// the rows in view are offered, so the list's size never matters here.
#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPair>

class DataListWidget;

class DataListAccessible : public QAccessibleWidget {
public:
    explicit DataListAccessible(DataListWidget* list);
    ~DataListAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    DataListWidget* list() const;
    // The interface of a cell; column -1 stands for the whole row.
    QAccessibleInterface* cell(uint32_t row, int column) const;

    // Installs the factory that gives every DataListWidget this interface.
    static void install();

private:
    // Rows scroll out of view and columns change: drop what was handed out.
    void forgetChildren();

    QMetaObject::Connection rowsChanged_;
    mutable QHash<QPair<uint32_t, int>, QAccessible::Id> handedOut_;
};
