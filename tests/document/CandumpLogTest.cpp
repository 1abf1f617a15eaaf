// candump log lines as written and read, byte for byte, and the lines and
// files the reader refuses.
#include "core/AtomicFileWriter.h"
#include "core/FrameStore.h"
#include "core/StringTable.h"
#include "core/VisibleRows.h"
#include "document/CandumpLine.h"
#include "document/CandumpLogReader.h"
#include "document/CandumpLogWriter.h"
#include "support/Errors.h"
#include "support/Frames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

FrameRecord timed(CanFrame frame, uint32_t min, uint32_t sec, uint32_t ms, uint32_t us) {
    FrameRecord record = recordOf(frame);
    record.timeMin = min;
    record.timeSec = sec;
    record.timeMs = ms;
    record.timeUs = us;
    return record;
}

std::string candumpLine(const FrameRecord& record) {
    char line[kMaxCandumpLineChars];
    return std::string(line, writeCandumpLine(line, record));
}

std::vector<FrameRecord> recordsOf(const FrameStore& store) {
    std::vector<FrameRecord> records;
    for (uint32_t i = 0; i < store.count(); ++i)
        records.push_back(store.at(i));
    return records;
}

// Opens and appends as File > Open does; the error of whichever failed.
Result<std::monostate> load(const std::string& path, FrameStore& store, const ProgressCallback& progress = {}) {
    auto reader = CandumpLogReader::open(path);
    if (!reader)
        return reader.error();
    return reader->appendTo(store, progress);
}

class CandumpLog : public ::testing::Test {
protected:
    // Puts `text` in a file of its own; answers its path.
    std::string logWith(const std::string& text, const char* name = "bus.log") {
        TempDir::write(dir.file(name), text);
        return dir.file(name);
    }
    // Writes the shown `rows`, or every record without them.
    Result<std::monostate> exportTo(const char* name, const VisibleRows* rows, const ProgressCallback& progress = {}) {
        auto writer = AtomicFileWriter::create(dir.file(name));
        if (!writer)
            return writer.error();
        return rows ? writeCandumpLog(*writer, store, *rows, progress) : writeCandumpLog(*writer, store, progress);
    }
    TempDir dir;
    FrameStore store;
};

}  // namespace

TEST(CandumpLine, WritesTheFormatsLinesByteForByte) {
    struct Row {
        const char* name;
        FrameRecord record;
        const char* expected;
    };
    const Row rows[] = {
        {"extended data", timed(dataFrame(0x1234567, {0x00, 0xFF}, 1), 0, 0, 0, 1),
         "(0000000000.000001) can0 01234567#00FF"},
        {"zero-length data", timed(dataFrame(0x7FF), 0, 59, 999, 999), "(0000000059.999999) can0 7FF#"},
        {"remote without length", timed(remoteFrame(0x123), 0, 0, 0, 0), "(0000000000.000000) can0 123#R"},
        {"remote with length", timed(remoteFrame(0x1FFFFFFF, 4, 1), 0, 0, 0, 0),
         "(0000000000.000000) can0 1FFFFFFF#R4"},
        {"eight bytes", timed(dataFrame(0x100, {1, 2, 3, 4, 5, 6, 7, 8}), 0, 0, 0, 0),
         "(0000000000.000000) can0 100#0102030405060708"},
        {"more than ten digits of seconds", timed(dataFrame(0x1), 200000000, 0, 0, 0),
         "(12000000000.000000) can0 001#"},
        {"the last minute a record holds", timed(dataFrame(0x1), 4294967295, 59, 999, 999),
         "(257698037759.999999) can0 001#"},
        {"parts beyond their ranges carry over", timed(dataFrame(0x1), 0, 0, 1500, 2500),
         "(0000000001.502500) can0 001#"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(candumpLine(row.record), row.expected) << row.name;
}

namespace {

// What only a damaged capture holds: written as it is, none of these would
// read back as the same record.
struct UnwritableRecord {
    const char* name;
    FrameRecord record;
    const char* fault;
};

FrameRecord withFlags(CanFrame frame, uint8_t extended, uint32_t remote) {
    frame.extended = extended;
    frame.remote = remote;
    return recordOf(frame);
}

FrameRecord withDataLength(CanFrame frame, uint8_t length) {
    frame.length = length;
    return recordOf(frame);
}

const UnwritableRecord kUnwritableRecords[] = {
    {"standard identifier of 32 bits", recordOf(dataFrame(0xFFFFFFFF)),
     "identifier 0xFFFFFFFF does not fit a standard frame"},
    {"standard identifier of 12 bits", recordOf(remoteFrame(0x800)), "identifier 0x800 does not fit a standard frame"},
    {"extended identifier of 30 bits", recordOf(dataFrame(0x20000000, {}, 1)),
     "identifier 0x20000000 does not fit an extended frame"},
    {"data length 9", withDataLength(dataFrame(0x123), 9), "length 9 is more than 8 data bytes"},
    {"remote length 15", recordOf(remoteFrame(0x123, 15)), "length 15 is more than 8 data bytes"},
    {"extended flag 2", withFlags(dataFrame(0x123), 2, 0), "extended flag 2 is neither 0 nor 1"},
    {"remote flag 2", withFlags(dataFrame(0x123), 0, 2), "remote flag 2 is neither 0 nor 1"},
    {"a minute beyond the last", timed(dataFrame(0x1), 4294967295, 60, 0, 0),
     "time of 4294967296 minutes is more than a record holds (4294967295)"},
    {"every time part at its largest", timed(dataFrame(0x1), 4294967295, 4294967295, 4294967295, 4294967295),
     "time of 4366621737 minutes is more than a record holds (4294967295)"},
};

}  // namespace

TEST(CandumpLine, NamesWhatKeepsADamagedRecordFromALine) {
    for (const UnwritableRecord& row : kUnwritableRecords)
        EXPECT_EQ(candumpLineFault(row.record), row.fault) << row.name;
    EXPECT_EQ(candumpLineFault(timed(dataFrame(0x7FF, {1, 2, 3, 4, 5, 6, 7, 8}), 4294967295, 59, 999, 999)), "");
}

TEST_F(CandumpLog, WritesShownRowsOrAllRecordsWithAFinalLineFeed) {
    store.append(timed(dataFrame(0x100, {0x01}), 0, 0, 0, 0));
    store.append(timed(dataFrame(0x200, {0x02}), 0, 1, 0, 0));
    store.append(timed(remoteFrame(0x300), 0, 2, 0, 0));
    VisibleRows rows;
    rows.append(0);
    rows.append(2);

    std::vector<int> percents;
    ASSERT_TRUE(exportTo("shown.log", &rows, [&](int percent) { percents.push_back(percent); }));
    EXPECT_EQ(TempDir::read(dir.file("shown.log")),
              "(0000000000.000000) can0 100#01\n"
              "(0000000002.000000) can0 300#R\n");
    EXPECT_EQ(percents, std::vector<int>{50});

    ASSERT_TRUE(exportTo("all.log", nullptr));
    EXPECT_EQ(TempDir::read(dir.file("all.log")),
              "(0000000000.000000) can0 100#01\n"
              "(0000000001.000000) can0 200#02\n"
              "(0000000002.000000) can0 300#R\n");
}

TEST_F(CandumpLog, AFolderRemovedBeforeTheCommitIsReported) {
    const std::string folder = dir.file("medium");
    std::filesystem::create_directory(folder);
    store.append(timed(dataFrame(0x100), 0, 0, 0, 0));
    auto writer = AtomicFileWriter::create(folder + "/capture.log");
    ASSERT_TRUE(writer);
    std::filesystem::remove_all(folder);
    EXPECT_EQ(errorOf(writeCandumpLog(*writer, store, {})),
              (Error{strings::kCannotSaveFile, "No such file or directory"}));
}

TEST_F(CandumpLog, EveryRecordWrittenReadsBackAndEveryOtherNamesItself) {
    CanFrame stale = dataFrame(0x321, {0xAA, 0xBB, 0xCC, 0xDD});
    stale.length = 2;
    const struct {
        const char* name;
        FrameRecord written;
        FrameRecord read;  // the log starts at time 0, so times read back as written
    } rows[] = {
        {"standard, no data", timed(dataFrame(0x000), 0, 0, 0, 0), timed(dataFrame(0x000), 0, 0, 0, 0)},
        {"largest standard identifier, eight bytes",
         timed(dataFrame(0x7FF, {0xDE, 0xAD, 0xBE, 0xEF, 0x01, 0x02, 0x03, 0x04}), 0, 0, 0, 1),
         timed(dataFrame(0x7FF, {0xDE, 0xAD, 0xBE, 0xEF, 0x01, 0x02, 0x03, 0x04}), 0, 0, 0, 1)},
        {"largest extended identifier", timed(dataFrame(0x1FFFFFFF, {0x5A}, 1), 0, 1, 2, 3),
         timed(dataFrame(0x1FFFFFFF, {0x5A}, 1), 0, 1, 2, 3)},
        {"remote frames", timed(remoteFrame(0x123, 8), 1, 0, 0, 0), timed(remoteFrame(0x123, 8), 1, 0, 0, 0)},
        {"extended remote", timed(remoteFrame(0x0ABCDEF0, 3, 1), 61, 30, 500, 250),
         timed(remoteFrame(0x0ABCDEF0, 3, 1), 61, 30, 500, 250)},
        {"the last minute a record holds", timed(dataFrame(0x1, {}, 1), 4294967295, 59, 999, 999),
         timed(dataFrame(0x1, {}, 1), 4294967295, 59, 999, 999)},
        {"parts beyond their ranges carry over", timed(dataFrame(0x2), 0, 75, 1500, 2500),
         timed(dataFrame(0x2), 1, 16, 502, 500)},
        {"largest parts but the minutes", timed(dataFrame(0x3), 0, 4294967295, 4294967295, 4294967295),
         timed(dataFrame(0x3), 71654442, 37, 262, 295)},
        {"bus load and bytes beyond the length are no part of a line", recordOf(stale, 37),
         recordOf(dataFrame(0x321, {0xAA, 0xBB}))},
    };
    std::vector<FrameRecord> expected;
    for (const auto& row : rows) {
        store.append(row.written);
        expected.push_back(row.read);
    }
    ASSERT_TRUE(exportTo("trip.log", nullptr));
    FrameStore loaded;
    ASSERT_TRUE(load(dir.file("trip.log"), loaded));
    const std::vector<FrameRecord> read = recordsOf(loaded);
    ASSERT_EQ(read.size(), expected.size());
    for (std::size_t i = 0; i < read.size(); ++i)
        EXPECT_EQ(read[i], expected[i]) << rows[i].name;

    // Refused as record 1 of the store, whether shown or not, and the old file stays.
    TempDir::write(dir.file("kept.log"), "old");
    VisibleRows shown;
    shown.append(1);
    for (const UnwritableRecord& row : kUnwritableRecords) {
        store.clear();
        store.append(timed(dataFrame(0x100), 0, 0, 0, 0));
        store.append(row.record);
        const Error expectedError{strings::kCannotSaveFile, std::string("record 1: ") + row.fault};
        EXPECT_EQ(errorOf(exportTo("kept.log", nullptr)), expectedError) << row.name;
        EXPECT_EQ(errorOf(exportTo("kept.log", &shown)), expectedError) << row.name;
    }
    EXPECT_EQ(TempDir::read(dir.file("kept.log")), "old");
    EXPECT_EQ(dir.entryCount(), 2u) << "no temporary file left";
}

TEST_F(CandumpLog, TimesCountFromTheFirstFrameAndEarlierOnesShowZero) {
    auto reader = CandumpLogReader::open(logWith("(1700000000.123456) can0 123#11\r\n"
                                                 "\r\n"
                                                 "   \n"
                                                 "(1700000061.123457) vcan1 124# R\n"
                                                 "(1699999999.000000) can0 125#R2 T\r\n"
                                                 "(1700000000.5) can0 00000126#0102"));
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->frameCount(), 4u);
    std::vector<int> percents;
    ASSERT_TRUE(reader->appendTo(store, [&](int percent) { percents.push_back(percent); }));
    EXPECT_EQ(recordsOf(store), (std::vector<FrameRecord>{timed(dataFrame(0x123, {0x11}), 0, 0, 0, 0),
                                                          timed(dataFrame(0x124), 1, 1, 0, 1),
                                                          timed(remoteFrame(0x125, 2), 0, 0, 0, 0),
                                                          timed(dataFrame(0x126, {0x01, 0x02}, 1), 0, 0, 376, 544)}));
    EXPECT_EQ(percents, (std::vector<int>{25, 50, 75}));
}

TEST_F(CandumpLog, TwelveDigitsOfSecondsAndAByteOrderMarkAreAccepted) {
    ASSERT_TRUE(load(logWith("\xEF\xBB\xBF(999999999999.000000) can0 123#11\n"
                             "(999999999999.000001) can0 124#\n"),
                     store));
    EXPECT_EQ(recordsOf(store), (std::vector<FrameRecord>{timed(dataFrame(0x123, {0x11}), 0, 0, 0, 0),
                                                          timed(dataFrame(0x124), 0, 0, 0, 1)}));
    EXPECT_EQ(errorOf(load(logWith("(1.000000) can0 123#11\n\xEF\xBB\xBF(2.000000) can0 124#\n"), store)),
              (Error{strings::kDamagedFile, "line 2: expected the time as (seconds.microseconds) at the start"}))
        << "a byte-order mark only at the very start";
}

TEST_F(CandumpLog, LowerCaseHexAndAnEmptyFileAreAccepted) {
    ASSERT_TRUE(load(logWith("(0000000000.000000) can0 7ff#abcdef\n(0000000000.000000) can0 123#r\n"), store));
    EXPECT_EQ(recordsOf(store), (std::vector<FrameRecord>{timed(dataFrame(0x7FF, {0xAB, 0xCD, 0xEF}), 0, 0, 0, 0),
                                                          timed(remoteFrame(0x123), 0, 0, 0, 0)}));
    auto empty = CandumpLogReader::open(logWith("", "empty.log"));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->frameCount(), 0u);
}

TEST_F(CandumpLog, RefusesMalformedLinesNamingTheLineAndTheFault) {
    const std::string good = "(1700000000.000000) can0 123#11\n";
    struct Row {
        const char* name;
        std::string text;
        const char* expected;
    };
    const Row rows[] = {
        {"no time", "can0 123#11\n", "line 1: expected the time as (seconds.microseconds) at the start"},
        {"time without fraction", "(1700000000) can0 123#11\n",
         "line 1: expected the time as (seconds.microseconds) at the start"},
        {"time with thirteen digits of seconds", "(1700000000000.000000) can0 123#11\n",
         "line 1: expected the time as (seconds.microseconds) at the start"},
        {"a frame beyond a record's minutes", "(0.000000) can0 123#11\n(257698037760.000000) can0 123#11\n",
         "line 2: more than 4294967295 minutes after the first frame"},
        {"time not closed", good + "(1700000000.000000 can0 123#11\n",
         "line 2: expected the time as (seconds.microseconds) at the start"},
        {"missing interface", good + "\n(1700000000.000000)\n", "line 3: expected the interface name after the time"},
        {"missing frame", "(1700000000.000000) can0\n", "line 1: expected the frame after the interface name"},
        {"frame glued to the time", "(1700000000.000000)can0 123#11\n",
         "line 1: expected the interface name after the time"},
        {"no '#'", "(1700000000.000000) can0 12311\n", "line 1: expected '#' after the identifier"},
        {"bad identifier digit", "(1700000000.000000) can0 12G#11\n", "line 1: expected '#' after the identifier"},
        {"four identifier digits", "(1700000000.000000) can0 1234#11\n", "line 1: identifier needs 3 or 8 hex digits"},
        {"standard identifier beyond 7FF", "(1700000000.000000) can0 800#11\n",
         "line 1: standard identifier above 7FF"},
        {"extended identifier beyond 1FFFFFFF", "(1700000000.000000) can0 40000000#11\n",
         "line 1: extended identifier above 1FFFFFFF"},
        {"error frame", "(1700000000.000000) can0 20000080#0000000000000000\n",
         "line 1: error frames cannot be loaded"},
        {"CAN FD frame", "(1700000000.000000) can0 123##0112233\n", "line 1: CAN FD frames cannot be loaded"},
        {"odd hex digits", "(1700000000.000000) can0 123#112\n", "line 1: odd number of hex digits in the data"},
        {"bad data digit", "(1700000000.000000) can0 123#1G\n", "line 1: bad hex digit in the data"},
        {"nine data bytes", "(1700000000.000000) can0 123#112233445566778899\n", "line 1: more than 8 data bytes"},
        {"remote length 9", "(1700000000.000000) can0 123#R9\n", "line 1: remote frame length needs one digit 0 to 8"},
        {"remote length of two digits", "(1700000000.000000) can0 123#R10\n",
         "line 1: remote frame length needs one digit 0 to 8"},
        {"text after the flags", "(1700000000.000000) can0 123#11 T x\n",
         "line 1: unexpected text after the frame and its flags"},
        {"a lone CR inside the line", "(1700000000.000000) can0 123#11\r22\n", "line 1: bad hex digit in the data"},
        {"a line too long to be a log line", good + std::string(2000, ' ') + "\n",
         "line 2: longer than 1024 characters"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(errorOf(CandumpLogReader::open(logWith(row.text))), (Error{strings::kDamagedFile, row.expected}))
            << row.name;
}

TEST_F(CandumpLog, ADamagedLastLineFailsOpenBeforeAnythingIsStored) {
    std::string text;
    // Well past two reads of the file, so the fault is found only by reading all.
    for (int i = 0; i < 100000; ++i)
        text += "(1700000000.000000) can0 123#1122334455667788\n";
    text += "(1700000000.000000) can0 123#1122334455667788 R x\n";
    EXPECT_EQ(errorOf(CandumpLogReader::open(logWith(text))).text,
              "line 100001: unexpected text after the frame and its flags");
}

TEST_F(CandumpLog, LinesSplitAcrossReadsOfTheFileAreReadWhole) {
    std::string text;
    std::vector<FrameRecord> expected;
    // Lines of changing length and both line ends, over several of the
    // file reader's 1 MB reads, so that reads cut them at many places.
    constexpr uint32_t kFrames = 120000;
    const char* payloads[] = {"", "01", "0102", "010203", "01020304", "0102030405", "010203040506",
                              "01020304050607", "0102030405060708"};
    for (uint32_t i = 0; i < kFrames; ++i) {
        const int length = int(i % 9);
        char line[96];
        std::snprintf(line, sizeof line, "(%010u.%06u) can%u %03X#%s%s", 1000 + i / 1000, (i % 1000) * 1000,
                      i % 3, i % 0x800, payloads[length], i % 2 ? "\r\n" : "\n");
        text += line;
        CanFrame frame = dataFrame(i % 0x800, {1, 2, 3, 4, 5, 6, 7, 8});
        frame.length = uint8_t(length);
        std::fill(frame.data + length, frame.data + 8, 0);
        expected.push_back(timed(frame, i / 60000, i / 1000 % 60, i % 1000, 0));
    }
    ASSERT_GT(text.size(), 4u << 20);
    ASSERT_TRUE(load(logWith(text), store));
    EXPECT_EQ(recordsOf(store), expected);
}

TEST_F(CandumpLog, AFileChangedBetweenCheckAndLoadIsReported) {
    const std::string path = logWith("(1.000000) can0 123#11\n(2.000000) can0 124#22\n");
    auto reader = CandumpLogReader::open(path);
    ASSERT_TRUE(reader);
    const struct {
        const char* name;
        const char* text;
        Error error;
    } changes[] = {
        {"grown", "(1.000000) can0 123#11\n(2.000000) can0 124#22\n(3.000000) can0 125#33\n",
         {strings::kDamagedFile, "the file changed while it was loaded"}},
        {"shrunk", "(1.000000) can0 123#11\n", {strings::kDamagedFile, "the file changed while it was loaded"}},
        {"damaged", "(1.000000) can0 123#11\n(2.000000) can0 1#22\n",
         {strings::kDamagedFile, "line 2: identifier needs 3 or 8 hex digits"}},
    };
    for (const auto& change : changes) {
        TempDir::write(path, change.text);
        FrameStore fresh;
        EXPECT_EQ(errorOf(reader->appendTo(fresh, {})), change.error) << change.name;
    }
}

TEST_F(CandumpLog, AMissingFileOrAFullStoreIsReported) {
    EXPECT_EQ(errorOf(CandumpLogReader::open(dir.file("missing.log"))),
              (Error{strings::kCannotReadFile, "No such file or directory"}));
    FrameStore small(2);
    EXPECT_EQ(errorOf(load(logWith("(1.000000) can0 123#11\n(2.000000) can0 124#22\n(3.000000) can0 125#33\n"),
                           small)),
              (Error{strings::kCannotReadFile, "frame 3 could not be stored"}));
}
