// CandumpImportBench: loads a candump log of 10,000,000 mixed frames (standard
// and extended, remote, 0 to 8 bytes, absolute times) from /tmp into an
// empty store: open(), which checks every line, then appendTo(). Prints
// candump_import_frames_per_s, the best of three rounds; checks the frame
// count and a checksum of the frames against those written. The first round
// also pays for the first touch of the store's memory, which on a virtual
// machine costs whatever the host makes it cost; every round is on stderr.
#include "MixedRecords.h"
#include "core/FrameStore.h"
#include "document/CandumpLogReader.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr uint32_t kFrames = 10'000'000;

uint64_t mixIn(uint64_t hash, uint64_t value) { return (hash ^ value) * 0x100000001B3ull; }

uint64_t frameChecksum(uint64_t hash, const CanFrame& frame) {
    hash = mixIn(hash, frame.identifier);
    hash = mixIn(hash, uint64_t(frame.extended) << 16 | uint64_t(frame.remote) << 8 | frame.length);
    for (int i = 0; i < frame.length && !frame.remote; ++i)
        hash = mixIn(hash, frame.data[i]);
    return hash;
}

// Writes the log with printf, apart from the code under test; returns the
// checksum of the frames it wrote.
uint64_t writeLog(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    MixedRecords frames(0x1234567, /*extendedOneIn=*/4);
    uint64_t hash = 0xCBF29CE484222325ull;
    uint64_t timeUs = 1'700'000'000'123'456ull;
    for (uint32_t i = 0; i < kFrames; ++i) {
        const CanFrame frame = frames.nextFrame();
        timeUs += 97;
        std::fprintf(file, "(%010llu.%06llu) can0 ", (unsigned long long)(timeUs / 1'000'000),
                     (unsigned long long)(timeUs % 1'000'000));
        std::fprintf(file, frame.extended ? "%08X#" : "%03X#", frame.identifier);
        if (frame.remote) {
            std::fputc('R', file);
            if (frame.length)
                std::fputc('0' + frame.length, file);
        } else {
            for (int b = 0; b < frame.length; ++b)
                std::fprintf(file, "%02X", frame.data[b]);
        }
        std::fputc('\n', file);
        hash = frameChecksum(hash, frame);
    }
    return std::fclose(file) == 0 ? hash : 0;
}

// The log is removed however the bench ends.
struct RemovedAtExit {
    std::string path;
    ~RemovedAtExit() { std::filesystem::remove(path); }
};

}  // namespace

int main() {
    const std::string path = "/tmp/vorelin-candump-bench-" + std::to_string(::getpid()) + ".log";
    std::fprintf(stderr, "candump_import_frames_per_s: writing %u frames to %s ...\n", kFrames, path.c_str());
    const RemovedAtExit log{path};
    const uint64_t written = writeLog(path);
    if (written == 0) {
        std::fprintf(stderr, "candump_import_frames_per_s: cannot write %s\n", path.c_str());
        return 1;
    }
    const uintmax_t bytes = std::filesystem::file_size(path);
    // The kernel would otherwise still be writing the new file out while it
    // is imported, and the import would pay for that.
    ::sync();

    constexpr int kRounds = 3;
    double best = 0;
    for (int round = 0; round < kRounds; ++round) {
        FrameStore store;
        const auto started = std::chrono::steady_clock::now();
        auto reader = CandumpLogReader::open(path);
        const auto appended = reader ? reader->appendTo(store, {}) : Result<std::monostate>(reader.error());
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        if (!appended) {
            std::fprintf(stderr, "candump_import_frames_per_s: load failed: %s\n", appended.error().text.c_str());
            return 1;
        }
        uint64_t hash = 0xCBF29CE484222325ull;
        for (uint32_t i = 0; i < store.count(); ++i)
            hash = frameChecksum(hash, store.at(i).frame);
        if (store.count() != kFrames || hash != written) {
            std::fprintf(stderr, "candump_import_frames_per_s: %u frames stored of %u written, checksum %s\n",
                         store.count(), kFrames, hash == written ? "equal" : "differs");
            return 1;
        }
        std::fprintf(stderr, "candump_import_frames_per_s: round %d: %.2f s\n", round + 1, seconds);
        best = round == 0 ? seconds : std::min(best, seconds);
    }
    std::fprintf(stderr, "candump_import_frames_per_s: %ju bytes, %u frames in %.2f s at best\n", bytes, kFrames, best);
    std::printf("candump_import_frames_per_s %.0f frames/s\n", kFrames / best);
    return 0;
}
