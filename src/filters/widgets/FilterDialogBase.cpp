#include "filters/widgets/FilterDialogBase.h"

#include "core/CaptureState.h"
#include "core/ListColumn.h"
#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "dialogs/CHighlightListCtrl.h"
#include "dialogs/TableText.h"
#include "filters/ApplyFilter.h"
#include "filters/FilterFlags.h"
#include "filters/FilterState.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <memory>

namespace {

const QColor kRowColour(0xFF, 0xFF, 0xFF);
const QColor kSelectedRowColour(0xEF, 0xEF, 0xEF);

QPushButton* addButton(QBoxLayout* row, int text) {
    auto* button = new QPushButton(tableText(text));
    // Enter means OK, whichever button has the focus.
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

}  // namespace

FilterDialogBase::FilterDialogBase(FilterDialogKind kind, uint32_t ownKindFlag, const FilterDialogTexts& texts,
                                   std::span<const ListColumn> columns, FilterDialogContext& context,
                                   QWidget* parent)
    : QDialog(parent),
      kind_(kind),
      ownKindFlag_(ownKindFlag),
      texts_(texts),
      context_(context),
      working_(context.filter.conditions),
      group_(new QGroupBox(tableText(texts.group))),
      groupLayout_(new QVBoxLayout(group_)),
      show_(new QRadioButton(tableText(texts.show))),
      list_(new CHighlightListCtrl) {
    setWindowTitle(tableText(texts.title));

    auto* hide = new QRadioButton(tableText(texts.hide));
    auto* modes = new QButtonGroup(this);
    modes->addButton(show_);
    modes->addButton(hide);
    (context.filter.filterMode == FILTER_SHOW ? show_ : hide)->setChecked(true);
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(new QLabel(tableText(texts.mode)));
    modeRow->addWidget(show_);
    modeRow->addWidget(hide);
    modeRow->addStretch();
    groupLayout_->addLayout(modeRow);

    auto* editing = new QHBoxLayout;
    QPushButton* add = addButton(editing, texts.add);
    edit_ = addButton(editing, texts.edit);
    delete_ = addButton(editing, texts.remove);
    editing->addStretch();
    groupLayout_->addLayout(editing);
    edit_->setEnabled(false);
    delete_->setEnabled(false);

    list_->setObjectName(QStringLiteral("conditions"));
    list_->setColumns(columns);
    auto* listLabel = new QLabel(tableText(strings::kFilterConditions));
    listLabel->setBuddy(list_);
    list_->setAccessibleName(withoutMnemonic(listLabel->text()));

    auto* closing = new QHBoxLayout;
    closing->addStretch();
    QPushButton* ok = addButton(closing, strings::kButtonOk);
    ok->setDefault(true);
    QPushButton* cancel = addButton(closing, strings::kButtonCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    layout->addWidget(listLabel);
    layout->addWidget(list_);
    layout->addLayout(closing);

    connect(add, &QPushButton::clicked, this, &FilterDialogBase::addCondition);
    connect(edit_, &QPushButton::clicked, this, &FilterDialogBase::editCondition);
    connect(delete_, &QPushButton::clicked, this, &FilterDialogBase::deleteCondition);
    connect(list_, &CHighlightListCtrl::rowClicked, this, &FilterDialogBase::clickRow);
    connect(ok, &QPushButton::clicked, this, &FilterDialogBase::accept);
    connect(cancel, &QPushButton::clicked, this, &FilterDialogBase::reject);
}

void FilterDialogBase::addConditionRow(QLayout* row) {
    // Above the Mode row and the editing buttons.
    groupLayout_->insertLayout(groupLayout_->count() - 2, row);
}

void FilterDialogBase::fillList() {
    list_->setRowCount(0);
    list_->setRowCount(int(working_.size()));
    for (std::size_t row = 0; row < working_.size(); ++row) {
        const std::vector<std::string> texts = rowTexts(working_[row], row);
        for (std::size_t column = 0; column < texts.size(); ++column) {
            auto* cell = new QTableWidgetItem(QString::fromStdString(texts[column]));
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (column == 0) {
                cell->setFlags(cell->flags() | Qt::ItemIsUserCheckable);
                cell->setCheckState((working_[row].flags & FC_ENABLED) ? Qt::Checked : Qt::Unchecked);
            }
            list_->setItem(int(row), int(column), cell);
        }
    }
}

void FilterDialogBase::clickRow(int row, bool onCheckBox) {
    for (int i = 0; i < list_->rowCount(); ++i)
        list_->setRowColour(i, kRowColour);
    if (row < 0 || std::size_t(row) >= working_.size()) {
        selected_.reset();
        list_->clearSelection();
        edit_->setEnabled(false);
        delete_->setEnabled(false);
        return;
    }
    selected_ = std::size_t(row);
    FilterCondition& condition = working_[*selected_];
    if (onCheckBox) {
        condition.flags ^= FC_ENABLED;
        list_->item(row, 0)->setCheckState((condition.flags & FC_ENABLED) ? Qt::Checked : Qt::Unchecked);
    }
    list_->selectRow(row);
    list_->setRowColour(row, kSelectedRowColour);
    const bool ownKind = (condition.flags & ownKindFlag_) != 0;
    edit_->setEnabled(ownKind);
    delete_->setEnabled(true);
    if (ownKind)
        loadCondition(condition);
    list_->setFocus();
}

bool FilterDialogBase::refusedAsDuplicate(const FilterCondition& candidate,
                                          std::span<const FilterCondition> against, int message) {
    if (!hasDuplicate(kind_, against, candidate))
        return false;
    const QWidget* owner = this;
    context_.messages.show(dialogMessage(owner, message, MessageIcon::Information));
    return true;
}

void FilterDialogBase::addCondition() {
    const FilterCondition candidate = buildCondition();
    if (!refusedAsDuplicate(candidate, working_, texts_.addDuplicate)) {
        working_.push_back(candidate);
        markChanged();
    }
    fillList();
    list_->scrollToBottom();
}

void FilterDialogBase::editCondition() {
    if (!selected_ || *selected_ >= working_.size())
        return;
    const FilterCondition candidate = editCandidate(working_[*selected_]);
    if (!refusedAsDuplicate(candidate, working_, texts_.editDuplicate)) {
        working_[*selected_] = candidate;
        markChanged();
    }
    fillList();
    showSelectedRow();
}

void FilterDialogBase::deleteCondition() {
    if (selected_ && *selected_ < working_.size()) {
        working_.erase(working_.begin() + std::ptrdiff_t(*selected_));
        markChanged();
    }
    // Nothing is selected any more: a later Edit must not reach a row that moved up.
    selected_.reset();
    edit_->setEnabled(false);
    delete_->setEnabled(false);
    fillList();
}

void FilterDialogBase::showSelectedRow() {
    if (selected_ && *selected_ < working_.size()) {
        list_->selectRow(int(*selected_));
        list_->scrollToItem(list_->item(int(*selected_), 0));
    }
}

void FilterDialogBase::markChanged() { context_.capture.dataChanged.store(true, std::memory_order_relaxed); }

void FilterDialogBase::accept() {
    const std::size_t rows = std::size_t(list_->rowCount());
    const auto ticks = std::make_unique<bool[]>(rows);
    for (std::size_t row = 0; row < rows; ++row)
        ticks[row] = list_->item(int(row), 0)->checkState() == Qt::Checked;
    applyFilter(context_.capture, context_.filter, working_, show_->isChecked(), std::span(ticks.get(), rows),
                context_.view);
    QDialog::accept();
}
