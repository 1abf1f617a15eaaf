// MixedRecords.h: the records the benchmarks feed through the program:
// standard and extended, data and remote, every length and every DeviceNet
// group, with the time stamps of a capture some ten minutes long. The same
// seed gives the same records, run after run.
#pragma once

#include "base/FrameRecord.h"
#include "core/FrameStore.h"
#include "core/VisibleRows.h"

#include <cstdint>
#include <cstdio>

class MixedRecords {
public:
    // One frame in `extendedOneIn` has an extended identifier.
    explicit MixedRecords(uint32_t seed = 0x1234567, uint32_t extendedOneIn = 8)
        : random_(seed), extendedOneIn_(extendedOneIn) {}

    CanFrame nextFrame() {
        const uint32_t bits = nextRandom();
        CanFrame frame;
        frame.extended = (bits >> 8) % extendedOneIn_ == 0 ? 1 : 0;
        frame.remote = (bits >> 12) % 16 == 0 ? 1 : 0;
        frame.length = uint8_t((bits >> 16) % 9);
        frame.identifier = nextRandom() & (frame.extended ? 0x1FFFFFFF : 0x7FF);
        const uint32_t low = nextRandom(), high = nextRandom();
        for (int i = 0; i < 4; ++i) {
            frame.data[i] = uint8_t(low >> (8 * i));
            frame.data[4 + i] = uint8_t(high >> (8 * i));
        }
        return frame;
    }

    FrameRecord nextRecord() {
        FrameRecord record;
        const uint64_t us = uint64_t(position_++) * 61;
        record.timeUs = uint32_t(us % 1000);
        record.timeMs = uint32_t(us / 1000 % 1000);
        record.timeSec = uint32_t(us / 1'000'000 % 60);
        record.timeMin = uint32_t(us / 60'000'000);
        record.frame = nextFrame();
        record.busLoad = random_ % 101;
        return record;
    }

private:
    uint32_t nextRandom() {
        random_ ^= random_ << 13;
        random_ ^= random_ >> 17;
        random_ ^= random_ << 5;
        return random_;
    }

    uint32_t random_;
    uint32_t extendedOneIn_;
    uint32_t position_ = 0;
};

// Stores `count` records of `records`, each one a shown row. False, after a
// line on stderr under `figure`'s name, when the store refuses one.
inline bool storeShownRecords(MixedRecords& records, uint32_t count, FrameStore& store, VisibleRows& rows,
                              const char* figure) {
    for (uint32_t position = 0; position < count; ++position) {
        if (!store.append(records.nextRecord())) {
            std::fprintf(stderr, "%s: the store refused record %u\n", figure, position);
            return false;
        }
        rows.append(position);
    }
    return true;
}
