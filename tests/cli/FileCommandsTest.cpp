// vorelin-cli's file subcommands (info, cells --in, export, convert) are a
// stable interface for scripts: their output bytes, exit statuses and what
// they leave on disk when they fail are pinned here. Every input is made by
// hand, field by field, and every expected text is written out in full.
#include "document/CaptureFileBytes.h"
#include "support/RunCommand.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <vector>

namespace {

CommandOutput cli(const std::string& arguments) { return runCommand(VORELIN_CLI_PATH, arguments); }

std::string quoted(const std::string& path) { return "'" + path + "'"; }

// The names in a folder, so that a failed run is seen to leave no file behind.
std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Whether `err` is one line that starts with `prefix` and holds each of
// `parts` after it. (Not std::regex: GCC 12 warns inside it under ASan.)
bool isErrorLine(const std::string& err, const std::string& prefix, const std::vector<std::string>& parts = {}) {
    if (!err.starts_with(prefix) || err.size() <= prefix.size() + 1 || !err.ends_with('\n') ||
        std::count(err.begin(), err.end(), '\n') != 1)
        return false;
    const std::string message = err.substr(prefix.size());
    return std::all_of(parts.begin(), parts.end(),
                       [&](const std::string& part) { return message.find(part) != std::string::npos; });
}

// Values distinct enough that a field read from the wrong offset shows.
struct Header {
    float version = 1.0f;
    uint32_t autoCycleMs = 250;
    uint32_t autoIntervalMs = 40;
    uint32_t capturing = 0;
    uint32_t configured = 1;
    uint32_t reservedAt20 = 0;
    uint32_t baudRateKbps = 500;
    uint32_t workMode = 2;
    uint32_t filterIdentifierSeed = 7;
    int32_t protocol = 1;
    uint32_t dataListOpen = 0;
    uint32_t chartOpen = 1;
    int32_t chartMode = 3;
    uint32_t hexFormat = 1;
    uint32_t reservedAt56 = 0;
    uint16_t filterActiveWord = 0;
    uint32_t filterMode = 0;
    uint32_t frameType = 2;
};

struct Record {
    uint32_t busLoad, timeUs, timeMs, timeSec, timeMin;
    uint8_t length, extended;
    uint32_t identifier, remote;
    std::array<uint8_t, 8> data;
};

// One whole .orx image: header, records, conditions (170 bytes each),
// automation items (22 bytes each) and the 96 bytes of manual buffers.
struct CaptureImage {
    Header header;
    std::vector<Record> records;
    std::vector<std::string> conditions;
    std::vector<std::string> autoItems;
    std::string manualBuffers;

    std::string bytes() const {
        const Header& h = header;
        FileBytes out;
        out.f32(h.version).u32(h.autoCycleMs).u32(h.autoIntervalMs).u32(h.capturing).u32(h.configured);
        out.u32(h.reservedAt20).u32(h.baudRateKbps).u32(h.workMode).u32(h.filterIdentifierSeed).i32(h.protocol);
        out.u32(h.dataListOpen).u32(h.chartOpen).i32(h.chartMode).u32(h.hexFormat).u32(h.reservedAt56);
        out.u32(uint32_t(records.size())).u32(uint32_t(conditions.size())).u16(h.filterActiveWord);
        out.u32(h.filterMode).u32(h.frameType).u32(uint32_t(autoItems.size()));
        for (const Record& r : records) {
            out.u32(r.busLoad).u32(r.timeUs).u32(r.timeMs).u32(r.timeSec).u32(r.timeMin);
            out.u8(r.length).u8(r.extended).u32(r.identifier).u32(r.remote);
            for (uint8_t byte : r.data)
                out.u8(byte);
        }
        for (const std::string& condition : conditions)
            out.append(condition);
        for (const std::string& item : autoItems)
            out.append(item);
        return out.append(manualBuffers).str();
    }
};

// Filter flag bits as the capture file stores them.
constexpr uint32_t kCan = 0x2;
constexpr uint32_t kEnabled = 0x10;
constexpr uint32_t kCustomIdentifier = 0x100;

// A CAN condition on a data frame with exactly `identifier`; `idBits` are
// the 29 words as stored (only 1 means a set bit).
std::string identifierCondition(uint32_t flags, uint32_t identifier, const std::array<uint32_t, 29>& idBits = {}) {
    FileBytes out;
    out.u32(flags).u32(0).u32(0);
    for (uint32_t bit : idBits)
        out.u32(bit);
    out.u8(0).u8(0).u32(0).zeros(8).u32(identifier);
    out.u32(0).u32(0).u32(0).u32(0).u32(0).u32(0);
    return out.str();
}

std::string autoItem() {
    return FileBytes().u32(0x12).u32(0x456).u8(0).u32(0).u8(2).bytes({0x5A, 0xA5, 0, 0, 0, 0, 0, 0x77}).str();
}

std::string manualBuffers() {
    FileBytes out;
    out.u32(0x321).u32(3).u32(0).u32(0).u32(1).u32(2).u32(3).u32(0).u32(0).u32(0).u32(0).u32(0x99);
    out.u32(0x1FFFFFFF).u32(8).u32(1).u32(1).zeros(32);
    return out.str();
}

// Four frames: two with identifier 123 (one a zero-length frame with a load
// above 99), one standard data frame whose bytes beyond its length are not
// zero, one extended remote frame.
CaptureImage fourFrames() {
    CaptureImage image;
    image.records = {
        {7, 4, 3, 2, 1, 2, 0, 0x012, 0, {0xAB, 0x01, 0xCC, 0xDD, 0xEE, 0xFF, 0x00, 0x11}},
        {12, 0, 500, 2, 1, 3, 0, 0x123, 0, {0x11, 0x22, 0x33, 0, 0, 0, 0, 0}},
        {0, 250, 0, 3, 1, 4, 1, 0x1ABCDE, 1, {}},
        {100, 1, 0, 0, 2, 0, 0, 0x123, 0, {}},
    };
    image.conditions = {identifierCondition(kCan | kEnabled | kCustomIdentifier, 0x123)};
    image.autoItems = {autoItem()};
    image.manualBuffers = manualBuffers();
    return image;
}

// The data list's CAN cells of each of fourFrames() when it is row `row`.
std::string canCells(int frame, int row) {
    const char* const tails[] = {
        "\t01-02-003-004\t 7\t12\tStandard\t2\tAB 01 \n",
        "\t01-02-500-000\t12\t123\tStandard\t3\t11 22 33 \n",
        "\t01-03-000-250\t 0\t1ABCDE\tExtend\t4\tRemote Frame\n",
        "\t02-00-000-001\t100\t123\tStandard\t0\t\n",
    };
    return std::to_string(row) + tails[frame];
}

constexpr const char* kLog =
    "(1700000000.123456) can0 123#11223344\n"
    "(1700000001.000000) can0 12345678#R2\r\n"
    "\n"
    "(1700000125.123457) vcan1 7ff#deadbeef\n";

}  // namespace

TEST(CliInfo, PrintsEveryHeaderFieldInFileOrder) {
    TempDir dir;
    CaptureImage image = fourFrames();
    image.header.capturing = 1;
    image.header.filterActiveWord = 0x8001;
    image.header.filterMode = 1;
    const std::string path = dir.file("four.orx");
    TempDir::write(path, image.bytes());

    const CommandOutput run = cli("info " + quoted(path));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "format_version 1\n"
              "auto_cycle_ms 250\n"
              "auto_interval_ms 40\n"
              "capturing 1\n"
              "configured 1\n"
              "baud_rate_kbps 500\n"
              "work_mode 2\n"
              "filter_identifier_seed 7\n"
              "protocol 1\n"
              "data_list_open 0\n"
              "chart_open 1\n"
              "chart_mode 3\n"
              "hex_format 1\n"
              "records 4\n"
              "conditions 1\n"
              "filter_active_word 32769\n"
              "filter_mode 1\n"
              "frame_type 2\n"
              "auto_items 1\n");
}

TEST(CliCellsIn, PrintsTheRowsTheFileFilterShows) {
    struct Row {
        const char* name;
        uint16_t filterActiveWord;
        uint32_t filterMode;
        uint32_t conditionFlags;
        std::string out;
    };
    const uint32_t matchOnly123 = kCan | kEnabled | kCustomIdentifier;
    const Row rows[] = {
        {"filter_off_shows_all", 0, 0, matchOnly123,
         canCells(0, 0) + canCells(1, 1) + canCells(2, 2) + canCells(3, 3)},
        {"show_mode_shows_matching", 1, 0, matchOnly123, canCells(1, 0) + canCells(3, 1)},
        {"hide_mode_shows_the_others", 1, 1, matchOnly123, canCells(0, 0) + canCells(2, 1)},
        {"active_bit_among_other_bits", 0x8001, 0, matchOnly123, canCells(1, 0) + canCells(3, 1)},
        {"other_bits_without_active_bit", 0x8000, 0, matchOnly123,
         canCells(0, 0) + canCells(1, 1) + canCells(2, 2) + canCells(3, 3)},
    };
    TempDir dir;
    for (const Row& row : rows) {
        CaptureImage image = fourFrames();
        image.header.filterActiveWord = row.filterActiveWord;
        image.header.filterMode = row.filterMode;
        image.conditions = {identifierCondition(row.conditionFlags, 0x123)};
        const std::string path = dir.file(std::string(row.name) + ".orx");
        TempDir::write(path, image.bytes());

        const CommandOutput run = cli("cells --protocol can --in " + quoted(path));
        EXPECT_EQ(run.status, 0) << row.name << ": " << run.err;
        EXPECT_EQ(run.err, "") << row.name;
        EXPECT_EQ(run.out, row.out) << row.name;
    }
}

TEST(CliCellsIn, ReadsACandumpLogWithTimesFromItsFirstFrame) {
    TempDir dir;
    const std::string path = dir.file("bus.log");
    TempDir::write(path, kLog);
    const CommandOutput run = cli("cells --in " + quoted(path) + " --protocol can");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "0\t00-00-000-000\t 0\t123\tStandard\t4\t11 22 33 44 \n"
              "1\t00-00-876-544\t 0\t12345678\tExtend\t2\tRemote Frame\n"
              "2\t02-05-000-001\t 0\t7FF\tStandard\t4\tDE AD BE EF \n");
}

TEST(CliExport, WritesTheTextLogByteForByte) {
    const std::string dashes77(77, '-'), dashes83(83, '-'), dashes109(109, '-');
    struct Row {
        const char* name;
        const char* epoch;
        std::string protocol;
        std::string input;
        bool inputIsLog;
        std::string expected;
    };
    const std::string canRows =
        "0000000    01-02-003-004    07    012      Standard    2    AB 01 \r\n"
        "0000001    01-02-500-000    12    123      Standard    3    11 22 33 \r\n"
        "0000002    01-03-000-250    00    1ABCDE Extend    4    Remote Frame\r\n"
        "0000003    02-00-000-001    100    123      Standard    0    \r\n";
    const std::string canHeading = "CANIndex Time(m-s-ms-us) Loading(%) IDN    Type  Len   Data\r\n" + dashes77 + "\r\n";
    CaptureImage showMode = fourFrames();
    showMode.header.filterActiveWord = 1;
    CaptureImage showsNothing = showMode;
    showsNothing.conditions = {identifierCondition(kCan | kEnabled | kCustomIdentifier, 0x7FF)};
    const Row rows[] = {
        {"can_every_row_epoch_0", "0", "can", fourFrames().bytes(), false,
         "Message logs from Vorelin software.\r\n"
         "Date/time: 1970-01-01 00:00:00\r\n\r\n"
         "Message amount: 4\r\n\r\n" +
             canHeading + canRows + dashes83 + "\r\nEnd of message logs."},
        {"can_filtered_rows_renumbered", "1700000000", "can", showMode.bytes(), false,
         "Message logs from Vorelin software.\r\n"
         "Date/time: 2023-11-14 22:13:20\r\n\r\n"
         "Message amount: 2\r\n\r\n" +
             canHeading +
             "0000000    01-02-500-000    12    123      Standard    3    11 22 33 \r\n"
             "0000001    02-00-000-001    100    123      Standard    0    \r\n" +
             dashes83 + "\r\nEnd of message logs."},
        {"can_no_row_shown", "0", "can", showsNothing.bytes(), false,
         "Message logs from Vorelin software.\r\n"
         "Date/time: 1970-01-01 00:00:00\r\n\r\n"
         "Message amount: 0\r\n\r\n" +
             canHeading + dashes83 + "\r\nEnd of message logs."},
        {"canopen_nmt_and_6E0_remote", "0", "canopen",
         "(1600000000.000000) can0 000#0102\n(1600000000.000001) can0 6E0#R\n", true,
         "Message logs from Vorelin software.\r\n"
         "Date/time: 1970-01-01 00:00:00\r\n\r\n"
         "Message amount: 2\r\n\r\n"
         "CopIndex Time(m-s-ms-us) Loading(%) IDN    Type   FC   NID   Description         Len   Data\r\n" +
             dashes109 +
             "\r\n"
             // The description fills to 21 characters with its 4-blank lead (20 at
             // 6E0); 4 blanks come before the length.
             "0000000    00-00-000-000   00    000      Standard    0    00    NMT" + std::string(14 + 4, ' ') +
             "2    01 02 \r\n"
             "0000001    00-00-000-001   00    6E0      Standard    D    60    reserved" + std::string(8 + 4, ' ') +
             "0    Remote Frame\r\n" +
             dashes109 + "\r\nEnd of message logs"},
    };
    // UTC whatever the local zone: a zone nine hours east would show 09:00:00.
    const ScopedEnvironment zone("TZ", "JST-9");
    TempDir dir;
    for (const Row& row : rows) {
        const ScopedEnvironment epoch("SOURCE_DATE_EPOCH", row.epoch);
        const std::string in = dir.file(std::string(row.name) + (row.inputIsLog ? ".log" : ".orx"));
        const std::string out = dir.file(std::string(row.name) + ".txt");
        TempDir::write(in, row.input);
        const CommandOutput run = cli("export --protocol " + row.protocol + " " + quoted(in) + " " + quoted(out));
        EXPECT_EQ(run.status, 0) << row.name << ": " << run.err;
        EXPECT_EQ(run.err, "") << row.name;
        EXPECT_EQ(run.out, "") << row.name;
        EXPECT_EQ(TempDir::read(out).value_or("<missing>"), row.expected) << row.name;
    }
}

TEST(CliExport, WritesTheShownRowsAsACandumpLog) {
    struct Row {
        const char* name;
        uint16_t filterActiveWord;
        uint32_t filterMode;
        const char* expected;
    };
    const Row rows[] = {
        {"every_row", 0, 0,
         "(0000000062.003004) can0 012#AB01\n"
         "(0000000062.500000) can0 123#112233\n"
         "(0000000063.000250) can0 001ABCDE#R4\n"
         "(0000000120.000001) can0 123#\n"},
        {"hide_mode", 1, 1,
         "(0000000062.003004) can0 012#AB01\n"
         "(0000000063.000250) can0 001ABCDE#R4\n"},
    };
    TempDir dir;
    for (const Row& row : rows) {
        CaptureImage image = fourFrames();
        image.header.filterActiveWord = row.filterActiveWord;
        image.header.filterMode = row.filterMode;
        const std::string in = dir.file(std::string(row.name) + ".orx");
        const std::string out = dir.file(std::string(row.name) + ".log");
        TempDir::write(in, image.bytes());
        // A file already there is replaced whole.
        TempDir::write(out, std::string(4096, 'x'));
        const CommandOutput run =
            cli("export --format candump --protocol devicenet " + quoted(in) + " " + quoted(out));
        EXPECT_EQ(run.status, 0) << row.name << ": " << run.err;
        EXPECT_EQ(run.err, "") << row.name;
        EXPECT_EQ(run.out, "") << row.name;
        EXPECT_EQ(TempDir::read(out).value_or("<missing>"), row.expected) << row.name;
    }
}

TEST(CliConvert, CandumpLogRoundTripsThroughACaptureFile) {
    TempDir dir;
    const std::string log = dir.file("bus.log"), orx = dir.file("bus.orx"), back = dir.file("back.LOG");
    TempDir::write(log, kLog);

    const CommandOutput toOrx = cli("convert " + quoted(log) + " " + quoted(orx));
    ASSERT_EQ(toOrx.status, 0) << toOrx.err;
    EXPECT_EQ(toOrx.out + toOrx.err, "");
    const std::string image = TempDir::read(orx).value_or("");
    ASSERT_EQ(image.size(), 82u + 3 * 38 + 96);
    // The second record: 0.876544 s after the first, extended remote, length 2.
    const std::string second = image.substr(82 + 38, 38);
    EXPECT_EQ(second, FileBytes()
                          .u32(0).u32(544).u32(876).u32(0).u32(0)
                          .u8(2).u8(1).u32(0x12345678).u32(1).zeros(8)
                          .str());

    const CommandOutput info = cli("info " + quoted(orx));
    EXPECT_EQ(info.status, 0) << info.err;
    for (const char* line : {"\nprotocol 0\n", "\ndata_list_open 1\n", "\nrecords 3\n", "\nconditions 0\n",
                             "\nfilter_active_word 0\n", "\nauto_items 0\n"})
        EXPECT_NE(info.out.find(line), std::string::npos) << line << info.out;

    const CommandOutput toLog = cli("convert " + quoted(orx) + " " + quoted(back));
    ASSERT_EQ(toLog.status, 0) << toLog.err;
    EXPECT_EQ(toLog.out + toLog.err, "");
    EXPECT_EQ(TempDir::read(back).value_or("<missing>"),
              "(0000000000.000000) can0 123#11223344\n"
              "(0000000000.876544) can0 12345678#R2\n"
              "(0000000125.000001) can0 7FF#DEADBEEF\n");
}

TEST(CliConvert, AnEmptyLogIsACaptureWithoutFrames) {
    TempDir dir;
    const std::string log = dir.file("quiet.log"), orx = dir.file("quiet.orx");
    TempDir::write(log, "");
    const CommandOutput run = cli("convert " + quoted(log) + " " + quoted(orx));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(TempDir::read(orx).value_or("").size(), 178u);
}

TEST(CliConvert, CaptureFileToCaptureFileIsWhatOpenThenSaveWrite) {
    struct Row {
        const char* name;
        CaptureImage in;
        CaptureImage expected;
    };
    // Filtered or not, every record is written; the file's protocol is
    // replaced by CAN and the data list counts as open.
    CaptureImage plain = fourFrames();
    plain.header.filterActiveWord = 0x8001;
    CaptureImage plainSaved = plain;
    plainSaved.header.protocol = 0;
    plainSaved.header.dataListOpen = 1;

    // Loading turns nonzero flags into 1, reads only an idBits value of 1 as
    // a set bit, skips the reserved words; saving writes version 1.0.
    CaptureImage loose = fourFrames();
    loose.header.version = 0.0f;
    loose.header.capturing = 5;
    loose.header.configured = 9;
    loose.header.reservedAt20 = 0xDEAD;
    loose.header.chartOpen = 3;
    loose.header.hexFormat = 7;
    loose.header.reservedAt56 = 0xBEEF;
    loose.header.protocol = -1;
    std::array<uint32_t, 29> looseBits{};
    looseBits[0] = 2;
    looseBits[1] = 1;
    looseBits[28] = 0xFFFFFFFF;
    loose.conditions = {identifierCondition(kCan | kEnabled | kCustomIdentifier, 0x123, looseBits)};
    CaptureImage looseSaved = loose;
    looseSaved.header.version = 1.0f;
    looseSaved.header.capturing = 1;
    looseSaved.header.configured = 1;
    looseSaved.header.reservedAt20 = 0;
    looseSaved.header.chartOpen = 1;
    looseSaved.header.hexFormat = 1;
    looseSaved.header.reservedAt56 = 0;
    looseSaved.header.protocol = 0;
    looseSaved.header.dataListOpen = 1;
    std::array<uint32_t, 29> savedBits{};
    savedBits[1] = 1;
    looseSaved.conditions = {identifierCondition(kCan | kEnabled | kCustomIdentifier, 0x123, savedBits)};

    const Row rows[] = {
        {"filtered_file_keeps_every_part", plain, plainSaved},
        {"loose_values_written_as_loaded", loose, looseSaved},
    };
    TempDir dir;
    for (const Row& row : rows) {
        const std::string in = dir.file(std::string(row.name) + ".orx");
        const std::string out = dir.file(std::string(row.name) + "-saved.ORX");
        TempDir::write(in, row.in.bytes());
        const CommandOutput run = cli("convert " + quoted(in) + " " + quoted(out));
        EXPECT_EQ(run.status, 0) << row.name << ": " << run.err;
        EXPECT_EQ(run.out + run.err, "") << row.name;
        const std::string saved = TempDir::read(out).value_or("<missing>");
        const std::string expected = row.expected.bytes();
        EXPECT_EQ(saved.size(), expected.size()) << row.name;
        EXPECT_TRUE(saved == expected) << row.name;  // bytes: a diff of binary text helps nobody

        const CommandOutput info = cli("info " + quoted(out));
        EXPECT_NE(info.out.find("\nprotocol 0\ndata_list_open 1\n"), std::string::npos) << row.name << info.out;
    }
}

// Malformed or missing inputs, for every subcommand that reads one: one
// line on stderr naming the command and the input, nothing on stdout, and
// no output file created or touched.
TEST(CliFileCommands, RefusedInputsLeaveNoOutputBehind) {
    TempDir dir;
    const std::string whole = fourFrames().bytes();
    const std::string truncated = dir.file("truncated.orx");
    TempDir::write(truncated, whole.substr(0, whole.size() - 10));
    const std::string shortHeader = dir.file("short.orx");
    TempDir::write(shortHeader, whole.substr(0, 40));
    CaptureImage newer = fourFrames();
    newer.header.version = 2.0f;
    const std::string version2 = dir.file("version2.orx");
    TempDir::write(version2, newer.bytes());
    const std::string badLog = dir.file("bad.log");
    TempDir::write(badLog, "(1700000000.000000) can0 123#11\n\n(1700000000.100000) can0 456#22\n"
                           "(1700000000.200000) can0 12#33\n");
    const std::string missing = dir.file("missing.orx");

    struct Input {
        const char* name;
        std::string path;
        int status;
        std::vector<std::string> message;  // texts that follow "PATH: "
    };
    const Input inputs[] = {
        {"truncated", truncated, 2,
         {std::to_string(whole.size() - 10) + " bytes, but its header promises " + std::to_string(whole.size())}},
        {"shorter_than_header", shortHeader, 2, {"40 bytes", "82"}},
        {"version_2", version2, 2, {"version 2.0"}},
        {"bad_log_line", badLog, 2, {"line 4: ", "identifier"}},
        {"missing", missing, 1, {}},
    };
    struct Command {
        const char* name;
        std::string arguments;  // IN and OUT follow
        bool writes;
    };
    const Command commands[] = {
        {"info", "info", false},
        {"cells", "cells --protocol can --in", false},
        {"export", "export --protocol can", true},
        {"export", "export --protocol canopen --format candump", true},
        {"print", "print --protocol devicenet", true},
        {"convert", "convert", true},
    };
    const char* const outNames[] = {"out.orx", "out.log"};
    for (const Input& input : inputs) {
        for (const Command& command : commands) {
            for (const char* outName : outNames) {
                if (!command.writes && outName != outNames[0])
                    continue;
                const std::string what = std::string(input.name) + " / " + command.arguments + " / " + outName;
                const std::string out = dir.file(outName);
                const std::string kept = dir.file(std::string("kept-") + outName);
                std::string arguments = command.arguments + " " + quoted(input.path);
                const std::set<std::string> before = namesIn(dir.path());
                if (command.writes)
                    arguments.append(" ").append(quoted(out));
                CommandOutput run = cli(arguments);
                EXPECT_EQ(run.status, input.status) << what;
                EXPECT_EQ(run.out, "") << what;
                // info reads capture files only: a log is simply not one.
                const bool logToInfo = command.arguments == "info" && input.path == badLog;
                EXPECT_TRUE(isErrorLine(run.err, "vorelin-cli " + std::string(command.name) + ": " + input.path + ": ",
                                        logToInfo ? std::vector<std::string>{} : input.message))
                    << what << ": " << run.err;
                EXPECT_EQ(namesIn(dir.path()), before) << what;

                if (!command.writes)
                    continue;
                // An OUT that exists already keeps its bytes.
                TempDir::write(kept, "keep me\n");
                run = cli(command.arguments + " " + quoted(input.path) + " " + quoted(kept));
                EXPECT_EQ(run.status, input.status) << what;
                EXPECT_EQ(TempDir::read(kept).value_or("<missing>"), "keep me\n") << what;
                std::filesystem::remove(kept);
            }
        }
    }
}

TEST(CliFileCommands, UnwritableOutputIsAFailureNotUsage) {
    TempDir dir;
    const std::string in = dir.file("in.orx");
    TempDir::write(in, fourFrames().bytes());
    // A regular file stands where OUT's folder would be.
    const std::string blocked = dir.file("in.orx/out");
    const struct {
        const char* command;
        std::string out;
    } rows[] = {{"export --protocol can", blocked + ".txt"},
                {"print --protocol can", blocked + ".pdf"},
                {"convert", blocked + ".log"},
                {"convert", blocked + ".orx"}};
    for (const auto& row : rows) {
        const CommandOutput run = cli(std::string(row.command) + " " + quoted(in) + " " + quoted(row.out));
        EXPECT_EQ(run.status, 1) << row.out;
        EXPECT_EQ(run.out, "") << row.out;
        const std::string name = std::string(row.command).substr(0, std::string(row.command).find(' '));
        EXPECT_TRUE(isErrorLine(run.err, "vorelin-cli " + name + ": " + row.out + ": ")) << row.out << ": " << run.err;
    }
    EXPECT_EQ(TempDir::read(in), fourFrames().bytes());
}

TEST(CliFileCommands, UsageErrorsExitWithTwo) {
    TempDir dir;
    const std::string in = quoted(dir.file("in.orx"));
    const std::string out = quoted(dir.file("out.txt"));
    TempDir::write(dir.file("in.orx"), fourFrames().bytes());
    const struct {
        const char* name;
        std::string arguments;
        std::string err;  // exact, or empty for any one line
    } rows[] = {
        {"export_unknown_format", "export --protocol can --format csv " + in + " " + out,
         "vorelin-cli export: bad value 'csv' for --format (expected text or candump)\n"},
        {"export_unknown_protocol", "export --protocol j1939 " + in + " " + out, ""},
        {"convert_unknown_extension", "convert " + in + " " + out, ""},
        {"cells_in_without_value", "cells --protocol can --in", "vorelin-cli cells: --in needs a value\n"},
        {"print_pages_backwards", "print --protocol can --pages 3-2 " + in + " " + out,
         "vorelin-cli print: bad value '3-2' for --pages (expected FIRST-LAST, 1 <= FIRST <= LAST)\n"},
        {"print_page_0", "print --protocol can --pages 0 " + in + " " + out, ""},
        {"print_font_without_points", "print --protocol can --font Verdana " + in + " " + out,
         "vorelin-cli print: bad value 'Verdana' for --font (expected FAMILY,POINTS with 1 to 200 points)\n"},
        {"print_unknown_format", "print --protocol can --format png " + in + " " + out,
         "vorelin-cli print: bad value 'png' for --format (expected pdf or text)\n"},
        {"print_first_page_beyond_the_printout", "print --protocol can --pages 2-9 " + in + " " + out,
         "vorelin-cli print: " + dir.file("in.orx") + ": no page 2: the printout has 1 page\n"},
    };
    for (const auto& row : rows) {
        const CommandOutput run = cli(row.arguments);
        EXPECT_EQ(run.status, 2) << row.name;
        EXPECT_EQ(run.out, "") << row.name;
        if (!row.err.empty())
            EXPECT_EQ(run.err, row.err) << row.name;
        else
            EXPECT_TRUE(isErrorLine(run.err, "vorelin-cli " + row.arguments.substr(0, row.arguments.find(' ')) + ": "))
                << row.name << run.err;
    }
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"in.orx"});
}

namespace {

// Up to 100 CAN frames 10 ms apart with identifiers 0x100 on, as a candump log.
std::string numberedLog(int count) {
    std::string log;
    for (int i = 0; i < count; ++i) {
        char line[48];
        std::snprintf(line, sizeof line, "(1700000000.%06d) can0 %03X#11\n", i * 10000, 0x100 + i);
        log += line;
    }
    return log;
}

std::vector<std::string> pagesOf(const std::string& text) {
    std::vector<std::string> pages(1);
    for (char c : text) {
        if (c == '\f')
            pages.emplace_back();
        else
            pages.back() += c;
    }
    return pages;
}

}  // namespace

TEST(CliPrint, WritesEachPagesTextsInDrawingOrderForTheShownRows) {
    TempDir dir;
    CaptureImage image = fourFrames();
    image.header.filterActiveWord = 1;  // the file's filter shows the two frames with identifier 123
    const std::string in = dir.file("in.orx"), out = dir.file("out.txt");
    TempDir::write(in, image.bytes());
    const CommandOutput run = cli("print --protocol can --format text " + quoted(in) + " " + quoted(out));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_EQ(TempDir::read(out),
              "Data captured by Vorelin\n"
              "CANIndex   Time(m-s-ms-us) Loading(%) IDN Type Len    Data\n"
              "0000000 :    01-02-500-000    12    123  Standard    3    11 22 33 \n"
              "0000001 :    02-00-000-001    100    123  Standard    0    \n"
              "- Page 1 of 1 -\n");
}

TEST(CliPrint, PrintsTheChosenPagesInTheChosenFont) {
    TempDir dir;
    const std::string in = dir.file("bus.log"), out = dir.file("out.txt");
    TempDir::write(in, numberedLog(100));
    // 24 points are 32 screen pixels; half of them at 600 dpi make a body of
    // 133 pixels, Courier's box 108 + 34 of them: 7016 / 142 - 5 = 44 rows a page.
    const CommandOutput run = cli("print --protocol canopen --format text --pages 2-7 --font 'DejaVu Sans Mono,24' " +
                                  quoted(in) + " " + quoted(out));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> pages = pagesOf(TempDir::read(out).value_or(""));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(pages[0].starts_with("Data captured by Vorelin\nCopIndex ")) << pages[0];
    EXPECT_NE(pages[0].find("\n0000044    00-00-440-000"), std::string::npos) << pages[0];
    EXPECT_TRUE(pages[0].ends_with("\n0000087    00-00-870-000   00    157  Standard    2    57    reserved" +
                                   std::string(13, ' ') + "1    11 \n- Page 2 of 3 -\n"))
        << pages[0];
    EXPECT_EQ(std::count(pages[1].begin(), pages[1].end(), '\n'), 2 + 12 + 1);
    EXPECT_TRUE(pages[1].ends_with("\n- Page 3 of 3 -\n"));
}

TEST(CliPrint, WritesAPdfThatReadsBackPageByPage) {
    if (std::system("pdftotext -v >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF cannot be read back";
    TempDir dir;
    const std::string in = dir.file("bus.log"), pdf = dir.file("out.pdf");
    TempDir::write(in, numberedLog(100));
    ASSERT_EQ(cli("print --protocol can " + quoted(in) + " " + quoted(pdf)).status, 0);
    const CommandOutput text = runCommand("/usr/bin/pdftotext", "-layout " + quoted(pdf) + " -");
    ASSERT_EQ(text.status, 0) << text.err;
    // The default font: 8 points at 600 dpi are 66 pixels, Helvetica's box
    // 62 + 15 of them: 7016 / 77 - 5 = 86 rows on page 1.
    std::vector<std::string> pages = pagesOf(text.out);
    if (pages.back().empty())
        pages.pop_back();
    ASSERT_EQ(pages.size(), 2u);
    for (const std::string& page : pages)
        EXPECT_NE(page.find("Data captured by Vorelin"), std::string::npos);
    EXPECT_NE(pages[0].find("0000085 :"), std::string::npos);
    EXPECT_EQ(pages[0].find("0000086 :"), std::string::npos);
    EXPECT_NE(pages[0].find("- Page 1 of 2 -"), std::string::npos);
    EXPECT_NE(pages[1].find("0000099 :"), std::string::npos);
    EXPECT_NE(pages[1].find("- Page 2 of 2 -"), std::string::npos);
}
