#include "transmit/AutomationCommands.h"

#include "core/DocumentContents.h"
#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "driver/KeshApi.h"
#include "filters/FilterFlags.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<CanFrame> framesToDownload(const std::vector<AutoMessageItem>& items) {
    std::vector<CanFrame> frames;
    for (const AutoMessageItem& item : items) {
        if ((item.flags & FC_ENABLED) == 0)
            continue;
        CanFrame frame;
        frame.remote = item.frame.remote;
        frame.extended = item.frame.extended;
        frame.length = item.frame.length;
        frame.identifier = item.frame.identifier;
        std::copy_n(item.frame.data, std::min<int>(item.frame.length, kMaxDataBytes), frame.data);
        frames.push_back(frame);
    }
    return frames;
}

}  // namespace

DownloadOutcome downloadAutoItems(DocumentContents& document, bool& autoDataLoaded, MessageSink& messages) {
    document.downloadedItemCount = uint32_t(document.autoItems.size());
    const std::vector<CanFrame> frames = framesToDownload(document.autoItems);
    if (SetMultiData(frames.data(), uint32_t(frames.size()), document.autoIntervalMs, document.autoCycleMs) == 0) {
        messages.show(applicationMessage(strings::kAutoDownloadFailed, MessageIcon::Exclamation));
        return DownloadOutcome::stayOpen;
    }
    // Even an empty download counts: Start then runs the adapter with no frames.
    autoDataLoaded = true;
    if (frames.empty()) {
        messages.show(applicationMessage(strings::kAutoNothingToDownload, MessageIcon::None));
        return DownloadOutcome::stayOpen;
    }
    return DownloadOutcome::closeDialog;
}

void startAutomation(DocumentContents& document, bool autoDataLoaded, MessageSink& messages) {
    if (document.autoItems.empty() || !autoDataLoaded) {
        document.autoRunning = false;
        messages.show(applicationMessage(strings::kAutoNothingToTransmit, MessageIcon::Information));
        return;
    }
    if (RunMultiData() != 0) {
        document.autoRunning = true;
        return;
    }
    StopMultiData();
    messages.show(applicationMessage(strings::kAutoStartFailed, MessageIcon::Exclamation));
}

void stopAutomation(DocumentContents& document, MessageSink& messages) {
    if (StopMultiData() != 0) {
        document.autoRunning = false;
        return;
    }
    messages.show(applicationMessage(strings::kAutoStopFailed, MessageIcon::None));
}

bool isAutomationStartEnabled(const DocumentContents& document) { return !document.autoRunning; }
bool isAutomationStopEnabled(const DocumentContents& document) { return document.autoRunning; }
