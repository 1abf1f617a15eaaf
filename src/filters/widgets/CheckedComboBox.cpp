#include "filters/widgets/CheckedComboBox.h"

#include "fields/widgets/UpperCaseValidator.h"

#include <QLineEdit>

CheckedComboBox::CheckedComboBox(MessageSink& sink, QWidget* parent) : QComboBox(parent), sink_(sink) {
    setEditable(true);
    // Typing "A" in Hex must stay "A", not be completed to "ALL"; Enter must
    // not add what was typed to the list.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setValidator(new UpperCaseValidator(this));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QComboBox::editTextChanged, this, &CheckedComboBox::applyChangeRule);
}

Message CheckedComboBox::fieldMessage(int number) const {
    const QWidget* owner = window();
    return dialogMessage(owner, number, MessageIcon::None);
}

void CheckedComboBox::applyChangeRule() {
    // Removing a refused character changes the text again and so re-enters here.
    changeRule_.run([this] {
        if (const std::optional<Message> refusal = checkText(currentText().toLatin1().toStdString())) {
            sink_.show(*refusal);
            removeLastCharacter();
        }
    });
}

void CheckedComboBox::removeLastCharacter() {
    // Selecting scrolls the character into view; deleting the selection is a
    // real change of the text, which the rule then checks again.
    lineEdit()->setSelection(int(currentText().size()) - 1, 1);
    lineEdit()->del();
}
