// CanopenFilterRules.h: what the CANopen filter dialog's controls decide,
// apart from the dialog: the COB-ID and node ID fields' rules, the texts the
// format radio buttons write, and the condition the controls build or load.
#pragma once

#include "fields/NumberText.h"
#include "filters/ConditionBuilding.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct FilterCondition;

// A COB-ID, function code or node ID member that reads "ALL".
constexpr int32_t kCanopenAll = -1;
constexpr uint32_t kCobIdLimit = 0x7FF;
constexpr uint32_t kNodeIdLimit = 0x7F;
constexpr int kFunctionCodeCount = 16;

// A message as the dialog shows it: its string number and its text, with
// any number the text asks for already written in.
struct CanopenFieldMessage {
    int number = 0;
    std::string text;

    bool operator==(const CanopenFieldMessage&) const = default;
};

// What a change of the "COB-ID:" or "Node-ID:" field's text decides.
struct CanopenIdVerdict {
    std::optional<int32_t> member;  // the member's new value; none keeps it
    // Shown with an OK button, after which the last character is removed,
    // which runs the rule again on the shorter text.
    std::optional<CanopenFieldMessage> refusal;

    bool operator==(const CanopenIdVerdict&) const = default;
};

// The change rule of the COB-ID (`limit` kCobIdLimit) and node ID
// (kNodeIdLimit) fields: "ALL" sets kCanopenAll, empty text changes nothing.
// A valid number becomes the member even when it is above the limit.
CanopenIdVerdict checkCanopenIdField(std::string_view text, NumberFormat format, uint32_t limit);

// What leaving the "COB-ID:" field decides: a text to write back ("%X" or
// "%d"), or a message; neither for "ALL" or characters the format lacks.
struct CobIdLeaveVerdict {
    std::optional<std::string> rewrite;
    std::optional<CanopenFieldMessage> refusal;

    bool operator==(const CobIdLeaveVerdict&) const = default;
};

CobIdLeaveVerdict leaveCobIdField(std::string_view text, NumberFormat format);

// The "FunCode:" list: "ALL", then 0 to 15 in `format`. Entry k is the
// function code k - 1, so the selection minus 1 is the member.
std::array<std::string, kFunctionCodeCount + 1> functionCodeEntries(NumberFormat format);

// What the "COB-ID:" or "Node-ID:" field shows after a change to `format`:
// its member as "%02X" or "%d". None when the field reads "ALL" or its member
// is kCanopenAll (an emptied field keeps showing nothing).
std::optional<std::string> canopenIdTextInFormat(std::string_view shownText, int32_t member, NumberFormat format);

enum class CanopenFilterMethod { cobId, functionCodeAndNodeId };  // "Method 1", "Method 2"

// The controls a CANopen condition is built from; each member kCanopenAll or
// a value. The method not chosen keeps its members but they build nothing.
struct CanopenFilterControls {
    CanopenFilterMethod method = CanopenFilterMethod::cobId;
    int32_t cobId = kCanopenAll;
    int32_t functionCode = kCanopenAll;
    int32_t nodeId = kCanopenAll;
    bool remoteFrame = false;
    LengthAndDataEntry lengthAndData;
};

// The condition Add and Edit store: ticked, 11-bit frames only.
FilterCondition buildCanopenCondition(const CanopenFilterControls& controls);

// The controls a clicked CANopen condition loads; the other method's members
// read "ALL" and each untested data byte is an empty field.
CanopenFilterControls canopenControlsOf(const FilterCondition& condition);
