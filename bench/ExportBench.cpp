// ExportBench: the text export of 10,000,000 rows in the DeviceNet layout to
// a file under /tmp, committed (synced and renamed) as the program does.
// Prints export_mb_per_s; checks the line count and, against printf's text,
// every 997th row.
#include "MixedRecords.h"
#include "core/AtomicFileWriter.h"
#include "core/FrameStore.h"
#include "core/VisibleRows.h"
#include "protocol/DeviceNetReading.h"
#include "views/TextExport.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

constexpr uint32_t kRows = 10'000'000;
constexpr uint32_t kCheckEvery = 997;
// Title, date/time and its blank line, amount and its blank line, heading, dashes.
constexpr uint32_t kHeaderLines = 7;

const char* const kDescriptions[] = {
    "", "--------", "Slave's IO COS/CC Msg", "Slave's IO Bit-Strobe Res Msg", "Slave's IO Poll Res or COS/CC Ack",
    "Master's I/O Bit-Strobe Cmd Msg", "Reserved for Master's TBD", "Master's COS/CC Ack Msg", "Slave's Exp Res Msg",
    "Master's Exp Req Msg", "Master's IO Poll/COS/CC Msg", "Grp2 Only Unconn Exp Req Msg(rsd)",
    "Duplicate MAC ID Check Msg", "Unconn Exp Res Msg", "Unconn Exp Req Msg", "------", "Reserved Group 4 Msg",
    "Comm Faulted Res Msg", "Comm Faulted Req Msg", "Offline Ownership Res Msg", "Offline Ownership Req Msg",
    "Invalid CAN Identifiers",
};

std::string optionalHex(const std::optional<uint32_t>& value) {
    char text[8];
    if (!value)
        return "--";
    std::snprintf(text, sizeof text, "%02X", *value);
    return text;
}

// The row as printf writes it, for the check.
std::string printedLine(uint32_t row, const FrameRecord& record) {
    const CanFrame& frame = record.frame;
    char text[512];
    int n = std::snprintf(text, sizeof text, "%07u  %02u-%02u-%03u-%03u   %02u   ", row, record.timeMin, record.timeSec,
                          record.timeMs, record.timeUs, record.busLoad);
    const DeviceNetReading reading = readDeviceNet(record);
    if (reading.group == 0) {
        n += std::snprintf(text + n, sizeof text - std::size_t(n),
                           "  %03XExtend  -  --   --     --    Invalid data%27s%u", frame.identifier, "", frame.length);
    } else {
        const int g = int(reading.group);
        const std::string source = optionalHex(reading.sourceMacId) + (g == 3 ? "  " : "");
        const std::string dest = (g == 3 ? " " : "   ") + optionalHex(reading.destMacId);
        const std::string message = optionalHex(reading.messageId) + (g == 2 ? "  " : "");
        const char* lead = g == 2 ? "  " : "    ";
        const int width = (g == 1 || g == 3 ? 37 : 35) - (g == 2 ? 2 : 4);
        n += std::snprintf(text + n, sizeof text - std::size_t(n), "    %03X   Standard  %d  %s%s     %s%s%-*s%s%u",
                           frame.identifier, g, source.c_str(), dest.c_str(), message.c_str(), lead, width,
                           kDescriptions[reading.kind], g == 4 ? "    " : "  ", frame.length);
    }
    n += std::snprintf(text + n, sizeof text - std::size_t(n), "  ");
    if (frame.remote == 1) {
        n += std::snprintf(text + n, sizeof text - std::size_t(n), "Remote Frame");
    } else {
        for (int i = 0; i < frame.length; ++i)
            n += std::snprintf(text + n, sizeof text - std::size_t(n), "%02X ", frame.data[i]);
    }
    return std::string(text, std::size_t(n)) + "\r";
}

bool checkFile(const std::string& path, const FrameStore& store) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    uint32_t lineNumber = 0;
    uint32_t checked = 0;
    while (std::getline(in, line)) {
        if (lineNumber >= kHeaderLines && lineNumber < kHeaderLines + kRows) {
            const uint32_t row = lineNumber - kHeaderLines;
            if (row % kCheckEvery == 0) {
                if (line != printedLine(row, store.at(row))) {
                    std::fprintf(stderr, "export_mb_per_s: row %u reads\n%s\ninstead of\n%s\n", row, line.c_str(),
                                 printedLine(row, store.at(row)).c_str());
                    return false;
                }
                ++checked;
            }
        }
        ++lineNumber;
    }
    const uint32_t expectedLines = kHeaderLines + kRows + 2;
    if (lineNumber != expectedLines || line != "End of message logs") {
        std::fprintf(stderr, "export_mb_per_s: %u lines, the last \"%s\"; expected %u ending in the closing text\n",
                     lineNumber, line.c_str(), expectedLines);
        return false;
    }
    std::fprintf(stderr, "export_mb_per_s: %u rows compared with printf's text\n", checked);
    return true;
}

}  // namespace

int main() {
    std::fprintf(stderr, "export_mb_per_s: storing %u varied records ...\n", kRows);
    FrameStore store;
    VisibleRows rows;
    MixedRecords records(0x9E3779B9);
    if (!storeShownRecords(records, kRows, store, rows, "export_mb_per_s"))
        return 1;

    const std::string path = "/tmp/vorelin-export-bench-" + std::to_string(::getpid()) + ".txt";
    auto writer = AtomicFileWriter::create(path);
    if (!writer) {
        std::fprintf(stderr, "export_mb_per_s: cannot create %s: %s\n", path.c_str(), writer.error().text.c_str());
        return 1;
    }
    const auto started = std::chrono::steady_clock::now();
    const auto written = writeTextExport(*writer, Protocol::deviceNet, store, rows, "2024-01-02 03:04:05", {});
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (!written) {
        std::fprintf(stderr, "export_mb_per_s: export failed: %s\n", written.error().text.c_str());
        std::filesystem::remove(path);
        return 1;
    }
    const uintmax_t bytes = std::filesystem::file_size(path);
    const bool correct = checkFile(path, store);
    std::filesystem::remove(path);
    if (!correct)
        return 1;
    std::fprintf(stderr, "export_mb_per_s: %ju bytes in %.2f s, sync and rename included\n", bytes, seconds);
    std::printf("export_mb_per_s %.1f MB/s\n", double(bytes) / 1e6 / seconds);
    return 0;
}
