#include "filters/widgets/CCanFilterDlg.h"

#include "core/StringTable.h"
#include "dialogs/TableText.h"
#include "fields/FieldMessages.h"
#include "filters/CanFilterRows.h"
#include "filters/ConditionTexts.h"
#include "filters/FilterFlags.h"
#include "filters/widgets/CAdvancedIdDlg.h"

#include <QButtonGroup>
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

// The entries of the Size list past "ALL": "0" to "8".
constexpr int kLengthEntries = 9;

QRadioButton* pairedButtons(QObject* owner, int first, int second, QRadioButton** secondButton) {
    auto* group = new QButtonGroup(owner);
    auto* a = new QRadioButton(tableText(first));
    auto* b = new QRadioButton(tableText(second));
    group->addButton(a);
    group->addButton(b);
    a->setChecked(true);
    *secondButton = b;
    return a;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return layout;
}

QLabel* labelFor(QWidget* control, int text) {
    auto* label = new QLabel(tableText(text));
    label->setBuddy(control);
    return label;
}

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

    dataFrame_ = pairedButtons(this, strings::kCanFilterDataFrame, strings::kCanFilterRemoteFrame, &remote_);
    hex_ = pairedButtons(this, strings::kCanFilterHex, strings::kCanFilterDecimal, &decimal_);
    // The adapter settings choose the identifier width; the user cannot.
    QRadioButton* extend = nullptr;
    QRadioButton* standard = pairedButtons(this, strings::kStandardFrames, strings::kExtendedFrames, &extend);
    extend->setChecked(identifierWidthOf(frameType) == IdentifierWidth::extend);
    standard->hide();
    extend->hide();

    size_->addItem(tableText(strings::kCanFilterAll));
    for (int length = 0; length < kLengthEntries; ++length)
        size_->addItem(QString::number(length));
    size_->setObjectName(QStringLiteral("size"));
    for (std::size_t i = 0; i < data_.size(); ++i)
        data_[i]->setObjectName(QStringLiteral("data%1").arg(i + 1));

    addConditionRow(row({labelFor(identifierChoice_, strings::kCanFilterIdentifier), identifierChoice_, identifier_,
                         advancedButton_, standard, extend}));
    addConditionRow(row({new QLabel(tableText(strings::kCanFilterFrame)), dataFrame_, remote_,
                         new QLabel(tableText(strings::kCanFilterFormat)), hex_, decimal_}));
    addConditionRow(row({labelFor(size_, strings::kCanFilterSize), size_}));
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
    controls.lengthAndData.sizeEntry = size_->currentIndex();
    for (std::size_t i = 0; i < data_.size(); ++i) {
        if (!data_[i]->text().isEmpty())
            controls.lengthAndData.data[i] = uint8_t(data_[i]->keptValue());
    }
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
    size_->setCurrentIndex(loaded.lengthAndData.sizeEntry);
    for (std::size_t i = 0; i < data_.size(); ++i) {
        const std::optional<uint8_t> value = loaded.lengthAndData.data[i];
        data_[i]->setText(value ? QString::fromStdString(paddedByteText(*value, numberFormat())) : QString());
    }
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

void CCanFilterDlg::enableDataFieldsForFrame() {
    // "ALL" leaves every byte open, like a size of 8.
    const int entry = size_->currentIndex();
    enableDataFields(data_, entry <= 0 ? kMaxDataBytes : entry - 1, remote_->isChecked());
}

void CCanFilterDlg::runAdvancedIdentifier() {
    CAdvancedIdDlg dialog(bits_, frameType_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    advancedPattern_ = dialog.pattern();
    advancedChanged_ = true;
}
