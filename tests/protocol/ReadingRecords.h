// ReadingRecords.h: hand-made records for the decoder tests, and readable
// failure output for the readings they produce.
#pragma once

#include "base/FrameRecord.h"

#include <cstdint>
#include <optional>
#include <ostream>

// A standard data frame whose first data byte is `firstDataByte`.
inline FrameRecord standardRecord(uint32_t identifier, uint8_t firstDataByte = 0, uint8_t length = 1) {
    FrameRecord record;
    record.frame.identifier = identifier;
    record.frame.length = length;
    record.frame.data[0] = firstDataByte;
    return record;
}

inline FrameRecord extendedRecord(uint32_t identifier, uint8_t extendedByte = 1) {
    FrameRecord record = standardRecord(identifier, 0xC5, 8);
    record.frame.extended = extendedByte;
    return record;
}

inline FrameRecord remoteRecord(uint32_t identifier, uint8_t firstDataByte = 0) {
    FrameRecord record = standardRecord(identifier, firstDataByte, 0);
    record.frame.remote = 1;
    return record;
}

inline void printField(std::ostream& out, const char* name, const std::optional<uint32_t>& value) {
    out << ' ' << name << '=';
    if (value)
        out << std::hex << "0x" << *value << std::dec;
    else
        out << "absent";
}
