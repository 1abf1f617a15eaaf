// ReceivedFrames.h: what an adapter hands over through RecvData, fetched
// the way the receive thread does, for tests of adapters that receive from
// outside the program.
#pragma once

#include "driver/Backend.h"
#include "driver/KeshApi.h"

#include <chrono>
#include <thread>
#include <vector>

// Frames the adapter hands over within `patience`, until `wanted` came.
inline std::vector<FrameRecord> receiveFrames(vorelin::driver::Backend& backend, std::size_t wanted,
                                              std::chrono::milliseconds patience = std::chrono::seconds(1)) {
    std::vector<FrameRecord> received;
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    while (received.size() < wanted && std::chrono::steady_clock::now() < giveUp) {
        FrameRecord buffer[kRecvBufferRecords];
        int count = 0;
        if (!backend.receive(buffer, kRecvBufferRecords, count))
            break;
        received.insert(received.end(), buffer, buffer + count);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return received;
}
