#include "views/widgets/DataListAccessible.h"

#include "core/StringTable.h"
#include "dialogs/TableText.h"
#include "views/widgets/DataListCellAccessible.h"
#include "views/widgets/DataListWidget.h"
#include "views/widgets/RowSelectionChange.h"

#include <QAccessible>
#include <QHeaderView>

#include <algorithm>
#include <climits>

namespace {

uint64_t cellKey(uint32_t row, int column) { return uint64_t(row) << 32 | uint32_t(column); }

uint32_t rowOfKey(uint64_t key) { return uint32_t(key >> 32); }

int clampedToInt(uint64_t value) { return int(std::min<uint64_t>(value, INT_MAX)); }

// The interface handed out for `key` before, or a new one from `make`.
template <typename Key, typename Make>
QAccessibleInterface* handOut(QHash<Key, QAccessible::Id>& handedOut, Key key, Make make) {
    // The cache may have deleted one of ours itself (at exit, for instance).
    if (const auto known = handedOut.constFind(key); known != handedOut.constEnd()) {
        if (QAccessibleInterface* existing = QAccessible::accessibleInterface(*known))
            return existing;
    }
    QAccessibleInterface* made = make();
    handedOut.insert(key, QAccessible::registerAccessibleInterface(made));
    return made;
}

template <typename Key>
void releaseEach(QHash<Key, QAccessible::Id>& handedOut) {
    for (QAccessible::Id id : std::as_const(handedOut))
        QAccessible::deleteAccessibleInterface(id);
    handedOut.clear();
}

QAccessibleInterface* createForDataList(const QString& className, QObject* object) {
    if (className == QLatin1String("DataListWidget"))
        return new DataListAccessible(static_cast<DataListWidget*>(object));
    return nullptr;
}

}  // namespace

DataListAccessible::DataListAccessible(DataListWidget* list)
    : QAccessibleWidget(list, QAccessible::Table), announcedSelection_(list->selection().ranges()) {
    connections_ = {
        QObject::connect(list, &DataListWidget::visibleRowsChanged, [this] { releaseCellsOutOfView(); }),
        QObject::connect(list, &DataListWidget::rowCountChanged,
                         [this](uint32_t previous, uint32_t count) { announceRowCount(previous, count); }),
        QObject::connect(list, &DataListWidget::columnsChanged, [this] { announceColumns(); }),
        QObject::connect(list, &DataListWidget::selectionChanged, [this] { announceSelection(); }),
        QObject::connect(list, &DataListWidget::currentRowChanged, [this] { announceCurrentCell(); }),
    };
}

DataListAccessible::~DataListAccessible() {
    for (const QMetaObject::Connection& connection : connections_)
        QObject::disconnect(connection);
    releaseAll();
}

void DataListAccessible::install() { QAccessible::installFactory(createForDataList); }

DataListWidget* DataListAccessible::list() const { return static_cast<DataListWidget*>(widget()); }

QAccessibleInterface* DataListAccessible::cell(uint32_t row, int column) const {
    return handOut(cells_, cellKey(row, column), [&] { return new DataListCellAccessible(this, row, column); });
}

QAccessibleInterface* DataListAccessible::columnHeader(int column) const {
    return handOut(columnHeaders_, column, [&] { return new DataListColumnHeaderAccessible(this, column); });
}

void* DataListAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State DataListAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.multiSelectable = true;
    return state;
}

int DataListAccessible::childCount() const {
    return clampedToInt((uint64_t(rowCount()) + 1) * uint64_t(columnCount()));
}

QAccessibleInterface* DataListAccessible::child(int index) const {
    const int columns = columnCount();
    if (index < 0 || columns == 0)
        return nullptr;
    if (index < columns)
        return columnHeader(index);
    const int row = index / columns - 1;
    return isRowIndex(row) ? cell(uint32_t(row), index % columns) : nullptr;
}

int DataListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (const auto* header = dynamic_cast<const DataListColumnHeaderAccessible*>(child))
        return header->parent() == this && header->isValid() ? header->column() : -1;
    const auto* cell = dynamic_cast<const DataListCellAccessible*>(child);
    if (!cell || cell->table() != this || !cell->isValid())
        return -1;
    const uint64_t index = (uint64_t(cell->row()) + 1) * uint64_t(columnCount()) + uint64_t(cell->columnIndex());
    return index <= uint64_t(INT_MAX) ? int(index) : -1;
}

QAccessibleInterface* DataListAccessible::childAt(int x, int y) const {
    const QHeaderView* header = list()->header();
    const QPoint inHeader = header->mapFromGlobal(QPoint(x, y));
    if (header->rect().contains(inHeader)) {
        const int column = header->logicalIndexAt(inHeader.x());
        return column >= 0 ? columnHeader(column) : nullptr;
    }
    const QPoint inViewport = list()->viewport()->mapFromGlobal(QPoint(x, y));
    if (!list()->viewport()->rect().contains(inViewport))
        return nullptr;
    const std::optional<uint32_t> row = list()->rowAt(inViewport.y());
    const int column = header->logicalIndexAt(inViewport.x());
    if (!row || !hasRow(*row) || column < 0)
        return nullptr;
    return cell(*row, column);
}

QAccessibleInterface* DataListAccessible::focusChild() const {
    const std::optional<uint32_t> row = list()->currentRow();
    if (!row || !hasRow(*row) || columnCount() == 0)
        return nullptr;
    return cell(*row, kCurrentColumn);
}

QAccessibleInterface* DataListAccessible::cellAt(int row, int column) const {
    if (!isRowIndex(row) || column < 0 || column >= columnCount())
        return nullptr;
    return cell(uint32_t(row), column);
}

int DataListAccessible::selectedCellCount() const {
    return clampedToInt(uint64_t(selectedRowCount()) * uint64_t(columnCount()));
}

QList<QAccessibleInterface*> DataListAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    const uint32_t first = list()->firstVisibleRow();
    const uint32_t end = first + list()->visibleRowCount();
    for (uint32_t row = first; row < end && hasRow(row); ++row) {
        if (!list()->selection().contains(row))
            continue;
        for (int column = 0; column < columnCount(); ++column)
            cells.append(cell(row, column));
    }
    return cells;
}

QString DataListAccessible::columnDescription(int column) const {
    return column >= 0 && column < columnCount() ? list()->columnCaption(column) : QString();
}

QString DataListAccessible::rowDescription(int row) const {
    return isRowIndex(row) ? tableText(strings::kRowName).arg(row) : QString();
}

bool DataListAccessible::allRowsSelected() const {
    const std::vector<RowSelection::Range> ranges = list()->selection().ranges();
    return list()->rowCount() > 0 && ranges.size() == 1 && ranges.front().first == 0 &&
           ranges.front().last == list()->rowCount() - 1;
}

int DataListAccessible::selectedColumnCount() const { return allRowsSelected() ? columnCount() : 0; }

int DataListAccessible::selectedRowCount() const {
    uint64_t count = 0;
    for (const RowSelection::Range& range : list()->selection().ranges()) {
        if (range.first >= uint32_t(rowCount()))
            break;
        count += std::min(range.last, uint32_t(rowCount()) - 1) - range.first + 1;
    }
    return clampedToInt(count);
}

int DataListAccessible::columnCount() const { return list()->columnCount(); }

int DataListAccessible::rowCount() const { return clampedToInt(list()->rowCount()); }

QList<int> DataListAccessible::selectedColumns() const {
    QList<int> columns;
    if (allRowsSelected()) {
        for (int column = 0; column < columnCount(); ++column)
            columns.append(column);
    }
    return columns;
}

QList<int> DataListAccessible::selectedRows() const {
    QList<int> rows;
    rows.reserve(selectedRowCount());
    for (const RowSelection::Range& range : list()->selection().ranges()) {
        for (uint64_t row = range.first; row <= range.last && row < uint64_t(rowCount()); ++row)
            rows.append(int(row));
    }
    return rows;
}

bool DataListAccessible::isColumnSelected(int column) const {
    return column >= 0 && column < columnCount() && allRowsSelected();
}

bool DataListAccessible::isRowSelected(int row) const {
    return isRowIndex(row) && list()->selection().contains(uint32_t(row));
}

bool DataListAccessible::selectRow(int row) {
    if (!isRowIndex(row))
        return false;
    list()->setRowSelected(uint32_t(row), true);
    return true;
}

bool DataListAccessible::unselectRow(int row) {
    if (!isRowIndex(row))
        return false;
    list()->setRowSelected(uint32_t(row), false);
    return true;
}

void DataListAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
    // Nothing to move: the cells were released on the list's own signals
    // before the change was announced, and the rest are keyed by row.
}

void DataListAccessible::releaseCellsOutOfView() {
    const uint32_t first = list()->firstVisibleRow();
    const uint32_t inView = list()->visibleRowCount();
    for (auto it = cells_.begin(); it != cells_.end();) {
        const uint32_t row = rowOfKey(it.key());
        if (row >= first && row - first < inView) {
            ++it;
            continue;
        }
        QAccessible::deleteAccessibleInterface(*it);
        it = cells_.erase(it);
    }
}

void DataListAccessible::releaseAll() {
    releaseEach(cells_);
    releaseEach(columnHeaders_);
}

void DataListAccessible::announceRowCount(uint32_t previous, uint32_t count) {
    if (!QAccessible::isActive())
        return;
    // Only the rows an int can name exist for a screen reader.
    const int first = clampedToInt(std::min(previous, count));
    const int end = clampedToInt(std::max(previous, count));
    if (first == end)
        return;
    QAccessibleTableModelChangeEvent event(list(), count > previous ? QAccessibleTableModelChangeEvent::RowsInserted
                                                                    : QAccessibleTableModelChangeEvent::RowsRemoved);
    event.setFirstRow(first);
    event.setLastRow(end - 1);
    QAccessible::updateAccessibility(&event);
}

void DataListAccessible::announceColumns() {
    // New columns carry new texts in every cell: nothing handed out still holds.
    releaseAll();
    if (!QAccessible::isActive())
        return;
    QAccessibleTableModelChangeEvent event(list(), QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void DataListAccessible::announceSelection() {
    std::vector<RowSelection::Range> selection = list()->selection().ranges();
    if (QAccessible::isActive() && columnCount() > 0) {
        // As Qt's item views do, announce the first row gained and the first
        // row lost; a screen reader reads the rest from the table.
        const std::optional<uint32_t> gained = firstRowMissingFrom(selection, announcedSelection_);
        const std::optional<uint32_t> lost = firstRowMissingFrom(announcedSelection_, selection);
        if (gained && hasRow(*gained)) {
            QAccessibleEvent event(cell(*gained, kCurrentColumn), QAccessible::SelectionAdd);
            QAccessible::updateAccessibility(&event);
        }
        if (lost && hasRow(*lost)) {
            QAccessibleEvent event(cell(*lost, kCurrentColumn), QAccessible::SelectionRemove);
            QAccessible::updateAccessibility(&event);
        }
    }
    announcedSelection_ = std::move(selection);
}

void DataListAccessible::announceCurrentCell() {
    // Only the widget that has the keyboard may move a screen reader's focus.
    if (!QAccessible::isActive() || !list()->hasFocus())
        return;
    if (QAccessibleInterface* current = focusChild()) {
        QAccessibleEvent event(current, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}
