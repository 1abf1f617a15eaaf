// NumberText.h: the text of a typed identifier or data byte read as a number
// in the entry dialogs' format, and a kept value written back as text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The entry dialogs' number format; the values are those of the process-wide
// `hexFormat` and of the capture file that saves it.
enum class NumberFormat : uint32_t { decimal = 0, hex = 1 };

// `hexFormat` 1 is Hex; anything else reads as Decimal.
inline NumberFormat numberFormatOf(uint32_t hexFormat) {
    return hexFormat == 1 ? NumberFormat::hex : NumberFormat::decimal;
}

// Every character is a digit of `format` ("0"-"9", in Hex also "A"-"F" and
// "a"-"f"). Empty text qualifies.
bool IsNumberText(NumberFormat format, std::string_view text);

// The digits of `text` from the left, wrapping modulo 2^32; empty text is 0.
// Meant for text that passes IsNumberText; any other character counts as 0.
uint32_t TextToNumber(NumberFormat format, std::string_view text);

// minimum <= value <= maximum, compared unsigned.
bool IsInRange(uint32_t minimum, uint32_t maximum, uint32_t value);

// How a field shows its kept value: upper-case hexadecimal or decimal,
// without leading zeros.
std::string numberText(uint32_t value, NumberFormat format);
