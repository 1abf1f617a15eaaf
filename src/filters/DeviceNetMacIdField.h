// DeviceNetMacIdField.h: the rules of the DeviceNet filter dialog's Source ID
// and Destination ID fields, as plain functions from the field's text to
// what the dialog does. A member of -1 reads "ALL": no MAC ID test.
#pragma once

#include "fields/NumberText.h"

#include <optional>
#include <string>
#include <string_view>

// What a change of a MAC ID field's text decides.
struct MacIdVerdict {
    std::optional<int> member;  // the new member value (-1 for "ALL"); none keeps the old one
    int refusal = 0;            // string-table number to show, then remove the last character; 0 none
    std::string_view refusalText;

    bool operator==(const MacIdVerdict&) const = default;
};

// The change rule: "ALL" gives -1, empty text keeps the member, digits of
// `format` up to 63 (0x3F) give their value; anything else is refused with
// the dialog's own message.
MacIdVerdict checkMacIdField(std::string_view text, NumberFormat format);

// The lose-focus rule: an emptied field reads "ALL" again (the change rule
// then sets -1), so that the field never shows less than the condition a
// press of Add builds. None for any other text.
std::optional<std::string_view> allIfEmpty(std::string_view text);

// Whether `member` is a MAC ID the field shows as a number (0..63).
bool isMacId(int member);

// The field's text when its group is chosen: "ALL" for a member that is no
// MAC ID, else "%X" or "%d".
std::string macIdFieldText(int member, NumberFormat format);

// The field's text rewritten after a change of format: "%02X" or "%d".
std::string reformattedMacIdFieldText(int member, NumberFormat format);
