// The capture file's bytes: hand-made images read back, what the writer lays
// down at each offset, and the files the reader must refuse.
#include "core/FrameStore.h"
#include "core/StringTable.h"
#include "document/CaptureFileBytes.h"
#include "document/CaptureFileReader.h"
#include "document/CaptureFileWriter.h"
#include "filters/FilterFlags.h"
#include "support/Frames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

// The record of the byte tests: length 2 with all eight data bytes set.
FrameRecord shortRecordWithStaleBytes() {
    FrameRecord record;
    record.busLoad = 37;
    record.timeUs = 999;
    record.timeMs = 123;
    record.timeSec = 59;
    record.timeMin = 61;
    record.frame.length = 2;
    record.frame.extended = 1;
    record.frame.identifier = 0x1ABCDEF0;
    record.frame.remote = 1;
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

void expectSameRecord(const FrameRecord& actual, const FrameRecord& expected) {
    EXPECT_EQ(actual.busLoad, expected.busLoad);
    EXPECT_EQ(actual.timeUs, expected.timeUs);
    EXPECT_EQ(actual.timeMs, expected.timeMs);
    EXPECT_EQ(actual.timeSec, expected.timeSec);
    EXPECT_EQ(actual.timeMin, expected.timeMin);
    expectSameFrame(actual.frame, expected.frame);
}

class CaptureFileTest : public ::testing::Test {
protected:
    std::string put(const std::string& bytes) {
        const std::string path = dir.file("hand-made.orx");
        TempDir::write(path, bytes);
        return path;
    }
    TempDir dir;
    FrameStore store;
};

TEST_F(CaptureFileTest, WritesEveryHeaderFieldAndRecordAtItsOffset) {
    CaptureFileParts parts;
    CaptureFileSettings& s = parts.settings;
    s.formatVersion = 1.0f;
    s.autoCycleMs = 0x11;
    s.autoIntervalMs = 0x22;
    s.capturing = 1;
    s.configured = 1;
    s.baudRateKbps = 250;
    s.workMode = 1;
    s.filterIdentifierSeed = 0x123;
    s.protocol = 2;
    s.dataListOpen = 1;
    s.chartOpen = 1;
    s.chartMode = -1;
    s.hexFormat = 0;
    s.filterActiveWord = 0x8001;
    s.filterMode = 1;
    s.frameType = 2;
    parts.manualBuffers[1].identifier = 0x7FF;
    parts.manualBuffers[1].data[7] = 0xEE;
    store.append(shortRecordWithStaleBytes());

    const std::string path = dir.file("written.orx");
    ASSERT_TRUE(saveCaptureFile(path, parts, store, 1, nullptr));

    const std::string expected =
        FileBytes()
            .f32(1.0f).u32(0x11).u32(0x22).u32(1).u32(1).u32(0).u32(250).u32(1).u32(0x123).i32(2).u32(1).u32(1)
            .i32(-1).u32(0).u32(0).u32(1).u32(0).u16(0x8001).u32(1).u32(2).u32(0)
            .append(shortRecordBytes())
            .u32(0).u32(8).u32(0).u32(0).zeros(32)
            .u32(0x7FF).u32(8).u32(0).u32(0).zeros(28).u32(0xEE)
            .str();
    const auto image = TempDir::read(path);
    ASSERT_TRUE(image);
    EXPECT_EQ(*image, expected);
    ASSERT_EQ(image->size(), 82u + 38u + 96u);
    // Offsets straight from the format's table, in case both sides agree on a wrong order.
    EXPECT_EQ(u32At(*image, 0), 0x3F800000u) << "1.0 as a float";
    EXPECT_EQ(u32At(*image, 36), 2u) << "protocol";
    EXPECT_EQ(u32At(*image, 60), 1u) << "N";
    EXPECT_EQ(uint8_t((*image)[68]), 0x01);
    EXPECT_EQ(uint8_t((*image)[69]), 0x80);
    EXPECT_EQ(u32At(*image, 74), 2u) << "frameType";
    EXPECT_EQ(u32At(*image, 82 + 22), 0x1ABCDEF0u) << "identifier";
    EXPECT_EQ(uint8_t((*image)[82 + 30 + 7]), 0xA7) << "a byte beyond the length is kept";
}

TEST_F(CaptureFileTest, EmptyCaptureIs178Bytes) {
    const std::string path = dir.file("empty.orx");
    ASSERT_TRUE(saveCaptureFile(path, CaptureFileParts{}, store, 0, nullptr));
    EXPECT_EQ(TempDir::read(path)->size(), 178u);
}

TEST_F(CaptureFileTest, WritesConditionsAndAutomationItemsFieldByField) {
    CaptureFileParts parts;
    FilterCondition condition;
    condition.flags = FC_CAN | FC_ID_ADVANCED;
    condition.idMask = 0x1FFFFFFF;
    condition.idBits = 0x10000005;  // bits 0, 2 and 28
    condition.reserved = 9;
    condition.frame.length = 3;
    condition.frame.extended = 1;
    condition.frame.remote = 1;
    condition.frame.data[0] = 0x5A;
    condition.frame.identifier = 0x123;
    condition.destMacId = 61;
    condition.messageId = 62;
    condition.sourceMacId = 63;
    condition.cobId = 0x7FF;
    condition.functionCode = 0xF;
    condition.nodeId = 0x7F;
    parts.conditions.push_back(condition);
    AutoMessageItem item;
    item.flags = FC_ENABLED;
    item.frame = dataFrame(0x456, {1, 2, 3}, 1);
    item.frame.remote = 1;
    parts.autoItems.push_back(item);

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
    EXPECT_EQ(reader->recordCount(), 1u);
    EXPECT_EQ(reader->conditionCount(), 1u);
    EXPECT_EQ(reader->autoItemCount(), 1u);
    const CaptureFileSettings& s = reader->settings();
    EXPECT_EQ(s.autoCycleMs, 7u);
    EXPECT_EQ(s.autoIntervalMs, 8u);
    EXPECT_EQ(s.baudRateKbps, 125u);
    EXPECT_EQ(s.workMode, 1u);
    EXPECT_EQ(s.filterIdentifierSeed, 0x55u);
    EXPECT_EQ(s.protocol, 1);
    EXPECT_EQ(s.chartMode, 2);
    EXPECT_EQ(s.filterActiveWord, 0x0003);
    EXPECT_EQ(s.filterMode, 1u);
    EXPECT_EQ(s.frameType, 2u);

    auto parts = reader->readInto(store, nullptr);
    ASSERT_TRUE(parts) << parts.error().text;
    ASSERT_EQ(store.count(), 1u);
    expectSameRecord(store.at(0), shortRecordWithStaleBytes());

    ASSERT_EQ(parts->conditions.size(), 1u);
    const FilterCondition& condition = parts->conditions[0];
    EXPECT_EQ(condition.flags, FC_CANOPEN);
    EXPECT_EQ(condition.idBits, (1u << 3) | (1u << 28));
    EXPECT_EQ(condition.frame.length, 8);
    EXPECT_EQ(condition.frame.data[7], 2);
    EXPECT_EQ(condition.frame.identifier, 0x7E5u);
    EXPECT_EQ(condition.destMacId, 1u);
    EXPECT_EQ(condition.messageId, 2u);
    EXPECT_EQ(condition.sourceMacId, 3u);
    EXPECT_EQ(condition.cobId, 0x181u);
    EXPECT_EQ(condition.functionCode, 3u);
    EXPECT_EQ(condition.nodeId, 1u);

    ASSERT_EQ(parts->autoItems.size(), 1u);
    EXPECT_EQ(parts->autoItems[0].flags, FC_ENABLED);
    EXPECT_EQ(parts->autoItems[0].frame.identifier, 0x18FF1234u);
    EXPECT_EQ(parts->autoItems[0].frame.extended, 1);
    EXPECT_EQ(parts->autoItems[0].frame.length, 8);
    EXPECT_EQ(parts->autoItems[0].frame.data[7], 8);

    const ManualBuffer& first = parts->manualBuffers[0];
    EXPECT_EQ(first.identifier, 0x100u);
    EXPECT_EQ(first.length, 4u);
    EXPECT_EQ(first.frameType, 1u);
    EXPECT_EQ(first.remote, 1u);
    EXPECT_EQ(first.data[0], 10u);
    EXPECT_EQ(first.data[7], 17u);
    EXPECT_EQ(parts->manualBuffers[1].identifier, 0x200u);
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
    if (!row.refusal) {
        ASSERT_TRUE(reader) << reader.error().text;
        ASSERT_TRUE(reader->readInto(store, nullptr));
        EXPECT_EQ(store.count(), 2u);
        return;
    }
    ASSERT_FALSE(reader);
    EXPECT_EQ(reader.error().number, strings::kNotACaptureFile);
    EXPECT_EQ(reader.error().text, row.refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, CaptureFileVersionTest,
    ::testing::Values(VersionCase{"one", 1.0f, nullptr}, VersionCase{"zero", 0.0f, nullptr},
                      VersionCase{"one_within_a_thousandth", 1.0005f, nullptr},
                      VersionCase{"one_and_a_half", 1.5f, "version 1.5"}, VersionCase{"two", 2.0f, "version 2.0"},
                      VersionCase{"just_below_one", 0.999f, "version 0.999"},
                      VersionCase{"minus_one", -1.0f, "version -1.0"},
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
    auto reader = CaptureFileReader::open(put(GetParam().bytes));
    ASSERT_FALSE(reader);
    EXPECT_EQ(reader.error().number, strings::kDamagedFile);
    EXPECT_EQ(reader.error().text, GetParam().detail);
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

TEST_F(CaptureFileTest, ReportsAFileThatCannotBeRead) {
    auto missing = CaptureFileReader::open(dir.file("missing.orx"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().number, strings::kCannotReadFile);
    EXPECT_EQ(missing.error().text, "No such file or directory");

    auto folder = CaptureFileReader::open(dir.path());
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.error().number, strings::kCannotReadFile);
    EXPECT_EQ(folder.error().text, "Is a directory");
}

TEST_F(CaptureFileTest, CountsProgressFrom1To99OverTheRecords) {
    for (uint32_t i = 0; i < 250; ++i)
        store.append(taggedRecord(i));
    std::vector<int> expected;
    for (int percent = 1; percent <= 99; ++percent)
        expected.push_back(percent);

    std::vector<int> saving;
    const std::string path = dir.file("progress.orx");
    ASSERT_TRUE(saveCaptureFile(path, {}, store, 250, [&](int percent) { saving.push_back(percent); }));
    EXPECT_EQ(saving, expected);

    std::vector<int> loading;
    FrameStore loaded;
    auto reader = CaptureFileReader::open(path);
    ASSERT_TRUE(reader);
    ASSERT_TRUE(reader->readInto(loaded, [&](int percent) { loading.push_back(percent); }));
    EXPECT_EQ(loading, expected);
}

TEST_F(CaptureFileTest, RecordsCrossingChunksReloadInOrder) {
    // More records than one chunk of either side holds, and not a multiple of it.
    constexpr uint32_t kRecords = 10'001;
    for (uint32_t i = 0; i < kRecords; ++i)
        store.append(taggedRecord(i));
    const std::string path = dir.file("many.orx");
    ASSERT_TRUE(saveCaptureFile(path, {}, store, kRecords, nullptr));
    EXPECT_EQ(TempDir::read(path)->size(), 178u + 38u * kRecords);

    FrameStore loaded;
    auto reader = CaptureFileReader::open(path);
    ASSERT_TRUE(reader);
    ASSERT_TRUE(reader->readInto(loaded, nullptr));
    ASSERT_EQ(loaded.count(), kRecords);
    for (uint32_t i = 0; i < kRecords; ++i)
        ASSERT_TRUE(isIntactTaggedRecord(loaded.at(i), i)) << "record " << i;
}

TEST_F(CaptureFileTest, SavesOnlyTheRecordsCountedAtTheStart) {
    for (uint32_t i = 0; i < 5; ++i)
        store.append(taggedRecord(i));
    const std::string path = dir.file("first-three.orx");
    ASSERT_TRUE(saveCaptureFile(path, {}, store, 3, nullptr));
    EXPECT_EQ(TempDir::read(path)->size(), 178u + 3 * 38u);
}

TEST_F(CaptureFileTest, StoreThatRefusesRecordsFailsTheLoad) {
    for (uint32_t i = 0; i < 5; ++i)
        store.append(taggedRecord(i));
    const std::string path = dir.file("five.orx");
    ASSERT_TRUE(saveCaptureFile(path, {}, store, 5, nullptr));

    FrameStore small(3);
    auto reader = CaptureFileReader::open(path);
    ASSERT_TRUE(reader);
    auto parts = reader->readInto(small, nullptr);
    ASSERT_FALSE(parts);
    EXPECT_EQ(parts.error().number, strings::kCannotReadFile);
    EXPECT_EQ(parts.error().text, "the capture store took only 3 of its 5 records");
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

    auto underFile = saveCaptureFile(path + "/capture.orx", {}, store, 0, nullptr);
    ASSERT_FALSE(underFile);
    EXPECT_EQ(underFile.error().number, strings::kCannotSaveFile);
    EXPECT_EQ(TempDir::read(path), "old contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2) << "no temporary file left";
}

}  // namespace
