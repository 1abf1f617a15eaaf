#include "views/PrintLines.h"

#include "protocol/CanopenReading.h"
#include "protocol/DeviceNetReading.h"
#include "views/FrameText.h"
#include "views/RowLinePieces.h"

namespace {

using namespace rowline;

// The printout's DeviceNet descriptions and the width each is filled to,
// its 4 leading blanks included.
struct PrintedDescription {
    std::string_view text;
    int width;
};

constexpr PrintedDescription kDeviceNetDescriptions[kDnKindCount] = {
    {"", 0},  // DnNotApplicable: extended frames show "Invalid data" instead
    {"--------", 66},
    {"Slave's IO COS/CC Msg", 55},
    {"Slave's IO Bit-Strobe Res Msg", 54},
    {"Slave's IO Poll Res or COS/CC Ack", 52},
    {"Master's I/O Bit-Strobe Cmd Msg", 51},
    {"Reserved for Master's TBD", 54},
    {"Master's COS/CC Ack Msg", 53},
    {"Slave's Exp Res Msg", 56},
    {"Master's Exp Req Msg", 54},
    {"Master's IO Poll/COS/CC Msg", 52},
    {"Grp 2 Only Unconn Exp Req Msg(reserved)", 43},
    {"Duplicate MAC ID Check Msg", 50},
    {"Unconn Exp Res Msg", 55},
    {"Unconn Exp Req Msg", 55},
    {"------", 66},
    {"Reserved Group 4 Msg", 54},
    {"Comm Faulted Res Msg", 54},
    {"Comm Faulted Req Msg", 54},
    {"Offline Ownership Res Msg", 50},
    {"Offline Ownership Req Msg", 50},
    {"Invalid CAN Identifiers", 60},
};

constexpr int kCanopenDescriptionWidth = 21;
constexpr int kUnassignedDescriptionWidth = 22;

char* writeAbsent(char* out, int blanks) {
    out = writeBlanks(out, blanks);
    return std::copy(frametext::kAbsentField.begin(), frametext::kAbsentField.end(), out);
}

// Row number, time, bus load, identifier and frame type: the start every
// printed line shares. CAN lines and DeviceNet's extended ones put " :"
// after the number and one more blank before the bus load.
char* writeLineStart(char* out, const ExportWords& words, uint32_t row, const FrameRecord& record, bool withColon) {
    out = frametext::writeDecimal(out, row, 7);
    if (withColon)
        out = std::copy_n(" :", 2, out);
    out = frametext::writeTime(writeBlanks(out, 4), record);
    out = frametext::writeDecimal(writeBlanks(out, withColon ? 4 : 3), record.busLoad, 2);
    out = frametext::writeHex(writeBlanks(out, 4), record.frame.identifier, 3);
    return writeWord(writeBlanks(out, 2), record.frame.extended == 1 ? words.extend : words.standard);
}

char* writeLengthAndData(char* out, const ExportWords& words, const CanFrame& frame, int blanksBeforeLength) {
    out = frametext::writeDecimal(writeBlanks(out, blanksBeforeLength), frame.length);
    return writeDataText(writeBlanks(out, 4), words, frame);
}

char* writeCanLine(char* out, const ExportWords& words, uint32_t row, const FrameRecord& record) {
    out = writeLineStart(out, words, row, record, true);
    return writeLengthAndData(out, words, record.frame, 4);
}

char* writeDeviceNetLine(char* out, const ExportWords& words, uint32_t row, const FrameRecord& record) {
    const DeviceNetReading reading = readDeviceNet(record);
    if (reading.group == 0) {
        out = writeLineStart(out, words, row, record, true);
        for (int field = 0; field < 4; ++field)
            out = writeAbsent(out, 4);
        out = writeWord(writeBlanks(out, 4), words.invalidData);
        return writeLengthAndData(out, words, record.frame, 42);
    }
    out = writeLineStart(out, words, row, record, false);
    out = frametext::writeDecimal(writeBlanks(out, 4), reading.group);
    if (reading.group == 4) {
        out = writeAbsent(writeAbsent(out, 4), 4);
    } else {
        out = writeOptionalHex(writeBlanks(out, 4), reading.sourceMacId);
        out = reading.group == 1 ? writeAbsent(out, 3) : writeOptionalHex(writeBlanks(out, 4), reading.destMacId);
    }
    out = writeOptionalHex(writeBlanks(out, 4), reading.messageId);
    const PrintedDescription& description = kDeviceNetDescriptions[reading.kind];
    out = writeFilled(out, 4, description.text, description.width);
    return writeLengthAndData(out, words, record.frame, 4);
}

char* writeCanopenLine(char* out, const ExportWords& words, uint32_t row, const FrameRecord& record) {
    out = writeLineStart(out, words, row, record, false);
    const CanopenReading reading = readCanopen(record);
    if (!reading.functionCode || !reading.nodeId) {
        out = writeAbsent(writeAbsent(out, 4), 4);
        out = writeWord(writeBlanks(out, 4), words.invalidData);
    } else {
        out = frametext::writeHex(writeBlanks(out, 4), *reading.functionCode, 1);
        out = frametext::writeHex(writeBlanks(out, 4), *reading.nodeId, 2);
        const int width = reading.kind == CoUnassigned ? kUnassignedDescriptionWidth : kCanopenDescriptionWidth;
        out = writeFilled(out, 4, kCanopenDescriptions[reading.kind], width);
    }
    return writeLengthAndData(out, words, record.frame, 4);
}

}  // namespace

char* writePrintLine(char* out, ExportLayout layout, const ExportWords& words, uint32_t row,
                     const FrameRecord& record) {
    return forLayout(layout, writeCanLine, writeDeviceNetLine, writeCanopenLine)(out, words, row, record);
}
