// ShownRowsView.h: what the capture commands and the filter tell the data
// list when they rebuild its rows, without knowing the window behind it.
#pragma once

#include <cstdint>

class ShownRowsView {
public:
    virtual ~ShownRowsView() = default;
    // Drops every row and sets the shown row count to 0.
    virtual void resetShownRows() = 0;
    // Takes `count` as the row count without repainting the rows already
    // shown, and scrolls so that the last row is visible.
    virtual void showRowCount(uint32_t count) = 0;
};
