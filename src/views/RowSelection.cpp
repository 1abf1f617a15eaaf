#include "views/RowSelection.h"

#include <algorithm>

namespace {

std::vector<RowSelection::Range> normalised(std::vector<RowSelection::Range> ranges) {
    std::sort(ranges.begin(), ranges.end(), [](auto a, auto b) { return a.first < b.first; });
    std::vector<RowSelection::Range> merged;
    for (const auto& range : ranges) {
        if (!merged.empty() && uint64_t(merged.back().last) + 1 >= range.first)
            merged.back().last = std::max(merged.back().last, range.last);
        else
            merged.push_back(range);
    }
    return merged;
}

// `ranges` less the one row `row`.
std::vector<RowSelection::Range> without(const std::vector<RowSelection::Range>& ranges, uint32_t row) {
    std::vector<RowSelection::Range> rest;
    for (const auto& range : ranges) {
        if (row < range.first || row > range.last) {
            rest.push_back(range);
            continue;
        }
        if (range.first < row)
            rest.push_back({range.first, row - 1});
        if (row < range.last)
            rest.push_back({row + 1, range.last});
    }
    return rest;
}

}  // namespace

void RowSelection::selectOnly(uint32_t row) {
    fixed_.clear();
    extension_ = Range{row, row};
    anchor_ = row;
}

void RowSelection::extendTo(uint32_t row) {
    if (!anchor_) {
        selectOnly(row);
        return;
    }
    extension_ = Range{std::min(*anchor_, row), std::max(*anchor_, row)};
}

void RowSelection::toggle(uint32_t row) {
    std::vector<Range> current = ranges();
    fixed_ = contains(row) ? without(current, row) : normalised([&] {
        current.push_back({row, row});
        return current;
    }());
    extension_.reset();
    anchor_ = row;
}

void RowSelection::clear() {
    fixed_.clear();
    extension_.reset();
    anchor_.reset();
}

void RowSelection::truncate(uint32_t rowCount) {
    if (rowCount == 0) {
        clear();
        return;
    }
    std::vector<Range> kept;
    for (Range range : ranges()) {
        if (range.first >= rowCount)
            continue;
        range.last = std::min(range.last, rowCount - 1);
        kept.push_back(range);
    }
    fixed_ = std::move(kept);
    extension_.reset();
    if (anchor_ && *anchor_ >= rowCount)
        anchor_ = rowCount - 1;
}

bool RowSelection::contains(uint32_t row) const {
    if (extension_ && row >= extension_->first && row <= extension_->last)
        return true;
    return std::any_of(fixed_.begin(), fixed_.end(),
                       [row](const Range& range) { return row >= range.first && row <= range.last; });
}

std::vector<RowSelection::Range> RowSelection::ranges() const {
    std::vector<Range> all = fixed_;
    if (extension_)
        all.push_back(*extension_);
    return normalised(std::move(all));
}
