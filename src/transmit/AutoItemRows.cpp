#include "transmit/AutoItemRows.h"

#include "core/FrameDigits.h"
#include "core/StringTable.h"
#include "filters/FilterFlags.h"
#include "views/FrameText.h"

namespace {

constexpr std::string_view kNotEntered = "****";
constexpr std::string_view kByteNotEntered = " **";

// The one place the two number bases differ: "%X" or "%u" (unsigned, so that
// an identifier above 2^31 from a damaged file never shows negative).
using WriteNumber = char* (*)(char* out, uint32_t value);
char* writeHexNumber(char* out, uint32_t value) { return frametext::writeHex(out, value); }
char* writeDecimalNumber(char* out, uint32_t value) { return frametext::writeDecimal(out, value); }

std::string numberText(WriteNumber write, uint32_t value) {
    char text[10];
    return std::string(text, write(text, value));
}

std::string dataText(const AutoMessageItem& item, WriteNumber write) {
    if (item.frame.remote)
        return std::string(strings::text(frametext::kRemoteFrameString));
    if (item.frame.length > kMaxDataBytes)
        return {};
    std::string text;
    for (int i = 0; i < item.frame.length; ++i) {
        if (item.flags & dataByteFlag(i))
            text += ' ' + numberText(write, item.frame.data[i]);
        else
            text += kByteNotEntered;
    }
    return text;
}

}  // namespace

std::array<std::string, kAutoListColumnCount> autoItemRowTexts(const AutoMessageItem& item, std::size_t index,
                                                               bool hex) {
    const WriteNumber write = hex ? writeHexNumber : writeDecimalNumber;
    const int typeString = item.frame.extended != 0 ? frametext::kExtendString : frametext::kStandardString;
    return {
        numberText(writeDecimalNumber, uint32_t(index)),
        std::string(item.flags & FC_FRAMEFORMAT ? strings::text(typeString) : kNotEntered),
        item.flags & FC_ID_CUSTOM ? numberText(write, item.frame.identifier) : std::string(kNotEntered),
        numberText(writeDecimalNumber, item.frame.length),
        dataText(item, write),
    };
}
