#include "transmit/widgets/AutoEntryBox.h"

#include "core/StringTable.h"
#include "device/DeviceSettings.h"
#include "dialogs/TableText.h"
#include "fields/FieldMessages.h"
#include "transmit/FrameFormat.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kSizeCount = 9;  // "0" to "8"

// Two radio buttons that exclude each other, the first checked.
void pairButtons(QWidget* owner, QRadioButton* first, QRadioButton* second) {
    auto* group = new QButtonGroup(owner);
    group->addButton(first);
    group->addButton(second);
    first->setChecked(true);
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return layout;
}

// A data byte as a picked item writes it: two hex digits or three decimal
// ones, with leading zeros.
QString paddedByteText(uint32_t value, NumberFormat format) {
    return format == NumberFormat::hex ? QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper()
                                       : QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0'));
}

}  // namespace

AutoEntryBox::AutoEntryBox(const DeviceSettings& device, MessageSink& messages, QWidget* parent)
    : QGroupBox(tableText(strings::kAutoCanData), parent),
      frameFormat_(frameFormatOf(device)),
      hex_(new QRadioButton(tableText(strings::kAutoHex))),
      decimal_(new QRadioButton(tableText(strings::kAutoDecimal))),
      identifier_(new EntryField(FieldKind::identifier, kAutomationMessageFields, messages, LeftEmpty::becomesZero)),
      dataFrame_(new QRadioButton(tableText(strings::kAutoDataFrame))),
      remoteFrame_(new QRadioButton(tableText(strings::kAutoRemoteFrame))),
      size_(new QComboBox),
      data_(makeDataByteFields(kAutomationMessageFields, messages, LeftEmpty::becomesZero,
                               withoutMnemonic(tableText(strings::kAutoData)).remove(QLatin1Char(':')))) {
    pairButtons(this, hex_, decimal_);
    pairButtons(this, dataFrame_, remoteFrame_);
    // The adapter settings choose the frame format; the user cannot.
    auto* standard = new QRadioButton(tableText(strings::kStandardFrames));
    auto* extend = new QRadioButton(tableText(strings::kExtendedFrames));
    pairButtons(this, standard, extend);
    extend->setChecked(frameFormat_ == 1);
    standard->hide();
    extend->hide();

    identifier_->setObjectName(QStringLiteral("identifier"));
    identifier_->setIdentifierWidth(identifierWidthOf(device.frameType));
    for (int size = 0; size < kSizeCount; ++size)
        size_->addItem(QString::number(size));
    size_->setObjectName(QStringLiteral("size"));

    auto* identifierLabel = new QLabel(tableText(strings::kAutoIdentifier));
    identifierLabel->setBuddy(identifier_);
    auto* sizeLabel = new QLabel(tableText(strings::kAutoSize));
    sizeLabel->setBuddy(size_);
    auto* dataRow = new QHBoxLayout;
    dataRow->addWidget(new QLabel(tableText(strings::kAutoData)));
    for (std::size_t i = 0; i < data_.size(); ++i) {
        data_[i]->setObjectName(QStringLiteral("data%1").arg(i + 1));
        dataRow->addWidget(data_[i]);
    }
    dataRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row({new QLabel(tableText(strings::kAutoFormat)), hex_, decimal_}));
    layout->addLayout(row({identifierLabel, identifier_, standard, extend}));
    layout->addLayout(row({new QLabel(tableText(strings::kAutoFrame)), dataFrame_, remoteFrame_, sizeLabel, size_}));
    layout->addLayout(dataRow);

    identifier_->showValue(0);
    for (EntryField* field : data_)
        field->showValue(0);
    size_->setCurrentIndex(kSizeCount - 1);

    connect(hex_, &QRadioButton::clicked, this, &AutoEntryBox::showInChosenFormat);
    connect(decimal_, &QRadioButton::clicked, this, &AutoEntryBox::showInChosenFormat);
    connect(dataFrame_, &QRadioButton::toggled, this, &AutoEntryBox::enableDataFieldsForFrame);
    connect(size_, &QComboBox::currentIndexChanged, this, &AutoEntryBox::enableDataFieldsForFrame);
}

NumberFormat AutoEntryBox::numberFormat() const {
    return hex_->isChecked() ? NumberFormat::hex : NumberFormat::decimal;
}

AutoEntry AutoEntryBox::entry() const {
    AutoEntry entry;
    entry.identifier = identifier_->keptValue();
    entry.size = uint32_t(std::max(size_->currentIndex(), 0));
    entry.remote = remoteFrame_->isChecked() ? 1 : 0;
    entry.frameFormat = frameFormat_;
    for (std::size_t i = 0; i < data_.size(); ++i) {
        entry.data[i] = data_[i]->keptValue();
        entry.dataEmpty[i] = data_[i]->text().isEmpty();
    }
    return entry;
}

void AutoEntryBox::showPickedItem(const AutoEntry& shown) {
    size_->setCurrentIndex(int(shown.size));
    identifier_->showValue(shown.identifier);
    if (shown.remote) {
        remoteFrame_->setChecked(true);
        return;
    }
    for (std::size_t i = 0; i < data_.size(); ++i) {
        if (!shown.dataEmpty[i])
            data_[i]->setText(paddedByteText(shown.data[i], numberFormat()));
    }
    dataFrame_->setChecked(true);
}

void AutoEntryBox::showInChosenFormat() {
    const NumberFormat format = numberFormat();
    identifier_->setNumberFormat(format);
    showInFormat(data_, format);
    emit formatChosen(format);
}

void AutoEntryBox::enableDataFieldsForFrame() {
    enableDataFields(data_, size_->currentIndex(), remoteFrame_->isChecked());
}
