// CDataDoc.h: the document: the values that belong to one capture document
// and travel in its file (automation items and timing, the manual message
// buffers), and its modified flag. The capture itself is process-wide.
#pragma once

#include "core/DocumentContents.h"

struct CaptureState;
class ReceiveTimer;

class CDataDoc : public DocumentContents {
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

    bool clearing = false;  // only while Clear All runs

private:
    CaptureState& capture_;
    bool modified_ = false;
};
