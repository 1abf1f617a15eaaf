// PercentProgress.h: the percentage a long save, load or export shows, told
// to its window only when it changes, so that ten million records cost a
// hundred repaints and not ten million.
#pragma once

#include <cstdint>
#include <functional>

// Called with the new percentage, 1 to 99.
using ProgressCallback = std::function<void(int percent)>;

class PercentProgress {
public:
    PercentProgress(uint64_t total, ProgressCallback callback) : total_(total), callback_(std::move(callback)) {}

    // Before item `index` of `total`: the percentage index * 100 / total,
    // truncated; told when it differs from the last one told (0 at first).
    void before(uint64_t index) {
        if (total_ == 0 || !callback_)
            return;
        const int percent = int(index * 100 / total_);
        if (percent != shown_) {
            shown_ = percent;
            callback_(percent);
        }
    }

    // Before items `from` to `to` - 1 at once: every percentage among them
    // is told, in order, without a division per item.
    void beforeRange(uint64_t from, uint64_t to) {
        for (uint64_t index = from; index < to;) {
            before(index);
            const uint64_t nextPercent = index * 100 / total_ + 1;
            index = (nextPercent * total_ + 99) / 100;  // the first item at that percentage
        }
    }

private:
    uint64_t total_;
    ProgressCallback callback_;
    int shown_ = 0;
};
