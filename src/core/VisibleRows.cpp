#include "core/VisibleRows.h"

#include <stdexcept>
#include <string>

void VisibleRows::append(uint32_t position) {
    const uint32_t block = count_ / kBlockEntries;
    if (block == blocks_.size())
        blocks_.push_back(std::make_unique_for_overwrite<uint32_t[]>(kBlockEntries));
    blocks_[block][count_ % kBlockEntries] = position;
    ++count_;
}

bool VisibleRows::removeLast() {
    if (count_ == 0)
        return false;
    --count_;
    return true;
}

void VisibleRows::clear() {
    blocks_.clear();
    count_ = 0;
}

uint32_t VisibleRows::at(uint32_t row) const {
    if (row >= count_)
        throw std::out_of_range("row " + std::to_string(row) + " is beyond the " + std::to_string(count_) +
                                " shown rows");
    return blocks_[row / kBlockEntries][row % kBlockEntries];
}
