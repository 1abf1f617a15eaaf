#include "filters/widgets/CanopenIdBox.h"

#include "dialogs/TableText.h"
#include "filters/CanopenFilterRules.h"

#include <QFocusEvent>

CanopenIdBox::CanopenIdBox(uint32_t limit, MessageSink& sink, QWidget* parent)
    : CheckedComboBox(sink, parent), limit_(limit), member_(kCanopenAll) {
    addItem(tableText(strings::kCanopenFilterAll));
    // Room for the longest number the box takes and the cursor, not just "ALL".
    setMinimumContentsLength(int(numberText(limit, NumberFormat::decimal).size()) + 1);
}

void CanopenIdBox::showMember(int32_t member) {
    setEditText(member == kCanopenAll ? tableText(strings::kCanopenFilterAll)
                                      : QString::fromStdString(numberText(uint32_t(member), format_)));
}

void CanopenIdBox::setNumberFormat(NumberFormat format) {
    format_ = format;
    if (const auto text = canopenIdTextInFormat(currentText().toLatin1().toStdString(), member_, format_))
        setEditText(QString::fromStdString(*text));
}

std::optional<Message> CanopenIdBox::checkText(const std::string& text) {
    const CanopenIdVerdict verdict = checkCanopenIdField(text, format_, limit_);
    if (verdict.member)
        member_ = *verdict.member;
    if (!verdict.refusal)
        return std::nullopt;
    // The range messages carry the limit, written in by the rule.
    Message message = fieldMessage(verdict.refusal->number);
    message.text = verdict.refusal->text;
    return message;
}

void CanopenIdBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // The entries' popup keeps the box in use.
    if (event->reason() != Qt::PopupFocusReason)
        emit left();
}
