#include "document/CaptureFileReader.h"

#include "core/FrameStore.h"
#include "core/StringTable.h"
#include "document/CandumpFrameLines.h"

#include <cassert>
#include <charconv>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>

namespace {

constexpr std::size_t kVersionBytes = sizeof(float);

// Takes fields one after another from a buffer holding a whole part; the
// caller has checked its size. The file is little-endian, as the machine is
// (FrameRecord.h checks), so a field's image is its memory image.
class FieldUnpacker {
public:
    explicit FieldUnpacker(const uint8_t* bytes) : next_(bytes) {}

    template <class T>
    T take() {
        T value;
        std::memcpy(&value, next_, sizeof value);
        next_ += sizeof value;
        return value;
    }
    void takeBytes(uint8_t* out, std::size_t size) {
        std::memcpy(out, next_, size);
        next_ += size;
    }
    void skip(std::size_t size) { next_ += size; }

private:
    const uint8_t* next_;
};

// The format's rule, an integer part of 1 and a fraction below 0.001, and the
// 0.0 of the first files. Nothing near 0.0 was ever written: text starting
// with an ASCII byte reads as such a tiny float, and is no capture file.
bool isAcceptedVersion(float version) {
    return version == 0.0f || (version >= 1.0f && version < 1.001f);
}

// A candump log opens with the time in brackets, perhaps after a byte-order
// mark; named as such, since its first bytes make no version worth telling.
bool startsLikeCandumpLog(std::string_view start) {
    if (start.starts_with(kUtf8ByteOrderMark))
        start.remove_prefix(kUtf8ByteOrderMark.size());
    return start.starts_with('(');
}

Error promisesTooMany(uint32_t count, const char* what, uint32_t most) {
    return makeError(strings::kDamagedFile, "it promises " + std::to_string(count) + " " + what +
                                                " holds at most " + std::to_string(most));
}

// "2.0", "1.5", "-0.0005", "nan": the shortest text that reads back the same,
// never in exponent form, and a whole number still reads as a version.
std::string versionText(float version) {
    char text[64];  // FLT_MAX takes 39 digits, the smallest denormal 45 decimals
    const auto end = std::to_chars(text, text + sizeof text, version, std::chars_format::fixed).ptr;
    std::string result(text, end);
    if (result.find_first_not_of("-0123456789") == std::string::npos)
        result += ".0";
    return result;
}

std::string bytesText(uint64_t bytes) { return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes"); }

// A read the system refused, with its reason; a file that merely ends early
// is damaged instead, which the callers tell apart by the empty reason.
Error readError(const FileReader& file) { return makeError(strings::kCannotReadFile, file.errorText()); }

struct Header {
    CaptureFileSettings settings;
    uint32_t records = 0;
    uint32_t conditions = 0;
    uint32_t autoItems = 0;
};

Header unpackHeader(const uint8_t* bytes) {
    FieldUnpacker unpacker(bytes);
    Header header;
    CaptureFileSettings& settings = header.settings;
    settings.formatVersion = unpacker.take<float>();
    settings.autoCycleMs = unpacker.take<uint32_t>();
    settings.autoIntervalMs = unpacker.take<uint32_t>();
    settings.capturing = unpacker.take<uint32_t>();
    settings.configured = unpacker.take<uint32_t>();
    unpacker.skip(sizeof(uint32_t));
    settings.baudRateKbps = unpacker.take<uint32_t>();
    settings.workMode = unpacker.take<uint32_t>();
    settings.filterIdentifierSeed = unpacker.take<uint32_t>();
    settings.protocol = unpacker.take<int32_t>();
    settings.dataListOpen = unpacker.take<uint32_t>();
    settings.chartOpen = unpacker.take<uint32_t>();
    settings.chartMode = unpacker.take<int32_t>();
    settings.hexFormat = unpacker.take<uint32_t>();
    unpacker.skip(sizeof(uint32_t));
    header.records = unpacker.take<uint32_t>();
    header.conditions = unpacker.take<uint32_t>();
    settings.filterActiveWord = unpacker.take<uint16_t>();
    settings.filterMode = unpacker.take<uint32_t>();
    settings.frameType = unpacker.take<uint32_t>();
    header.autoItems = unpacker.take<uint32_t>();
    return header;
}

// Writes every byte of `record`, which may be store memory never written before.
void unpackRecord(const uint8_t* bytes, FrameRecord& record) {
    FieldUnpacker unpacker(bytes);
    record.frame.padding[0] = record.frame.padding[1] = 0;
    record.busLoad = unpacker.take<uint32_t>();
    record.timeUs = unpacker.take<uint32_t>();
    record.timeMs = unpacker.take<uint32_t>();
    record.timeSec = unpacker.take<uint32_t>();
    record.timeMin = unpacker.take<uint32_t>();
    record.frame.length = unpacker.take<uint8_t>();
    record.frame.extended = unpacker.take<uint8_t>();
    record.frame.identifier = unpacker.take<uint32_t>();
    record.frame.remote = unpacker.take<uint32_t>();
    unpacker.takeBytes(record.frame.data, sizeof record.frame.data);
}

FilterCondition unpackCondition(const uint8_t* bytes) {
    FieldUnpacker unpacker(bytes);
    FilterCondition condition;
    condition.flags = unpacker.take<uint32_t>();
    condition.idMask = unpacker.take<uint32_t>();
    condition.reserved = unpacker.take<uint32_t>();
    for (int bit = 0; bit < kCaptureConditionIdBits; ++bit) {
        // Exactly 1 sets the bit; any other value clears it.
        if (unpacker.take<uint32_t>() == 1)
            condition.idBits |= uint32_t(1) << bit;
    }
    condition.frame.length = unpacker.take<uint8_t>();
    condition.frame.extended = unpacker.take<uint8_t>();
    condition.frame.remote = unpacker.take<uint32_t>();
    unpacker.takeBytes(condition.frame.data, sizeof condition.frame.data);
    condition.frame.identifier = unpacker.take<uint32_t>();
    condition.destMacId = unpacker.take<uint32_t>();
    condition.messageId = unpacker.take<uint32_t>();
    condition.sourceMacId = unpacker.take<uint32_t>();
    condition.cobId = unpacker.take<uint32_t>();
    condition.functionCode = unpacker.take<uint32_t>();
    condition.nodeId = unpacker.take<uint32_t>();
    return condition;
}

AutoMessageItem unpackAutoItem(const uint8_t* bytes) {
    FieldUnpacker unpacker(bytes);
    AutoMessageItem item;
    item.flags = unpacker.take<uint32_t>();
    item.frame.identifier = unpacker.take<uint32_t>();
    item.frame.extended = unpacker.take<uint8_t>();
    item.frame.remote = unpacker.take<uint32_t>();
    item.frame.length = unpacker.take<uint8_t>();
    unpacker.takeBytes(item.frame.data, sizeof item.frame.data);
    return item;
}

ManualBuffer unpackManualBuffer(const uint8_t* bytes) {
    FieldUnpacker unpacker(bytes);
    ManualBuffer buffer;
    buffer.identifier = unpacker.take<uint32_t>();
    buffer.length = unpacker.take<uint32_t>();
    buffer.frameType = unpacker.take<uint32_t>();
    buffer.remote = unpacker.take<uint32_t>();
    for (uint32_t& value : buffer.data)
        value = unpacker.take<uint32_t>();
    return buffer;
}

}  // namespace

CaptureFileReader::CaptureFileReader(FileReader file, const CaptureFileSettings& settings, uint32_t recordCount,
                                     uint32_t conditionCount, uint32_t autoItemCount)
    : file_(std::move(file)),
      settings_(settings),
      recordCount_(recordCount),
      conditionCount_(conditionCount),
      autoItemCount_(autoItemCount),
      offsetBytes_(kCaptureHeaderBytes) {}

Result<CaptureFileReader> CaptureFileReader::open(const std::string& path) {
    auto file = FileReader::open(path);
    if (!file)
        return makeError(strings::kCannotReadFile, file.error().text);
    const uint64_t sizeBytes = file->sizeBytes();

    // The version comes first, so that a file of another kind is named as
    // such even when it is shorter than a header.
    uint8_t headerImage[kCaptureHeaderBytes];
    const std::size_t headerBytes = std::size_t(std::min<uint64_t>(sizeBytes, kCaptureHeaderBytes));
    if (!file->read(headerImage, headerBytes)) {
        if (!file->errorText().empty())
            return readError(*file);
        return makeError(strings::kDamagedFile, "it ended while its header was read");
    }
    if (startsLikeCandumpLog({reinterpret_cast<const char*>(headerImage), headerBytes}))
        return makeError(strings::kNotACaptureFile, "a candump log");
    if (headerBytes >= kVersionBytes) {
        float version;
        std::memcpy(&version, headerImage, sizeof version);
        if (!isAcceptedVersion(version))
            return makeError(strings::kNotACaptureFile, "version " + versionText(version));
    }
    if (headerBytes < kCaptureHeaderBytes)
        return makeError(strings::kDamagedFile, bytesText(sizeBytes) + ", too short for its " +
                                                    std::to_string(kCaptureHeaderBytes) + "-byte header");

    const Header header = unpackHeader(headerImage);
    // Checked before anything is reserved: every later allocation is bounded
    // by the size of a file that really exists.
    const uint64_t promisedBytes = captureFileSizeBytes(header.records, header.conditions, header.autoItems);
    if (sizeBytes != promisedBytes)
        return makeError(strings::kDamagedFile,
                         bytesText(sizeBytes) + ", but its header promises " + std::to_string(promisedBytes));
    if (header.conditions > kMaxCaptureConditions)
        return promisesTooMany(header.conditions, "filter conditions; a filter", kMaxCaptureConditions);
    if (header.autoItems > kMaxCaptureAutoItems)
        return promisesTooMany(header.autoItems, "automation items; the list", kMaxCaptureAutoItems);
    return CaptureFileReader(std::move(*file), header.settings, header.records, header.conditions, header.autoItems);
}

Result<std::monostate> CaptureFileReader::readExactly(void* out, std::size_t size) {
    if (!file_.read(out, size)) {
        if (!file_.errorText().empty())
            return readError(file_);
        // The size was checked at open; the file has shrunk since.
        return makeError(strings::kDamagedFile,
                         "it ended within " + bytesText(offsetBytes_ + size) + ", but its header promises " +
                             std::to_string(captureFileSizeBytes(recordCount_, conditionCount_, autoItemCount_)));
    }
    offsetBytes_ += size;
    return std::monostate{};
}

Result<std::monostate> CaptureFileReader::readRecords(FrameStore& store, const ProgressCallback& progress) {
    if (recordCount_ == 0)
        return std::monostate{};
    // Every read is a system call, dearer than the copy it makes; a chunk of
    // 1.2 MB takes few of them and still sits in the cache while it is decoded.
    const uint32_t chunkRecords = std::min<uint32_t>(32768, recordCount_);
    const auto bytes = std::make_unique_for_overwrite<uint8_t[]>(chunkRecords * kCaptureRecordBytes);
    const uint64_t generation = store.generation();
    PercentProgress percent(recordCount_, progress);
    uint32_t position = 0;
    while (position < recordCount_) {
        const uint32_t n = std::min(chunkRecords, recordCount_ - position);
        auto read = readExactly(bytes.get(), n * kCaptureRecordBytes);
        if (!read)
            return read.error();
        percent.beforeRange(position, position + n);
        const uint8_t* chunk = bytes.get();
        auto decode = [chunk](FrameRecord* out, uint32_t first, uint32_t count) {
            for (uint32_t i = 0; i < count; ++i)
                unpackRecord(chunk + (first + i) * kCaptureRecordBytes, out[i]);
        };
        const uint32_t stored = store.appendFilled(n, generation, decode);
        if (stored != n)
            return makeError(strings::kCannotReadFile, "the capture store took only " +
                                                            std::to_string(position + stored) + " of its " +
                                                            std::to_string(recordCount_) + " records");
        position += n;
    }
    return std::monostate{};
}

Result<CaptureFileParts> CaptureFileReader::readInto(FrameStore& store, const ProgressCallback& progress) {
    assert(!consumed_ && "a capture file is read once");
    consumed_ = true;
    // The part being read, to name it when memory runs out. The lists grow
    // with what was read, never reserved by a count the file only promises.
    uint32_t count = recordCount_;
    const char* part = "records";
    try {
        auto records = readRecords(store, progress);
        if (!records)
            return records.error();

        CaptureFileParts parts;
        parts.settings = settings_;
        uint8_t image[kCaptureConditionBytes];
        count = conditionCount_;
        part = "filter conditions";
        for (uint32_t i = 0; i < conditionCount_; ++i) {
            auto read = readExactly(image, kCaptureConditionBytes);
            if (!read)
                return read.error();
            parts.conditions.push_back(unpackCondition(image));
        }
        count = autoItemCount_;
        part = "automation items";
        for (uint32_t i = 0; i < autoItemCount_; ++i) {
            auto read = readExactly(image, kCaptureAutoItemBytes);
            if (!read)
                return read.error();
            parts.autoItems.push_back(unpackAutoItem(image));
        }
        uint8_t buffers[kCaptureManualBuffersBytes];
        auto read = readExactly(buffers, sizeof buffers);
        if (!read)
            return read.error();
        parts.manualBuffers[0] = unpackManualBuffer(buffers);
        parts.manualBuffers[1] = unpackManualBuffer(buffers + kCaptureManualBufferBytes);
        return parts;
    } catch (const std::bad_alloc&) {
        // What was read is freed by now, so the message has room.
        return makeError(strings::kCannotReadFile,
                         "not enough memory for its " + std::to_string(count) + " " + part);
    }
}
