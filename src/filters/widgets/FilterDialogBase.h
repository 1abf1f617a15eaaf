// FilterDialogBase.h: what the three filter dialogs share: a private copy of
// the conditions in force, the condition list with its tick boxes and grey
// selected row, Show/Hide, Add/Edit/Delete with the duplicate rule, OK that
// applies the copy and Cancel that drops it. Each dialog adds the controls a
// condition of its kind is made from.
#pragma once

#include "filters/DuplicateRule.h"
#include "filters/FilterCondition.h"

#include <QDialog>

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CHighlightListCtrl;
class MessageSink;
class QBoxLayout;
class QGroupBox;
class QPushButton;
class QRadioButton;
class ShownRowsView;
struct CaptureState;
struct FilterState;
struct ListColumn;

// What a filter dialog works on; the same for the three.
struct FilterDialogContext {
    CaptureState& capture;
    FilterState& filter;
    ShownRowsView* view;  // the data list, told when OK rebuilds its rows
    MessageSink& messages;
};

// The string-table numbers of one dialog's shared captions and messages.
struct FilterDialogTexts {
    int title;
    int group;
    int mode;
    int show;
    int hide;
    int add;
    int edit;
    int remove;
    int addDuplicate;
    int editDuplicate;
};

class FilterDialogBase : public QDialog {
    Q_OBJECT

public:
    CHighlightListCtrl* conditionList() const { return list_; }
    const std::vector<FilterCondition>& workingConditions() const { return working_; }

protected:
    FilterDialogBase(FilterDialogKind kind, uint32_t ownKindFlag, const FilterDialogTexts& texts,
                     std::span<const ListColumn> columns, FilterDialogContext& context, QWidget* parent);

    // The dialog's own rows go into the group box above Mode and the buttons.
    void addConditionRow(QLayout* row);
    QGroupBox* conditionGroup() const { return group_; }
    MessageSink& messages() const { return context_.messages; }

    // Fills the list afresh from the working conditions, in the dialog's format.
    void fillList();

    virtual std::vector<std::string> rowTexts(const FilterCondition& condition, std::size_t row) const = 0;
    virtual FilterCondition buildCondition() = 0;
    virtual FilterCondition editCandidate(const FilterCondition& selected) { (void)selected; return buildCondition(); }
    virtual void loadCondition(const FilterCondition& condition) = 0;

    void accept() override;

private:
    void clickRow(int row, bool onCheckBox);
    void addCondition();
    void editCondition();
    void deleteCondition();
    void showSelectedRow();
    void markChanged();
    bool refusedAsDuplicate(const FilterCondition& candidate, std::span<const FilterCondition> against,
                            int message);

    const FilterDialogKind kind_;
    const uint32_t ownKindFlag_;
    const FilterDialogTexts texts_;
    FilterDialogContext& context_;
    std::vector<FilterCondition> working_;
    std::optional<std::size_t> selected_;
    QGroupBox* group_;
    QBoxLayout* groupLayout_;
    QRadioButton* show_;
    QPushButton* edit_;
    QPushButton* delete_;
    CHighlightListCtrl* list_;
};
