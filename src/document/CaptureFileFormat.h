// CaptureFileFormat.h: the sizes of a capture file's parts and what it holds
// besides the records, shared by its writer, its reader and the document
// steps around them. Fields follow each other without gaps, little-endian.
#pragma once

#include "core/AutoMessageItem.h"
#include "core/ManualBuffer.h"
#include "filters/FilterCondition.h"

#include <array>
#include <cstdint>
#include <vector>

constexpr uint64_t kCaptureHeaderBytes = 82;
constexpr uint64_t kCaptureRecordBytes = 38;
constexpr uint64_t kCaptureConditionBytes = 170;
constexpr uint64_t kCaptureAutoItemBytes = 22;
constexpr uint64_t kCaptureManualBufferBytes = 48;
constexpr uint64_t kCaptureManualBuffersBytes = 2 * kCaptureManualBufferBytes;
// The identifier bits a condition stores, one u32 each.
constexpr int kCaptureConditionIdBits = 29;
// The automation list holds at most 8 items, as many as the adapter sends
// cyclically; a file that promises more is damaged.
constexpr uint32_t kMaxCaptureAutoItems = 8;
// Conditions are added one at a time in the filter dialogs and each is tested
// against every frame: no filter holds more. A sparse file that promised
// 2^32 of them would otherwise be read for minutes into gigabytes.
constexpr uint32_t kMaxCaptureConditions = 65'536;

// The exact size of a file with these counts. It cannot overflow: even
// UINT32_MAX of each part stays below 2^40.
constexpr uint64_t captureFileSizeBytes(uint32_t records, uint32_t conditions, uint32_t autoItems) {
    return kCaptureHeaderBytes + kCaptureRecordBytes * records + kCaptureConditionBytes * conditions +
           kCaptureAutoItemBytes * autoItems + kCaptureManualBuffersBytes;
}

// Every header field except the three counts, with the file's own types.
struct CaptureFileSettings {
    float formatVersion = 1.0f;
    uint32_t autoCycleMs = 1;
    uint32_t autoIntervalMs = 1;
    uint32_t capturing = 0;
    uint32_t configured = 0;
    uint32_t baudRateKbps = 0;
    uint32_t workMode = 0;
    uint32_t filterIdentifierSeed = 0;
    int32_t protocol = -1;
    uint32_t dataListOpen = 0;
    uint32_t chartOpen = 0;
    int32_t chartMode = -1;
    uint32_t hexFormat = 1;
    uint16_t filterActiveWord = 0;  // filterActive in bit 0
    uint32_t filterMode = 0;
    uint32_t frameType = 1;
};

// Everything a capture file holds apart from the records, which stream
// straight between the file and the store.
struct CaptureFileParts {
    CaptureFileSettings settings;
    std::vector<FilterCondition> conditions;
    std::vector<AutoMessageItem> autoItems;
    std::array<ManualBuffer, 2> manualBuffers;
};
