// VisibleRows.h: the store positions of the rows the data list shows, in
// ascending order. Only the window thread touches it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class VisibleRows {
public:
    static constexpr uint32_t kBlockEntries = 1024;

    void append(uint32_t position);
    bool removeLast();
    void clear();
    uint32_t count() const { return count_; }
    // The store position shown in `row`; throws std::out_of_range at or beyond count.
    uint32_t at(uint32_t row) const;

private:
    std::vector<std::unique_ptr<uint32_t[]>> blocks_;
    uint32_t count_ = 0;
};
