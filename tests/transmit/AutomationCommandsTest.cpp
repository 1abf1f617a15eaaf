#include "transmit/AutomationCommands.h"

#include "core/DocumentContents.h"
#include "core/RecordingMessageSink.h"
#include "driver/Backend.h"
#include "driver/KeshApi.h"
#include "filters/FilterFlags.h"
#include "support/Frames.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <string>
#include <vector>

namespace {

using vorelin::driver::AdapterInfo;
using vorelin::driver::AdapterStats;
using vorelin::driver::Backend;

// A simulated adapter behind the C calls, with a note of each automation call
// and of what SetMultiData was handed.
class AutomationCallLog : public Backend {
public:
    explicit AutomationCallLog(std::unique_ptr<Backend> sim) : sim_(std::move(sim)) {}

    bool open() override { return sim_->open(); }
    bool configure(uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType) override {
        return sim_->configure(baudRateKbps, workMode, frameType);
    }
    bool readInfo(AdapterInfo& info) override { return sim_->readInfo(info); }
    bool start() override { return sim_->start(); }
    bool stop() override { return sim_->stop(); }
    bool receive(FrameRecord* buffer, int capacity, int& count) override {
        return sim_->receive(buffer, capacity, count);
    }
    bool sendSingle(const CanFrame& frame) override { return sim_->sendSingle(frame); }
    bool setCyclic(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs) override {
        calls.push_back("SetMultiData");
        downloaded.assign(frames, frames + count);
        timing = {intervalMs, cycleMs};
        return sim_->setCyclic(frames, count, intervalMs, cycleMs);
    }
    bool startCyclic() override {
        calls.push_back("RunMultiData");
        return sim_->startCyclic();
    }
    bool stopCyclic() override {
        calls.push_back("StopMultiData");
        return sim_->stopCyclic();
    }
    AdapterStats stats() override { return sim_->stats(); }
    std::string description() const override { return sim_->description(); }

    std::vector<std::string> calls;
    std::vector<CanFrame> downloaded;
    std::pair<uint32_t, uint32_t> timing;  // interval and cycle, ms

private:
    std::unique_ptr<Backend> sim_;
};

// Installs a quiet simulated adapter failing `failing` (none: "") and opens it.
std::shared_ptr<AutomationCallLog> openedAdapter(const std::string& failing) {
    auto sim = vorelin::driver::makeBackend(failing.empty() ? "sim:rate=0" : "sim:rate=0,fail=" + failing);
    EXPECT_TRUE(sim);
    auto log = std::make_shared<AutomationCallLog>(std::move(*sim));
    vorelin::driver::installBackend(log);
    EXPECT_EQ(KESH_INIT(), 1);
    return log;
}

struct ExpectedMessage {
    int number;  // 0: none
    const char* text;
    MessageIcon icon;
};

// An application box: no owner, the application's title as caption.
void expectMessage(const RecordingMessageSink& messages, const ExpectedMessage& expected) {
    if (expected.number == 0) {
        EXPECT_TRUE(messages.shown().empty());
        return;
    }
    ASSERT_EQ(messages.shown().size(), 1u);
    const Message& shown = messages.shown()[0];
    EXPECT_EQ(std::tie(shown.number, shown.text, shown.icon, shown.owner, shown.caption),
              std::make_tuple(expected.number, std::string(expected.text), expected.icon,
                              static_cast<const void*>(nullptr), std::string("Vorelin")));
}

const char kNothingToDownload[] = "There is none valid data to download.";
const char kDownloadFailed[] =
    "Download data failed.\n\nPlease check:\n1 The connection of device;\n2 The configuration of the device;";

// Three items: the second unchecked. Each keeps bytes beyond its length.
std::vector<AutoMessageItem> threeItems() {
    CanFrame first = dataFrame(0x100, {0x11, 0x22, 0x33}, 1);
    first.length = 2;
    CanFrame third = remoteFrame(0x300, 3);
    std::fill(std::begin(third.data), std::end(third.data), 0x77);
    return {{FC_CAN | FC_ENABLED, first}, {FC_CAN, dataFrame(0x200, {1})}, {FC_CAN | FC_ENABLED, third}};
}

TEST(AutomationDownload, HandsTheEnabledItemsToTheAdapterAndTellsWhatHappened) {
    CanFrame thirdSent = remoteFrame(0x300, 3);
    std::fill_n(thirdSent.data, 3, 0x77);
    const std::vector<CanFrame> enabledSent = {dataFrame(0x100, {0x11, 0x22}, 1), thirdSent};
    struct Row {
        const char* name;
        std::vector<AutoMessageItem> items;
        const char* failing;
        std::vector<CanFrame> sent;
        DownloadOutcome outcome;
        bool loaded;
        ExpectedMessage message;
    };
    const Row rows[] = {
        {"two of three enabled, in list order", threeItems(), "", enabledSent, DownloadOutcome::closeDialog, true,
         {0, nullptr, MessageIcon::None}},
        {"all unchecked still downloads", {threeItems()[1]}, "", {}, DownloadOutcome::stayOpen, true,
         {5011, kNothingToDownload, MessageIcon::None}},
        {"empty list still downloads", {}, "", {}, DownloadOutcome::stayOpen, true,
         {5011, kNothingToDownload, MessageIcon::None}},
        {"adapter refuses", threeItems(), "SetMultiData", enabledSent, DownloadOutcome::stayOpen, false,
         {5010, kDownloadFailed, MessageIcon::Exclamation}},
        {"adapter refuses an empty list", {}, "SetMultiData", {}, DownloadOutcome::stayOpen, false,
         {5010, kDownloadFailed, MessageIcon::Exclamation}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto adapter = openedAdapter(row.failing);
        DocumentContents document;
        document.autoItems = row.items;
        document.autoIntervalMs = 30;
        document.autoCycleMs = 200;
        bool loaded = false;
        RecordingMessageSink messages;

        EXPECT_EQ(downloadAutoItems(document, loaded, messages), row.outcome);
        EXPECT_EQ(adapter->calls, std::vector<std::string>{"SetMultiData"});
        EXPECT_EQ(adapter->downloaded, row.sent);
        EXPECT_EQ(adapter->timing, std::make_pair(30u, 200u));
        EXPECT_EQ(document.downloadedItemCount, row.items.size());
        EXPECT_EQ(loaded, row.loaded);
        expectMessage(messages, row.message);
    }
}

enum class Command { start, stop };

TEST(AutomationStartStop, RunAndStopTheAdapterAndLeaveTheEnabling) {
    const char kNothingToTransmit[] = "There is no data to transmit.\n\nPlese download the data to the device at first.";
    const char kStartFailed[] = "Sent multidata failed.,\n\nPlease check:\n1-The connection of the device.\n"
                                "2-The configuration of the device.";
    const char kStopFailed[] = "Send MultiCAN Data \\\"Stop\\\" command error.";
    struct Row {
        const char* name;
        const char* failing;
        std::size_t items;
        bool loaded;
        bool runningBefore;
        Command command;
        std::vector<std::string> calls;
        bool runningAfter;
        ExpectedMessage message;
    };
    const Row rows[] = {
        // Items as added and then unchecked: an empty download still lets Start run.
        {"start runs", "", 1, true, false, Command::start, {"RunMultiData"}, true, {0, nullptr, MessageIcon::None}},
        {"start refused is stopped again", "RunMultiData+StopMultiData", 1, true, false, Command::start,
         {"RunMultiData", "StopMultiData"}, false, {5004, kStartFailed, MessageIcon::Exclamation}},
        {"start without a download", "", 1, false, false, Command::start, {}, false,
         {5003, kNothingToTransmit, MessageIcon::Information}},
        {"start without items clears running", "", 0, true, true, Command::start, {}, false,
         {5003, kNothingToTransmit, MessageIcon::Information}},
        {"stop stops", "", 1, true, true, Command::stop, {"StopMultiData"}, false, {0, nullptr, MessageIcon::None}},
        {"stop refused keeps running", "SetMultiData+RunMultiData+StopMultiData", 1, true, true, Command::stop,
         {"StopMultiData"}, true, {5002, kStopFailed, MessageIcon::None}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto adapter = openedAdapter(row.failing);
        DocumentContents document;
        document.autoItems.resize(row.items);
        document.autoRunning = row.runningBefore;
        RecordingMessageSink messages;

        if (row.command == Command::start)
            startAutomation(document, row.loaded, messages);
        else
            stopAutomation(document, messages);
        EXPECT_EQ(adapter->calls, row.calls);
        EXPECT_EQ(document.autoRunning, row.runningAfter);
        EXPECT_EQ(isAutomationStartEnabled(document), !row.runningAfter);
        EXPECT_EQ(isAutomationStopEnabled(document), row.runningAfter);
        expectMessage(messages, row.message);
    }
}

}  // namespace
