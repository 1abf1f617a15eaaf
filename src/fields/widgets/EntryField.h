// EntryField.h: a line edit for an identifier or a data byte that applies the
// change rule on every change of its text, whether typed, pasted or set by
// the program, and keeps the last value the rule accepted. Letters show in
// upper case. A refused character is reported through the MessageSink and
// removed by a real text change, so a correction cascades as typing would.
#pragma once

#include "fields/FieldRules.h"
#include "fields/NumberText.h"
#include "fields/widgets/ChangeRuleLoop.h"

#include <QLineEdit>

#include <cstdint>

class MessageSink;
struct FieldMessages;

enum class FieldKind { identifier, dataByte };

// What a field does when it loses the focus empty: the message dialogs fill
// in "0", the filter dialogs leave it empty.
enum class LeftEmpty { staysEmpty, becomesZero };

// On a change of format, whether an empty field is rewritten from its kept
// value (message dialogs) or stays empty (filter dialogs: an empty data
// field tests nothing).
enum class EmptyText { rewrite, keep };

class EntryField : public QLineEdit {
    Q_OBJECT

public:
    // The field starts empty, in Hex, for Standard identifiers, kept value 0.
    // Messages are owned by the field's window.
    EntryField(FieldKind kind, const FieldMessages& messages, MessageSink& sink, LeftEmpty leftEmpty,
               QWidget* parent = nullptr);

    uint32_t keptValue() const { return kept_; }

    // Shows `value` in the field's format; the change rule runs on it.
    void showValue(uint32_t value);

    // Follows the dialog's Hex/Decimal buttons: sets a data byte's text
    // limit and rewrites the text from the kept value, never losing it.
    void setNumberFormat(NumberFormat format, EmptyText empty = EmptyText::rewrite);

    // Identifier fields: the range of the dialog's frames.
    void setIdentifierWidth(IdentifierWidth width) { width_ = width; }

    // Data-byte fields: where the focus goes once this one is full.
    void setNextField(EntryField* next) { next_ = next; }

    // Wide enough for the longest number the field takes, no wider, so a
    // row of eight data bytes fits a dialog.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setWholeText(const QString& text);
    void applyTextLimit();
    void applyChangeRule();
    void checkText();
    void removeLastCharacter();

    const FieldKind kind_;
    const FieldMessages& messages_;
    MessageSink& sink_;
    const LeftEmpty leftEmpty_;
    NumberFormat format_ = NumberFormat::hex;
    IdentifierWidth width_ = IdentifierWidth::standard;
    EntryField* next_ = nullptr;
    uint32_t kept_ = 0;
    ChangeRuleLoop changeRule_;
};
