// CaptureFileBench: saving and loading a capture of 10 million mixed frames,
// each against reading the same file with cat in the same run, so the figures
// say how close the capture file comes to the system's own pace. A save must
// reach the disk before it replaces the old file, which a cat of a cached file
// never waits for; so the save is also set against dd writing the same bytes
// with conv=fsync. Prints orx_save_ratio_10M, orx_save_durable_ratio_10M and
// orx_load_ratio_10M.
#include "MixedRecords.h"
#include "core/FrameStore.h"
#include "document/CaptureFileReader.h"
#include "document/CaptureFileWriter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

constexpr uint32_t kRecords = 10'000'000;

// FNV-1a over every field the file carries.
uint64_t storeChecksum(const FrameStore& store) {
    uint64_t hash = 1469598103934665603ull;
    auto mix = [&hash](uint64_t value) {
        hash ^= value;
        hash *= 1099511628211ull;
    };
    for (uint32_t i = 0; i < store.count(); ++i) {
        const FrameRecord& r = store.at(i);
        mix(r.busLoad);
        mix(r.timeUs);
        mix(r.timeMs);
        mix(r.timeSec);
        mix(r.timeMin);
        mix(r.frame.remote);
        mix(r.frame.extended);
        mix(r.frame.length);
        mix(r.frame.identifier);
        for (uint8_t byte : r.frame.data)
            mix(byte);
    }
    return hash;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "capture file bench: %s\n", what.c_str());
    std::exit(1);
}

double commandSeconds(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0)
        fail(command + " failed");
    return secondsSince(start);
}

double catSeconds(const std::string& path) { return commandSeconds("cat '" + path + "' > /dev/null"); }

// Writes still under way from an earlier step would be charged to the next one.
void settleDisk() {
    ::sync();
    ::usleep(200'000);
}

// The disk's pace varies from one write to the next; the best of a few rounds,
// taken alike on both sides, is what each can reach.
constexpr int kRounds = 5;

// Loads the file into a new store; the last round's store is checked against
// what was saved.
double loadSeconds(const std::string& path, uint64_t savedChecksum, bool check) {
    FrameStore loaded;
    const auto start = std::chrono::steady_clock::now();
    auto reader = CaptureFileReader::open(path);
    if (!reader)
        fail("opening failed: " + reader.error().text);
    auto parts = reader->readInto(loaded, [](int) {});
    const double seconds = secondsSince(start);
    if (!parts)
        fail("loading failed: " + parts.error().text);
    if (check && (loaded.count() != kRecords || storeChecksum(loaded) != savedChecksum))
        fail("the loaded capture differs from the saved one");
    return seconds;
}

template <class Measure>
double fastestOf(Measure measure) {
    double best = measure(0);
    for (int round = 1; round < kRounds; ++round)
        best = std::min(best, measure(round));
    return best;
}

}  // namespace

int main() {
    const std::string path = "/tmp/vorelin-capture-bench-" + std::to_string(::getpid()) + ".orx";
    uint64_t savedChecksum = 0;
    double saveSeconds = 0;
    {
        FrameStore store;
        MixedRecords records;
        for (uint32_t i = 0; i < kRecords; ++i)
            store.append(records.nextRecord());
        savedChecksum = storeChecksum(store);
        // The later rounds replace the file, as a second Save does.
        saveSeconds = fastestOf([&](int) {
            settleDisk();
            const auto start = std::chrono::steady_clock::now();
            auto saved = saveCaptureFile(path, CaptureFileParts{}, store, store.count(), [](int) {});
            const double seconds = secondsSince(start);
            if (!saved)
                fail("saving failed: " + saved.error().text);
            return seconds;
        });
    }

    const std::string copy = path + ".dd";
    const double durableWriteSeconds = fastestOf([&](int) {
        settleDisk();
        return commandSeconds("dd if='" + path + "' of='" + copy + "' bs=1M conv=fsync status=none");
    });
    std::remove(copy.c_str());

    catSeconds(path);  // warms the page cache for both measurements
    const double readSeconds = fastestOf([&](int) { return catSeconds(path); });
    const double loadBest =
        fastestOf([&](int round) { return loadSeconds(path, savedChecksum, round == kRounds - 1); });
    std::remove(path.c_str());

    std::fprintf(stderr, "save %.3f s, dd conv=fsync %.3f s, load %.3f s, cat %.3f s (best of %d each)\n",
                 saveSeconds, durableWriteSeconds, loadBest, readSeconds, kRounds);
    std::printf("orx_save_ratio_10M %.2f ratio\n", saveSeconds / readSeconds);
    std::printf("orx_save_durable_ratio_10M %.2f ratio\n", saveSeconds / durableWriteSeconds);
    std::printf("orx_load_ratio_10M %.2f ratio\n", loadBest / readSeconds);
    return 0;
}
