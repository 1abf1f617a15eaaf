#include "views/widgets/DataListAccessible.h"

#include "core/StringTable.h"
#include "views/widgets/DataListWidget.h"
#include "views/widgets/TableText.h"

#include <QAccessible>
#include <QHeaderView>
#include <QScrollBar>

namespace {

// One row (column -1) or one cell of the list.
class DataListItemAccessible : public QAccessibleInterface {
public:
    DataListItemAccessible(const DataListAccessible* table, uint32_t row, int column)
        : table_(table), row_(row), column_(column) {}

    bool isValid() const override { return table_->isValid() && row_ < table_->list()->rowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* parent() const override {
        return column_ < 0 ? const_cast<DataListAccessible*>(table_) : table_->cell(row_, -1);
    }
    int childCount() const override { return column_ < 0 ? table_->list()->columnCount() : 0; }
    QAccessibleInterface* child(int index) const override {
        return column_ < 0 && index >= 0 && index < childCount() ? table_->cell(row_, index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (table_->cell(row_, i) == child)
                return i;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        if (!isValid())
            return {};
        DataListWidget* list = table_->list();
        if (column_ >= 0)
            return kind == QAccessible::Description ? list->columnCaption(column_) : list->cellText(row_, column_);
        if (kind != QAccessible::Name)
            return {};
        return tableText(strings::kRowName).arg(row_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        DataListWidget* list = table_->list();
        const int top = int(int64_t(row_) - list->firstVisibleRow()) * list->rowHeight();
        QRect area(0, top, list->viewport()->width(), list->rowHeight());
        if (column_ >= 0)
            area = QRect(list->header()->sectionViewportPosition(column_), top, list->header()->sectionSize(column_),
                         list->rowHeight());
        return QRect(list->viewport()->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override { return column_ < 0 ? QAccessible::Row : QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.selected = isValid() && table_->list()->selection().contains(row_);
        state.readOnly = true;
        return state;
    }

private:
    const DataListAccessible* table_;
    uint32_t row_;
    int column_;
};

QAccessibleInterface* createForDataList(const QString& className, QObject* object) {
    if (className == QLatin1String("DataListWidget"))
        return new DataListAccessible(static_cast<DataListWidget*>(object));
    return nullptr;
}

}  // namespace

DataListAccessible::DataListAccessible(DataListWidget* list) : QAccessibleWidget(list, QAccessible::Table) {
    rowsChanged_ = QObject::connect(list, &DataListWidget::visibleRowsChanged, [this] { forgetChildren(); });
}

DataListAccessible::~DataListAccessible() {
    QObject::disconnect(rowsChanged_);
    forgetChildren();
}

DataListWidget* DataListAccessible::list() const { return static_cast<DataListWidget*>(widget()); }

void DataListAccessible::install() { QAccessible::installFactory(createForDataList); }

int DataListAccessible::childCount() const { return int(list()->visibleRowCount()); }

QAccessibleInterface* DataListAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    return cell(list()->firstVisibleRow() + uint32_t(index), -1);
}

int DataListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i) {
        if (this->child(i) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface* DataListAccessible::childAt(int x, int y) const {
    const QPoint local = list()->viewport()->mapFromGlobal(QPoint(x, y));
    if (!list()->viewport()->rect().contains(local))
        return nullptr;
    return child(local.y() / list()->rowHeight());
}

QAccessibleInterface* DataListAccessible::cell(uint32_t row, int column) const {
    const QPair<uint32_t, int> key(row, column);
    if (const auto known = handedOut_.constFind(key); known != handedOut_.constEnd())
        return QAccessible::accessibleInterface(*known);
    auto* item = new DataListItemAccessible(this, row, column);
    handedOut_.insert(key, QAccessible::registerAccessibleInterface(item));
    return item;
}

void DataListAccessible::forgetChildren() {
    for (QAccessible::Id id : std::as_const(handedOut_))
        QAccessible::deleteAccessibleInterface(id);
    handedOut_.clear();
}
