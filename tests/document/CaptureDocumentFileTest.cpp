// Save and Open of a whole document: what comes back, what a refused file
// leaves alone, and when the document counts as saved.
#include "core/DocumentContents.h"
#include "core/StringTable.h"
#include "document/CaptureDocumentFile.h"
#include "document/CaptureFileBytes.h"
#include "document/CaptureFileReader.h"
#include "document/DocumentParts.h"
#include "document/OpenedCapture.h"
#include "document/ProgramState.h"
#include "filters/ConditionBuilders.h"
#include "support/Errors.h"
#include "support/FifoWithoutWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

namespace {

// File > Open's way in: the file is checked, then loaded.
Result<std::monostate> loadCaptureDocument(const std::string& path, ProgramState& state, DocumentContents& document,
                                           const ProgressCallback& progress) {
    auto opened = OpenedCapture::open(path);
    if (!opened)
        return opened.error();
    return opened->loadInto(state, document, progress);
}

// One condition of each kind, with every field the kind uses set.
std::vector<FilterCondition> conditionsOfEveryKind() {
    FilterCondition advanced = advancedIdCondition(0x1F00000F, 0x10000005);
    advanced.reserved = 7;
    FilterCondition cobId = cobIdCondition(0x581);
    cobId.frame.remote = 1;
    return {withDataByte(withLength(customIdCondition(0x123, 0), 2), 1, 0xAB), advanced,
            withDestinationMac(withSourceMac(withMessageId(deviceNetCondition(FC_DN_GROUP2), 5), 62), 17),
            functionCodeAndNodeCondition(0x3, 0x7F), cobId};
}

class CaptureDocumentFileTest : public ::testing::Test {
protected:
    // A document unlike a new one in every field the file carries.
    void fillDocument() {
        storeTagged(1, 3);
        state.filter.conditions = conditionsOfEveryKind();
        state.filter.filterActiveWord = 0x0101;
        state.filter.filterMode = FILTER_HIDE;
        state.device = DeviceSettings{1, 250, 2, true};
        state.protocol = Protocol::deviceNet;
        state.dataListOpen = true;
        state.chartOpen = true;
        state.chartMode = kChartModeXY;
        state.hexFormat = 0;
        state.filterIdentifierSeed = 0x1ABCDEF;
        state.capture.capturing = true;
        document.autoCycleMs = 40;
        document.autoIntervalMs = 25;
        document.autoItems = {{FC_ENABLED | FC_FRAMEFORMAT, dataFrame(0x18FEF100, {1, 2, 3, 4, 5, 6, 7, 8}, 1)},
                              {0, remoteFrame(0x7E5, 4)}};
        document.manualBuffers[0] = {0x100, 3, 0, 0, {0, 0, 0xFF}};
        document.manualBuffers[1] = {0, 8, 1, 1, {0, 0, 0, 0, 0, 0, 0, 0x42}};
    }

    // Tagged records first..first + count - 1.
    void storeTagged(uint32_t first, uint32_t count) {
        for (uint32_t i = 0; i < count; ++i)
            state.capture.store.append(taggedRecord(first + i));
    }

    void expectTaggedRecords(const FrameStore& store, uint32_t first, uint32_t count) {
        ASSERT_EQ(store.count(), count);
        for (uint32_t i = 0; i < count; ++i)
            EXPECT_EQ(store.at(i), taggedRecord(first + i)) << "record " << i;
    }

    TempDir dir;
    ProgramState state;
    DocumentContents document;
};

TEST_F(CaptureDocumentFileTest, RoundTripRestoresTheWholeDocumentWithTheCanProtocol) {
    fillDocument();
    state.capture.dataChanged = true;
    const std::string path = dir.file("capture.orx");
    ASSERT_TRUE(saveCaptureDocument(path, state, document, nullptr));
    EXPECT_FALSE(state.capture.dataChanged) << "saving marks the capture saved";
    state.capture.capturing = false;  // no live frames into the saved capture

    ProgramState loaded;
    DocumentContents loadedDocument;
    auto result = loadCaptureDocument(path, loaded, loadedDocument, nullptr);
    ASSERT_TRUE(result) << result.error().text;
    loaded.capture.capturing = false;

    expectTaggedRecords(loaded.capture.store, 1, 3);
    EXPECT_EQ(loaded.filter.conditions, state.filter.conditions);
    EXPECT_EQ(loaded.filter.filterActiveWord, 0x0101);
    EXPECT_EQ(loaded.filter.filterMode, FILTER_HIDE);
    EXPECT_EQ(std::tuple(loaded.device.workMode, loaded.device.baudRate, loaded.device.frameType), std::tuple(1, 250, 2));
    EXPECT_TRUE(loaded.device.configured);
    EXPECT_EQ(loaded.protocol, Protocol::can) << "saved with DeviceNet, shown as CAN";
    EXPECT_TRUE(loaded.dataListOpen);
    EXPECT_TRUE(loaded.chartOpen);
    EXPECT_EQ(loaded.chartMode, kChartModeXY);
    EXPECT_EQ(loaded.hexFormat, 0u);
    EXPECT_EQ(loaded.filterIdentifierSeed, 0x1ABCDEFu);
    EXPECT_EQ(loadedDocument.autoCycleMs, 40u);
    EXPECT_EQ(loadedDocument.autoIntervalMs, 25u);
    EXPECT_EQ(loadedDocument.autoItems, document.autoItems);
    EXPECT_EQ(loadedDocument.downloadedItemCount, 2u);
    EXPECT_EQ(loadedDocument.manualBuffers, document.manualBuffers);
}

TEST_F(CaptureDocumentFileTest, LoadingReplacesTheOpenCaptureAndStopsItsFetching) {
    storeTagged(9, 1);
    const std::string path = dir.file("one.orx");
    ASSERT_TRUE(saveCaptureDocument(path, state, document, nullptr));

    storeTagged(100, 4);
    state.capture.rows.append(0);
    state.capture.filterCursor = 5;
    state.filter.conditions = conditionsOfEveryKind();
    document.autoItems.resize(3);
    state.capture.capturing = true;
    state.capture.dataChanged = true;

    ASSERT_TRUE(loadCaptureDocument(path, state, document, nullptr));
    expectTaggedRecords(state.capture.store, 9, 1);
    EXPECT_EQ(state.capture.rows.count(), 0u);
    EXPECT_EQ(state.capture.filterCursor, 0u);
    EXPECT_TRUE(state.filter.conditions.empty());
    EXPECT_TRUE(document.autoItems.empty());
    EXPECT_EQ(document.downloadedItemCount, 0u);
    EXPECT_FALSE(state.capture.capturing) << "the file was saved while stopped";
    EXPECT_FALSE(state.capture.dataChanged);
}

TEST_F(CaptureDocumentFileTest, NoFramesAreFetchedWhileTheRecordsLoad) {
    storeTagged(0, 100);
    state.capture.capturing = true;
    const std::string path = dir.file("running.orx");
    ASSERT_TRUE(saveCaptureDocument(path, state, document, nullptr));

    std::vector<bool> capturingSeen;
    ASSERT_TRUE(loadCaptureDocument(path, state, document,
                                    [&](int) { capturingSeen.push_back(state.capture.capturing); }));
    EXPECT_EQ(capturingSeen, std::vector<bool>(99, false));
    EXPECT_TRUE(state.capture.capturing) << "a capture saved while capturing goes on once the file is in";
    state.capture.capturing = false;
}

TEST_F(CaptureDocumentFileTest, NonzeroFlagsInTheFileRestoreAsOne) {
    const std::string file = FileBytes()
                                 .f32(0.0f).u32(1).u32(1).u32(7).u32(5).u32(0).u32(500).u32(0).u32(0).i32(2)
                                 .u32(3).u32(0x100).i32(-1).u32(9).u32(0).u32(0).u32(0).u16(0).u32(0).u32(1).u32(0)
                                 .append(defaultManualBufferBytes())
                                 .str();
    const std::string path = dir.file("flags.orx");
    TempDir::write(path, file);
    auto result = loadCaptureDocument(path, state, document, nullptr);
    ASSERT_TRUE(result) << result.error().text;
    EXPECT_TRUE(state.capture.capturing);
    EXPECT_TRUE(state.device.configured);
    EXPECT_TRUE(state.dataListOpen);
    EXPECT_TRUE(state.chartOpen);
    EXPECT_EQ(state.hexFormat, 1u);
    EXPECT_EQ(state.protocol, Protocol::can);
    state.capture.capturing = false;
}

struct RefusalCase {
    const char* name;
    std::string bytes;
    int number;
};

class CaptureDocumentRefusalTest : public CaptureDocumentFileTest,
                                   public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(CaptureDocumentRefusalTest, RefusedFileLeavesTheOpenCaptureAsItWas) {
    fillDocument();
    state.capture.rows.append(0);
    state.capture.filterCursor = 1;
    document.downloadedItemCount = 2;
    const std::string path = dir.file("refused.orx");
    TempDir::write(path, GetParam().bytes);

    auto result = loadCaptureDocument(path, state, document, nullptr);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().number, GetParam().number);
    EXPECT_TRUE(state.capture.capturing);
    state.capture.capturing = false;
    expectTaggedRecords(state.capture.store, 1, 3);
    EXPECT_EQ(state.capture.rows.count(), 1u);
    EXPECT_EQ(state.capture.filterCursor, 1u);
    EXPECT_EQ(state.filter.conditions.size(), 5u);
    EXPECT_EQ(document.autoItems.size(), 2u);
    EXPECT_EQ(document.downloadedItemCount, 2u);
    EXPECT_EQ(state.protocol, Protocol::deviceNet);
    EXPECT_EQ(state.device.baudRate, 250);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CaptureDocumentRefusalTest,
    ::testing::Values(RefusalCase{"newer_version", captureFileBytes(2.0f, 1), strings::kNotACaptureFile},
                      RefusalCase{"short", captureFileBytes(1.0f, 2).substr(0, 200), strings::kDamagedFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaptureDocumentFileTest, FileCutShortWhileLoadingLeavesAnEmptyCapture) {
    // Larger than the reader's buffer, so that the cut is not read ahead at open.
    storeTagged(0, 40'000);
    const std::string path = dir.file("shrinking.orx");
    ASSERT_TRUE(saveCaptureDocument(path, state, document, nullptr));
    auto reader = CaptureFileReader::open(path);
    ASSERT_TRUE(reader);
    std::filesystem::resize_file(path, 82 + 38 * 30'000);
    state.capture.capturing = true;

    auto result = loadCaptureContents(*reader, state, document, nullptr);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().number, strings::kDamagedFile);
    EXPECT_TRUE(result.error().text.ends_with(", but its header promises 1520178")) << result.error().text;
    EXPECT_EQ(state.capture.store.count(), 0u) << "half a file is not shown as the capture";
    EXPECT_FALSE(state.capture.capturing);
}

// A file exactly as long as its header promises, made of a hole: a few KB
// on disk however long. False when the file system refuses that length.
bool makeSparseFile(const std::string& path, const FileBytes& header, uint64_t sizeBytes) {
    TempDir::write(path, header.str());
    std::error_code error;
    std::filesystem::resize_file(path, sizeBytes, error);
    return !error;
}

TEST_F(CaptureDocumentFileTest, HugeCountsInASparseFileAreNeverReservedUpFront) {
    fillDocument();
    const std::string items = dir.file("items.orx");
    if (!makeSparseFile(items, headerBytes(1.0f, 0, 0, 0xFFFFFFFF), 82 + 22 * uint64_t(0xFFFFFFFF) + 96))
        GTEST_SKIP() << "the file system takes no 94 GB file, not even a sparse one";
    EXPECT_EQ(errorOf(loadCaptureDocument(items, state, document, nullptr)),
              (Error{strings::kDamagedFile, "it promises 4294967295 automation items; the list holds at most 8"}));
    expectTaggedRecords(state.capture.store, 1, 3);

    const std::string conditions = dir.file("conditions.orx");
    if (!makeSparseFile(conditions, headerBytes(1.0f, 0, 0xFFFFFFFF, 0), 82 + 170 * uint64_t(0xFFFFFFFF) + 96))
        GTEST_SKIP() << "the file system takes no 730 GB file, not even a sparse one";
    EXPECT_EQ(errorOf(loadCaptureDocument(conditions, state, document, nullptr)),
              (Error{strings::kDamagedFile, "it promises 4294967295 filter conditions; a filter holds at most 65536"}));
    expectTaggedRecords(state.capture.store, 1, 3);
}

TEST_F(CaptureDocumentFileTest, WhatIsNotARegularFileIsRefusedAtOnce) {
    const FifoWithoutWriter fifo(dir.file("bus.log"));
    ASSERT_TRUE(fifo.made());
    const struct {
        const char* name;
        std::string path;
        const char* reason;
    } rows[] = {
        {"FIFO without a writer", fifo.path(), "not a regular file"},
        {"character device", "/dev/zero", "not a regular file"},
        {"folder", dir.path(), "Is a directory"},
    };
    for (const auto& row : rows) {
        const auto opened = fifo.call([&] { return OpenedCapture::open(row.path); });
        ASSERT_TRUE(opened) << row.name << ": waited for a writer";
        EXPECT_EQ(errorOf(*opened), (Error{strings::kCannotReadFile, row.reason})) << row.name;
    }
}

TEST_F(CaptureDocumentFileTest, FailedSaveLeavesTheTargetAndTheDocumentUnsaved) {
    const std::string folder = dir.file("not-a-folder");
    TempDir::write(folder, "a regular file");
    storeTagged(1, 1);
    state.capture.dataChanged = true;

    auto result = saveCaptureDocument(folder + "/capture.orx", state, document, nullptr);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().number, strings::kCannotSaveFile);
    EXPECT_EQ(TempDir::read(folder), "a regular file");
    EXPECT_TRUE(state.capture.dataChanged);
}

TEST_F(CaptureDocumentFileTest, RecordsArrivingDuringTheSaveKeepTheCaptureUnsaved) {
    storeTagged(0, 200);
    state.capture.dataChanged = true;
    const std::string path = dir.file("busy.orx");
    // A frame received while the records are written, as the receive thread would add it.
    bool appended = false;
    auto receiveDuringSave = [&](int) {
        if (!appended)
            appended = state.capture.store.append(taggedRecord(200));
    };
    ASSERT_TRUE(saveCaptureDocument(path, state, document, receiveDuringSave));
    ASSERT_TRUE(appended);
    EXPECT_EQ(TempDir::read(path)->size(), 178u + 200u * 38u) << "only the records counted at the start";
    EXPECT_TRUE(state.capture.dataChanged) << "the record received meanwhile is not in the file";
}

}  // namespace
