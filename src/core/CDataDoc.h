// CDataDoc.h: the document: the values that belong to one capture document
// and travel in its file (automation items and timing, the manual message
// buffers), and its modified flag. The capture itself is process-wide.
#pragma once

#include "core/AutoMessageItem.h"
#include "core/ManualBuffer.h"

#include <array>
#include <cstdint>
#include <vector>

struct CaptureState;
class ReceiveTimer;

class CDataDoc {
public:
    // Starts the receive timer, if no earlier document did.
    CDataDoc(CaptureState& capture, ReceiveTimer& receiveTimer);
    // Stops the adapter (StopKESH). The receive timer runs on.
    ~CDataDoc();
    CDataDoc(const CDataDoc&) = delete;
    CDataDoc& operator=(const CDataDoc&) = delete;

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified) { modified_ = modified; }

    CaptureState& capture() { return capture_; }

    // Capture file format version, integer part and fraction.
    int32_t formatVersion = 1;
    double formatVersionFraction = 0.0;

    uint32_t autoIntervalMs = 1;
    uint32_t autoCycleMs = 1;
    bool autoRunning = false;
    std::vector<AutoMessageItem> autoItems;
    uint32_t downloadedItemCount = 0;  // items in the list at the last download

    std::array<ManualBuffer, 2> manualBuffers;

    bool clearing = false;  // only while Clear All runs

private:
    CaptureState& capture_;
    bool modified_ = false;
};
