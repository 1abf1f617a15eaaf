// SocketCanAdapter.h: a CAN network interface of the Linux kernel, a
// controller such as can0 or a virtual bus such as vcan0, the backend of
// "socketcan:IFACE" selectors.
// - Receiving: a thread of the backend reads a CAN_RAW socket; each frame
//   keeps the time the kernel stamped on it when it arrived (the controller's
//   own stamp where its driver gives one). Error frames and CAN FD frames
//   are counted, never stored.
// - SendSingleData writes the frame on that socket and succeeds when the
//   kernel took it into the interface's queue. A controller in listen-only
//   mode drops every frame it is given to send, so there a send succeeds
//   while nothing goes on the bus; transmitted() shows what really went out,
//   stamped when the controller reported it sent.
// - Cyclic sending is done by the kernel's broadcast manager (CAN_BCM) on
//   kernel timers. Evenly spaced frames (cycle = frames * interval, or a
//   single frame) are one timer going over the list, in step for good. A
//   pass longer than its cycle is spaced evenly too: the next pass follows
//   one interval after its last frame. Otherwise each frame has a timer of
//   its own repeating every cycle, started i * interval after RunMultiData
//   by a thread of the backend; as the kernel re-arms a timer when it fires,
//   their phases may shift against each other by the timers' lateness over
//   a long run.
// - SetKESH sets the bit rate and listen-only mode over rtnetlink unless the
//   interface has them already, which needs root or CAP_NET_ADMIN; a virtual
//   bus has neither. failureReason() tells why it failed.
#pragma once

#include "driver/ArrivalFifo.h"
#include "driver/Backend.h"
#include "driver/BackendSelector.h"
#include "driver/CyclicSchedule.h"
#include "driver/TransmitLog.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace vorelin::driver {

struct SocketCanOptions {
    std::string selector;
    std::string interface;
};

// The error text starts with "socketcan: ".
Result<SocketCanOptions> parseSocketCanOptions(const BackendSelector& selector);

class KESH_EXPORT_CPP SocketCanAdapter final : public Backend {
public:
    explicit SocketCanAdapter(SocketCanOptions options);
    ~SocketCanAdapter() override;

    // Opens the sockets while the interface exists; sockets open already are kept.
    bool open() override;
    bool configure(uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType) override;
    // Run while the interface is up and running; the bit rate it has.
    bool readInfo(AdapterInfo& info) override;
    bool start() override;
    bool stop() override;
    bool receive(FrameRecord* buffer, int capacity, int& count) override;
    bool sendSingle(const CanFrame& frame) override;
    bool setCyclic(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs) override;
    bool startCyclic() override;
    bool stopCyclic() override;
    AdapterStats stats() override;
    bool tellsTransmitted() const override { return true; }
    TransmittedFrames transmitted() override;
    std::string failureReason() const override;
    // The CAN interfaces found, this one first if it is missing from them.
    std::vector<DeviceChoice> deviceChoices() const override;
    std::string description() const override { return options_.selector; }

private:
    struct Received;
    void readSocket();
    void take(const Received& message);
    void closeSockets();
    bool fail(std::string reason);
    // Hands the stored frames to the kernel's timers, replacing those it has.
    bool armCyclic();
    void disarmCyclic();
    // The message that makes kernel timer `key` send frameCount stored
    // frames from firstFrame on, one every everyMs, the first at once.
    std::vector<unsigned char> timerSetup(uint32_t key, uint64_t everyMs, uint32_t firstFrame,
                                          uint32_t frameCount) const;

    const SocketCanOptions options_;

    // Socket set-up, settings and cyclic sending take turns.
    mutable std::mutex callMutex_;
    int rawSocket_ = -1;
    int bcmSocket_ = -1;
    int wakeReader_ = -1;  // an eventfd that ends the reader
    std::thread reader_;
    std::string failureReason_;
    CyclicFrames cyclicFrames_{};
    uint32_t cyclicCount_ = 0;
    uint32_t intervalMs_ = 0;
    uint32_t cycleMs_ = 0;
    uint32_t armedOps_ = 0;
    // Starts the later frames' timers at their offsets into the first pass.
    std::thread starter_;
    std::mutex startMutex_;
    std::condition_variable startsCancelled_;
    bool cancelStarts_ = false;

    // What the reader hands over.
    std::mutex mutex_;
    ArrivalFifo arrivals_;
    TransmitLog sent_;
    bool running_ = false;
    bool interfaceGone_ = true;  // no sockets, or the interface went away
    uint64_t epochNs_ = 0;       // RunKESH, on the kernel stamps' clock
    uint64_t startStampNs_ = 0;  // the adapter made, before the first RunKESH
    std::optional<int64_t> hardwareOffsetNs_;  // controller clock to the kernel's
    uint32_t kernelDropsSeen_ = 0;
    uint64_t errorFrames_ = 0;
    uint64_t fdFrames_ = 0;
    // The cyclic frames the reader recognises as ours when they loop back.
    CyclicFrames loopedCyclic_{};
    uint32_t loopedCyclicCount_ = 0;
};

}  // namespace vorelin::driver
