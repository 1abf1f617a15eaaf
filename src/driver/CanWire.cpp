#include "driver/CanWire.h"

#include <algorithm>

namespace vorelin::driver {

namespace {

constexpr uint32_t kCrcPolynomial = 0x4599;
constexpr int kCrcBits = 15;
constexpr int kStuffRunBits = 5;
// CRC delimiter, ACK slot and delimiter, end of frame, intermission: never stuffed.
constexpr uint32_t kBitsAfterCrc = 1 + 2 + 7 + 3;

// The stuffed part of a frame, start of frame through the CRC sequence:
// counts its bits and the stuff bits a transmitter inserts into it.
class StuffedSection {
public:
    // Appends the low `bitCount` bits of `value`, most significant first.
    void append(uint32_t value, int bitCount) {
        for (int i = bitCount - 1; i >= 0; --i)
            appendBit((value >> i) & 1u, true);
    }

    void appendCrc() {
        const uint32_t crc = crc_;
        for (int i = kCrcBits - 1; i >= 0; --i)
            appendBit((crc >> i) & 1u, false);
    }

    uint32_t lengthBits() const { return bits_ + stuffBits_; }

private:
    void appendBit(uint32_t bit, bool coveredByCrc) {
        if (coveredByCrc) {
            const uint32_t feedback = bit ^ ((crc_ >> (kCrcBits - 1)) & 1u);
            crc_ = (crc_ << 1) & ((1u << kCrcBits) - 1);
            if (feedback)
                crc_ ^= kCrcPolynomial;
        }
        ++bits_;
        if (bit == runBit_) {
            ++runLength_;
        } else {
            runBit_ = bit;
            runLength_ = 1;
        }
        // The stuff bit is the complement and starts the next run.
        if (runLength_ == kStuffRunBits) {
            ++stuffBits_;
            runBit_ ^= 1u;
            runLength_ = 1;
        }
    }

    uint32_t crc_ = 0;
    uint32_t bits_ = 0;
    uint32_t stuffBits_ = 0;
    uint32_t runBit_ = 2;
    int runLength_ = 0;
};

}  // namespace

bool isTransmittable(const CanFrame& frame) {
    const uint32_t maxIdentifier = frame.extended ? kMaxExtendedIdentifier : kMaxStandardIdentifier;
    return frame.remote <= 1 && frame.extended <= 1 && frame.length <= kMaxDataBytes &&
           frame.identifier <= maxIdentifier;
}

CanFrame wireImage(const CanFrame& frame) {
    CanFrame image;
    image.remote = frame.remote;
    image.extended = frame.extended;
    image.length = frame.length;
    image.identifier = frame.identifier;
    if (!frame.remote)
        std::copy_n(frame.data, std::min<int>(frame.length, kMaxDataBytes), image.data);
    return image;
}

uint32_t wireLengthBits(const CanFrame& frame) {
    const uint32_t dataBytes = std::min<uint32_t>(frame.length, kMaxDataBytes);
    const uint32_t remote = frame.remote ? 1 : 0;
    StuffedSection section;
    section.append(0, 1);  // start of frame
    if (frame.extended) {
        section.append(frame.identifier >> 18, 11);
        section.append(0b11, 2);  // SRR, IDE
        section.append(frame.identifier & 0x3FFFF, 18);
        section.append(remote, 1);
        section.append(0, 2);  // r1, r0
    } else {
        section.append(frame.identifier, 11);
        section.append(remote, 1);
        section.append(0, 2);  // IDE, r0
    }
    section.append(dataBytes, 4);
    if (!remote) {
        for (uint32_t i = 0; i < dataBytes; ++i)
            section.append(frame.data[i], 8);
    }
    section.appendCrc();
    return section.lengthBits() + kBitsAfterCrc;
}

}  // namespace vorelin::driver
