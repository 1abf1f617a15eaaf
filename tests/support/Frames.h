// Frames.h: small builders for the records tests feed through the capture.
#pragma once

#include "base/FrameRecord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

inline CanFrame dataFrame(uint32_t identifier, std::initializer_list<uint8_t> data = {}, uint8_t extended = 0) {
    CanFrame frame;
    frame.extended = extended;
    frame.identifier = identifier;
    frame.length = uint8_t(data.size());
    int i = 0;
    for (uint8_t byte : data)
        frame.data[i++] = byte;
    return frame;
}

inline CanFrame remoteFrame(uint32_t identifier, uint8_t length = 0, uint8_t extended = 0) {
    CanFrame frame;
    frame.remote = 1;
    frame.extended = extended;
    frame.identifier = identifier;
    frame.length = length;
    return frame;
}

// A record of a standard data frame with the given identifier and data bytes.
inline FrameRecord frameRecord(uint32_t identifier, std::initializer_list<uint8_t> data = {}, uint32_t busLoad = 0) {
    FrameRecord record;
    record.busLoad = busLoad;
    record.frame = dataFrame(identifier, data);
    return record;
}

// A record whose every field carries `tag`, so a torn or misplaced copy shows.
inline FrameRecord taggedRecord(uint32_t tag) {
    FrameRecord record;
    record.busLoad = record.timeUs = record.timeMs = record.timeSec = record.timeMin = tag;
    record.frame.remote = tag;
    record.frame.identifier = tag;
    record.frame.length = 8;
    for (uint8_t& byte : record.frame.data)
        byte = uint8_t(tag);
    return record;
}

inline bool isIntactTaggedRecord(const FrameRecord& record, uint32_t tag) {
    if (record.busLoad != tag || record.timeUs != tag || record.timeMs != tag || record.timeSec != tag ||
        record.timeMin != tag || record.frame.remote != tag || record.frame.identifier != tag)
        return false;
    for (uint8_t byte : record.frame.data) {
        if (byte != uint8_t(tag))
            return false;
    }
    return true;
}

// Every field of two frames alike, the eight data bytes whatever the length.
inline void expectSameFrame(const CanFrame& actual, const CanFrame& expected) {
    EXPECT_EQ(actual.remote, expected.remote);
    EXPECT_EQ(actual.extended, expected.extended);
    EXPECT_EQ(actual.length, expected.length);
    EXPECT_EQ(actual.identifier, expected.identifier);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(actual.data[i], expected.data[i]) << "data byte " << i;
}
