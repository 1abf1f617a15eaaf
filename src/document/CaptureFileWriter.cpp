#include "document/CaptureFileWriter.h"

#include "core/AtomicFileWriter.h"
#include "core/FrameStore.h"
#include "core/StringTable.h"

#include <algorithm>
#include <cstring>

namespace {

// Lays fields down one after another in a caller's buffer. The file is
// little-endian, as the machine is (FrameRecord.h checks), so a field's
// image is its memory image.
class FieldPacker {
public:
    explicit FieldPacker(uint8_t* out) : next_(out) {}

    template <class T>
    void put(const T& value) {
        std::memcpy(next_, &value, sizeof value);
        next_ += sizeof value;
    }
    void putBytes(const uint8_t* bytes, std::size_t size) {
        std::memcpy(next_, bytes, size);
        next_ += size;
    }

private:
    uint8_t* next_;
};

void packHeader(uint8_t* out, const CaptureFileSettings& settings, uint32_t records, uint32_t conditions,
                uint32_t autoItems) {
    constexpr uint32_t kReserved = 0;
    FieldPacker packer(out);
    packer.put(settings.formatVersion);
    packer.put(settings.autoCycleMs);
    packer.put(settings.autoIntervalMs);
    packer.put(settings.capturing);
    packer.put(settings.configured);
    packer.put(kReserved);
    packer.put(settings.baudRateKbps);
    packer.put(settings.workMode);
    packer.put(settings.filterIdentifierSeed);
    packer.put(settings.protocol);
    packer.put(settings.dataListOpen);
    packer.put(settings.chartOpen);
    packer.put(settings.chartMode);
    packer.put(settings.hexFormat);
    packer.put(kReserved);
    packer.put(records);
    packer.put(conditions);
    packer.put(settings.filterActiveWord);
    packer.put(settings.filterMode);
    packer.put(settings.frameType);
    packer.put(autoItems);
}

void packRecord(uint8_t* out, const FrameRecord& record) {
    FieldPacker packer(out);
    packer.put(record.busLoad);
    packer.put(record.timeUs);
    packer.put(record.timeMs);
    packer.put(record.timeSec);
    packer.put(record.timeMin);
    packer.put(record.frame.length);
    packer.put(record.frame.extended);
    packer.put(record.frame.identifier);
    packer.put(record.frame.remote);
    // All eight, whatever the length says: the file keeps the bytes as stored.
    packer.putBytes(record.frame.data, sizeof record.frame.data);
}

void packCondition(uint8_t* out, const FilterCondition& condition) {
    FieldPacker packer(out);
    packer.put(condition.flags);
    packer.put(condition.idMask);
    packer.put(condition.reserved);
    for (int bit = 0; bit < kCaptureConditionIdBits; ++bit)
        packer.put(uint32_t((condition.idBits >> bit) & 1));
    packer.put(condition.frame.length);
    packer.put(condition.frame.extended);
    packer.put(condition.frame.remote);
    packer.putBytes(condition.frame.data, sizeof condition.frame.data);
    packer.put(condition.frame.identifier);
    packer.put(condition.destMacId);
    packer.put(condition.messageId);
    packer.put(condition.sourceMacId);
    packer.put(condition.cobId);
    packer.put(condition.functionCode);
    packer.put(condition.nodeId);
}

void packAutoItem(uint8_t* out, const AutoMessageItem& item) {
    FieldPacker packer(out);
    packer.put(item.flags);
    packer.put(item.frame.identifier);
    packer.put(item.frame.extended);
    packer.put(item.frame.remote);
    packer.put(item.frame.length);
    packer.putBytes(item.frame.data, sizeof item.frame.data);
}

void packManualBuffer(uint8_t* out, const ManualBuffer& buffer) {
    FieldPacker packer(out);
    packer.put(buffer.identifier);
    packer.put(buffer.length);
    packer.put(buffer.frameType);
    packer.put(buffer.remote);
    for (uint32_t value : buffer.data)
        packer.put(value);
}

// Packs a chunk of records at a time, so the writer sees a few large writes
// instead of one small one per record.
bool writeRecords(AtomicFileWriter& writer, const FrameStore& store, uint32_t recordCount,
                  const ProgressCallback& progress) {
    constexpr uint32_t kChunkRecords = 1024;
    uint8_t chunk[kChunkRecords * kCaptureRecordBytes];
    PercentProgress percent(recordCount, progress);
    uint32_t position = 0;
    while (position < recordCount) {
        const uint32_t n = std::min(kChunkRecords, recordCount - position);
        for (uint32_t i = 0; i < n; ++i) {
            percent.before(position + i);
            packRecord(chunk + i * kCaptureRecordBytes, store.at(position + i));
        }
        if (!writer.write(chunk, n * kCaptureRecordBytes))
            return false;
        position += n;
    }
    return true;
}

template <class T, class Pack>
bool writeEach(AtomicFileWriter& writer, const std::vector<T>& items, std::size_t sizeBytes, Pack pack) {
    static_assert(kCaptureAutoItemBytes <= kCaptureConditionBytes);
    uint8_t image[kCaptureConditionBytes];
    for (const T& item : items) {
        pack(image, item);
        if (!writer.write(image, sizeBytes))
            return false;
    }
    return true;
}

// Stops at the first failed write; commit() then reports it.
void writeContents(AtomicFileWriter& writer, const CaptureFileParts& parts, const FrameStore& store,
                   uint32_t recordCount, const ProgressCallback& progress) {
    uint8_t header[kCaptureHeaderBytes];
    packHeader(header, parts.settings, recordCount, uint32_t(parts.conditions.size()),
               uint32_t(parts.autoItems.size()));
    if (!writer.write(header, sizeof header) || !writeRecords(writer, store, recordCount, progress) ||
        !writeEach(writer, parts.conditions, kCaptureConditionBytes, packCondition) ||
        !writeEach(writer, parts.autoItems, kCaptureAutoItemBytes, packAutoItem))
        return;
    uint8_t buffers[kCaptureManualBuffersBytes];
    packManualBuffer(buffers, parts.manualBuffers[0]);
    packManualBuffer(buffers + kCaptureManualBufferBytes, parts.manualBuffers[1]);
    writer.write(buffers, sizeof buffers);
}

}  // namespace

Result<std::monostate> saveCaptureFile(const std::string& path, const CaptureFileParts& parts, const FrameStore& store,
                                       uint32_t recordCount, const ProgressCallback& progress) {
    auto writer = AtomicFileWriter::create(path);
    if (!writer)
        return makeError(strings::kCannotSaveFile, writer.error().text);
    writeContents(*writer, parts, store, recordCount, progress);
    auto committed = writer->commit();
    if (!committed)
        return makeError(strings::kCannotSaveFile, committed.error().text);
    return std::monostate{};
}
