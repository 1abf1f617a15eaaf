// FormatScreenBench: the time the data list takes to produce every cell text
// of one screen deep in a long capture: 60 rows of the 12 DeviceNet columns at
// row 9,000,000 of 10,000,000. Prints format_screen_us_10M.
#include "MixedRecords.h"
#include "core/FrameStore.h"
#include "core/StringTable.h"
#include "core/VisibleRows.h"
#include "protocol/DeviceNetReading.h"
#include "views/DataListCells.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kRows = 10'000'000;
constexpr uint32_t kFirstRow = 9'000'000;
constexpr uint32_t kScreenRows = 60;
constexpr int kRepetitions = 5000;

void appendPrinted(std::string& out, const char* format, uint32_t value) {
    char text[16];
    out.append(text, std::size_t(std::snprintf(text, sizeof text, format, value)));
}

void appendOptional(std::string& out, const std::optional<uint32_t>& value) {
    if (value)
        appendPrinted(out, "%02X", *value);
    else
        out += "--";
}

// The screen as printf writes it, cells ended by a zero byte: the yardstick
// for the fast path.
std::string printedScreen(const FrameStore& store, const VisibleRows& rows) {
    std::string screen;
    for (uint32_t row = kFirstRow; row < kFirstRow + kScreenRows; ++row) {
        const FrameRecord& record = store.at(rows.at(row));
        const CanFrame& frame = record.frame;
        const DeviceNetReading reading = readDeviceNet(record);
        const bool remote = frame.remote == 1;
        appendPrinted(screen, "%u", row);
        screen += '\0';
        char time[64];
        std::snprintf(time, sizeof time, "%02u-%02u-%03u-%03u", record.timeMin, record.timeSec, record.timeMs,
                      record.timeUs);
        screen += time;
        screen += '\0';
        appendPrinted(screen, "%02u", record.busLoad);
        screen += '\0';
        appendPrinted(screen, "%X", frame.identifier);
        screen += '\0';
        screen += strings::text(frame.extended == 1 ? 6003 : 6002);
        screen += '\0';
        if (frame.extended)
            screen += "--";
        else
            appendPrinted(screen, "%u", reading.group);
        screen += '\0';
        appendOptional(screen, reading.sourceMacId);
        screen += '\0';
        appendOptional(screen, reading.destMacId);
        screen += '\0';
        appendOptional(screen, reading.messageId);
        screen += '\0';
        screen += strings::text(remote ? 6000 : 6100 + reading.kind);
        screen += '\0';
        appendPrinted(screen, "%u", frame.length);
        screen += '\0';
        if (remote) {
            screen += strings::text(6001);
        } else {
            for (int i = 0; i < std::min<int>(frame.length, kMaxDataBytes); ++i)
                appendPrinted(screen, "%02X ", frame.data[i]);
        }
        screen += '\0';
    }
    return screen;
}

uint64_t hashBytes(uint64_t hash, const char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        hash = (hash ^ static_cast<unsigned char>(bytes[i])) * 0x100000001B3ull;
    return hash;
}

constexpr uint64_t kHashStart = 0xCBF29CE484222325ull;

// Every cell of the screen through the list's own path, row to store
// position to record to text, hashed as printedScreen lays it out.
uint64_t formatScreen(const FrameStore& store, const VisibleRows& rows) {
    const int columns = int(dataListColumns(Protocol::deviceNet).size());
    char cell[kCellBufferSize];
    uint64_t hash = kHashStart;
    for (uint32_t row = kFirstRow; row < kFirstRow + kScreenRows; ++row) {
        const FrameRecord& record = store.at(rows.at(row));
        for (int column = 0; column < columns; ++column) {
            const std::size_t length = formatDataListCell(Protocol::deviceNet, row, record, column, cell);
            hash = hashBytes(hash, cell, length + 1);
        }
    }
    return hash;
}

}  // namespace

int main() {
    std::fprintf(stderr, "format_screen_us_10M: storing %u mixed records ...\n", kRows);
    FrameStore store;
    VisibleRows rows;
    MixedRecords records(0x2545F491);
    if (!storeShownRecords(records, kRows, store, rows, "format_screen_us_10M"))
        return 1;

    const std::string printed = printedScreen(store, rows);
    const uint64_t expected = hashBytes(kHashStart, printed.data(), printed.size());
    std::vector<double> screenUs;
    screenUs.reserve(kRepetitions);
    for (int repetition = 0; repetition < kRepetitions; ++repetition) {
        const auto started = std::chrono::steady_clock::now();
        const uint64_t hash = formatScreen(store, rows);
        const auto elapsed = std::chrono::steady_clock::now() - started;
        if (hash != expected) {
            std::fprintf(stderr, "format_screen_us_10M: the cells differ from printf's texts\n");
            return 1;
        }
        screenUs.push_back(std::chrono::duration<double, std::micro>(elapsed).count());
    }
    std::sort(screenUs.begin(), screenUs.end());
    std::fprintf(stderr, "format_screen_us_10M: %d screens, fastest %.2f us, slowest %.2f us\n", kRepetitions,
                 screenUs.front(), screenUs.back());
    std::printf("format_screen_us_10M %.2f us\n", screenUs[screenUs.size() / 2]);
    return 0;
}
