#include "filters/CanFilterRows.h"

#include "core/StringTable.h"
#include "filters/AdvancedIdentifierBits.h"
#include "filters/ConditionTexts.h"
#include "filters/FilterCondition.h"
#include "filters/FilterFlags.h"

#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kNoIdentifierTest = "****";

struct Columns {
    std::string identifier;
    std::string length;
    std::string data;
};

std::string number(uint32_t value, NumberFormat format) { return numberText(value, format); }

// "name=value" in the list's format.
std::string fixedBits(std::string_view name, uint32_t value, NumberFormat format) {
    return std::string(name) + '=' + number(value, format);
}

std::string canIdentifierText(const FilterCondition& condition, NumberFormat format) {
    if (condition.flags & FC_ID_CUSTOM)
        return number(condition.frame.identifier, format);
    if (condition.flags & FC_ID_ADVANCED)
        return advancedIdentifierText(condition);
    return std::string(kNoIdentifierTest);
}

std::string canopenIdentifierText(const FilterCondition& condition, NumberFormat format) {
    const uint32_t flags = condition.flags;
    if (flags & FC_METHOD1)
        return flags & FC_COP_COBID ? number(condition.cobId, format) : std::string(kNoIdentifierTest);
    const bool functionCode = flags & FC_COP_FCODE;
    const bool nodeId = flags & FC_COP_NODEID;
    if (functionCode && nodeId)
        return number(condition.functionCode * 128 + condition.nodeId, format);
    if (functionCode)
        return fixedBits("left4(X)", condition.functionCode, format);
    if (nodeId)
        return fixedBits("right7(X)", condition.nodeId, format);
    return "**";
}

int deviceNetGroup(uint32_t flags) {
    if (flags & FC_DN_GROUP1)
        return 1;
    if (flags & FC_DN_GROUP2)
        return 2;
    if (flags & FC_DN_GROUP3)
        return 3;
    return 4;
}

// "%X<X<%X" or "%d<X<%d": the identifiers between two bounds.
std::string identifierRange(uint32_t low, uint32_t high, NumberFormat format) {
    return number(low, format) + "<X<" + number(high, format);
}

// Length and data of a frame whose first data byte carries MAC ID `macId`,
// or of any frame without one.
Columns macIdInData(Columns columns, std::optional<uint32_t> macId, NumberFormat format,
                    std::string_view withoutMacId) {
    if (!macId) {
        columns.length = "ALL";
        columns.data = std::string(withoutMacId);
        return columns;
    }
    columns.length = ">0";
    columns.data = "X ** ** ** (right7(X)=" + number(*macId, format) + ")";
    return columns;
}

std::optional<uint32_t> present(bool tested, uint32_t value) {
    return tested ? std::optional<uint32_t>(value) : std::nullopt;
}

Columns group1Columns(const FilterCondition& c, NumberFormat format) {
    const std::optional<uint32_t> m = present(c.flags & FC_DN_MSGID, c.messageId);
    const std::optional<uint32_t> src = present(c.flags & FC_DN_SRCMAC, c.sourceMacId);
    const std::optional<uint32_t> dst = present(c.flags & FC_DN_DSTMAC, c.destMacId);
    Columns columns;
    if (m && src)
        columns.identifier = number(*m * 64 + *src, format);
    else if (m)
        columns.identifier = identifierRange(*m * 64, *m * 64 + 63, format);
    else if (src)
        columns.identifier = fixedBits("right7(X)", *src, format);
    else
        columns.identifier = "left1(X)=0";
    const bool hex = format == NumberFormat::hex;
    if (!dst) {
        columns.length = "ALL";
        columns.data = hex ? "** ** ** **" : "*** *** *** ***";
    } else {
        columns.length = ">0";
        columns.data = hex ? "X  ** ** ** (right7(X)=" + number(*dst, format) + ")"
                           : "X  *** *** ***(right7(X)=" + number(*dst, format) + ")";
    }
    return columns;
}

Columns group2Columns(const FilterCondition& c, NumberFormat format) {
    const std::optional<uint32_t> src = present(c.flags & FC_DN_SRCMAC, c.sourceMacId);
    const std::optional<uint32_t> dst = present(c.flags & FC_DN_DSTMAC, c.destMacId);
    Columns columns;
    if (!(c.flags & FC_DN_MSGID)) {
        // Written in Hex in either format.
        if (src && dst) {
            columns.identifier = "left2(X)=2,form3to8(X)=" + numberText(*src, NumberFormat::hex) + ',' +
                                 numberText(*dst, NumberFormat::hex);
            columns.length = ">0";
            columns.data = "X ** ** ** right7(X)=" + numberText(*dst, NumberFormat::hex) + ',' +
                           numberText(*src, NumberFormat::hex);
        } else if (src || dst) {
            const uint32_t macId = src ? *src : *dst;
            columns.identifier = "left2(X)=2,form3to8(X)=" + numberText(macId, NumberFormat::hex);
            columns.length = ">=0";
            columns.data = "X ** ** ** right7(X)=" + numberText(macId, NumberFormat::hex);
        } else {
            columns.identifier = "left2(X)=2";
            columns.length = "ALL";
            columns.data = "** ** ** **";
        }
        return columns;
    }
    const uint32_t m = c.messageId;
    // Which MAC ID the identifier carries depends on who sends message m.
    const bool sourceInIdentifier = m == 0 || m == 1 || m == 3;
    const std::optional<uint32_t> inIdentifier = sourceInIdentifier ? src : dst;
    const std::optional<uint32_t> inData = sourceInIdentifier ? dst : src;
    columns.identifier = inIdentifier ? number(1024 + *inIdentifier * 8 + m, format)
                                      : fixedBits("left2(X)=2,right3(X)", m, format);
    return macIdInData(columns, inData, format, "ALL");
}

Columns group3Columns(const FilterCondition& c, NumberFormat format) {
    const std::optional<uint32_t> m = present(c.flags & FC_DN_MSGID, c.messageId);
    const std::optional<uint32_t> src = present(c.flags & FC_DN_SRCMAC, c.sourceMacId);
    const std::optional<uint32_t> dst = present(c.flags & FC_DN_DSTMAC, c.destMacId);
    Columns columns;
    if (m && src)
        columns.identifier = number((*m + 24) * 64 + *src, format);
    else if (m)
        columns.identifier = identifierRange((*m + 24) * 64, *m * 64 + 1599, format);
    else if (src)
        columns.identifier = fixedBits("left2(X)=3,right(6)", *src, format);
    else
        columns.identifier = "left2(X)=3";
    return macIdInData(columns, dst, format, "ALL");
}

Columns deviceNetColumns(const FilterCondition& condition, NumberFormat format) {
    switch (deviceNetGroup(condition.flags)) {
    case 1:
        return group1Columns(condition, format);
    case 2:
        return group2Columns(condition, format);
    case 3:
        return group3Columns(condition, format);
    default:
        return {};  // group 4 is not told by the identifier
    }
}

}  // namespace

std::array<std::string, kCanFilterColumnCount> canFilterRowTexts(const FilterCondition& condition, std::size_t index,
                                                                 NumberFormat format) {
    Columns columns;
    std::string_view type = strings::text(strings::kStandardFrames);
    if (condition.flags & FC_DEVICENET) {
        columns = deviceNetColumns(condition, format);
    } else {
        columns.identifier = condition.flags & FC_CANOPEN ? canopenIdentifierText(condition, format)
                                                          : canIdentifierText(condition, format);
        columns.length = conditionLengthText(condition);
        columns.data = conditionDataText(condition, format);
        if ((condition.flags & FC_CAN) && condition.frame.extended == 1)
            type = strings::text(strings::kExtendedFrames);
    }
    return {std::to_string(index), std::string(conditionProtocolText(condition)), std::move(columns.identifier),
            std::string(type), std::move(columns.length), std::move(columns.data)};
}
