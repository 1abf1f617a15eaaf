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

private:
    uint64_t total_;
    ProgressCallback callback_;
    int shown_ = 0;
};
