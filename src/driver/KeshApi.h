// KeshApi.h: the adapter driver library's C interface. Ten calls with fixed
// argument orders, byte layouts and one-byte results, plus KESH_SelectBackend,
// which picks what stands behind them (a simulated adapter or real hardware).
//
// Threads: RecvData comes from the receive thread, every other call from the
// window thread; the library serialises them itself.
#pragma once

#include "base/FrameRecord.h"

#include <cstdint>

#define KESH_EXPORT __attribute__((visibility("default")))

// RecvData fills at most this many records per call.
constexpr int kRecvBufferRecords = 18;
// SetMultiData takes at most this many frames.
constexpr uint32_t kMultiDataFrames = 8;

extern "C" {

// Nonzero: an adapter is present and opened.
KESH_EXPORT uint8_t KESH_INIT(void);
// Applies the bus settings; frameType 1 = standard, 2 = extended identifiers.
KESH_EXPORT uint8_t SetKESH(uint32_t reserved, uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType);
// Fills status (1 = running), two unused values, baud rate (kbit/s) and the
// firmware version (major in bits 8..15, minor in bits 0..7).
KESH_EXPORT uint8_t GetKESHInfo(uint32_t* status, uint32_t* unused1, uint32_t* unused2, uint32_t* baudRateKbps,
                                uint32_t* firmware);
KESH_EXPORT uint8_t RunKESH(void);
KESH_EXPORT uint8_t StopKESH(void);
// Result 1 with *count above 0: buffer[0 .. *count) holds received frames,
// oldest first, stamped with time and bus load. *count never exceeds 18.
KESH_EXPORT uint8_t RecvData(uint32_t* unused1, uint32_t* unused2, int32_t* count,
                             FrameRecord buffer[kRecvBufferRecords]);
KESH_EXPORT uint8_t SendSingleData(CanFrame frame);
// Hands the adapter up to kMultiDataFrames frames to send on its own, over
// and over, replacing the list it held (count 0 empties it; while running,
// the new list starts over at once). The adapter goes over the list in
// passes: intervalMs from one frame of a pass to the next, cycleMs from the
// start of one pass to the start of the next. The simulated adapter's exact
// rule, for a pass that outlasts its cycle and a frame that finds the bus
// busy, is in SimAdapter.h.
KESH_EXPORT uint8_t SetMultiData(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs);
// Starts the first pass now, from the first frame; while running, starts over.
KESH_EXPORT uint8_t RunMultiData(void);
KESH_EXPORT uint8_t StopMultiData(void);

// Ours, outside the ten: selects and configures the backend a selector names
// ("sim", "sim:rate=21000,mix=canopen", ...) before KESH_INIT. Nonzero on
// success; a selector that cannot be parsed leaves the current backend in place.
KESH_EXPORT uint8_t KESH_SelectBackend(const char* selector);

}  // extern "C"
