// CompiledConditions.h: the enabled conditions of one classification pass,
// turned once per pass into plain mask tests on a packed frame, so that the
// pass tests each frame without looking at any condition's flags.
#pragma once

#include "base/FrameRecord.h"

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

struct FilterCondition;

// A frame in three words, laid out so that every test of the matching rule
// is a masked compare:
//   word 0: remote (bits 0..31), extended (32..39), length (40..47), and in
//           bits 48..55 bit i set when the frame has no data byte i
//   word 1: identifier (0..31), data bytes 0..3 (32..63)
//   word 2: data bytes 4..7 (0..31)
struct PackedFrame {
    static constexpr int kExtendedShift = 32;
    static constexpr int kLengthShift = 40;
    static constexpr int kAbsentBytesShift = 48;
    static constexpr int kData0Shift = 32;  // in word 1; data byte 4 starts word 2
    uint64_t words[3];
};

// A frame passes a term when it equals `value` on every bit of `mask`.
struct MaskTerm {
    uint64_t mask[3] = {};
    uint64_t value[3] = {};
};

class CompiledConditions {
public:
    explicit CompiledConditions(std::span<const FilterCondition> conditions);

    // Whether any condition was enabled. One that can never match still counts.
    bool hasEnabledConditions() const { return enabledCount_ > 0; }

    // Whether at least one enabled condition matches `frame`, with the same
    // verdict as conditionMatches.
    bool matchesAny(const CanFrame& frame) const {
        const PackedFrame packed = pack(frame);
        for (const MaskTerm& term : terms_) {
            const uint64_t differing = ((packed.words[0] ^ term.value[0]) & term.mask[0]) |
                                       ((packed.words[1] ^ term.value[1]) & term.mask[1]) |
                                       ((packed.words[2] ^ term.value[2]) & term.mask[2]);
            if (differing == 0)
                return true;
        }
        return false;
    }

private:
    static PackedFrame pack(const CanFrame& frame) {
        const uint64_t absentBytes = frame.length >= kMaxDataBytes ? 0 : (0xFFu << frame.length) & 0xFFu;
        uint32_t data[2];
        static_assert(sizeof(data) == sizeof(frame.data));
        std::memcpy(data, frame.data, sizeof(data));
        return {{uint64_t(frame.remote) | uint64_t(frame.extended) << PackedFrame::kExtendedShift |
                     uint64_t(frame.length) << PackedFrame::kLengthShift |
                     absentBytes << PackedFrame::kAbsentBytesShift,
                 uint64_t(frame.identifier) | uint64_t(data[0]) << PackedFrame::kData0Shift, data[1]}};
    }

    std::vector<MaskTerm> terms_;  // a condition becomes one or more terms, any of which may match
    uint32_t enabledCount_ = 0;
};
