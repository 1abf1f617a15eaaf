// Save and Open of a whole document: what comes back, what a refused file
// leaves alone, and when the document counts as saved.
#include "core/DocumentContents.h"
#include "core/StringTable.h"
#include "document/CaptureDocumentFile.h"
#include "document/CaptureFileBytes.h"
#include "document/CaptureFileReader.h"
#include "document/OpenedCapture.h"
#include "document/ProgramState.h"
#include "filters/ConditionBuilders.h"
#include "support/Frames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
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

void expectSameCondition(const FilterCondition& actual, const FilterCondition& expected) {
    EXPECT_EQ(actual.reserved, expected.reserved);
    EXPECT_EQ(actual.flags, expected.flags);
    EXPECT_EQ(actual.idMask, expected.idMask);
    EXPECT_EQ(actual.idBits, expected.idBits);
    expectSameFrame(actual.frame, expected.frame);
    EXPECT_EQ(actual.messageId, expected.messageId);
    EXPECT_EQ(actual.sourceMacId, expected.sourceMacId);
    EXPECT_EQ(actual.destMacId, expected.destMacId);
    EXPECT_EQ(actual.cobId, expected.cobId);
    EXPECT_EQ(actual.functionCode, expected.functionCode);
    EXPECT_EQ(actual.nodeId, expected.nodeId);
}

void expectSameItem(const AutoMessageItem& actual, const AutoMessageItem& expected) {
    EXPECT_EQ(actual.flags, expected.flags);
    expectSameFrame(actual.frame, expected.frame);
}

void expectSameBuffer(const ManualBuffer& actual, const ManualBuffer& expected) {
    EXPECT_EQ(actual.identifier, expected.identifier);
    EXPECT_EQ(actual.length, expected.length);
    EXPECT_EQ(actual.frameType, expected.frameType);
    EXPECT_EQ(actual.remote, expected.remote);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(actual.data[i], expected.data[i]) << "data value " << i;
}

// One condition of each kind, with every field the kind uses set.
std::vector<FilterCondition> conditionsOfEveryKind() {
    FilterCondition can = withDataByte(withLength(customIdCondition(0x123, 0), 2), 1, 0xAB);
    FilterCondition advanced = advancedIdCondition(0x1F00000F, 0x10000005);
    advanced.reserved = 7;
    FilterCondition deviceNet =
        withDestinationMac(withSourceMac(withMessageId(deviceNetCondition(FC_DN_GROUP2), 5), 62), 17);
    FilterCondition canopen = functionCodeAndNodeCondition(0x3, 0x7F);
    FilterCondition cobId = cobIdCondition(0x581);
    cobId.frame.remote = 1;
    return {can, advanced, deviceNet, canopen, cobId};
}

class CaptureDocumentFileTest : public ::testing::Test {
protected:

    // A document unlike a new one in every field the file carries.
    void fillDocument() {
        for (uint32_t i = 0; i < 3; ++i)
            state.capture.store.append(taggedRecord(i + 1));
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
        AutoMessageItem first;
        first.flags = FC_ENABLED | FC_FRAMEFORMAT;
        first.frame = dataFrame(0x18FEF100, {1, 2, 3, 4, 5, 6, 7, 8}, 1);
        AutoMessageItem second;
        second.frame = remoteFrame(0x7E5, 4);
        document.autoItems = {first, second};
        document.manualBuffers[0].identifier = 0x100;
        document.manualBuffers[0].length = 3;
        document.manualBuffers[0].data[2] = 0xFF;
        document.manualBuffers[1].frameType = 1;
        document.manualBuffers[1].remote = 1;
        document.manualBuffers[1].data[7] = 0x42;
    }

    TempDir dir;
    ProgramState state;
    DocumentContents document;
};

TEST_F(CaptureDocumentFileTest, RoundTripRestoresTheWholeDocumentWithTheCanProtocol) {
    fillDocument();
    const std::string path = dir.file("capture.orx");
    ASSERT_TRUE(saveCaptureDocument(path, state, document, nullptr));
    state.capture.capturing = false;  // no live frames into the saved capture

    ProgramState loaded;
    DocumentContents loadedDocument;
    auto result = loadCaptureDocument(path, loaded, loadedDocument, nullptr);
    ASSERT_TRUE(result) << result.error().text;
    loaded.capture.capturing = false;

    ASSERT_EQ(loaded.capture.store.count(), 3u);
    for (uint32_t i = 0; i < 3; ++i)
        EXPECT_TRUE(isIntactTaggedRecord(loaded.capture.store.at(i), i + 1)) << "record " << i;
    ASSERT_EQ(loaded.filter.conditions.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i)
        expectSameCondition(loaded.filter.conditions[i], state.filter.conditions[i]);
    EXPECT_EQ(loaded.filter.filterActiveWord, 0x0101);
    EXPECT_EQ(loaded.filter.filterMode, FILTER_HIDE);
    EXPECT_EQ(loaded.device.workMode, 1);
    EXPECT_EQ(loaded.device.baudRate, 250);
    EXPECT_EQ(loaded.device.frameType, 2);
    EXPECT_TRUE(loaded.device.configured);
    EXPECT_EQ(loaded.protocol, Protocol::can) << "saved with DeviceNet, shown as CAN";
    EXPECT_TRUE(loaded.dataListOpen);
    EXPECT_TRUE(loaded.chartOpen);
    EXPECT_EQ(loaded.chartMode, kChartModeXY);
    EXPECT_EQ(loaded.hexFormat, 0u);
    EXPECT_EQ(loaded.filterIdentifierSeed, 0x1ABCDEFu);
    EXPECT_EQ(loadedDocument.autoCycleMs, 40u);
    EXPECT_EQ(loadedDocument.autoIntervalMs, 25u);
    ASSERT_EQ(loadedDocument.autoItems.size(), 2u);
    expectSameItem(loadedDocument.autoItems[0], document.autoItems[0]);
    expectSameItem(loadedDocument.autoItems[1], document.autoItems[1]);
    EXPECT_EQ(loadedDocument.downloadedItemCount, 2u);
    expectSameBuffer(loadedDocument.manualBuffers[0], document.manualBuffers[0]);
    expectSameBuffer(loadedDocument.manualBuffers[1], document.manualBuffers[1]);
}

TEST_F(CaptureDocumentFileTest, CaptureSavedWhileCapturingReloadsCapturing) {
    state.capture.capturing = true;
    const std::string path = dir.file("running.orx");
    ASSERT_TRUE(saveCaptureDocument(path, state, document, nullptr));
    EXPECT_EQ(u32At(*TempDir::read(path), 12), 1u);

    state.capture.capturing = false;
    ASSERT_TRUE(loadCaptureDocument(path, state, document, nullptr));
    EXPECT_TRUE(state.capture.capturing);
}

TEST_F(CaptureDocumentFileTest, LoadingReplacesTheOpenCaptureAndStopsItsFetching) {
    state.capture.store.append(taggedRecord(9));
    const std::string path = dir.file("one.orx");
    ASSERT_TRUE(saveCaptureDocument(path, state, document, nullptr));

    for (uint32_t i = 0; i < 4; ++i)
        state.capture.store.append(taggedRecord(100 + i));
    state.capture.rows.append(0);
    state.capture.filterCursor = 5;
    state.filter.conditions = conditionsOfEveryKind();
    document.autoItems.resize(3);
    state.capture.capturing = true;
    state.capture.dataChanged = true;

    ASSERT_TRUE(loadCaptureDocument(path, state, document, nullptr));
    ASSERT_EQ(state.capture.store.count(), 1u);
    EXPECT_TRUE(isIntactTaggedRecord(state.capture.store.at(0), 9));
    EXPECT_EQ(state.capture.rows.count(), 0u);
    EXPECT_EQ(state.capture.filterCursor, 0u);
    EXPECT_TRUE(state.filter.conditions.empty());
    EXPECT_TRUE(document.autoItems.empty());
    EXPECT_EQ(document.downloadedItemCount, 0u);
    EXPECT_FALSE(state.capture.capturing) << "the file was saved while stopped";
    EXPECT_FALSE(state.capture.dataChanged);
}

TEST_F(CaptureDocumentFileTest, NoFramesAreFetchedWhileTheRecordsLoad) {
    for (uint32_t i = 0; i < 100; ++i)
        state.capture.store.append(taggedRecord(i));
    state.capture.capturing = true;
    const std::string path = dir.file("running.orx");
    ASSERT_TRUE(saveCaptureDocument(path, state, document, nullptr));

    std::vector<bool> capturingSeen;
    auto result = loadCaptureDocument(path, state, document,
                                      [&](int) { capturingSeen.push_back(state.capture.capturing); });
    ASSERT_TRUE(result);
    EXPECT_EQ(capturingSeen, std::vector<bool>(99, false));
    EXPECT_TRUE(state.capture.capturing) << "restored once the file is in";
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
    ASSERT_EQ(state.capture.store.count(), 3u);
    for (uint32_t i = 0; i < 3; ++i)
        EXPECT_TRUE(isIntactTaggedRecord(state.capture.store.at(i), i + 1)) << "record " << i;
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
                      RefusalCase{"short", captureFileBytes(1.0f, 2).substr(0, 200), strings::kDamagedFile},
                      RefusalCase{"long", captureFileBytes(1.0f, 2) + "x", strings::kDamagedFile},
                      RefusalCase{"header_only_cut", captureFileBytes(1.0f, 0).substr(0, 81), strings::kDamagedFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaptureDocumentFileTest, FileCutShortWhileLoadingLeavesAnEmptyCapture) {
    // Larger than the reader's buffer, so that the cut is not read ahead at open.
    for (uint32_t i = 0; i < 40'000; ++i)
        state.capture.store.append(taggedRecord(i));
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

TEST_F(CaptureDocumentFileTest, SavingMarksTheCaptureSaved) {
    state.capture.store.append(taggedRecord(1));
    state.capture.dataChanged = true;
    ASSERT_TRUE(saveCaptureDocument(dir.file("saved.orx"), state, document, nullptr));
    EXPECT_FALSE(state.capture.dataChanged);
}

TEST_F(CaptureDocumentFileTest, FailedSaveLeavesTheTargetAndTheDocumentUnsaved) {
    const std::string folder = dir.file("not-a-folder");
    TempDir::write(folder, "a regular file");
    state.capture.store.append(taggedRecord(1));
    state.capture.dataChanged = true;

    auto result = saveCaptureDocument(folder + "/capture.orx", state, document, nullptr);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().number, strings::kCannotSaveFile);
    EXPECT_EQ(TempDir::read(folder), "a regular file");
    EXPECT_TRUE(state.capture.dataChanged);
}

TEST_F(CaptureDocumentFileTest, RecordsArrivingDuringTheSaveKeepTheCaptureUnsaved) {
    for (uint32_t i = 0; i < 200; ++i)
        state.capture.store.append(taggedRecord(i));
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
