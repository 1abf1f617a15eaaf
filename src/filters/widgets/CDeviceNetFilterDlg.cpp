#include "filters/widgets/CDeviceNetFilterDlg.h"

#include "core/StringTable.h"
#include "dialogs/CHighlightListCtrl.h"
#include "dialogs/TableText.h"
#include "filters/DeviceNetFilterRows.h"
#include "filters/FilterCondition.h"
#include "filters/FilterFlags.h"
#include "filters/widgets/ControlRows.h"
#include "filters/widgets/FilterDialogControls.h"
#include "filters/widgets/MacIdComboBox.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr FilterDialogTexts kDeviceNetFilterTexts{
    strings::kDeviceNetFilterTitle, strings::kDeviceNetFilterConditionBox, strings::kDeviceNetFilterMode,
    strings::kDeviceNetFilterShow,  strings::kDeviceNetFilterHide,         strings::kDeviceNetFilterAdd,
    strings::kDeviceNetFilterEdit,  strings::kDeviceNetFilterDelete,       strings::kDeviceNetFilterDuplicateAdd,
    strings::kDeviceNetFilterDuplicateEdit,
};

void addEntries(QComboBox* list, const std::vector<std::string>& entries) {
    for (const std::string& entry : entries)
        list->addItem(QString::fromStdString(entry));
}

}  // namespace

CDeviceNetFilterDlg::CDeviceNetFilterDlg(FilterDialogContext& context, QWidget* parent)
    : FilterDialogBase(FilterDialogKind::deviceNet, FC_DEVICENET, kDeviceNetFilterTexts, kDeviceNetFilterColumns,
                       context, parent),
      source_(new MacIdComboBox(messages())),
      destination_(new MacIdComboBox(messages())),
      group_(new QComboBox),
      messageId_(new QComboBox),
      description_(new QComboBox) {
    const RadioPair format = radioPair(this, strings::kDeviceNetFilterHex, strings::kDeviceNetFilterDecimal);
    hex_ = format.first;
    decimal_ = format.second;
    const RadioPair method = radioPair(this, strings::kDeviceNetFilterMethod1, strings::kDeviceNetFilterMethod2);
    method1_ = method.first;
    method2_ = method.second;
    source_->setObjectName(QStringLiteral("sourceId"));
    destination_->setObjectName(QStringLiteral("destinationId"));
    group_->setObjectName(QStringLiteral("group"));
    messageId_->setObjectName(QStringLiteral("messageId"));
    description_->setObjectName(QStringLiteral("description"));
    addEntries(group_, deviceNetGroupEntries());
    fillMessageIds();
    for (const DeviceNetNamedMessage& message : deviceNetNamedMessages())
        description_->addItem(tableText(message.entryString));
    description_->setEnabled(false);

    // The Method 2 list has no caption but the button's. The caption moves
    // to a label that names the list, and the bare button is heard by it too.
    QLabel* method2Label = labelFor(description_, strings::kDeviceNetFilterMethod2);
    method2_->setText(QString());
    method2_->setAccessibleName(withoutMnemonic(method2Label->text()));

    addConditionRow(controlRow({new QLabel(tableText(strings::kDeviceNetFilterMacId)),
                                labelFor(source_, strings::kDeviceNetFilterSourceId), source_,
                                labelFor(destination_, strings::kDeviceNetFilterDestinationId), destination_}));
    addConditionRow(controlRow({new QLabel(tableText(strings::kDeviceNetFilterFormat)), hex_, decimal_}));
    addConditionRow(controlRow({method1_, labelFor(group_, strings::kDeviceNetFilterGroup), group_,
                                labelFor(messageId_, strings::kDeviceNetFilterMessageId), messageId_}));
    addConditionRow(controlRow({method2_, method2Label, description_}));

    connect(group_, &QComboBox::currentIndexChanged, this, &CDeviceNetFilterDlg::chooseGroup);
    connect(messageId_, &QComboBox::currentIndexChanged, this, &CDeviceNetFilterDlg::chooseMessageId);
    connect(description_, &QComboBox::currentIndexChanged, this, &CDeviceNetFilterDlg::chooseDescription);
    connect(method1_, &QRadioButton::toggled, this, &CDeviceNetFilterDlg::chooseMethod1);
    connect(method2_, &QRadioButton::toggled, this, &CDeviceNetFilterDlg::chooseMethod2);
    connect(hex_, &QRadioButton::toggled, this, &CDeviceNetFilterDlg::showInChosenFormat);
    widenListForItsWords();
    fillList();
}

void CDeviceNetFilterDlg::widenListForItsWords() {
    // The longest kind, "DeviceNet", in the Protocol column (the headers fit
    // already). Descriptions are too long to show whole in any share.
    constexpr std::size_t kProtocolColumn = 1;
    conditionList()->fitColumnText(kProtocolColumn, tableText(strings::kFilterProtocolDeviceNet));
}

NumberFormat CDeviceNetFilterDlg::numberFormat() const {
    return hex_->isChecked() ? NumberFormat::hex : NumberFormat::decimal;
}

std::vector<std::string> CDeviceNetFilterDlg::rowTexts(const FilterCondition& condition, std::size_t row) const {
    const auto texts = deviceNetFilterRowTexts(condition, row, numberFormat());
    return {texts.begin(), texts.end()};
}

DeviceNetFilterControls CDeviceNetFilterDlg::controls() const {
    DeviceNetFilterControls controls;
    controls.method = method2_->isChecked() ? DeviceNetMethod::byDescription : DeviceNetMethod::byGroup;
    controls.group = groupValue_;
    controls.messageId = messageId_->isEnabled() ? messageIdValue_ : kDeviceNetAll;
    controls.sourceMacId = source_->isEnabled() ? source_->member() : kDeviceNetAll;
    controls.destMacId = destination_->isEnabled() ? destination_->member() : kDeviceNetAll;
    controls.descriptionEntry = std::size_t(description_->currentIndex());
    return controls;
}

FilterCondition CDeviceNetFilterDlg::buildCondition() {
    // The controls show what a Method 2 condition stands for before it is built.
    if (method2_->isChecked())
        chooseDescription();
    return buildDeviceNetCondition(controls());
}

void CDeviceNetFilterDlg::loadCondition(const FilterCondition& condition) {
    const std::optional<DeviceNetFilterControls> loaded = deviceNetControlsOf(condition);
    if (!loaded)
        return;
    if (loaded->method == DeviceNetMethod::byDescription) {
        method2_->setChecked(true);
        {
            const QSignalBlocker blocker(description_);
            description_->setCurrentIndex(int(loaded->descriptionEntry));
        }
        chooseDescription();
    } else {
        method1_->setChecked(true);
        showGroup(loaded->group, loaded->messageId);
    }
    source_->showMember(loaded->sourceMacId);
    destination_->showMember(loaded->destMacId);
}

void CDeviceNetFilterDlg::showGroup(int group, int messageId) {
    groupValue_ = group;
    {
        const QSignalBlocker blocker(group_);
        group_->setCurrentIndex(group - 1);
    }
    showMacIdFields();
    messageIdValue_ = messageIdForGroup(messageId, group);
    fillMessageIds();
}

void CDeviceNetFilterDlg::showMacIdFields() {
    const bool enabled = macIdFieldsEnabled(groupValue_);
    for (MacIdComboBox* field : {source_, destination_}) {
        field->setEnabled(enabled);
        if (enabled)
            field->showMember(field->member());
    }
}

void CDeviceNetFilterDlg::fillMessageIds() {
    // The list's own changes while it is refilled are no choice of the user's.
    const QSignalBlocker blocker(messageId_);
    messageId_->clear();
    addEntries(messageId_, deviceNetMessageIdEntries(groupValue_, numberFormat()));
    messageId_->setCurrentIndex(messageIdValue_ + 1);
}

void CDeviceNetFilterDlg::chooseGroup(int index) { showGroup(index + 1, messageIdValue_); }

void CDeviceNetFilterDlg::chooseMessageId(int index) { messageIdValue_ = index - 1; }

void CDeviceNetFilterDlg::chooseDescription() {
    const auto named = deviceNetNamedMessages();
    const auto entry = std::size_t(description_->currentIndex());
    if (entry < named.size())
        showGroup(named[entry].group, int(named[entry].messageId));
}

void CDeviceNetFilterDlg::chooseMethod1(bool checked) {
    if (!checked)
        return;
    group_->setEnabled(true);
    messageId_->setEnabled(true);
    description_->setEnabled(false);
    showGroup(1, kDeviceNetAll);
}

void CDeviceNetFilterDlg::chooseMethod2(bool checked) {
    if (!checked)
        return;
    group_->setEnabled(false);
    messageId_->setEnabled(false);
    description_->setEnabled(true);
    // The chosen entry's group decides the MAC ID fields: a group 4 message
    // carries none, so they must not invite a MAC ID the condition ignores.
    chooseDescription();
}

void CDeviceNetFilterDlg::showInChosenFormat() {
    const NumberFormat format = numberFormat();
    fillMessageIds();
    source_->setNumberFormat(format);
    destination_->setNumberFormat(format);
    fillList();
}
