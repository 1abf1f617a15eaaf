#include "filters/widgets/CCANopenFilterDlg.h"

#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "dialogs/CHighlightListCtrl.h"
#include "dialogs/TableText.h"
#include "fields/FieldMessages.h"
#include "filters/CanopenFilterRows.h"
#include "filters/FilterFlags.h"
#include "filters/widgets/CanopenIdBox.h"
#include "filters/widgets/ControlRows.h"
#include "filters/widgets/FilterDialogControls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace {

constexpr FilterDialogTexts kCanopenFilterTexts{
    strings::kCanopenFilterTitle, strings::kCanopenFilterGroup,  strings::kCanopenFilterMode,
    strings::kCanopenFilterShow,  strings::kCanopenFilterHide,   strings::kCanopenFilterAdd,
    strings::kCanopenFilterEdit,  strings::kCanopenFilterDelete, strings::kCanopenFilterDuplicateAdd,
    strings::kCanopenFilterDuplicateEdit,
};

}  // namespace

CCANopenFilterDlg::CCANopenFilterDlg(FilterDialogContext& context, uint32_t& hexFormat, QWidget* parent)
    : FilterDialogBase(FilterDialogKind::canopen, FC_CANOPEN, kCanopenFilterTexts, kCanopenFilterColumns, context,
                       parent),
      hexFormat_(hexFormat),
      cobId_(new CanopenIdBox(kCobIdLimit, messages())),
      functionCode_(new QComboBox),
      nodeId_(new CanopenIdBox(kNodeIdLimit, messages())),
      size_(new QComboBox),
      data_(makeDataByteFields(kCanopenFilterFields, messages(), LeftEmpty::staysEmpty,
                               withoutMnemonic(tableText(strings::kCanopenFilterData)).remove(QLatin1Char(':')))) {
    const RadioPair methods = radioPair(this, strings::kCanopenFilterMethod1, strings::kCanopenFilterMethod2);
    method1_ = methods.first;
    method2_ = methods.second;
    const RadioPair frames = radioPair(this, strings::kCanopenFilterDataFrame, strings::kCanopenFilterRemoteFrame);
    dataFrame_ = frames.first;
    remote_ = frames.second;
    const RadioPair formats = radioPair(this, strings::kCanopenFilterHex, strings::kCanopenFilterDecimal);
    hex_ = formats.first;
    decimal_ = formats.second;

    cobId_->setObjectName(QStringLiteral("cobId"));
    functionCode_->setObjectName(QStringLiteral("functionCode"));
    nodeId_->setObjectName(QStringLiteral("nodeId"));
    showFunctionCodes();
    fillSizeList(*size_, strings::kCanopenFilterAll);
    size_->setObjectName(QStringLiteral("size"));
    for (std::size_t i = 0; i < data_.size(); ++i)
        data_[i]->setObjectName(QStringLiteral("data%1").arg(i + 1));

    addConditionRow(controlRow({method1_, labelFor(cobId_, strings::kCanopenFilterCobId), cobId_}));
    addConditionRow(controlRow({method2_, labelFor(functionCode_, strings::kCanopenFilterFunctionCode),
                                functionCode_, labelFor(nodeId_, strings::kCanopenFilterNodeId), nodeId_}));
    addConditionRow(controlRow({new QLabel(tableText(strings::kCanopenFilterFrame)), dataFrame_, remote_,
                                new QLabel(tableText(strings::kCanopenFilterFormat)), hex_, decimal_}));
    addConditionRow(controlRow({labelFor(size_, strings::kCanopenFilterSize), size_}));
    auto* dataRow = new QHBoxLayout;
    dataRow->addWidget(new QLabel(tableText(strings::kCanopenFilterData)));
    for (EntryField* field : data_)
        dataRow->addWidget(field);
    dataRow->addStretch();
    addConditionRow(dataRow);

    widenListForItsWords();
    enableMethodControls();
    connect(method1_, &QRadioButton::toggled, this, &CCANopenFilterDlg::enableMethodControls);
    connect(cobId_, &CanopenIdBox::left, this, &CCANopenFilterDlg::leaveCobId);
    // Clicked rather than toggled: a click on the format already shown still
    // writes it to the program's format, as the message dialogs read it.
    connect(hex_, &QRadioButton::clicked, this, [this] { chooseFormat(NumberFormat::hex); });
    connect(decimal_, &QRadioButton::clicked, this, [this] { chooseFormat(NumberFormat::decimal); });
    connect(remote_, &QRadioButton::toggled, this, &CCANopenFilterDlg::enableDataFieldsForFrame);
    connect(size_, &QComboBox::currentIndexChanged, this, &CCANopenFilterDlg::enableDataFieldsForFrame);
    fillList();
}

CCANopenFilterDlg::~CCANopenFilterDlg() {
    // The COB-ID box loses the focus while the widgets are taken apart, after
    // this part of the dialog is gone: its leave rule must not reach it.
    cobId_->disconnect(this);
}

void CCANopenFilterDlg::widenListForItsWords() {
    // "Standard" in the Type column, the narrowest one that shows a word;
    // the columns keep their shares, so the others fit their words too.
    constexpr std::size_t kTypeColumn = 5;
    conditionList()->fitColumnText(kTypeColumn, tableText(strings::kStandardFrames));
}

NumberFormat CCANopenFilterDlg::numberFormat() const {
    return hex_->isChecked() ? NumberFormat::hex : NumberFormat::decimal;
}

std::vector<std::string> CCANopenFilterDlg::rowTexts(const FilterCondition& condition, std::size_t row) const {
    const auto texts = canopenFilterRowTexts(condition, row, numberFormat());
    return {texts.begin(), texts.end()};
}

FilterCondition CCANopenFilterDlg::buildCondition() {
    CanopenFilterControls controls;
    controls.method = method1_->isChecked() ? CanopenFilterMethod::cobId : CanopenFilterMethod::functionCodeAndNodeId;
    controls.cobId = cobId_->member();
    // Entry 0 is "ALL", entry k the function code k - 1.
    controls.functionCode = functionCode_->currentIndex() - 1;
    controls.nodeId = nodeId_->member();
    controls.remoteFrame = remote_->isChecked();
    controls.lengthAndData = lengthAndDataOf(*size_, data_);
    return buildCanopenCondition(controls);
}

void CCANopenFilterDlg::loadCondition(const FilterCondition& condition) {
    const CanopenFilterControls loaded = canopenControlsOf(condition);
    (loaded.method == CanopenFilterMethod::cobId ? method1_ : method2_)->setChecked(true);
    cobId_->showMember(loaded.cobId);
    // A damaged file's function code beyond the list loads as "ALL" rather
    // than as no entry at all.
    functionCode_->setCurrentIndex(loaded.functionCode < kFunctionCodeCount ? loaded.functionCode + 1 : 0);
    nodeId_->showMember(loaded.nodeId);
    showLengthAndData(loaded.lengthAndData, *size_, data_, numberFormat());
    (loaded.remoteFrame ? remote_ : dataFrame_)->setChecked(true);
    enableDataFieldsForFrame();
}

void CCANopenFilterDlg::enableMethodControls() {
    const bool byCobId = method1_->isChecked();
    cobId_->setEnabled(byCobId);
    functionCode_->setEnabled(!byCobId);
    nodeId_->setEnabled(!byCobId);
}

void CCANopenFilterDlg::chooseFormat(NumberFormat format) {
    // NumberFormat's values are those of hexFormat.
    hexFormat_ = uint32_t(format);
    showFunctionCodes();
    cobId_->setNumberFormat(format);
    nodeId_->setNumberFormat(format);
    showInFormat(data_, format, EmptyText::keep);
    fillList();
}

void CCANopenFilterDlg::showFunctionCodes() {
    // Rewritten in place, so the chosen entry stays chosen.
    const auto entries = functionCodeEntries(numberFormat());
    for (std::size_t entry = 0; entry < entries.size(); ++entry) {
        const QString text = QString::fromStdString(entries[entry]);
        if (int(entry) < functionCode_->count())
            functionCode_->setItemText(int(entry), text);
        else
            functionCode_->addItem(text);
    }
}

void CCANopenFilterDlg::enableDataFieldsForFrame() { enableDataFieldsForSize(*size_, data_, remote_->isChecked()); }

void CCANopenFilterDlg::leaveCobId() {
    const CobIdLeaveVerdict verdict = leaveCobIdField(cobId_->currentText().toLatin1().toStdString(), numberFormat());
    if (verdict.refusal) {
        Message message = dialogMessage(this, verdict.refusal->number, MessageIcon::None);
        message.text = verdict.refusal->text;
        messages().show(message);
    } else if (verdict.rewrite) {
        cobId_->setEditText(QString::fromStdString(*verdict.rewrite));
    }
}
