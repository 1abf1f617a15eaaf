// FieldMessages.h: which message each entry dialog shows when a field's
// change rule refuses its text. The four dialogs apply the same rules, each
// with string numbers of its own.
#pragma once

#include "core/StringTable.h"
#include "fields/NumberText.h"

struct FieldMessages {
    struct InFormat {
        int byteAboveMaximum;
        int byteInvalidCharacter;
        int identifierTooLong;
        int identifierInvalidCharacter;
        int identifierStandardRange;
        int identifierExtendRange;
    };
    InFormat hex;
    InFormat decimal;

    constexpr const InFormat& in(NumberFormat format) const { return format == NumberFormat::hex ? hex : decimal; }
};

// The identifier numbers of a dialog without an identifier field.
constexpr int kNoIdentifierField = 0;

inline constexpr FieldMessages kAutomationMessageFields{
    {strings::kAutoByteRangeHex, strings::kAutoByteCharacterHex, strings::kAutoIdLengthHex,
     strings::kAutoIdCharacterHex, strings::kAutoIdStandardRangeHex, strings::kAutoIdExtendRangeHex},
    {strings::kAutoByteRangeDecimal, strings::kAutoByteCharacterDecimal, strings::kAutoIdLengthDecimal,
     strings::kAutoIdCharacterDecimal, strings::kAutoIdStandardRangeDecimal, strings::kAutoIdExtendRangeDecimal},
};

inline constexpr FieldMessages kManualMessageFields{
    {strings::kManualByteRangeHex, strings::kManualByteCharacterHex, strings::kManualIdLengthHex,
     strings::kManualIdCharacterHex, strings::kManualIdStandardRangeHex, strings::kManualIdExtendRangeHex},
    {strings::kManualByteRangeDecimal, strings::kManualByteCharacterDecimal, strings::kManualIdLengthDecimal,
     strings::kManualIdCharacterDecimal, strings::kManualIdStandardRangeDecimal,
     strings::kManualIdExtendRangeDecimal},
};

inline constexpr FieldMessages kCanFilterFields{
    {strings::kCanFilterByteRangeHex, strings::kCanFilterByteCharacterHex, strings::kCanFilterIdLengthHex,
     strings::kCanFilterIdCharacterHex, strings::kCanFilterIdStandardRangeHex, strings::kCanFilterIdExtendRangeHex},
    {strings::kCanFilterByteRangeDecimal, strings::kCanFilterByteCharacterDecimal, strings::kCanFilterIdLengthDecimal,
     strings::kCanFilterIdCharacterDecimal, strings::kCanFilterIdStandardRangeDecimal,
     strings::kCanFilterIdExtendRangeDecimal},
};

// The CANopen filter checks its COB-ID and node ID by rules of its own.
inline constexpr FieldMessages kCanopenFilterFields{
    {strings::kCanopenFilterByteRangeHex, strings::kCanopenFilterByteCharacterHex, kNoIdentifierField,
     kNoIdentifierField, kNoIdentifierField, kNoIdentifierField},
    {strings::kCanopenFilterByteRangeDecimal, strings::kCanopenFilterByteCharacterDecimal, kNoIdentifierField,
     kNoIdentifierField, kNoIdentifierField, kNoIdentifierField},
};
