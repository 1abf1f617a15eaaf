// CaptureFileBench: saving and loading a capture of 10 million mixed frames,
// each against reading the same file with cat in the same run, so the figures
// say how close the capture file comes to the disk's own pace. Prints
// orx_save_ratio_10M and orx_load_ratio_10M.
#include "app/CaptureFileReader.h"
#include "app/CaptureFileWriter.h"
#include "MixedRecords.h"
#include "core/FrameStore.h"

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

double catSeconds(const std::string& path) {
    const std::string command = "cat '" + path + "' > /dev/null";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "capture file bench: %s failed\n", command.c_str());
        std::exit(1);
    }
    return secondsSince(start);
}

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "capture file bench: %s\n", what.c_str());
    std::exit(1);
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
        const auto start = std::chrono::steady_clock::now();
        auto saved = saveCaptureFile(path, CaptureFileParts{}, store, store.count(), [](int) {});
        saveSeconds = secondsSince(start);
        if (!saved)
            fail("saving failed: " + saved.error().text);
    }

    catSeconds(path);  // warms the page cache for both measurements
    const double readSeconds = catSeconds(path);

    FrameStore loaded;
    const auto start = std::chrono::steady_clock::now();
    auto reader = CaptureFileReader::open(path);
    if (!reader)
        fail("opening failed: " + reader.error().text);
    auto parts = reader->readInto(loaded, [](int) {});
    const double loadSeconds = secondsSince(start);
    std::remove(path.c_str());
    if (!parts)
        fail("loading failed: " + parts.error().text);
    if (loaded.count() != kRecords || storeChecksum(loaded) != savedChecksum)
        fail("the loaded capture differs from the saved one");

    std::fprintf(stderr, "save %.3f s, load %.3f s, cat %.3f s\n", saveSeconds, loadSeconds, readSeconds);
    std::printf("orx_save_ratio_10M %.2f ratio\n", saveSeconds / readSeconds);
    std::printf("orx_load_ratio_10M %.2f ratio\n", loadSeconds / readSeconds);
    return 0;
}
