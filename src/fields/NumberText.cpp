#include "fields/NumberText.h"

#include "core/FrameDigits.h"

#include <algorithm>

namespace {

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexLetter(char c) { return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

bool isDigitOf(NumberFormat format, char c) {
    return isDecimalDigit(c) || (format == NumberFormat::hex && isHexLetter(c));
}

uint32_t digitValue(NumberFormat format, char c) {
    if (!isDigitOf(format, c))
        return 0;
    return isDecimalDigit(c) ? uint32_t(c - '0') : uint32_t((c | 0x20) - 'a' + 10);
}

}  // namespace

bool IsNumberText(NumberFormat format, std::string_view text) {
    return std::all_of(text.begin(), text.end(), [format](char c) { return isDigitOf(format, c); });
}

uint32_t TextToNumber(NumberFormat format, std::string_view text) {
    const uint32_t base = format == NumberFormat::hex ? 16 : 10;
    uint32_t value = 0;
    for (char c : text)
        value = value * base + digitValue(format, c);  // unsigned: wraps modulo 2^32
    return value;
}

bool IsInRange(uint32_t minimum, uint32_t maximum, uint32_t value) { return minimum <= value && value <= maximum; }

std::string numberText(uint32_t value, NumberFormat format) {
    char digits[10];
    char* end = format == NumberFormat::hex ? frametext::writeHex(digits, value) : frametext::writeDecimal(digits, value);
    return std::string(digits, end);
}
