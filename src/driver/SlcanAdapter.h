// SlcanAdapter.h: a USB-CAN adapter that speaks the slcan serial-line
// protocol, the backend of "slcan:DEVICE[,baud=N]" selectors. A thread of
// the backend reads the line all the time: frames go into the receive FIFO,
// stamped on arrival with the host's clock (the adapters' own stamps wrap
// every minute and drift), and answers go to the command waiting for them.
// Cyclic sending is done by another thread of the backend, which writes
// each frame when it is due; its timing is the host's timer plus the serial
// line's delay (about a millisecond at 115200 bit/s for a full frame).
#pragma once

#include "driver/ArrivalFifo.h"
#include "driver/Backend.h"
#include "driver/BackendSelector.h"
#include "driver/CyclicSchedule.h"
#include "driver/SerialLine.h"
#include "driver/SlcanCodec.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace vorelin::driver {

struct SlcanOptions {
    static constexpr uint32_t kDefaultLineBaud = 115200;
    std::string selector;
    std::string device;
    uint32_t lineBaud = kDefaultLineBaud;
};

// The error text starts with "slcan: ".
Result<SlcanOptions> parseSlcanOptions(const BackendSelector& selector);

class KESH_EXPORT_CPP SlcanAdapter final : public Backend {
public:
    explicit SlcanAdapter(SlcanOptions options);
    ~SlcanAdapter() override;

    // Opens the line and checks that an adapter answers on it; a line open
    // and read already is left as it is.
    bool open() override;
    // The bit rates slcan knows: 10, 20, 50, 100, 125, 250, 500, 800, 1000.
    // Work mode 1 ("Monitor Non-ACK") opens the channel listen-only.
    bool configure(uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType) override;
    bool readInfo(AdapterInfo& info) override;
    bool start() override;
    bool stop() override;
    bool receive(FrameRecord* buffer, int capacity, int& count) override;
    // Successful when the adapter took the frame for sending; in listen-only
    // mode it refuses.
    bool sendSingle(const CanFrame& frame) override;
    bool setCyclic(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs) override;
    bool startCyclic() override;
    bool stopCyclic() override;
    AdapterStats stats() override;
    std::string description() const override { return options_.selector; }

private:
    void readLine();
    void onAnswer(const slcan::Answer& answer);
    // Writes `text` and waits for the adapter's answer; none when it did
    // not answer in time or the line failed.
    std::optional<slcan::Answer::Kind> exchange(const std::string& text);
    // Whether the adapter took the command.
    bool command(const std::string& text);
    void sendCyclic();
    // Changes the schedule and wakes the sending thread to it.
    void changeSchedule(const std::function<void(CyclicSchedule&)>& change);
    void closeLine();

    const SlcanOptions options_;

    // The line and its reader; commands take turns.
    std::mutex commandMutex_;
    std::unique_ptr<SerialLine> line_;
    std::thread reader_;
    std::atomic<bool> stopReading_{false};

    // What the reader hands over.
    std::mutex mutex_;
    std::condition_variable answered_;
    std::deque<slcan::Answer> answers_;
    ArrivalFifo arrivals_;
    bool running_ = false;
    bool lineGone_ = true;  // no line open, or it failed
    uint32_t baudRateKbps_ = 0;
    bool listenOnly_ = false;

    // Cyclic sending.
    std::mutex cyclicMutex_;
    std::condition_variable cyclicChanged_;
    CyclicSchedule schedule_;
    uint64_t scheduleGeneration_ = 0;
    bool stopCyclicThread_ = false;
    std::thread cyclicSender_;
};

}  // namespace vorelin::driver
