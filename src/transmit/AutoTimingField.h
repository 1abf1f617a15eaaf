// AutoTimingField.h: the change rule of the automation dialog's "Interval
// (ms):" and "Cycle (ms):" fields, which write the document at once so that
// a value stays even when the dialog is cancelled.
#pragma once

#include <cstdint>
#include <string_view>

class MessageSink;

// The spin buttons' range; the rule refuses more.
constexpr uint32_t kMaxAutoTimingMs = 255;

enum class TimingFieldAction { none, removeLastCharacter };

// Runs on every change of the field's text. Empty text changes nothing (the
// lose-focus rule turns it into 0). Digits up to 255 become `documentValue`.
// Anything else shows message 5024 in a box owned by `dialog`, and the caller
// removes the last character, which runs the rule again. A long run of digits
// counts as above 255 rather than wrapping round to a small value.
TimingFieldAction checkTimingField(std::string_view text, uint32_t& documentValue, MessageSink& messages,
                                   const void* dialog);
