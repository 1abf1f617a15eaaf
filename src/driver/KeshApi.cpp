// KeshApi.cpp: the C entry points. Each forwards to the current backend and
// turns its answer, or any exception, into the one-byte result; pointers
// from the caller are checked, never trusted.
#include "driver/KeshApi.h"

#include "driver/Backend.h"

#include <memory>

namespace {

using vorelin::driver::Backend;

template <class Call>
uint8_t forward(Call&& call) noexcept {
    try {
        const std::shared_ptr<Backend> backend = vorelin::driver::currentBackend();
        return backend && call(*backend) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

// Zeroes every out-value the caller passed; true when none was null.
template <class... T>
bool clearOutputs(T*... outputs) {
    ((outputs ? void(*outputs = 0) : void()), ...);
    return ((outputs != nullptr) && ...);
}

}  // namespace

extern "C" {

uint8_t KESH_INIT(void) {
    return forward([](Backend& backend) { return backend.open(); });
}

uint8_t SetKESH([[maybe_unused]] uint32_t reserved, uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType) {
    return forward([&](Backend& backend) { return backend.configure(baudRateKbps, workMode, frameType); });
}

uint8_t GetKESHInfo(uint32_t* status, uint32_t* unused1, uint32_t* unused2, uint32_t* baudRateKbps,
                    uint32_t* firmware) {
    if (!clearOutputs(status, unused1, unused2, baudRateKbps, firmware))
        return 0;
    return forward([&](Backend& backend) {
        vorelin::driver::AdapterInfo info;
        if (!backend.readInfo(info))
            return false;
        *status = info.status;
        *baudRateKbps = info.baudRateKbps;
        *firmware = info.firmware;
        return true;
    });
}

uint8_t RunKESH(void) {
    return forward([](Backend& backend) { return backend.start(); });
}

uint8_t StopKESH(void) {
    return forward([](Backend& backend) { return backend.stop(); });
}

uint8_t RecvData(uint32_t* unused1, uint32_t* unused2, int32_t* count, FrameRecord buffer[kRecvBufferRecords]) {
    if (!clearOutputs(unused1, unused2, count) || !buffer)
        return 0;
    return forward([&](Backend& backend) {
        int received = 0;
        // A backend claiming more than the buffer holds has written past it or lies.
        if (!backend.receive(buffer, kRecvBufferRecords, received) || received < 0 || received > kRecvBufferRecords)
            return false;
        *count = received;
        return true;
    });
}

uint8_t SendSingleData(CanFrame frame) {
    return forward([&](Backend& backend) { return backend.sendSingle(frame); });
}

uint8_t SetMultiData(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs) {
    // An empty list may come as a null pointer; a non-empty one may not.
    if (!frames && count > 0)
        return 0;
    return forward([&](Backend& backend) { return backend.setCyclic(frames, count, intervalMs, cycleMs); });
}

uint8_t RunMultiData(void) {
    return forward([](Backend& backend) { return backend.startCyclic(); });
}

uint8_t StopMultiData(void) {
    return forward([](Backend& backend) { return backend.stopCyclic(); });
}

uint8_t KESH_SelectBackend(const char* selector) {
    if (!selector)
        return 0;
    try {
        auto backend = vorelin::driver::makeBackend(selector);
        if (!backend)
            return 0;
        vorelin::driver::installBackend(std::move(*backend));
        return 1;
    } catch (...) {
        return 0;
    }
}

}  // extern "C"
