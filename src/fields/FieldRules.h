// FieldRules.h: what a change of an identifier or data-byte field's text
// does, and what leaving the field does, as plain functions. The widget that
// holds the field carries the verdict out.
#pragma once

#include "fields/NumberText.h"

#include <cstdint>
#include <optional>
#include <string_view>

struct FieldMessages;

// Identifier ranges: Standard frames 0 to 0x7FF, Extend frames 0 to
// 0x1FFFFFFF.
enum class IdentifierWidth { standard, extend };

// DeviceSettings' `frameType`: 1 is Standard, anything else Extend.
inline IdentifierWidth identifierWidthOf(int32_t frameType) {
    return frameType == 1 ? IdentifierWidth::standard : IdentifierWidth::extend;
}

// What a change rule decides about the field's text.
struct FieldVerdict {
    std::optional<uint32_t> keptValue;  // the new kept value; none keeps the old one
    int refusal = 0;                    // message to show, then remove the last character; 0 none
    bool focusNext = false;             // move the focus to the next field, its text all selected

    bool operator==(const FieldVerdict&) const = default;
};

// The text limit of a data-byte field: 2 characters in Hex, 3 in Decimal.
int dataByteTextLimit(NumberFormat format);

// The change rule of a data-byte field (0 to 255). Empty text keeps the old
// value; a full field hands the focus on when `hasNextField`.
FieldVerdict CheckDataByteField(std::string_view text, NumberFormat format, bool hasNextField,
                                const FieldMessages& messages);

// The change rule of an identifier field: at most 8 characters in Hex and 9
// in Decimal. The value is kept before the range test, empty text as 0; an
// out-of-range value is kept until the removal of its last character stores
// the shorter one.
FieldVerdict CheckIdentifierField(std::string_view text, NumberFormat format, IdentifierWidth width,
                                  const FieldMessages& messages);

// The lose-focus rule: the text an empty field takes ("0"), none otherwise.
std::optional<std::string_view> ZeroIfEmpty(std::string_view text);

// How many data-byte fields, from the first, the frame size enables: `size`
// for a data frame (within 0 to 8), none for a remote frame. Disabled fields
// keep their text and kept values.
int enabledDataFieldCount(int size, bool remoteFrame);
