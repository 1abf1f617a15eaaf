// The replay adapter: which frames a log or capture file hands out at which
// moment of a hand-driven clock, with which stamps, and the exact selector
// errors, since the windows and vorelin-cli show them as they are.
#include "document/ReplayAdapter.h"

#include "document/CaptureFileBytes.h"
#include "driver/BackendSelector.h"
#include "support/Frames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using vorelin::driver::BackendSelector;
using vorelin::driver::TransmitOrigin;

// The same four frames at 0, 0.25, 1 and 2.5 s after the first.
const std::vector<CanFrame> kFrames = {dataFrame(0x123, {0x11}), dataFrame(0x456, {0x22, 0x33}),
                                       remoteFrame(0x12345678, 0, 1), dataFrame(0x7FF)};
const std::vector<uint64_t> kStampsUs = {0, 250'000, 1'000'000, 2'500'000};

const std::string kLog =
    "(1700000000.000000) can0 123#11\n"
    "(1700000000.250000) can0 456#2233\r\n"
    "\n"
    "(1700000001.000000) can0 12345678#R\n"
    "(1700000002.500000) can0 7FF#";

void addRecord(FileBytes& bytes, uint32_t sec, uint32_t ms, uint32_t us, const CanFrame& frame) {
    bytes.u32(/*busLoad=*/37).u32(us).u32(ms).u32(sec).u32(/*min=*/0).u8(frame.length).u8(frame.extended);
    bytes.u32(frame.identifier).u32(frame.remote);
    for (uint8_t byte : frame.data)
        bytes.u8(byte);
}

// The first record 1.5 s into its capture; the second's 1250 ms carry over
// into its second, as a record's parts may.
std::string captureWithTheFourFrames() {
    FileBytes bytes = headerBytes(1.0f, 4, 0, 0);
    addRecord(bytes, 1, 500, 0, kFrames[0]);
    addRecord(bytes, 0, 1250, 500'000, kFrames[1]);
    addRecord(bytes, 2, 500, 0, kFrames[2]);
    addRecord(bytes, 4, 0, 0, kFrames[3]);
    return bytes.append(defaultManualBufferBytes()).str();
}

uint64_t stampUs(const FrameRecord& record) {
    return ((uint64_t(record.timeMin) * 60 + record.timeSec) * 1000 + record.timeMs) * 1000 + record.timeUs;
}

class Replay {
public:
    explicit Replay(const std::string& selector) {
        auto made = ReplayAdapter::make(BackendSelector(selector), [this] { return nowUs; });
        EXPECT_TRUE(made.hasValue()) << selector << ": " << (made ? "" : made.error().text);
        if (made)
            adapter = std::move(*made);
    }

    // Opened, set to 500 kbit/s and started at the clock's now.
    bool begin() { return adapter && adapter->open() && adapter->configure(500, 0, 1) && adapter->start(); }

    // Everything due, in chunks of three, to see that chunks join up.
    std::vector<FrameRecord> takeDue() {
        std::vector<FrameRecord> taken;
        FrameRecord chunk[3];
        int count = 0;
        while (adapter->receive(chunk, 3, count) && count > 0)
            taken.insert(taken.end(), chunk, chunk + count);
        return taken;
    }

    uint64_t nowUs = 5'000'000'000;
    std::unique_ptr<ReplayAdapter> adapter;
};

struct PlaybackRow {
    const char* name;
    const char* speed;  // the selector's option, empty for none
    std::vector<std::pair<uint64_t, std::size_t>> frameCountAt;  // after so many us since RunKESH
};

const PlaybackRow kPlaybackRows[] = {
    {"speed_1_by_default", "", {{0, 1}, {249'999, 1}, {250'000, 2}, {999'999, 2}, {2'500'000, 4}, {60'000'000, 4}}},
    {"speed_2", ",speed=2", {{124'999, 1}, {125'000, 2}, {499'999, 2}, {500'000, 3}, {1'250'000, 4}}},
    {"speed_half", ",speed=0.5", {{499'999, 1}, {500'000, 2}, {1'999'999, 2}, {2'000'000, 3}, {5'000'000, 4}}},
    {"speed_0_all_at_once", ",speed=0", {{0, 4}, {10'000'000, 4}}},
};

enum class FileKind { candumpLog, textLog, captureFile };

class ReplayPlayback : public testing::TestWithParam<std::tuple<PlaybackRow, FileKind>> {};

TEST_P(ReplayPlayback, HandsOutWhatIsDueWithTheOriginalStamps) {
    const auto& [row, kind] = GetParam();
    TempDir dir;
    const std::string path = dir.file(kind == FileKind::captureFile ? "four.orx"
                                      : kind == FileKind::textLog   ? "four.txt"
                                                                    : "four.log");
    TempDir::write(path, kind == FileKind::captureFile ? captureWithTheFourFrames() : kLog);
    Replay replay("replay:" + path + row.speed);
    ASSERT_TRUE(replay.begin());
    const uint64_t startUs = replay.nowUs;
    std::vector<FrameRecord> taken;
    for (const auto& [afterUs, expected] : row.frameCountAt) {
        replay.nowUs = startUs + afterUs;
        const vorelin::driver::AdapterStats stats = replay.adapter->stats();
        EXPECT_EQ(stats.framesOnBus, expected) << "at " << afterUs;
        EXPECT_EQ(stats.framesQueued, expected - taken.size()) << "at " << afterUs;
        const std::vector<FrameRecord> due = replay.takeDue();
        taken.insert(taken.end(), due.begin(), due.end());
        ASSERT_EQ(taken.size(), expected) << "at " << afterUs;
    }
    for (std::size_t i = 0; i < taken.size(); ++i) {
        EXPECT_EQ(taken[i].frame, kFrames[i]) << i;
        EXPECT_EQ(stampUs(taken[i]), kStampsUs[i]) << i;
        EXPECT_LE(taken[i].busLoad, 100u);
    }
    const vorelin::driver::AdapterStats stats = replay.adapter->stats();
    EXPECT_EQ(stats.framesReceived, 4u);
    EXPECT_EQ(stats.framesDropped, 0u);
    EXPECT_EQ(stats.framesQueued, 0u);
}

std::string playbackName(const testing::TestParamInfo<ReplayPlayback::ParamType>& info) {
    const char* const kinds[] = {"log", "txt", "orx"};
    return std::string(std::get<0>(info.param).name) + "_" + kinds[int(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Files, ReplayPlayback,
                         testing::Combine(testing::ValuesIn(kPlaybackRows),
                                          testing::Values(FileKind::candumpLog, FileKind::textLog,
                                                          FileKind::captureFile)),
                         playbackName);

TEST(ReplayAdapter, TimesGoingBackwardsKeepFileOrder) {
    TempDir dir;
    const std::string path = dir.file("merged.log");
    TempDir::write(path,
                   "(10.000000) can0 001#\n(11.000000) can0 002#\n(10.500000) can0 003#\n"
                   "(9.000000) can0 004#\n(12.000000) can0 005#\n");
    Replay replay("replay:" + path);
    ASSERT_TRUE(replay.begin());
    const uint64_t startUs = replay.nowUs;
    replay.nowUs = startUs + 999'999;
    EXPECT_EQ(replay.takeDue().size(), 1u);
    // Lines 3 and 4 are stamped earlier but follow line 2.
    replay.nowUs = startUs + 1'000'000;
    const std::vector<FrameRecord> due = replay.takeDue();
    ASSERT_EQ(due.size(), 3u);
    const uint32_t identifiers[] = {2, 3, 4};
    const uint64_t stamps[] = {1'000'000, 500'000, 0};  // before the first frame shows 0
    for (std::size_t i = 0; i < due.size(); ++i) {
        EXPECT_EQ(due[i].frame.identifier, identifiers[i]);
        EXPECT_EQ(stampUs(due[i]), stamps[i]);
    }
    replay.nowUs = startUs + 2'000'000;
    EXPECT_EQ(replay.takeDue().size(), 1u);
}

TEST(ReplayAdapter, StartAfterStopPlaysFromTheBeginning) {
    TempDir dir;
    const std::string path = dir.file("four.log");
    TempDir::write(path, kLog);
    Replay replay("replay:" + path);
    ASSERT_TRUE(replay.begin());
    const uint64_t firstStartUs = replay.nowUs;
    replay.nowUs = firstStartUs + 1'000'000;
    EXPECT_EQ(replay.takeDue().size(), 3u);
    ASSERT_TRUE(replay.adapter->stop());
    replay.nowUs += 10'000'000;
    EXPECT_EQ(replay.takeDue().size(), 0u) << "a stopped replay plays on";
    EXPECT_EQ(replay.adapter->stats().framesOnBus, 3u);

    ASSERT_TRUE(replay.adapter->start());
    EXPECT_EQ(replay.adapter->stats().framesOnBus, 1u);
    replay.nowUs += 250'000;
    const std::vector<FrameRecord> again = replay.takeDue();
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[0].frame, kFrames[0]);
    EXPECT_EQ(stampUs(again[0]), 0u);
    EXPECT_EQ(stampUs(again[1]), 250'000u);
}

TEST(ReplayAdapter, SentAndCyclicFramesAreTransmitted) {
    TempDir dir;
    const std::string path = dir.file("four.log");
    TempDir::write(path, kLog);
    Replay replay("replay:" + path);
    ASSERT_TRUE(replay.begin());
    const uint64_t startUs = replay.nowUs;

    EXPECT_FALSE(replay.adapter->sendSingle(dataFrame(0x800))) << "no standard identifier above 7FF";
    replay.nowUs = startUs + 100'000;
    ASSERT_TRUE(replay.adapter->sendSingle(dataFrame(0x100, {1, 2})));
    const auto sent = replay.adapter->transmitted();
    ASSERT_EQ(sent.recent.size(), 1u);
    EXPECT_EQ(sent.recent[0].frame, dataFrame(0x100, {1, 2}));
    EXPECT_EQ(sent.recent[0].origin, TransmitOrigin::single);
    // 63 bits at 500 kbit/s, and at most 12 stuff bits more.
    EXPECT_GE(sent.recent[0].busTimeUs, 100'126u);
    EXPECT_LE(sent.recent[0].busTimeUs, 100'150u);

    const CanFrame cyclic[] = {dataFrame(0x200, {0xAA}), dataFrame(0x201)};
    ASSERT_TRUE(replay.adapter->setCyclic(cyclic, 2, /*intervalMs=*/10, /*cycleMs=*/100));
    replay.nowUs = startUs + 200'000;
    ASSERT_TRUE(replay.adapter->startCyclic());
    replay.nowUs = startUs + 450'000;
    ASSERT_TRUE(replay.adapter->stopCyclic());
    replay.nowUs = startUs + 900'000;
    const auto all = replay.adapter->transmitted();
    // Passes start at 200, 300 and 400 ms; the second frame of each asks 10 ms later.
    const uint64_t askedMs[] = {200, 210, 300, 310, 400, 410};
    ASSERT_EQ(all.recent.size(), 7u);
    EXPECT_EQ(all.total, 7u);
    for (std::size_t i = 0; i < 6; ++i) {
        const auto& frame = all.recent[i + 1];
        EXPECT_EQ(frame.origin, TransmitOrigin::cyclic);
        EXPECT_EQ(frame.frame, cyclic[i % 2]) << i;
        EXPECT_EQ(frame.busTimeUs / 1000, askedMs[i]) << i;
    }
    // Sending neither delays nor hides the replayed traffic: 0 and 0.25 s are due by 0.9 s.
    EXPECT_EQ(replay.takeDue().size(), 2u);
}

TEST(ReplayAdapter, SetupAndInformationAsTheSimulatedAdapter) {
    TempDir dir;
    const std::string path = dir.file("four.log");
    TempDir::write(path, kLog);
    Replay replay("replay:" + path);
    vorelin::driver::AdapterInfo info;
    EXPECT_FALSE(replay.adapter->readInfo(info)) << "before KESH_INIT";
    ASSERT_TRUE(replay.adapter->open());
    EXPECT_FALSE(replay.adapter->configure(0, 0, 1));
    EXPECT_FALSE(replay.adapter->configure(250, 2, 1));
    EXPECT_FALSE(replay.adapter->configure(250, 0, 3));
    ASSERT_TRUE(replay.adapter->configure(250, 1, 2));
    ASSERT_TRUE(replay.adapter->start());
    ASSERT_TRUE(replay.adapter->readInfo(info));
    EXPECT_EQ(info.status, 1u);
    EXPECT_EQ(info.baudRateKbps, 250u);
    EXPECT_EQ(replay.adapter->description(), "replay:" + path);
}

struct SelectorRow {
    const char* name;
    std::string selector;  // "DIR" stands for the test's folder
    std::string error;
};

TEST(ReplayAdapter, SelectorErrorsNameTheirCause) {
    TempDir dir;
    TempDir::write(dir.file("damaged.log"), "(1.000000) can0 123#11\n(2.000000) can0 1234#11\n");
    TempDir::write(dir.file("short.orx"), std::string(10, '\0'));
    TempDir::write(dir.file("log-named.orx"), kLog);
    const std::string usage = " (expected replay:FILE[,speed=N])";
    const SelectorRow rows[] = {
        {"missing_file", "replay:DIR/none.log", "replay: 'DIR/none.log': No such file or directory"},
        {"damaged_line", "replay:DIR/damaged.log",
         "replay: 'DIR/damaged.log': line 2: identifier needs 3 or 8 hex digits"},
        {"short_capture", "replay:DIR/short.orx",
         "replay: 'DIR/short.orx': 10 bytes, too short for its 82-byte header"},
        {"log_named_capture", "replay:DIR/log-named.orx",
         "replay: 'DIR/log-named.orx': not a capture file (a candump log)"},
        {"unknown_extension", "replay:DIR/four.csv",
         "replay: 'DIR/four.csv': expected a name ending in .log, .txt or .orx"},
        {"negative_speed", "replay:x.log,speed=-1", "replay: speed must be a decimal of 0 or more, not '-1'"},
        {"speed_in_words", "replay:x.log,speed=fast", "replay: speed must be a decimal of 0 or more, not 'fast'"},
        {"speed_exponent", "replay:x.log,speed=1e3", "replay: speed must be a decimal of 0 or more, not '1e3'"},
        {"speed_empty", "replay:x.log,speed=", "replay: speed must be a decimal of 0 or more, not ''"},
        {"unknown_option", "replay:x.log,rate=5", "replay: unknown option 'rate'" + usage},
        {"two_files", "replay:a.log,b.log", "replay: two files, 'a.log' and 'b.log'"},
        {"no_file", "replay", "replay: no file" + usage},
        {"unknown_adapter_lists_replay", "usb0", "unknown adapter 'usb0' (expected 'sim', 'slcan', 'socketcan' or 'replay')"},
    };
    registerReplayAdapter();
    const auto inDir = [&](std::string text) {
        for (std::size_t at; (at = text.find("DIR")) != std::string::npos;)
            text.replace(at, 3, dir.path());
        return text;
    };
    for (const SelectorRow& row : rows) {
        const auto backend = vorelin::driver::makeBackend(inDir(row.selector));
        ASSERT_FALSE(backend.hasValue()) << row.name;
        EXPECT_EQ(backend.error().text, inDir(row.error)) << row.name;
    }
}

TEST(ReplayAdapter, RegisteredSelectorMakesTheAdapter) {
    TempDir dir;
    const std::string path = dir.file("four.log");
    TempDir::write(path, kLog);
    registerReplayAdapter();
    const auto backend = vorelin::driver::makeBackend("replay:" + path + ",speed=0");
    ASSERT_TRUE(backend.hasValue()) << backend.error().text;
    ASSERT_TRUE((*backend)->open() && (*backend)->start());
    FrameRecord records[8];
    int count = 0;
    ASSERT_TRUE((*backend)->receive(records, 8, count));
    EXPECT_EQ(count, 4);
}

}  // namespace
