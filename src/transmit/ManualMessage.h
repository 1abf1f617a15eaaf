// ManualMessage.h: the rules of the Manual Message dialog apart from its
// widgets: what each of its two buffers holds on opening, the frame a buffer
// sends, and the send itself with what it records and what it tells the user.
#pragma once

#include <cstdint>

struct CanFrame;
struct CaptureState;
struct DeviceSettings;
struct DocumentContents;
struct ManualBuffer;
class MessageSink;

enum class ManualBufferId { first, second };

// Enter in any field presses the dialog's default button, "Send Buffer 1".
constexpr ManualBufferId kManualBufferSentByEnter = ManualBufferId::first;

// The kept values of one buffer's fields while the dialog is open.
struct ManualEntry {
    uint32_t identifier = 0;
    uint32_t size = 8;         // the Size list's index, 0 to 8
    uint32_t remote = 0;       // 0 Data Frame, 1 Remote Frame
    uint32_t frameFormat = 0;  // 0 Standard, 1 Extend: presets the hidden radio buttons
    uint32_t data[8] = {};     // 0 to 255 each
};

// A buffer as the dialog opens it: the values last sent from it, with the
// frame format taken from the adapter settings rather than from the
// document. A damaged capture file may hold a length above 8 or a remote
// word other than 0 and 1: the Size list and the radio buttons cannot show
// those, so they open as 8 and Remote Frame.
ManualEntry openManualEntry(const ManualBuffer& stored, const DeviceSettings& device);

// The frame SendSingleData is handed: the buffer's values, the low byte of
// each of its first `size` data values (also for a remote frame), and zero
// in the padding and in the bytes beyond the size.
CanFrame manualFrame(const ManualEntry& entry);

// Send Buffer 1 or 2: keeps the buffer in the document's ManualBuffer, then
// sends its frame with SendSingleData and records it in the capture's store
// (time and bus load 0) only once the send succeeded, so that a failed send
// leaves the store exactly as it was whatever the receive thread appended
// meanwhile. A failed send shows message 5078 or 5079 in a box owned by
// `dialog`. A frame the adapter sent but the full store refused is counted
// there as refused, not reported as a failed send. True when the adapter
// sent it. A recorded frame marks the capture changed, as a received one
// does, so that closing asks before it drops the frame.
bool sendManualBuffer(ManualBufferId buffer, const ManualEntry& entry, DocumentContents& document,
                      CaptureState& capture, MessageSink& messages, const void* dialog);
