#include "views/PrintLines.h"

#include "views/RowLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void expectLines(Protocol protocol, const std::vector<LineRow>& rows) {
    expectRowLines(writePrintLine, kMaxPrintLineChars, protocol, 5, rows);
}

const std::string kTime = "01-02-003-004";
// CAN rows and extended DeviceNet rows: " :" after the number, 4 blanks before the load.
const std::string kColonPrefix = "0000005 :" + b(4) + kTime + b(4) + "07" + b(4);
const std::string kPlainPrefix = "0000005" + b(4) + kTime + b(3) + "07" + b(4);

}  // namespace

TEST(PrintLines, CanRows) {
    FrameRecord overlong = record(0x12, {1, 2, 3, 4, 5, 6, 7, 8});
    overlong.frame.length = 12;
    expectLines(Protocol::can, {
        {"standard data", record(0x12, {0xAB, 0x01}),
         kColonPrefix + "012" + b(2) + "Standard" + b(4) + "2" + b(4) + "AB 01 "},
        {"extended, every digit", record(0x1ABCDEF0, {0xFF}, 1),
         kColonPrefix + "1ABCDEF0" + b(2) + "Extend" + b(4) + "1" + b(4) + "FF "},
        {"remote with a length", remote(record(0x7FF, {}), 3), kColonPrefix + "7FF" + b(2) + "Standard" + b(4) + "3" + b(4) + "Remote Frame"},
        {"length above 8 shows eight bytes", overlong,
         kColonPrefix + "012" + b(2) + "Standard" + b(4) + "12" + b(4) + "01 02 03 04 05 06 07 08 "},
    });
}

TEST(PrintLines, DeviceNetRowsOfEveryGroup) {
    const std::string standard = kPlainPrefix;
    auto row = [&](const char* id, const char* group, const char* source, int destinationBlanks,
                   const char* destination, const char* message, const std::string& description, int fill) {
        return standard + id + b(2) + "Standard" + b(4) + group + b(4) + source + b(destinationBlanks) + destination +
               b(4) + message + b(4) + description + b(fill);
    };
    expectLines(Protocol::deviceNet, {
        {"group 1, slave's COS", record(0x345, {0xAA}),
         row("345", "1", "05", 3, "--", "0D", "Slave's IO COS/CC Msg", 30) + b(4) + "1" + b(4) + "AA "},
        {"group 1, other", record(0x012, {}), row("012", "1", "12", 3, "--", "00", "--------", 54) + b(4) + "0" + b(4)},
        {"group 2, both MAC IDs", record(0x454, {0x03}),
         row("454", "2", "03", 4, "0A", "04", "Master's Exp Req Msg", 30) + b(4) + "1" + b(4) + "03 "},
        {"group 2 without source", record(0x452, {}),
         row("452", "2", "--", 4, "0A", "02", "Master's COS/CC Ack Msg", 26) + b(4) + "0" + b(4)},
        {"group 2 unconnected request fills its width exactly", record(0x456, {0x01}),
         row("456", "2", "01", 4, "0A", "06", "Grp 2 Only Unconn Exp Req Msg(reserved)", 0) + b(4) + "1" + b(4) + "01 "},
        {"group 3 unconnected response", record(0x747, {0x02}),
         row("747", "3", "07", 4, "02", "05", "Unconn Exp Res Msg", 33) + b(4) + "1" + b(4) + "02 "},
        {"group 3 without destination", record(0x647, {}),
         row("647", "3", "07", 4, "--", "01", "------", 56) + b(4) + "0" + b(4)},
        {"group 4", record(0x7EC, {}), row("7EC", "4", "--", 4, "--", "2C", "Comm Faulted Res Msg", 30) + b(4) + "0" + b(4)},
        {"invalid identifier", record(0x7F5, {}),
         row("7F5", "4", "--", 4, "--", "35", "Invalid CAN Identifiers", 33) + b(4) + "0" + b(4)},
        {"extended: no DeviceNet message", record(0x1ABCDE, {0xAA}, 1),
         kColonPrefix + "1ABCDE" + b(2) + "Extend" + b(4) + "--" + b(4) + "--" + b(4) + "--" + b(4) + "--" + b(4) +
             "Invalid data" + b(42) + "1" + b(4) + "AA "},
    });
}

TEST(PrintLines, CanopenRows) {
    auto row = [](const char* id, const char* fc, const char* node, const std::string& description, int fill) {
        return kPlainPrefix + id + b(2) + "Standard" + b(4) + fc + b(4) + node + b(4) + description + b(fill) + b(4);
    };
    expectLines(Protocol::canopen, {
        {"NMT at 0x000", record(0x000, {0x01, 0x00}), row("000", "0", "00", "NMT", 14) + "2" + b(4) + "01 00 "},
        {"0x6E0 filled to 21 like every reserved one", record(0x6E0, {}), row("6E0", "D", "60", "reserved", 9) + "0" + b(4)},
        {"the longest description fills its width", record(0x701, {}),
         row("701", "E", "01", "NMT Error Control", 0) + "0" + b(4)},
        {"unassigned is filled to 22", record(0x200, {}), row("200", "4", "00", "------", 12) + "0" + b(4)},
        {"extended", record(0x1ABCDE, {0x11}, 1),
         kPlainPrefix + "1ABCDE" + b(2) + "Extend" + b(4) + "--" + b(4) + "--" + b(4) + "Invalid data" + b(4) + "1" +
             b(4) + "11 "},
    });
}
