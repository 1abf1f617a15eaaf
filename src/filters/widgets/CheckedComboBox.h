// CheckedComboBox.h: a drop-down whose edit part takes a number, shown in
// upper case, and whose rule checks the text on every change, typed, pasted
// or set by the program. A refused character is reported and removed by a
// real text change, so a correction cascades as typing would. A field
// derives from it and supplies the rule.
#pragma once

#include "core/MessageSink.h"
#include "fields/widgets/ChangeRuleLoop.h"

#include <QComboBox>

#include <optional>
#include <string>

class CheckedComboBox : public QComboBox {
    Q_OBJECT

protected:
    // Messages go to `sink`, owned by the field's window.
    explicit CheckedComboBox(MessageSink& sink, QWidget* parent = nullptr);

    // The field's rule over its text, one byte per character (a character
    // outside Latin-1 reads '?'): the message to show before the last
    // character goes, or none.
    virtual std::optional<Message> checkText(const std::string& text) = 0;

    // A message of the field's window: no icon, no caption of our own.
    Message fieldMessage(int number) const;

private:
    void applyChangeRule();
    void removeLastCharacter();

    MessageSink& sink_;
    ChangeRuleLoop changeRule_;
};
