// AutoMessageItem.h: one frame the adapter sends cyclically on its own, with
// the flags that say which of its fields were entered and whether it is sent.
#pragma once

#include "base/FrameRecord.h"

#include <cstddef>
#include <cstdint>

struct AutoMessageItem {
    uint32_t flags = 0;  // the filter condition bits: enabled, format set, identifier set, data bytes set
    CanFrame frame;
};

static_assert(sizeof(AutoMessageItem) == 24);
static_assert(offsetof(AutoMessageItem, frame) == 4);
