#include "filters/widgets/MacIdComboBox.h"

#include "dialogs/TableText.h"
#include "filters/DeviceNetFilterLists.h"
#include "filters/DeviceNetMacIdField.h"

#include <QFocusEvent>

MacIdComboBox::MacIdComboBox(MessageSink& sink, QWidget* parent)
    : CheckedComboBox(sink, parent), member_(kDeviceNetAll) {
    addItem(tableText(strings::kDeviceNetFilterAll));
}

void MacIdComboBox::showMember(int member) {
    member_ = member;
    setEditText(QString::fromStdString(macIdFieldText(member, format_)));
}

void MacIdComboBox::setNumberFormat(NumberFormat format) {
    format_ = format;
    if (currentText() != tableText(strings::kDeviceNetFilterAll))
        setEditText(QString::fromStdString(reformattedMacIdFieldText(member_, format_)));
}

std::optional<Message> MacIdComboBox::checkText(const std::string& text) {
    const MacIdVerdict verdict = checkMacIdField(text, format_);
    if (verdict.member)
        member_ = *verdict.member;
    if (verdict.refusal == 0)
        return std::nullopt;
    return fieldMessage(verdict.refusal);
}

void MacIdComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // The entries' popup keeps the field in use.
    if (event->reason() == Qt::PopupFocusReason)
        return;
    if (const auto all = allIfEmpty(currentText().toLatin1().toStdString()))
        setEditText(QString::fromLatin1(all->data(), qsizetype(all->size())));
}
