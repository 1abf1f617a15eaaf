#include "transmit/ManualMessage.h"

#include "base/FrameRecord.h"
#include "core/CaptureState.h"
#include "core/DocumentContents.h"
#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "driver/KeshApi.h"
#include "transmit/FrameFormat.h"

#include <algorithm>
#include <string>

namespace {

ManualBuffer keptManualBuffer(const ManualEntry& entry) {
    ManualBuffer kept;
    kept.identifier = entry.identifier;
    kept.length = entry.size;
    kept.frameType = entry.frameFormat;
    kept.remote = entry.remote;
    std::copy(std::begin(entry.data), std::end(entry.data), kept.data);
    return kept;
}

struct SendFailure {
    int message;
    int caption;
};

SendFailure sendFailureOf(ManualBufferId buffer) {
    return buffer == ManualBufferId::first
               ? SendFailure{strings::kManualSendFailedFirst, strings::kManualSendFailedCaptionFirst}
               : SendFailure{strings::kManualSendFailedSecond, strings::kManualSendFailedCaptionSecond};
}

}  // namespace

ManualEntry openManualEntry(const ManualBuffer& stored, const DeviceSettings& device) {
    ManualEntry entry;
    entry.identifier = stored.identifier;
    entry.size = std::min<uint32_t>(stored.length, kMaxDataBytes);
    entry.remote = stored.remote != 0 ? 1 : 0;
    entry.frameFormat = frameFormatOf(device);
    std::copy(std::begin(stored.data), std::end(stored.data), entry.data);
    return entry;
}

CanFrame manualFrame(const ManualEntry& entry) {
    CanFrame frame;
    frame.remote = entry.remote;
    frame.extended = uint8_t(entry.frameFormat);
    frame.length = uint8_t(std::min<uint32_t>(entry.size, kMaxDataBytes));
    frame.identifier = entry.identifier;
    for (int i = 0; i < frame.length; ++i)
        frame.data[i] = uint8_t(entry.data[i]);
    return frame;
}

bool sendManualBuffer(ManualBufferId buffer, const ManualEntry& entry, DocumentContents& document,
                      CaptureState& capture, MessageSink& messages, const void* dialog) {
    const CanFrame frame = manualFrame(entry);
    document.manualBuffers[buffer == ManualBufferId::first ? 0 : 1] = keptManualBuffer(entry);
    // The adapter's answer alone decides what the user hears: appendSent also
    // answers false when the send worked but the store was full.
    bool sent = false;
    const bool recorded = capture.store.appendSent(frame, [&sent](const CanFrame& toSend) {
        sent = SendSingleData(toSend) != 0;
        return sent;
    });
    if (recorded)
        capture.dataChanged.store(true, std::memory_order_relaxed);
    if (!sent) {
        const SendFailure failure = sendFailureOf(buffer);
        messages.show(dialogMessage(dialog, failure.message, MessageIcon::Information,
                                    std::string(strings::text(failure.caption))));
    }
    return sent;
}
