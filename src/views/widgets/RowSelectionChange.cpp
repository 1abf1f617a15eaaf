#include "views/widgets/RowSelectionChange.h"

std::optional<uint32_t> firstRowMissingFrom(const std::vector<RowSelection::Range>& ranges,
                                            const std::vector<RowSelection::Range>& other) {
    std::size_t covering = 0;
    for (const RowSelection::Range& range : ranges) {
        // 64 bits: stepping past a range that ends at the last uint32_t row must not wrap.
        uint64_t row = range.first;
        while (row <= range.last) {
            while (covering < other.size() && other[covering].last < row)
                ++covering;
            if (covering == other.size() || other[covering].first > row)
                return uint32_t(row);
            row = uint64_t(other[covering].last) + 1;
        }
    }
    return std::nullopt;
}
