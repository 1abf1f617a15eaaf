// ManualBuffer.h: the values last sent from one buffer of the manual message
// dialog, kept in the document so they come back when the dialog reopens.
#pragma once

#include <cstdint>

struct ManualBuffer {
    uint32_t identifier = 0;
    uint32_t length = 8;
    uint32_t frameType = 0;  // 0 standard, 1 extended
    uint32_t remote = 0;
    uint32_t data[8] = {};
};
