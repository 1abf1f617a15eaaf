// AutoTimingSpinBox.h: the automation dialog's "Interval (ms):" and "Cycle
// (ms):" fields: digits with spin buttons from 0 to 255, whose every accepted
// change goes straight into the document, so that it stays even when the
// dialog is cancelled.
#pragma once

#include <QSpinBox>

#include <cstdint>

class MessageSink;

class AutoTimingSpinBox : public QSpinBox {
    Q_OBJECT

public:
    // Shows `documentValue` and writes every accepted change into it. A
    // typed value above 255 shows message 5024 in a box owned by the
    // field's window and loses its last character.
    AutoTimingSpinBox(uint32_t& documentValue, MessageSink& messages, QWidget* parent = nullptr);

    // The spin buttons write the text without telling the line edit; their
    // value goes into the document all the same.
    void stepBy(int steps) override;

protected:
    // Any run of digits passes, so that the change rule, not a silent
    // refusal, tells the user about a value above 255.
    QValidator::State validate(QString& text, int& position) const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyChangeRule(const QString& text);

    uint32_t& documentValue_;
    MessageSink& messages_;
};
