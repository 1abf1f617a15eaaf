#include "views/ExportLines.h"

#include "core/StringTable.h"
#include "protocol/CanopenReading.h"
#include "protocol/DeviceNetReading.h"
#include "views/FrameText.h"
#include "views/RowLinePieces.h"

namespace {

constexpr std::string_view kDeviceNetDescriptions[kDnKindCount] = {
    "",  // DnNotApplicable: extended frames show "Invalid data" instead
    "--------",
    "Slave's IO COS/CC Msg",
    "Slave's IO Bit-Strobe Res Msg",
    "Slave's IO Poll Res or COS/CC Ack",
    "Master's I/O Bit-Strobe Cmd Msg",
    "Reserved for Master's TBD",
    "Master's COS/CC Ack Msg",
    "Slave's Exp Res Msg",
    "Master's Exp Req Msg",
    "Master's IO Poll/COS/CC Msg",
    "Grp2 Only Unconn Exp Req Msg(rsd)",
    "Duplicate MAC ID Check Msg",
    "Unconn Exp Res Msg",
    "Unconn Exp Req Msg",
    "------",
    "Reserved Group 4 Msg",
    "Comm Faulted Res Msg",
    "Comm Faulted Req Msg",
    "Offline Ownership Res Msg",
    "Offline Ownership Req Msg",
    "Invalid CAN Identifiers",
};

// Where the DeviceNet groups place their fields: blanks around the MAC IDs
// and message ID, and the description's lead and width (lead included).
struct DeviceNetGroupLayout {
    int blanksAfterSource;
    int blanksBeforeDestination;
    int blanksAfterMessageId;
    int blanksBeforeDescription;
    int descriptionWidth;
    int blanksBeforeLength;
};

constexpr DeviceNetGroupLayout kDeviceNetGroups[] = {
    {0, 3, 0, 4, 37, 2},
    {0, 3, 2, 2, 35, 2},
    {2, 1, 0, 4, 37, 2},
    {0, 3, 0, 4, 35, 4},
};

// The COB-ID whose description is filled one character short.
constexpr uint32_t kShortDescriptionCobId = 0x6E0;

using namespace rowline;

// The identifier and its kind, laid out alike in the CAN and CANopen lines.
char* writeIdentifierAndKind(char* out, const ExportWords& words, const CanFrame& frame) {
    out = frametext::writeHex(writeBlanks(out, 4), frame.identifier, 3);
    if (frame.extended == 1)
        return writeWord(writeBlanks(out, 1), words.extend);
    return writeWord(writeBlanks(out, 6), words.standard);
}

char* writeCanLine(char* out, const ExportWords& words, uint32_t row, const FrameRecord& record) {
    const CanFrame& frame = record.frame;
    out = frametext::writeDecimal(out, row, 7);
    out = frametext::writeTime(writeBlanks(out, 4), record);
    out = frametext::writeDecimal(writeBlanks(out, 4), record.busLoad, 2);
    out = writeIdentifierAndKind(out, words, frame);
    out = frametext::writeDecimal(writeBlanks(out, 4), frame.length);
    return writeDataText(writeBlanks(out, 4), words, frame);
}

char* writeDeviceNetLine(char* out, const ExportWords& words, uint32_t row, const FrameRecord& record) {
    const CanFrame& frame = record.frame;
    out = frametext::writeDecimal(out, row, 7);
    out = frametext::writeTime(writeBlanks(out, 2), record);
    out = frametext::writeDecimal(writeBlanks(out, 3), record.busLoad, 2);
    out = writeBlanks(out, 3);

    const DeviceNetReading reading = readDeviceNet(record);
    if (reading.group == 0) {
        out = frametext::writeHex(writeBlanks(out, 2), frame.identifier, 3);
        out = writeWord(out, words.extend);
        constexpr std::string_view kAbsentFields = "  -  --   --     --    ";
        out = std::copy(kAbsentFields.begin(), kAbsentFields.end(), out);
        out = writeWord(out, words.invalidData);
        out = frametext::writeDecimal(writeBlanks(out, 27), frame.length);
        return writeDataText(writeBlanks(out, 2), words, frame);
    }

    const DeviceNetGroupLayout& layout = kDeviceNetGroups[reading.group - 1];
    out = frametext::writeHex(writeBlanks(out, 4), frame.identifier, 3);
    out = writeWord(writeBlanks(out, 3), words.standard);
    out = frametext::writeDecimal(writeBlanks(out, 2), reading.group);
    out = writeOptionalHex(writeBlanks(out, 2), reading.sourceMacId);
    out = writeBlanks(out, layout.blanksAfterSource);
    out = writeOptionalHex(writeBlanks(out, layout.blanksBeforeDestination), reading.destMacId);
    out = writeOptionalHex(writeBlanks(out, 5), reading.messageId);
    out = writeBlanks(out, layout.blanksAfterMessageId);
    out = writeFilled(out, layout.blanksBeforeDescription, kDeviceNetDescriptions[reading.kind],
                      layout.descriptionWidth);
    out = frametext::writeDecimal(writeBlanks(out, layout.blanksBeforeLength), frame.length);
    return writeDataText(writeBlanks(out, 2), words, frame);
}

char* writeCanopenLine(char* out, const ExportWords& words, uint32_t row, const FrameRecord& record) {
    const CanFrame& frame = record.frame;
    out = frametext::writeDecimal(out, row, 7);
    out = frametext::writeTime(writeBlanks(out, 4), record);
    out = frametext::writeDecimal(writeBlanks(out, 3), record.busLoad, 2);
    out = writeIdentifierAndKind(out, words, frame);

    const CanopenReading reading = readCanopen(record);
    if (!reading.functionCode || !reading.nodeId) {
        constexpr std::string_view kAbsentFields = "    -    --    ";
        out = std::copy(kAbsentFields.begin(), kAbsentFields.end(), out);
        out = writeWord(out, words.invalidData);
    } else {
        out = frametext::writeHex(writeBlanks(out, 4), *reading.functionCode, 1);
        out = frametext::writeHex(writeBlanks(out, 4), *reading.nodeId, 2);
        const int width = frame.identifier == kShortDescriptionCobId ? 20 : 21;
        out = writeFilled(out, 4, kCanopenDescriptions[reading.kind], width);
    }
    out = frametext::writeDecimal(writeBlanks(out, 4), frame.length);
    return writeDataText(writeBlanks(out, 4), words, frame);
}

}  // namespace

ExportLayout exportLayout(Protocol protocol) {
    switch (protocol) {
    case Protocol::can:
        return ExportLayout::can;
    case Protocol::deviceNet:
        return ExportLayout::deviceNet;
    case Protocol::canopen:
    case Protocol::none:
        break;
    }
    return ExportLayout::canopen;
}

ExportWords ExportWords::fromStringTable() {
    return {strings::text(frametext::kStandardString), strings::text(frametext::kExtendString),
            strings::text(frametext::kInvalidDataString), strings::text(frametext::kRemoteFrameString)};
}

char* writeExportLine(char* out, ExportLayout layout, const ExportWords& words, uint32_t row,
                      const FrameRecord& record) {
    return forLayout(layout, writeCanLine, writeDeviceNetLine, writeCanopenLine)(out, words, row, record);
}
