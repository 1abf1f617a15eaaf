#include "filters/widgets/CCanFilterDlg.h"

#include "core/StringTable.h"
#include "dialogs/CHighlightListCtrl.h"
#include "dialogs/TableText.h"
#include "fields/FieldMessages.h"
#include "filters/CanFilterRows.h"
#include "filters/ConditionTexts.h"
#include "filters/FilterFlags.h"
#include "filters/widgets/CAdvancedIdDlg.h"
#include "filters/widgets/ControlRows.h"
#include "filters/widgets/FilterDialogControls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr FilterDialogTexts kCanFilterTexts{
    strings::kCanFilterTitle, strings::kCanFilterGroup, strings::kCanFilterMode,
    strings::kCanFilterShow,  strings::kCanFilterHide,  strings::kCanFilterAdd,
    strings::kCanFilterEdit,  strings::kCanFilterDelete, strings::kFilterAddDuplicateCan,
    strings::kFilterEditDuplicateCan,
};

}  // namespace

CCanFilterDlg::CCanFilterDlg(FilterDialogContext& context, int32_t frameType, uint32_t identifierSeed,
                             AdvancedIdentifierBits& bits, QWidget* parent)
    : FilterDialogBase(FilterDialogKind::can, FC_CAN, kCanFilterTexts, kCanFilterColumns, context, parent),
      frameType_(frameType),
      bits_(bits),
      identifierChoice_(new QComboBox),
      identifier_(new EntryField(FieldKind::identifier, kCanFilterFields, messages(), LeftEmpty::staysEmpty)),
      advancedButton_(new QPushButton(tableText(strings::kCanFilterAdvancedButton))),
      size_(new QComboBox),
      data_(makeDataByteFields(kCanFilterFields, messages(), LeftEmpty::staysEmpty,
                               withoutMnemonic(tableText(strings::kCanFilterData)).remove(QLatin1Char(':')))) {
    for (const int entry : {strings::kCanFilterAll, strings::kCanFilterAdvanced, strings::kCanFilterCustom})
        identifierChoice_->addItem(tableText(entry));
    identifierChoice_->setObjectName(QStringLiteral("identifierChoice"));
    identifier_->setObjectName(QStringLiteral("identifier"));
    identifier_->setIdentifierWidth(identifierWidthOf(frameType));
    identifier_->showValue(identifierSeed);
    identifier_->setAccessibleName(withoutMnemonic(tableText(strings::kCanFilterIdentifier)));
    advancedButton_->setAutoDefault(false);

    const RadioPair frameKinds = radioPair(this, strings::kCanFilterDataFrame, strings::kCanFilterRemoteFrame);
    dataFrame_ = frameKinds.first;
    remote_ = frameKinds.second;
    const RadioPair formats = radioPair(this, strings::kCanFilterHex, strings::kCanFilterDecimal);
    hex_ = formats.first;
    decimal_ = formats.second;
    // The adapter settings choose the identifier width; the user cannot.
    const RadioPair widths = radioPair(this, strings::kStandardFrames, strings::kExtendedFrames);
    widths.second->setChecked(identifierWidthOf(frameType) == IdentifierWidth::extend);
    widths.first->hide();
    widths.second->hide();

    fillSizeList(*size_, strings::kCanFilterAll);
    // "DeviceNet" in the Protocol column and eight decimal bytes in Data.
    conditionList()->fitColumnText(1, tableText(strings::kFilterProtocolDeviceNet));
    conditionList()->fitColumnText(kCanFilterColumnCount - 1, QStringLiteral(" 255").repeated(8));
    size_->setObjectName(QStringLiteral("size"));
    for (std::size_t i = 0; i < data_.size(); ++i)
        data_[i]->setObjectName(QStringLiteral("data%1").arg(i + 1));

    addConditionRow(controlRow({labelFor(identifierChoice_, strings::kCanFilterIdentifier), identifierChoice_,
                                identifier_, advancedButton_, widths.first, widths.second}));
    addConditionRow(controlRow({new QLabel(tableText(strings::kCanFilterFrame)), dataFrame_, remote_,
                                new QLabel(tableText(strings::kCanFilterFormat)), hex_, decimal_}));
    addConditionRow(controlRow({labelFor(size_, strings::kCanFilterSize), size_}));
    auto* dataRow = new QHBoxLayout;
    dataRow->addWidget(new QLabel(tableText(strings::kCanFilterData)));
    for (EntryField* field : data_)
        dataRow->addWidget(field);
    dataRow->addStretch();
    addConditionRow(dataRow);

    showIdentifierChoice();
    connect(identifierChoice_, &QComboBox::currentIndexChanged, this, &CCanFilterDlg::showIdentifierChoice);
    connect(advancedButton_, &QPushButton::clicked, this, &CCanFilterDlg::runAdvancedIdentifier);
    connect(hex_, &QRadioButton::toggled, this, &CCanFilterDlg::showInChosenFormat);
    connect(remote_, &QRadioButton::toggled, this, &CCanFilterDlg::enableDataFieldsForFrame);
    connect(size_, &QComboBox::currentIndexChanged, this, &CCanFilterDlg::enableDataFieldsForFrame);
    fillList();
}

NumberFormat CCanFilterDlg::numberFormat() const { return hex_->isChecked() ? NumberFormat::hex : NumberFormat::decimal; }

std::vector<std::string> CCanFilterDlg::rowTexts(const FilterCondition& condition, std::size_t row) const {
    const auto texts = canFilterRowTexts(condition, row, numberFormat());
    return {texts.begin(), texts.end()};
}

CanFilterControls CCanFilterDlg::controls() const {
    CanFilterControls controls;
    controls.identifier = IdentifierChoice(identifierChoice_->currentIndex());
    controls.identifierValue = identifier_->keptValue();
    controls.advanced = advancedPattern_;
    controls.remoteFrame = remote_->isChecked();
    controls.lengthAndData = lengthAndDataOf(*size_, data_);
    return controls;
}

FilterCondition CCanFilterDlg::buildCondition() { return buildCanCondition(controls(), frameType_); }

FilterCondition CCanFilterDlg::editCandidate(const FilterCondition& selected) {
    const FilterCondition candidate = canEditCandidate(controls(), frameType_, selected, advancedChanged_);
    advancedChanged_ = false;
    return candidate;
}

void CCanFilterDlg::loadCondition(const FilterCondition& condition) {
    const CanFilterControls loaded = canControlsOf(condition);
    identifierChoice_->setCurrentIndex(int(loaded.identifier));
    if (loaded.identifier == IdentifierChoice::custom)
        identifier_->showValue(loaded.identifierValue);
    else if (loaded.identifier == IdentifierChoice::advanced)
        bits_.load(condition);
    showLengthAndData(loaded.lengthAndData, *size_, data_, numberFormat());
    (loaded.remoteFrame ? remote_ : dataFrame_)->setChecked(true);
    enableDataFieldsForFrame();
}

void CCanFilterDlg::showIdentifierChoice() {
    const auto choice = IdentifierChoice(identifierChoice_->currentIndex());
    identifier_->setVisible(choice == IdentifierChoice::custom);
    advancedButton_->setVisible(choice == IdentifierChoice::advanced);
}

void CCanFilterDlg::showInChosenFormat() {
    const NumberFormat format = numberFormat();
    identifier_->setNumberFormat(format);
    showInFormat(data_, format, EmptyText::keep);
    fillList();
}

void CCanFilterDlg::enableDataFieldsForFrame() { enableDataFieldsForSize(*size_, data_, remote_->isChecked()); }

void CCanFilterDlg::runAdvancedIdentifier() {
    CAdvancedIdDlg dialog(bits_, frameType_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    advancedPattern_ = dialog.pattern();
    advancedChanged_ = true;
}
