#include "views/widgets/DataListCellAccessible.h"

#include "views/widgets/DataListAccessible.h"
#include "views/widgets/DataListWidget.h"

#include <QHeaderView>

DataListCellAccessible::DataListCellAccessible(const DataListAccessible* table, uint32_t row, int column)
    : table_(table), row_(row), column_(column) {}

bool DataListCellAccessible::isValid() const {
    return table_->isValid() && row_ < table_->list()->rowCount() && column_ < table_->list()->columnCount();
}

QWindow* DataListCellAccessible::window() const { return table_->window(); }

QAccessibleInterface* DataListCellAccessible::table() const { return const_cast<DataListAccessible*>(table_); }

QString DataListCellAccessible::text(QAccessible::Text kind) const {
    if (!isValid())
        return {};
    switch (kind) {
    case QAccessible::Name: return table_->list()->cellText(row_, column_);
    case QAccessible::Description: return table_->list()->columnCaption(column_);
    default: return {};
    }
}

bool DataListCellAccessible::isInView() const {
    const DataListWidget* list = table_->list();
    const uint32_t first = list->firstVisibleRow();
    return row_ >= first && row_ - first < list->visibleRowCount();
}

QRect DataListCellAccessible::rect() const {
    if (!isValid() || !isInView())
        return {};
    DataListWidget* list = table_->list();
    const int top = int(row_ - list->firstVisibleRow()) * list->rowHeight();
    const QRect area(list->header()->sectionViewportPosition(column_), top, list->header()->sectionSize(column_),
                     list->rowHeight());
    return QRect(list->viewport()->mapToGlobal(area.topLeft()), area.size());
}

QAccessible::State DataListCellAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const DataListWidget* list = table_->list();
    state.selectable = true;
    state.extSelectable = true;
    state.focusable = true;
    state.readOnly = true;
    state.selected = isSelected();
    state.focused = list->hasFocus() && list->currentRow() == row_ && column_ == DataListAccessible::kCurrentColumn;
    state.invisible = !isInView();
    return state;
}

void* DataListCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
}

bool DataListCellAccessible::isSelected() const { return isValid() && table_->list()->selection().contains(row_); }

QList<QAccessibleInterface*> DataListCellAccessible::columnHeaderCells() const {
    if (!isValid())
        return {};
    return {table_->columnHeader(column_)};
}

DataListColumnHeaderAccessible::DataListColumnHeaderAccessible(const DataListAccessible* table, int column)
    : table_(table), column_(column) {}

bool DataListColumnHeaderAccessible::isValid() const {
    return table_->isValid() && column_ < table_->list()->columnCount();
}

QWindow* DataListColumnHeaderAccessible::window() const { return table_->window(); }

QAccessibleInterface* DataListColumnHeaderAccessible::parent() const {
    return const_cast<DataListAccessible*>(table_);
}

QString DataListColumnHeaderAccessible::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name || !isValid())
        return {};
    return table_->list()->columnCaption(column_);
}

QRect DataListColumnHeaderAccessible::rect() const {
    if (!isValid())
        return {};
    const QHeaderView* header = table_->list()->header();
    const QRect area(header->sectionViewportPosition(column_), 0, header->sectionSize(column_), header->height());
    return QRect(header->viewport()->mapToGlobal(area.topLeft()), area.size());
}
