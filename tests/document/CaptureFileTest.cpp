// The capture file's bytes: hand-made images read back, what the writer lays
// down at each offset, and the files the reader must refuse.
#include "core/FrameStore.h"
#include "core/StringTable.h"
#include "document/CaptureFileBytes.h"
#include "document/CaptureFileReader.h"
#include "document/CaptureFileWriter.h"
#include "document/DocumentParts.h"
#include "filters/FilterFlags.h"
#include "support/Errors.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <vector>

namespace {

// The record of the byte tests: length 2 with all eight data bytes set.
FrameRecord shortRecordWithStaleBytes() {
    FrameRecord record = recordOf(remoteFrame(0x1ABCDEF0, 2, 1), 37);
    record.timeUs = 999;
    record.timeMs = 123;
    record.timeSec = 59;
    record.timeMin = 61;
    for (int i = 0; i < 8; ++i)
        record.frame.data[i] = uint8_t(0xA0 + i);
    return record;
}

std::string shortRecordBytes() {
    return FileBytes()
        .u32(37).u32(999).u32(123).u32(59).u32(61)
        .u8(2).u8(1).u32(0x1ABCDEF0).u32(1)
        .bytes({0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7})
        .str();
}

class CaptureFileTest : public ::testing::Test {
protected:
    std::string put(const std::string& bytes) {
        const std::string path = dir.file("hand-made.orx");
        TempDir::write(path, bytes);
        return path;
    }
    // Saves the first `count` of `records` tagged records and opens the file again.
    Result<CaptureFileReader> saveAndOpen(uint32_t records, uint32_t count, const ProgressCallback& progress = {}) {
        for (uint32_t i = 0; i < records; ++i)
            store.append(taggedRecord(i));
        const std::string path = dir.file("saved.orx");
        EXPECT_TRUE(saveCaptureFile(path, {}, store, count, progress));
        EXPECT_EQ(TempDir::read(path)->size(), 178u + 38u * count);
        return CaptureFileReader::open(path);
    }
    TempDir dir;
    FrameStore store;
};

TEST_F(CaptureFileTest, WritesConditionsAndAutomationItemsFieldByField) {
    CaptureFileParts parts;
    // Identifier bits 0, 2 and 28.
    parts.conditions.push_back({.reserved = 9, .flags = FC_CAN | FC_ID_ADVANCED, .idMask = 0x1FFFFFFF,
                                .idBits = 0x10000005, .frame = dataFrame(0x123, {0x5A, 0, 0}, 1), .messageId = 62,
                                .sourceMacId = 63, .destMacId = 61, .cobId = 0x7FF, .functionCode = 0xF,
                                .nodeId = 0x7F});
    parts.conditions[0].frame.remote = 1;
    parts.autoItems.push_back({FC_ENABLED, dataFrame(0x456, {1, 2, 3}, 1)});
    parts.autoItems[0].frame.remote = 1;

    const std::string path = dir.file("parts.orx");
    ASSERT_TRUE(saveCaptureFile(path, parts, store, 0, nullptr));
    const auto image = TempDir::read(path);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->size(), 82u + 170u + 22u + 96u);

    FileBytes bits;
    for (int bit = 0; bit < 29; ++bit)
        bits.u32(bit == 0 || bit == 2 || bit == 28 ? 1 : 0);
    const std::string expectedCondition =
        FileBytes()
            .u32(FC_CAN | FC_ID_ADVANCED).u32(0x1FFFFFFF).u32(9).append(bits.str())
            .u8(3).u8(1).u32(1).bytes({0x5A, 0, 0, 0, 0, 0, 0, 0}).u32(0x123)
            .u32(61).u32(62).u32(63).u32(0x7FF).u32(0xF).u32(0x7F)
            .str();
    EXPECT_EQ(image->substr(82, 170), expectedCondition);
    const std::string expectedItem =
        FileBytes().u32(FC_ENABLED).u32(0x456).u8(1).u32(1).u8(3).bytes({1, 2, 3, 0, 0, 0, 0, 0}).str();
    EXPECT_EQ(image->substr(82 + 170, 22), expectedItem);
}

TEST_F(CaptureFileTest, ReadsAHandMadeFile) {
    FileBytes bits;
    // Only exactly 1 sets a bit: 2 and 0xFFFFFFFF clear theirs.
    for (int bit = 0; bit < 29; ++bit)
        bits.u32(bit == 3 ? 1 : bit == 4 ? 2 : bit == 5 ? 0xFFFFFFFF : bit == 28 ? 1 : 0);
    const std::string file =
        FileBytes()
            .f32(1.0f).u32(7).u32(8).u32(1).u32(1).u32(0xDEAD).u32(125).u32(1).u32(0x55).i32(1).u32(1).u32(0)
            .i32(2).u32(1).u32(0xBEEF).u32(1).u32(1).u16(0x0003).u32(1).u32(2).u32(1)
            .append(shortRecordBytes())
            .u32(FC_CANOPEN).u32(0x1FFFFFFF).u32(0).append(bits.str())
            .u8(8).u8(0).u32(0).bytes({9, 8, 7, 6, 5, 4, 3, 2}).u32(0x7E5)
            .u32(1).u32(2).u32(3).u32(0x181).u32(3).u32(1)
            .u32(FC_ENABLED).u32(0x18FF1234).u8(1).u32(0).u8(8).bytes({1, 2, 3, 4, 5, 6, 7, 8})
            .u32(0x100).u32(4).u32(1).u32(1).u32(10).u32(11).u32(12).u32(13).u32(14).u32(15).u32(16).u32(17)
            .u32(0x200).u32(8).u32(0).u32(0).zeros(32)
            .str();
    auto reader = CaptureFileReader::open(put(file));
    ASSERT_TRUE(reader) << reader.error().text;
    EXPECT_EQ(std::tuple(reader->recordCount(), reader->conditionCount(), reader->autoItemCount()),
              std::tuple(1u, 1u, 1u));
    const CaptureFileSettings& s = reader->settings();
    EXPECT_EQ(std::tuple(s.autoCycleMs, s.autoIntervalMs, s.baudRateKbps, s.workMode, s.filterIdentifierSeed),
              std::tuple(7u, 8u, 125u, 1u, 0x55u));
    EXPECT_EQ(std::tuple(s.protocol, s.chartMode, s.filterActiveWord, s.filterMode, s.frameType),
              std::tuple(1, 2, uint16_t(3), 1u, 2u));

    auto parts = reader->readInto(store, nullptr);
    ASSERT_TRUE(parts) << parts.error().text;
    ASSERT_EQ(store.count(), 1u);
    EXPECT_EQ(store.at(0), shortRecordWithStaleBytes());
    const FilterCondition condition{.flags = FC_CANOPEN, .idMask = 0x1FFFFFFF, .idBits = 1u << 3 | 1u << 28,
                                    .frame = dataFrame(0x7E5, {9, 8, 7, 6, 5, 4, 3, 2}), .messageId = 2,
                                    .sourceMacId = 3, .destMacId = 1, .cobId = 0x181, .functionCode = 3,
                                    .nodeId = 1};
    EXPECT_EQ(parts->conditions, std::vector<FilterCondition>{condition});
    const AutoMessageItem item{FC_ENABLED, dataFrame(0x18FF1234, {1, 2, 3, 4, 5, 6, 7, 8}, 1)};
    EXPECT_EQ(parts->autoItems, std::vector<AutoMessageItem>{item});
    EXPECT_EQ(parts->manualBuffers[0], (ManualBuffer{0x100, 4, 1, 1, {10, 11, 12, 13, 14, 15, 16, 17}}));
    EXPECT_EQ(parts->manualBuffers[1], (ManualBuffer{0x200, 8, 0, 0, {}}));
}

struct VersionCase {
    const char* name;
    float version;
    const char* refusal;  // null when the version loads
};

class CaptureFileVersionTest : public CaptureFileTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(CaptureFileVersionTest, AcceptsOnlyTheVersionsEverWritten) {
    const VersionCase& row = GetParam();
    auto reader = CaptureFileReader::open(put(captureFileBytes(row.version, 2)));
    if (row.refusal) {
        EXPECT_EQ(errorOf(reader), (Error{strings::kNotACaptureFile, row.refusal}));
        return;
    }
    ASSERT_TRUE(reader) << reader.error().text;
    ASSERT_TRUE(reader->readInto(store, nullptr));
    EXPECT_EQ(store.count(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, CaptureFileVersionTest,
    ::testing::Values(VersionCase{"one", 1.0f, nullptr}, VersionCase{"zero", 0.0f, nullptr},
                      VersionCase{"one_within_a_thousandth", 1.0005f, nullptr},
                      VersionCase{"zero_and_a_little", 0.0005f, "version 0.0005"},
                      VersionCase{"one_and_a_half", 1.5f, "version 1.5"},
                      VersionCase{"just_below_one", 0.999f, "version 0.999"},
                      VersionCase{"minus_a_little", -0.0005f, "version -0.0005"},
                      VersionCase{"nan", std::numeric_limits<float>::quiet_NaN(), "version nan"},
                      VersionCase{"infinity", std::numeric_limits<float>::infinity(), "version inf"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DamageCase {
    const char* name;
    std::string bytes;
    const char* detail;
};

class CaptureFileDamageTest : public CaptureFileTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(CaptureFileDamageTest, RefusesAFileWhoseSizeBreaksItsHeadersPromise) {
    EXPECT_EQ(errorOf(CaptureFileReader::open(put(GetParam().bytes))),
              (Error{strings::kDamagedFile, GetParam().detail}));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, CaptureFileDamageTest,
    ::testing::Values(
        DamageCase{"one_byte_short", captureFileBytes(1.0f, 1).substr(0, 215), "215 bytes, but its header promises 216"},
        DamageCase{"one_byte_long", captureFileBytes(1.0f, 1) + '\0', "217 bytes, but its header promises 216"},
        DamageCase{"records_missing", captureFileBytes(1.0f, 0).replace(60, 1, 1, '\3'),
                   "178 bytes, but its header promises 292"},
        DamageCase{"header_cut_short", captureFileBytes(1.0f, 0).substr(0, 50),
                   "50 bytes, too short for its 82-byte header"},
        DamageCase{"empty", "", "0 bytes, too short for its 82-byte header"},
        // The counts' product passes any 32-bit size: refused on the size,
        // before anything is reserved for them.
        DamageCase{"counts_beyond_any_file", headerBytes(1.0f, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF).str(),
                   "82 bytes, but its header promises 987842478028"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaptureFileTest, MoreConditionsOrItemsThanTheListsHoldAreDamage) {
    const auto withCounts = [](uint32_t conditions, uint32_t items) {
        return headerBytes(1.0f, 0, conditions, items)
            .zeros(170 * conditions + 22 * items)
            .append(defaultManualBufferBytes())
            .str();
    };
    auto fullest = CaptureFileReader::open(put(withCounts(65'536, 8)));
    ASSERT_TRUE(fullest) << fullest.error().text;
    EXPECT_EQ(fullest->conditionCount(), 65'536u);
    EXPECT_EQ(fullest->autoItemCount(), 8u);
    EXPECT_EQ(errorOf(CaptureFileReader::open(put(withCounts(0, 9)))),
              (Error{strings::kDamagedFile, "it promises 9 automation items; the list holds at most 8"}));
    EXPECT_EQ(errorOf(CaptureFileReader::open(put(withCounts(65'537, 0)))),
              (Error{strings::kDamagedFile, "it promises 65537 filter conditions; a filter holds at most 65536"}));
}

TEST_F(CaptureFileTest, ACandumpLogIsNamedAsSuchWhateverItsLength) {
    const std::string logs[] = {"(0.000100) can0 123#11\n", "\xEF\xBB\xBF(1.5) can0 7FF#\n" + std::string(90, '\n')};
    for (const std::string& log : logs)
        EXPECT_EQ(errorOf(CaptureFileReader::open(put(log))), (Error{strings::kNotACaptureFile, "a candump log"})) << log;
}

TEST_F(CaptureFileTest, ReportsAFileThatCannotBeRead) {
    EXPECT_EQ(errorOf(CaptureFileReader::open(dir.file("missing.orx"))),
              (Error{strings::kCannotReadFile, "No such file or directory"}));
    EXPECT_EQ(errorOf(CaptureFileReader::open(dir.path())), (Error{strings::kCannotReadFile, "Is a directory"}));
}

TEST_F(CaptureFileTest, CountsProgressFrom1To99OverTheRecords) {
    std::vector<int> expected;
    for (int percent = 1; percent <= 99; ++percent)
        expected.push_back(percent);
    std::vector<int> saving, loading;
    auto reader = saveAndOpen(250, 250, [&](int percent) { saving.push_back(percent); });
    EXPECT_EQ(saving, expected);
    ASSERT_TRUE(reader);
    FrameStore loaded;
    ASSERT_TRUE(reader->readInto(loaded, [&](int percent) { loading.push_back(percent); }));
    EXPECT_EQ(loading, expected);
}

TEST_F(CaptureFileTest, RecordsCrossingChunksReloadInOrder) {
    // More records than one chunk of either side holds, and not a multiple of it.
    constexpr uint32_t kRecords = 10'001;
    auto reader = saveAndOpen(kRecords, kRecords);
    ASSERT_TRUE(reader);
    FrameStore loaded;
    ASSERT_TRUE(reader->readInto(loaded, nullptr));
    ASSERT_EQ(loaded.count(), kRecords);
    for (uint32_t i = 0; i < kRecords; ++i)
        ASSERT_EQ(loaded.at(i), taggedRecord(i)) << "record " << i;
}

TEST_F(CaptureFileTest, SavesOnlyTheRecordsCountedAtTheStartAndAFullStoreFailsTheLoad) {
    auto reader = saveAndOpen(7, 5);
    ASSERT_TRUE(reader);
    FrameStore small(3);
    EXPECT_EQ(errorOf(reader->readInto(small, nullptr)),
              (Error{strings::kCannotReadFile, "the capture store took only 3 of its 5 records"}));
}

TEST_F(CaptureFileTest, FailedSaveKeepsTheOldFileAndSaysWhy) {
    const std::string path = dir.file("kept.orx");
    TempDir::write(path, "old contents");
    // A folder where the file should go makes the final rename fail.
    const std::string blocked = dir.file("blocked.orx");
    std::filesystem::create_directory(blocked);
    TempDir::write(blocked + "/inside", "x");
    auto result = saveCaptureFile(blocked, {}, store, 0, nullptr);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().number, strings::kCannotSaveFile);
    EXPECT_FALSE(result.error().text.empty());
    EXPECT_TRUE(std::filesystem::is_directory(blocked));
    EXPECT_EQ(TempDir::read(blocked + "/inside"), "x");

    EXPECT_EQ(errorOf(saveCaptureFile(path + "/capture.orx", {}, store, 0, nullptr)).number, strings::kCannotSaveFile);
    EXPECT_EQ(TempDir::read(path), "old contents");
    EXPECT_EQ(dir.entryCount(), 2u) << "no temporary file left";
}

}  // namespace
