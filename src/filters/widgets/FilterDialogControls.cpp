#include "filters/widgets/FilterDialogControls.h"

#include "base/FrameRecord.h"
#include "dialogs/TableText.h"
#include "filters/ConditionTexts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QRadioButton>

RadioPair radioPair(QObject* owner, int first, int second) {
    auto* group = new QButtonGroup(owner);
    RadioPair pair{new QRadioButton(tableText(first)), new QRadioButton(tableText(second))};
    group->addButton(pair.first);
    group->addButton(pair.second);
    pair.first->setChecked(true);
    return pair;
}

void fillSizeList(QComboBox& size, int all) {
    size.addItem(tableText(all));
    for (int length = 0; length <= kMaxDataBytes; ++length)
        size.addItem(QString::number(length));
}

LengthAndDataEntry lengthAndDataOf(const QComboBox& size, const DataByteFields& data) {
    LengthAndDataEntry entry;
    entry.sizeEntry = size.currentIndex();
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (!data[i]->text().isEmpty())
            entry.data[i] = uint8_t(data[i]->keptValue());
    }
    return entry;
}

void showLengthAndData(const LengthAndDataEntry& entry, QComboBox& size, const DataByteFields& data,
                       NumberFormat format) {
    size.setCurrentIndex(entry.sizeEntry);
    for (std::size_t i = 0; i < data.size(); ++i) {
        const std::optional<uint8_t> value = entry.data[i];
        data[i]->setText(value ? QString::fromStdString(paddedByteText(*value, format)) : QString());
    }
}

void enableDataFieldsForSize(const QComboBox& size, const DataByteFields& data, bool remoteFrame) {
    const int entry = size.currentIndex();
    enableDataFields(data, entry <= kSizeEntryAll ? kMaxDataBytes : entry - 1, remoteFrame);
}
