// Frame lengths on the wire, pinned from bit streams worked out by hand, and
// the checks on what may be sent at all.
#include "driver/CanWire.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using vorelin::driver::isTransmittable;
using vorelin::driver::wireImage;
using vorelin::driver::wireLengthBits;

CanFrame frame(uint32_t identifier, uint8_t length, bool extended = false, bool remote = false, uint8_t fill = 0) {
    CanFrame frame;
    frame.identifier = identifier;
    frame.length = length;
    frame.extended = extended ? 1 : 0;
    frame.remote = remote ? 1 : 0;
    for (int i = 0; i < std::min<int>(length, kMaxDataBytes) && !remote; ++i)
        frame.data[i] = uint8_t(fill + (fill ? 0x11 * i : 0));
    return frame;
}

struct KnownLength {
    std::string name;
    CanFrame frame;
    uint32_t bits;
};

// Every length is 44 fixed bits of a standard frame with no data (64 for an
// extended one: 20 more for SRR, IDE and the 18-bit extension in place of
// IDE), plus 8 per data byte, plus 3 bits of intermission, plus the stuff bits
// counted in the bit stream from start of frame through the CRC.
const KnownLength kKnownLengths[] = {
    // SOF, identifier, RTR, IDE, r0, DLC: 19 dominant bits; the CRC of all
    // zeros is zero, so 34 dominant bits run through the CRC, and a stuff bit
    // follows every fifth: 6 stuff bits. 44 + 3 + 6 = 53.
    {"standard_id000_empty", frame(0x000, 0), 53},
    // 0 10101010101 0 0 0 0000 then CRC 0x674C = 110011101001100: only the
    // seven dominant bits from RTR through the DLC need a stuff bit. 47 + 1.
    {"standard_id555_empty", frame(0x555, 0), 48},
    // 0 11111111111 0 0 0 0000 then CRC 0x272F = 010011100101111: stuff bits
    // after ones 1-5 and 6-10 of the identifier and in RTR..DLC. 47 + 3.
    {"standard_id7ff_empty", frame(0x7FF, 0), 50},
    // A remote frame asking for 4 bytes: 0 00100100011 1 0 0 0100 then CRC
    // 0x4352 = 100001101010010 has no run of five. 47 + 0.
    {"remote_id123_length4", frame(0x123, 4, false, true), 47},
    // 0 00100100011 0 0 0 1000, bytes 11 22 .. 88, CRC 0x4237 =
    // 100001000110111: the one run of five is DLC 1000 into 0x11 = 00010001.
    // 44 + 64 + 3 + 1.
    {"standard_id123_8bytes", frame(0x123, 8, false, false, 0x11), 112},
    // 15 dominant bits up to DLC 1000 (3 stuff bits), then 3 + 64 dominant
    // bits and the two leading zeros of CRC 0x145B = 001010001011011
    // (13 stuff bits). 44 + 64 + 3 + 16.
    {"standard_id000_8zero_bytes", frame(0x000, 8), 127},
    // Extended remote, all identifier bits recessive: SOF, then 32 recessive
    // bits (6 stuff bits), then r1, r0, DLC 0000 (1 more); CRC 0x6F4D =
    // 110111101001101 adds none. 64 + 3 + 7.
    {"extended_remote_1fffffff", frame(0x1FFFFFFF, 0, true, true), 74},
    // Extended data frame 0x18FEF100 with bytes 01 .. 08, CRC 0x1111; 12
    // stuff bits, counted by an independent script. 64 + 64 + 3 + 12.
    {"extended_id18fef100_8bytes", [] {
         CanFrame f = frame(0x18FEF100, 8, true);
         for (int i = 0; i < 8; ++i)
             f.data[i] = uint8_t(i + 1);
         return f;
     }(),
     143},
};

class WireLength : public testing::TestWithParam<KnownLength> {};

TEST_P(WireLength, MatchesTheHandCountedBitStream) {
    EXPECT_EQ(wireLengthBits(GetParam().frame), GetParam().bits);
}

INSTANTIATE_TEST_SUITE_P(KnownFrames, WireLength, testing::ValuesIn(kKnownLengths),
                         [](const testing::TestParamInfo<KnownLength>& info) { return info.param.name; });

TEST(WireLength, IgnoresBytesPastTheLengthAndRemoteData) {
    CanFrame dirty = frame(0x555, 0);
    for (uint8_t& byte : dirty.data)
        byte = 0xA5;
    EXPECT_EQ(wireLengthBits(dirty), 48u);
    CanFrame remote = frame(0x123, 4, false, true);
    for (uint8_t& byte : remote.data)
        byte = 0xFF;
    EXPECT_EQ(wireLengthBits(remote), 47u);
}

TEST(Transmittable, RefusesWhatNoWireCanCarry) {
    struct Row {
        const char* name;
        CanFrame frame;
        bool transmittable;
    };
    CanFrame badRemote = frame(0x100, 0);
    badRemote.remote = 2;
    CanFrame badExtended = frame(0x100, 0);
    badExtended.extended = 7;
    const Row rows[] = {
        {"largest_standard", frame(0x7FF, 8), true},
        {"standard_id_too_wide", frame(0x800, 0), false},
        {"largest_extended", frame(0x1FFFFFFF, 8, true), true},
        {"extended_id_too_wide", frame(0x20000000, 0, true), false},
        {"nine_bytes", frame(0x100, 9), false},
        {"remote_flag_not_0_or_1", badRemote, false},
        {"extended_flag_not_0_or_1", badExtended, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(isTransmittable(row.frame), row.transmittable) << row.name;
}

TEST(WireImage, ZeroesWhatTheWireDoesNotCarry) {
    CanFrame sent = frame(0x321, 3, false, false, 0x10);
    sent.padding[0] = 0x77;
    sent.data[5] = 0x99;
    const CanFrame image = wireImage(sent);
    EXPECT_EQ(image.padding[0], 0);
    EXPECT_EQ(image.data[0], 0x10);
    EXPECT_EQ(image.data[2], 0x32);
    EXPECT_EQ(image.data[5], 0);

    CanFrame remote = frame(0x321, 3, false, true);
    remote.data[0] = 0x55;
    EXPECT_EQ(wireImage(remote).data[0], 0);
    EXPECT_EQ(wireImage(remote).length, 3);
}

}  // namespace
