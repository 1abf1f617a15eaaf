#include "views/TextExport.h"

#include "core/AtomicFileWriter.h"
#include "core/FrameStore.h"
#include "core/StringTable.h"
#include "core/VisibleRows.h"
#include "views/ExportLines.h"

#include "views/RowLines.h"
#include "support/Errors.h"
#include "support/FileSizeLimit.h"
#include "support/Frames.h"
#include "support/ScopedEnvironment.h"
#include "support/ScopedTranslations.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

std::string dashes(int count) { return std::string(std::size_t(count), '-'); }

std::string exportLine(Protocol protocol, uint32_t row, const FrameRecord& record) {
    return rowLine(writeExportLine, kMaxExportLineChars, protocol, row, record);
}

void expectLines(Protocol protocol, const std::vector<LineRow>& rows) {
    expectRowLines(writeExportLine, kMaxExportLineChars, protocol, 0, rows);
}

const std::string kCanPrefix = "0000000" + b(4) + "01-02-003-004" + b(4) + "07";
const std::string kDeviceNetPrefix = "0000000" + b(2) + "01-02-003-004" + b(3) + "07" + b(3);
const std::string kCanopenPrefix = "0000000" + b(4) + "01-02-003-004" + b(3) + "07";

const std::string kDeviceNetHeading =
    "DNIndex Time(m-s-ms-us) Ld(%) IDN Type Grp Src Des Msg Description                       Len   Data";
const std::string kCanopenHeading =
    "CopIndex Time(m-s-ms-us) Loading(%) IDN    Type   FC   NID   Description         Len   Data";

// The lines above the rows: title, date, amount, the columns' heading and its rule.
std::string logHead(int amount, const std::string& heading, int rule) {
    return "Message logs from Vorelin software.\r\nDate/time: 2024-01-02 03:04:05\r\n\r\nMessage amount: " +
           std::to_string(amount) + "\r\n\r\n" + heading + "\r\n" + dashes(rule) + "\r\n";
}

struct Capture {
    FrameStore store;
    VisibleRows rows;

    Capture(std::initializer_list<FrameRecord> records, std::initializer_list<uint32_t> shown) {
        for (const FrameRecord& record : records)
            store.append(record);
        for (uint32_t position : shown)
            rows.append(position);
    }
};

Result<std::monostate> exportTo(const std::string& path, Protocol protocol, const Capture& capture,
                                std::vector<int>* percents = nullptr) {
    auto writer = AtomicFileWriter::create(path);
    if (!writer)
        return writer.error();
    ProgressCallback progress;
    if (percents)
        progress = [percents](int percent) { percents->push_back(percent); };
    return writeTextExport(*writer, protocol, capture.store, capture.rows, "2024-01-02 03:04:05", progress);
}

}  // namespace

TEST(ExportLines, CanRows) {
    expectLines(Protocol::can, {
        {"the described example row", record(0x12, {0xAB, 0x01}),
         kCanPrefix + b(4) + "012" + b(6) + "Standard" + b(4) + "2" + b(4) + "AB 01 "},
        {"extended: one blank before Extend, at least three digits", record(0x5, {0xFF}, 1),
         kCanPrefix + b(4) + "005" + b(1) + "Extend" + b(4) + "1" + b(4) + "FF "},
        {"long extended identifier", record(0x1ABCDEF0, {}, 1),
         kCanPrefix + b(4) + "1ABCDEF0" + b(1) + "Extend" + b(4) + "0" + b(4)},
        {"remote frame with a length", remote(record(0x7FF, {}), 3),
         kCanPrefix + b(4) + "7FF" + b(6) + "Standard" + b(4) + "3" + b(4) + "Remote Frame"},
    });
}

TEST(ExportLines, RowNumbersHaveSevenDigitsAtLeast) {
    const std::string line = exportLine(Protocol::can, 12345678, record(0x12, {}));
    EXPECT_EQ(line.substr(0, 12), "12345678" + b(4));
    EXPECT_EQ(exportLine(Protocol::canopen, 42, record(0x12, {})).substr(0, 11), "0000042" + b(4));
}

TEST(ExportLines, DeviceNetRowsOfEveryGroup) {
    const std::string standard = b(3) + "Standard";
    expectLines(Protocol::deviceNet, {
        {"group 1 with the longest description", record(0x3FF, {0x11}),
         kDeviceNetPrefix + b(4) + "3FF" + standard + b(2) + "1" + b(2) + "3F" + b(3) + "--" + b(5) + "0F" + b(4) +
             "Slave's IO Poll Res or COS/CC Ack" + b(2) + "1" + b(2) + "11 "},
        {"group 1 description filled to 37", record(0x012, {}),
         kDeviceNetPrefix + b(4) + "012" + standard + b(2) + "1" + b(2) + "12" + b(3) + "--" + b(5) + "00" + b(4) +
             "--------" + b(25) + b(2) + "0" + b(2)},
        {"group 2, source from the first data byte", record(0x41C, {0xC5, 0x01}),
         kDeviceNetPrefix + b(4) + "41C" + standard + b(2) + "2" + b(2) + "05" + b(3) + "03" + b(5) + "04" + b(2) +
             b(2) + "Master's Exp Req Msg" + b(13) + b(2) + "2" + b(2) + "C5 01 "},
        {"group 2 without source, remote", remote(record(0x40A, {}), 0),
         kDeviceNetPrefix + b(4) + "40A" + standard + b(2) + "2" + b(2) + "--" + b(3) + "01" + b(5) + "02" + b(2) +
             b(2) + "Master's COS/CC Ack Msg" + b(10) + b(2) + "0" + b(2) + "Remote Frame"},
        {"group 2 unconnected request fills its 35 exactly", record(0x5FE, {0x3F}),
         kDeviceNetPrefix + b(4) + "5FE" + standard + b(2) + "2" + b(2) + "3F" + b(3) + "3F" + b(5) + "06" + b(2) +
             b(2) + "Grp2 Only Unconn Exp Req Msg(rsd)" + b(2) + "1" + b(2) + "3F "},
        {"group 3 unconnected request, destination from data", record(0x7BF, {0x4A}),
         kDeviceNetPrefix + b(4) + "7BF" + standard + b(2) + "3" + b(2) + "3F" + b(2) + b(1) + "0A" + b(5) + "06" +
             b(4) + "Unconn Exp Req Msg" + b(15) + b(2) + "1" + b(2) + "4A "},
        {"group 3 without destination", record(0x600, {}),
         kDeviceNetPrefix + b(4) + "600" + standard + b(2) + "3" + b(2) + "00" + b(2) + b(1) + "--" + b(5) + "00" +
             b(4) + "------" + b(27) + b(2) + "0" + b(2)},
        {"group 4: four blanks before the length", record(0x7EC, {}),
         kDeviceNetPrefix + b(4) + "7EC" + standard + b(2) + "4" + b(2) + "--" + b(3) + "--" + b(5) + "2C" + b(4) +
             "Comm Faulted Res Msg" + b(11) + b(4) + "0" + b(2)},
        {"group 4 invalid identifiers, remote", remote(record(0x7F0, {}), 8),
         kDeviceNetPrefix + b(4) + "7F0" + standard + b(2) + "4" + b(2) + "--" + b(3) + "--" + b(5) + "30" + b(4) +
             "Invalid CAN Identifiers" + b(8) + b(4) + "8" + b(2) + "Remote Frame"},
    });
}

TEST(ExportLines, DeviceNetExtendedFramesShowExtendRightAfterTheIdentifier) {
    expectLines(Protocol::deviceNet, {
        {"data", record(0x1ABCDE, {0x01, 0x02}, 1),
         kDeviceNetPrefix + b(2) + "1ABCDE" + "Extend" + b(2) + "-" + b(2) + "--" + b(3) + "--" + b(5) + "--" + b(4) +
             "Invalid data" + b(27) + "2" + b(2) + "01 02 "},
        {"remote", remote(record(0x12, {}, 1), 3),
         kDeviceNetPrefix + b(2) + "012" + "Extend" + b(2) + "-" + b(2) + "--" + b(3) + "--" + b(5) + "--" + b(4) +
             "Invalid data" + b(27) + "3" + b(2) + "Remote Frame"},
    });
}

TEST(ExportLines, CanopenRows) {
    expectLines(Protocol::canopen, {
        {"NMT at COB-ID 0", record(0x000, {0xAB, 0x01}),
         kCanopenPrefix + b(4) + "000" + b(6) + "Standard" + b(4) + "0" + b(4) + "00" + b(4) + "NMT" + b(14) + b(4) +
             "2" + b(4) + "AB 01 "},
        {"0x6E0 is filled to 20", record(0x6E0, {}),
         kCanopenPrefix + b(4) + "6E0" + b(6) + "Standard" + b(4) + "D" + b(4) + "60" + b(4) + "reserved" + b(8) +
             b(4) + "0" + b(4)},
        {"0x6E1 is filled to 21", record(0x6E1, {}),
         kCanopenPrefix + b(4) + "6E1" + b(6) + "Standard" + b(4) + "D" + b(4) + "61" + b(4) + "------" + b(11) +
             b(4) + "0" + b(4)},
        {"the longest description", record(0x77F, {0x05}),
         kCanopenPrefix + b(4) + "77F" + b(6) + "Standard" + b(4) + "E" + b(4) + "7F" + b(4) + "NMT Error Control" +
             b(4) + "1" + b(4) + "05 "},
        {"remote", remote(record(0x181, {}), 1),
         kCanopenPrefix + b(4) + "181" + b(6) + "Standard" + b(4) + "3" + b(4) + "01" + b(4) + "PDO1 (tx)" + b(8) +
             b(4) + "1" + b(4) + "Remote Frame"},
        {"extended", record(0x12345678, {1, 2, 3, 4, 5, 6, 7, 8}, 1),
         kCanopenPrefix + b(4) + "12345678" + b(1) + "Extend" + b(4) + "-" + b(4) + "--" + b(4) + "Invalid data" +
             b(4) + "8" + b(4) + "01 02 03 04 05 06 07 08 "},
        {"extended remote", remote(record(0x1FFFFFFF, {}, 1), 0),
         kCanopenPrefix + b(4) + "1FFFFFFF" + b(1) + "Extend" + b(4) + "-" + b(4) + "--" + b(4) + "Invalid data" +
             b(4) + "0" + b(4) + "Remote Frame"},
    });
}

TEST(ExportLines, NoProtocolAndUnknownValuesUseTheCanopenLayout) {
    const FrameRecord nmt = record(0x000, {});
    EXPECT_EQ(exportLine(Protocol::none, 0, nmt), exportLine(Protocol::canopen, 0, nmt));
    EXPECT_EQ(exportLine(Protocol(7), 0, nmt), exportLine(Protocol::canopen, 0, nmt));
}

TEST(ExportLines, LengthAboveEightShowsOnlyTheBytesTheRecordHolds) {
    FrameRecord damaged = record(0x123, {1, 2, 3, 4, 5, 6, 7, 8});
    damaged.frame.length = 255;
    EXPECT_EQ(exportLine(Protocol::can, 0, damaged),
              kCanPrefix + b(4) + "123" + b(6) + "Standard" + b(4) + "255" + b(4) + "01 02 03 04 05 06 07 08 ");
}

TEST(TextExport, WritesTheCanLogByteForByte) {
    TempDir dir;
    const std::string path = dir.file("CANData.txt");
    // Rows show store positions 1 and 3, numbered 0 and 1 in the log.
    const Capture capture({record(0x100, {}), record(0x12, {0xAB, 0x01}), record(0x200, {}),
                           remote(record(0x1ABCDEF0, {}, 1), 0)},
                          {1, 3});
    ASSERT_TRUE(exportTo(path, Protocol::can, capture));
    EXPECT_EQ(TempDir::read(path),
              logHead(2, "CANIndex Time(m-s-ms-us) Loading(%) IDN    Type  Len   Data", 77) + "0000000" + b(4) +
                  "01-02-003-004" + b(4) + "07" + b(4) + "012" + b(6) + "Standard" + b(4) + "2" + b(4) +
                  "AB 01 \r\n" + "0000001" + b(4) + "01-02-003-004" + b(4) + "07" + b(4) + "1ABCDEF0" + b(1) +
                  "Extend" + b(4) + "0" + b(4) + "Remote Frame\r\n" + dashes(83) + "\r\n" + "End of message logs.");
}

TEST(TextExport, WritesTheDeviceNetAndCanopenLogsWithTheirOwnClosingText) {
    TempDir dir;
    const Capture capture({record(0x7EC, {})}, {0});
    ASSERT_TRUE(exportTo(dir.file("dn.txt"), Protocol::deviceNet, capture));
    EXPECT_EQ(TempDir::read(dir.file("dn.txt")),
              logHead(1, kDeviceNetHeading, 114) + kDeviceNetPrefix + b(4) + "7EC" + b(3) + "Standard" + b(2) + "4" +
                  b(2) + "--" + b(3) + "--" + b(5) + "2C" + b(4) + "Comm Faulted Res Msg" + b(11) + b(4) + "0" +
                  b(2) + "\r\n" + dashes(115) + "\r\n" + "End of message logs");

    ASSERT_TRUE(exportTo(dir.file("co.txt"), Protocol::canopen, capture));
    EXPECT_EQ(TempDir::read(dir.file("co.txt")),
              logHead(1, kCanopenHeading, 109) + kCanopenPrefix + b(4) + "7EC" + b(6) + "Standard" + b(4) + "F" +
                  b(4) + "6C" + b(4) + "reserved" + b(9) + b(4) + "0" + b(4) + "\r\n" + dashes(109) + "\r\n" +
                  "End of message logs");
}

TEST(TextExport, ALanguageModulesTextsAreWrittenAsUtf8) {
    const ScopedTranslations german({{strings::kExportTitleLine, "Nachrichtenprotokoll der Software Vorelin – Prüfstand\n"},
                                     {strings::kRemoteFrame, "Datenanforderung (ü)"}});
    TempDir dir;
    const Capture capture({remote(record(0x12, {}), 0)}, {0});
    ASSERT_TRUE(exportTo(dir.file("de.txt"), Protocol::can, capture));
    const std::string log = TempDir::read(dir.file("de.txt")).value_or("");
    EXPECT_EQ(log.substr(0, log.find('\n') + 1),
              "Nachrichtenprotokoll der Software Vorelin – Prüfstand\r\n");
    EXPECT_NE(log.find(b(4) + "0" + b(4) + "Datenanforderung (ü)\r\n"), std::string::npos) << log;
}

TEST(TextExport, ZeroRowsGiveHeaderAndClosingBlockWithoutProgress) {
    TempDir dir;
    const Capture capture({record(0x100, {})}, {});
    std::vector<int> percents;
    ASSERT_TRUE(exportTo(dir.file("none.txt"), Protocol::none, capture, &percents));
    EXPECT_EQ(TempDir::read(dir.file("none.txt")),
              logHead(0, kCanopenHeading, 109) + dashes(109) + "\r\n" + "End of message logs");
    EXPECT_TRUE(percents.empty());
}

TEST(TextExport, ProgressIsToldWhenThePercentageChanges) {
    TempDir dir;
    const Capture capture({record(1, {}), record(2, {}), record(3, {})}, {0, 1, 2});
    std::vector<int> percents;
    ASSERT_TRUE(exportTo(dir.file("p.txt"), Protocol::can, capture, &percents));
    EXPECT_EQ(percents, (std::vector<int>{33, 66}));
}

TEST(TextExport, TheDateTimeFollowsSourceDateEpochInUtc) {
    // A zone far from UTC, so that local time would show.
    const ScopedEnvironment zone("TZ", "JST-9");
    {
        const ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "1700000000");
        EXPECT_EQ(exportDateTime(), "2023-11-14 22:13:20");
    }
    {
        const ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "0");
        EXPECT_EQ(exportDateTime(), "1970-01-01 00:00:00");
    }
    {
        const ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "soon");
        const std::string now = exportDateTime();
        ASSERT_EQ(now.size(), 19u) << now;
        EXPECT_NE(now.substr(0, 4), "1970") << "an unusable value falls back to now";
    }
}

TEST(TextExport, AFullDiskIsReportedAndLeavesTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("log.txt");
    TempDir::write(path, "previous log");
    // Small enough to fail at the commit's flush, and large enough to fail
    // within the rows, when the writer's buffer first goes to disk.
    struct Case {
        const char* name;
        uint32_t rows;
    };
    for (const Case& size : {Case{"one row", 1}, Case{"20000 rows", 20000}}) {
        Capture capture({record(0x7EC, {1, 2, 3, 4, 5, 6, 7, 8})}, {});
        for (uint32_t i = 0; i < size.rows; ++i)
            capture.rows.append(0);
        std::vector<int> percents;
        Result<std::monostate> written = std::monostate{};
        {
            const FileSizeLimit limit(64);
            written = exportTo(path, Protocol::deviceNet, capture, &percents);
        }
        EXPECT_EQ(errorOf(written), (Error{strings::kCannotSaveFile, "File too large"})) << size.name;
        EXPECT_EQ(TempDir::read(path), "previous log") << size.name;
        EXPECT_EQ(dir.entryCount(), 1u) << size.name << ": no temporary file left";
        if (size.rows > 1) {
            ASSERT_FALSE(percents.empty());
            EXPECT_LT(percents.back(), 99) << "the rows after the failure are not written";
        }
    }
}
