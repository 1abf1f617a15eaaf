#include "protocol/CanReading.h"

#include "ReadingRecords.h"

#include <gtest/gtest.h>

TEST(ReadCan, OnlyAnExtendedByteOfOneIsExtended) {
    const struct {
        const char* name;
        uint8_t extendedByte;
        FrameFormat expected;
    } rows[] = {
        {"zero", 0, FrameFormat::Standard},
        {"one", 1, FrameFormat::Extended},
        {"two", 2, FrameFormat::Standard},
        {"all_bits", 0xFF, FrameFormat::Standard},
    };
    for (const auto& row : rows) {
        FrameRecord record = standardRecord(0x1ABCDEF0);
        record.frame.extended = row.extendedByte;
        EXPECT_EQ(readCan(record), CanReading{row.expected}) << row.name;
    }
}
