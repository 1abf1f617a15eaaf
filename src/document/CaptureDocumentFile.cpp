#include "document/CaptureDocumentFile.h"

#include "core/DocumentContents.h"
#include "document/CaptureFileReader.h"
#include "document/CaptureFileWriter.h"
#include "document/ProgramState.h"

namespace {

uint32_t flagWord(bool flag) { return flag ? 1 : 0; }

void restoreSettings(const CaptureFileSettings& settings, ProgramState& state, DocumentContents& document) {
    document.autoCycleMs = settings.autoCycleMs;
    document.autoIntervalMs = settings.autoIntervalMs;
    state.device.configured = settings.configured != 0;
    state.device.baudRate = int32_t(settings.baudRateKbps);
    state.device.workMode = int32_t(settings.workMode);
    state.device.frameType = int32_t(settings.frameType);
    state.filterIdentifierSeed = settings.filterIdentifierSeed;
    // The file's protocol is read but not used: a loaded capture shows as CAN.
    state.protocol = Protocol::can;
    state.dataListOpen = settings.dataListOpen != 0;
    state.chartOpen = settings.chartOpen != 0;
    state.chartMode = settings.chartMode;
    state.hexFormat = settings.hexFormat != 0 ? 1 : 0;
    state.filter.filterActiveWord = settings.filterActiveWord;
    state.filter.filterMode = settings.filterMode;
}

}  // namespace

CaptureFileParts captureFileParts(const ProgramState& state, const DocumentContents& document) {
    CaptureFileParts parts;
    CaptureFileSettings& settings = parts.settings;
    settings.formatVersion = float(double(document.formatVersion) + document.formatVersionFraction);
    settings.autoCycleMs = document.autoCycleMs;
    settings.autoIntervalMs = document.autoIntervalMs;
    settings.capturing = flagWord(state.capture.capturing);
    settings.configured = flagWord(state.device.configured);
    settings.baudRateKbps = uint32_t(state.device.baudRate);
    settings.workMode = uint32_t(state.device.workMode);
    settings.filterIdentifierSeed = state.filterIdentifierSeed;
    settings.protocol = int32_t(state.protocol);
    settings.dataListOpen = flagWord(state.dataListOpen);
    settings.chartOpen = flagWord(state.chartOpen);
    settings.chartMode = state.chartMode;
    settings.hexFormat = state.hexFormat;
    settings.filterActiveWord = state.filter.filterActiveWord;
    settings.filterMode = state.filter.filterMode;
    settings.frameType = uint32_t(state.device.frameType);
    parts.conditions = state.filter.conditions;
    parts.autoItems = document.autoItems;
    parts.manualBuffers = document.manualBuffers;
    return parts;
}

Result<std::monostate> saveCaptureDocument(const std::string& path, ProgramState& state,
                                           const DocumentContents& document, const ProgressCallback& progress) {
    CaptureState& capture = state.capture;
    const uint32_t recordCount = capture.store.count();
    auto saved = saveCaptureFile(path, captureFileParts(state, document), capture.store, recordCount, progress);
    if (!saved)
        return saved;
    // Records that arrived during the save are not in the file; clearing the
    // changed flag regardless would let them be lost without a question on
    // close. Cleared first, so an append racing the check sets it again.
    capture.dataChanged = false;
    if (capture.store.count() != recordCount)
        capture.dataChanged = true;
    return saved;
}

Result<std::monostate> loadCaptureContents(CaptureFileReader& reader, ProgramState& state, DocumentContents& document,
                                           const ProgressCallback& progress) {
    // A capture left running would mix live frames into the loaded records;
    // the file's own capturing flag is restored at the end.
    CaptureState& capture = state.capture;
    capture.capturing = false;
    capture.clearEverything();
    state.filter.conditions.clear();
    document.autoItems.clear();

    auto parts = reader.readInto(capture.store, progress);
    if (!parts) {
        capture.clearEverything();
        return parts.error();
    }
    restoreSettings(parts->settings, state, document);
    state.filter.conditions = std::move(parts->conditions);
    document.autoItems = std::move(parts->autoItems);
    document.downloadedItemCount = uint32_t(document.autoItems.size());
    document.manualBuffers = parts->manualBuffers;
    // What was just loaded is what the file holds: nothing to save yet.
    capture.dataChanged = false;
    capture.capturing = parts->settings.capturing != 0;
    return std::monostate{};
}
