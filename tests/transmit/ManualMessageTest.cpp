#include "transmit/ManualMessage.h"

#include "core/CaptureCommands.h"
#include "core/CaptureState.h"
#include "core/DocumentContents.h"
#include "core/ReceiveTick.h"
#include "core/ReceiveTimer.h"
#include "core/RecordingMessageSink.h"
#include "device/DeviceSettings.h"
#include "driver/Backend.h"
#include "driver/KeshApi.h"
#include "support/Frames.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <thread>
#include <tuple>

namespace {

const char kFirstFailed[] =
    "Sending the first message failed.\n\nPlease check:\n1.The connection of KTR2740.\n2.The configuration of KTR2740.";
const char kSecondFailed[] =
    "Sending the second message failed.\n\nPlease check:\n1.The connection of KTR2740.\n2.The configuration of KTR2740.";

DeviceSettings withFrameType(int32_t frameType) {
    DeviceSettings device;
    device.frameType = frameType;
    return device;
}

ManualBuffer storedBuffer(uint32_t identifier, uint32_t length, uint32_t remote, std::initializer_list<uint32_t> data) {
    ManualBuffer buffer{identifier, length, /*frameType=*/0, remote, {}};
    std::copy(data.begin(), data.end(), buffer.data);
    return buffer;
}

// ManualBuffer is eight and four u32 without padding.
bool sameBuffer(const ManualBuffer& a, const ManualBuffer& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

CanFrame frameOf(uint32_t remote, uint8_t extended, uint32_t identifier, std::initializer_list<uint8_t> data) {
    CanFrame frame = dataFrame(identifier, data, extended);
    frame.remote = remote;
    return frame;
}

TEST(ManualFrame, FollowsTheBufferAndTheAdapterSettings) {
    struct Row {
        const char* name;
        ManualBuffer stored;
        int32_t frameType;
        CanFrame expected;
    };
    const Row rows[] = {
        {"eight bytes, Standard", storedBuffer(0x123, 8, 0, {1, 2, 3, 4, 5, 6, 7, 8}), 1,
         frameOf(0, 0, 0x123, {1, 2, 3, 4, 5, 6, 7, 8})},
        {"size 0 sends no byte", storedBuffer(0x7FF, 0, 0, {9, 9}), 1, frameOf(0, 0, 0x7FF, {})},
        {"remote frame carries the kept bytes", storedBuffer(0x10, 4, 1, {0xA, 0xB, 0xC, 0xD, 0xE}), 1,
         frameOf(1, 0, 0x10, {0xA, 0xB, 0xC, 0xD})},
        {"frameType 2 is Extend, whatever the document kept", storedBuffer(0x1FFFFFFF, 1, 0, {0x55}), 2, frameOf(0, 1, 0x1FFFFFFF, {0x55})},
        {"frameType 0 is Extend, not 0xFF", storedBuffer(0x20, 0, 0, {}), 0, frameOf(0, 1, 0x20, {})},
        {"damaged values keep their low byte", storedBuffer(0x1, 2, 0, {0x1FF, 0x100}), 1, frameOf(0, 0, 0x1, {0xFF, 0})},
        {"damaged length opens as 8", storedBuffer(0x2, 300, 0, {1, 2, 3, 4, 5, 6, 7, 8}), 1,
         frameOf(0, 0, 0x2, {1, 2, 3, 4, 5, 6, 7, 8})},
        {"damaged remote word opens as Remote Frame", storedBuffer(0x3, 1, 5, {7}), 1, frameOf(1, 0, 0x3, {7})},
    };
    for (const Row& row : rows)
        EXPECT_EQ(manualFrame(openManualEntry(row.stored, withFrameType(row.frameType))), row.expected) << row.name;
}

// A backend chosen by selector behind the C calls, opened at 1 Mbit/s with
// Extend frames, so that a manual frame never looks like the short standard
// frames of the simulated traffic.
void installOpenedAdapter(const std::string& selector) {
    auto adapter = vorelin::driver::makeBackend(selector);
    ASSERT_TRUE(adapter) << adapter.error().text;
    vorelin::driver::installBackend(std::move(*adapter));
    ASSERT_EQ(KESH_INIT(), 1);
    ASSERT_EQ(SetKESH(0, 1000, 0, 2), 1);
}

TEST(ManualSend, FrameSentIntoAFullStoreIsNoFailedSend) {
    ASSERT_NO_FATAL_FAILURE(installOpenedAdapter("sim:rate=0"));
    CaptureState capture(/*maxRecords=*/1);
    ASSERT_TRUE(capture.store.append(frameRecord(0x1)));
    DocumentContents document;
    RecordingMessageSink messages;
    const ManualEntry entry = openManualEntry(storedBuffer(0x5, 1, 0, {6}), withFrameType(2));

    EXPECT_TRUE(sendManualBuffer(ManualBufferId::first, entry, document, capture, messages, nullptr));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(capture.store.count(), 1u);
    EXPECT_EQ(capture.store.refusedCount(), 1u);
    EXPECT_FALSE(capture.dataChanged) << "nothing was recorded";
}

struct LoadedAdapter {
    const char* name;
    const char* selector;
    bool sendWorks;
};

void PrintTo(const LoadedAdapter& adapter, std::ostream* out) { *out << adapter.selector; }

class ManualSendUnderLoad : public ::testing::TestWithParam<LoadedAdapter> {};

// Both buffers in turn while the receive thread appends 21,000 frames a
// second: each send keeps its buffer in the document, and the store ends up
// with every received frame plus exactly the frames the adapter sent.
TEST_P(ManualSendUnderLoad, StoreHoldsReceivedFramesAndExactlyTheSentOnes) {
    ASSERT_NO_FATAL_FAILURE(installOpenedAdapter(GetParam().selector));
    CaptureState capture;
    ReceiveTimer receiveTimer(capture);
    receiveTimer.start();
    RecordingMessageSink messages;
    startCapture(capture, /*deviceConfigured=*/true, messages);
    ASSERT_TRUE(messages.shown().empty());

    constexpr uint32_t kSends = 200;
    const int dialog = 0;
    DocumentContents document;
    std::vector<CanFrame> sentFrames;
    for (uint32_t i = 0; i < kSends; ++i) {
        const ManualBufferId buffer = i % 2 == 0 ? ManualBufferId::first : ManualBufferId::second;
        const uint32_t identifier = 0x1ABC0000 + i;
        const ManualBuffer stored = storedBuffer(identifier, 8, 0, {i & 0xFF, 1, 2, 3, 4, 5, 6, 0x1FF});
        const bool sent = sendManualBuffer(buffer, openManualEntry(stored, withFrameType(2)), document, capture,
                                           messages, &dialog);
        EXPECT_EQ(sent, GetParam().sendWorks) << "send " << i;
        if (sent)
            sentFrames.push_back(frameOf(0, 1, identifier, {uint8_t(i), 1, 2, 3, 4, 5, 6, 0xFF}));
        ManualBuffer kept = stored;
        kept.frameType = 1;
        EXPECT_TRUE(sameBuffer(document.manualBuffers[i % 2], kept)) << "send " << i;
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    receiveTimer.stop();
    StopKESH();
    while (runReceiveTick(capture).received > 0) {
    }

    std::vector<FrameRecord> manualRecords;
    for (uint32_t position = 0; position < capture.store.count(); ++position) {
        if (capture.store.at(position).frame.extended == 1)
            manualRecords.push_back(capture.store.at(position));
    }
    ASSERT_EQ(manualRecords.size(), sentFrames.size());
    for (std::size_t i = 0; i < sentFrames.size(); ++i)
        EXPECT_EQ(manualRecords[i], recordOf(sentFrames[i])) << "manual record " << i;
    const vorelin::driver::AdapterStats stats = vorelin::driver::currentBackend()->stats();
    EXPECT_GT(stats.framesReceived, 0u) << "the receive thread must have appended meanwhile";
    EXPECT_EQ(capture.store.count(), stats.framesReceived + sentFrames.size());

    const std::size_t failures = GetParam().sendWorks ? 0 : kSends;
    ASSERT_EQ(messages.shown().size(), failures);
    for (std::size_t i = 0; i < failures; ++i) {
        const Message& message = messages.shown()[i];
        const bool first = i % 2 == 0;
        EXPECT_EQ(std::tie(message.number, message.text, message.caption, message.icon, message.owner),
                  std::make_tuple(first ? 5078 : 5079, std::string(first ? kFirstFailed : kSecondFailed),
                                  std::string(first ? "Send Failed" : "Send failed"), MessageIcon::Information,
                                  static_cast<const void*>(&dialog)))
            << "message " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Adapters, ManualSendUnderLoad,
    ::testing::Values(LoadedAdapter{"SendSucceeds", "sim:rate=21000,mix=short", true},
                      LoadedAdapter{"SendFails", "sim:rate=21000,mix=short,fail=SendSingleData", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
