// DocumentContents.h: the values that belong to one capture document and
// travel in its file: the automation items and their timing, and the manual
// message buffers. Apart from the document window, so that tools that only
// read and write files need neither the adapter nor the receive timer.
#pragma once

#include "core/AutoMessageItem.h"
#include "core/ManualBuffer.h"

#include <array>
#include <cstdint>
#include <vector>

struct DocumentContents {
    // Capture file format version, integer part and fraction.
    int32_t formatVersion = 1;
    double formatVersionFraction = 0.0;

    uint32_t autoIntervalMs = 1;
    uint32_t autoCycleMs = 1;
    bool autoRunning = false;
    std::vector<AutoMessageItem> autoItems;
    uint32_t downloadedItemCount = 0;  // items in the list at the last download
    // What the automation dialog's Add fills before appending a copy: what an
    // Add leaves unentered keeps the previous Add's value, across openings of
    // the dialog. The capture file does not hold it.
    AutoMessageItem autoStaging;

    std::array<ManualBuffer, 2> manualBuffers;
};
