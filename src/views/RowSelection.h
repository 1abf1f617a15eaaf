// RowSelection.h: which rows of a virtual list are selected, kept as a few
// ranges so that selecting millions of rows costs no more than selecting one.
// Also what each selection gesture does, so widgets only forward events.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class RowSelection {
public:
    struct Range {
        uint32_t first;
        uint32_t last;  // inclusive
    };

    // A plain click or key: only `row` is selected and it becomes the anchor.
    void selectOnly(uint32_t row);
    // Shift: the rows from the anchor to `row`, on top of what Ctrl added.
    void extendTo(uint32_t row);
    // Ctrl+click: flips `row` and makes it the anchor.
    void toggle(uint32_t row);
    void clear();
    // Rows at or beyond `rowCount` no longer exist.
    void truncate(uint32_t rowCount);

    bool contains(uint32_t row) const;
    bool isEmpty() const { return ranges().empty(); }
    std::optional<uint32_t> anchor() const { return anchor_; }
    // Disjoint, ascending.
    std::vector<Range> ranges() const;

private:
    std::vector<Range> fixed_;            // ranges made before the current extension
    std::optional<Range> extension_;      // anchor .. row of the latest Shift gesture
    std::optional<uint32_t> anchor_;
};
