// Backend.h: what stands behind the driver library's C calls. The C entry
// points forward to the selected backend; programs of ours (the command-line
// tool, tests, benchmarks) also reach it here for what the ten calls cannot
// tell, such as how many frames the adapter dropped.
#pragma once

#include "base/FrameRecord.h"
#include "base/Result.h"
#include "driver/DriverExport.h"
#include "driver/TransmittedFrames.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vorelin::driver {

class BackendSelector;

// The values GetKESHInfo reports.
struct AdapterInfo {
    uint32_t status = 0;  // 1 = running
    uint32_t baudRateKbps = 0;
    uint32_t firmware = 0;  // major << 8 | minor
};

// One of the devices an adapter of this kind could use, for choosing among them.
struct DeviceChoice {
    std::string name;      // as the machine names it, such as "can0"
    std::string selector;  // the backend that uses it
    bool inUse = false;    // the one this backend uses
};

// What the adapter saw on its bus since it was last started.
struct AdapterStats {
    uint64_t framesOnBus = 0;     // frames other nodes put on the bus (received or not)
    uint64_t framesReceived = 0;  // handed over through RecvData
    uint64_t framesDropped = 0;   // lost because the receive FIFO was full
    uint64_t framesQueued = 0;    // waiting in the receive FIFO now
    // Seen on the bus, never received: error frames, and CAN FD frames,
    // which do not fit this program's 8-byte frames.
    uint64_t errorFrames = 0;
    uint64_t fdFrames = 0;
};

class KESH_EXPORT_CPP Backend {
public:
    virtual ~Backend() = default;

    virtual bool open() = 0;                                                         // KESH_INIT
    virtual bool configure(uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType) = 0;  // SetKESH
    virtual bool readInfo(AdapterInfo& info) = 0;                                    // GetKESHInfo
    virtual bool start() = 0;                                                        // RunKESH
    virtual bool stop() = 0;                                                         // StopKESH
    // RecvData: at most `capacity` records, oldest first.
    virtual bool receive(FrameRecord* buffer, int capacity, int& count) = 0;
    virtual bool sendSingle(const CanFrame& frame) = 0;                              // SendSingleData
    virtual bool setCyclic(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs) = 0;
    virtual bool startCyclic() = 0;                                                  // RunMultiData
    virtual bool stopCyclic() = 0;                                                   // StopMultiData

    // Threads: from any thread, also while RecvData runs on the receive
    // thread (the window reads the drops on every tick). Between two starts
    // of the adapter its counts of frames only grow.
    virtual AdapterStats stats() = 0;
    // Whether transmitted() tells what the adapter itself put on the bus: an
    // adapter may send without reporting what went out, and when.
    virtual bool tellsTransmitted() const { return false; }
    // What the adapter itself put on the bus until now, oldest first; empty
    // where tellsTransmitted() is false. From any thread.
    virtual TransmittedFrames transmitted() { return {}; }
    // Why the last call that failed did, in words a user can act on; empty
    // where the backend cannot tell. From the thread that made the call.
    virtual std::string failureReason() const { return {}; }
    // The devices of this backend's kind the machine has now, for Device
    // Setup's list; empty where the backend offers no choice.
    virtual std::vector<DeviceChoice> deviceChoices() const { return {}; }
    // The selector this backend was made from, for About boxes and reports.
    virtual std::string description() const = 0;
};

// Builds the backend a selector names: "sim[:key=value,...]", "slcan:...",
// "socketcan:..." or a name registered with registerBackendMaker. The error
// text names the selector and what is wrong with it.
KESH_EXPORT_CPP Result<std::unique_ptr<Backend>> makeBackend(std::string_view selector);

// Makes the backend of a selector with a registered name; its error text
// starts with that name and a colon, as the built-in adapters' do.
using BackendMaker = std::function<Result<std::unique_ptr<Backend>>(const BackendSelector& selector)>;

// Lets makeBackend build backends that live in libraries above this one. A
// name registered again gets the new maker; the built-in names ("sim",
// "slcan", "socketcan") cannot be taken over. From any thread.
KESH_EXPORT_CPP void registerBackendMaker(std::string_view name, BackendMaker maker);

// Makes `backend` the one behind the C calls, replacing the current one.
KESH_EXPORT_CPP void installBackend(std::shared_ptr<Backend> backend);

// The backend behind the C calls now (the default simulated adapter when
// none was selected). Shared so that a call in flight keeps it alive.
KESH_EXPORT_CPP std::shared_ptr<Backend> currentBackend();

}  // namespace vorelin::driver
