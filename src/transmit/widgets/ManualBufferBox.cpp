#include "transmit/widgets/ManualBufferBox.h"

#include "core/StringTable.h"
#include "dialogs/TableText.h"
#include "fields/FieldMessages.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kSizeEntries = 9;  // "0" to "8": the index is the size

// A screen reader tells the second buffer's controls from the first's by the
// buffer's title in front, "Buffer 2 Identifier:".
QString heardPrefix(ManualBufferId buffer) {
    return buffer == ManualBufferId::first ? QString() : tableText(strings::kManualBuffer2) + QLatin1Char(' ');
}

// The data fields are heard by their shared label and position, "Data 3".
QString withoutColon(QString label) {
    if (label.endsWith(QLatin1Char(':')))
        label.chop(1);
    return label;
}

QRadioButton* addRadioButton(QButtonGroup* group, int text, const QString& prefix, QWidget* parent) {
    auto* button = new QRadioButton(tableText(text), parent);
    button->setAccessibleName(prefix + button->text());
    group->addButton(button);
    return button;
}

QLabel* labelFor(QWidget* control, int text, const QString& prefix) {
    auto* label = new QLabel(tableText(text));
    label->setBuddy(control);
    control->setAccessibleName(prefix + label->text());
    return label;
}

}  // namespace

ManualBufferBox::ManualBufferBox(ManualBufferId buffer, const ManualEntry& opened, NumberFormat format,
                                 MessageSink& messages, QWidget* parent)
    : QGroupBox(tableText(buffer == ManualBufferId::first ? strings::kManualBuffer1 : strings::kManualBuffer2),
                parent),
      frameFormat_(opened.frameFormat) {
    const QString prefix = heardPrefix(buffer);
    identifier_ = new EntryField(FieldKind::identifier, kManualMessageFields, messages, LeftEmpty::becomesZero, this);
    identifier_->setObjectName(QStringLiteral("identifier"));
    identifier_->setIdentifierWidth(opened.frameFormat == 0 ? IdentifierWidth::standard : IdentifierWidth::extend);
    data_ = makeDataByteFields(kManualMessageFields, messages, LeftEmpty::becomesZero,
                               prefix + withoutColon(tableText(strings::kManualData)), this);
    entryFields_[0] = identifier_;
    for (std::size_t i = 0; i < data_.size(); ++i) {
        data_[i]->setObjectName(QStringLiteral("data%1").arg(i + 1));
        entryFields_[i + 1] = data_[i];
    }
    for (EntryField* field : entryFields_)
        field->setNumberFormat(format);
    identifier_->showValue(opened.identifier);
    for (std::size_t i = 0; i < data_.size(); ++i)
        data_[i]->showValue(opened.data[i]);

    auto* frameKind = new QButtonGroup(this);
    auto* dataFrame = addRadioButton(frameKind, strings::kManualDataFrame, prefix, this);
    remoteFrame_ = addRadioButton(frameKind, strings::kManualRemoteFrame, prefix, this);
    dataFrame->setObjectName(QStringLiteral("dataFrame"));
    remoteFrame_->setObjectName(QStringLiteral("remoteFrame"));
    (opened.remote ? remoteFrame_ : dataFrame)->setChecked(true);

    // Preset for the frame format the adapter settings decide and hidden:
    // the user cannot choose it here.
    auto* frameFormat = new QButtonGroup(this);
    QRadioButton* standard = addRadioButton(frameFormat, strings::kStandardFrames, prefix, this);
    QRadioButton* extend = addRadioButton(frameFormat, strings::kExtendedFrames, prefix, this);
    (opened.frameFormat == 0 ? standard : extend)->setChecked(true);
    standard->hide();
    extend->hide();

    size_ = new QComboBox(this);
    size_->setObjectName(QStringLiteral("size"));
    for (int size = 0; size < kSizeEntries; ++size)
        size_->addItem(QString::number(size));
    size_->setCurrentIndex(int(opened.size));

    send_ = new QPushButton(
        tableText(buffer == ManualBufferId::first ? strings::kManualSendBuffer1 : strings::kManualSendBuffer2), this);
    send_->setObjectName(QStringLiteral("send"));

    auto* frameButtons = new QHBoxLayout;
    frameButtons->addWidget(dataFrame);
    frameButtons->addWidget(remoteFrame_);
    auto* dataFields = new QHBoxLayout;
    for (EntryField* field : data_)
        dataFields->addWidget(field);
    auto* grid = new QGridLayout(this);
    grid->addWidget(labelFor(identifier_, strings::kManualIdentifier, prefix), 0, 0);
    grid->addWidget(identifier_, 0, 1);
    grid->addWidget(new QLabel(tableText(strings::kManualFrame)), 0, 2);
    grid->addLayout(frameButtons, 0, 3);
    grid->addWidget(labelFor(size_, strings::kManualSize, prefix), 1, 0);
    grid->addWidget(size_, 1, 1);
    grid->addWidget(new QLabel(tableText(strings::kManualData)), 2, 0);
    grid->addLayout(dataFields, 2, 1, 1, 3);
    grid->addWidget(send_, 3, 3, Qt::AlignRight);

    enableDataFieldsForFrame();
    connect(size_, &QComboBox::currentIndexChanged, this, &ManualBufferBox::enableDataFieldsForFrame);
    connect(remoteFrame_, &QRadioButton::toggled, this, &ManualBufferBox::enableDataFieldsForFrame);
}

ManualEntry ManualBufferBox::entry() const {
    ManualEntry entry;
    entry.identifier = identifier_->keptValue();
    entry.size = uint32_t(size_->currentIndex());
    entry.remote = remoteFrame_->isChecked() ? 1 : 0;
    entry.frameFormat = frameFormat_;
    for (std::size_t i = 0; i < data_.size(); ++i)
        entry.data[i] = data_[i]->keptValue();
    return entry;
}

void ManualBufferBox::enableDataFieldsForFrame() {
    enableDataFields(data_, size_->currentIndex(), remoteFrame_->isChecked());
}
