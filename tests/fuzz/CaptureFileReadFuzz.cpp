// CaptureFileReadFuzz: feeds arbitrary bytes to the capture file reader as a
// file, looking for crashes, sanitizer reports, an error of a kind the input
// cannot cause, and a success whose counts do not match the input's size.
#include "core/FrameStore.h"
#include "core/StringTable.h"
#include "document/CaptureFileReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// The input lives in memory, not on disk: one anonymous file, rewritten for
// every input and opened afresh through its /proc name.
const std::string& inputPath() {
    static const std::string path = [] {
        const int fd = ::memfd_create("capture-file-fuzz", MFD_CLOEXEC);
        if (fd < 0)
            std::abort();
        return "/proc/self/fd/" + std::to_string(fd);
    }();
    return path;
}

void putInput(const uint8_t* data, std::size_t size) {
    const int fd = std::atoi(inputPath().c_str() + std::strlen("/proc/self/fd/"));
    if (::ftruncate(fd, 0) != 0 || (size > 0 && ::pwrite(fd, data, size, 0) != ssize_t(size)))
        std::abort();
}

void checkRefusal(const Error& error) {
    if (error.number != strings::kNotACaptureFile && error.number != strings::kDamagedFile)
        std::abort();
    if (error.text.empty() || error.text.find('\n') != std::string::npos)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    putInput(data, size);
    auto reader = CaptureFileReader::open(inputPath());
    if (!reader) {
        checkRefusal(reader.error());
        return 0;
    }
    if (captureFileSizeBytes(reader->recordCount(), reader->conditionCount(), reader->autoItemCount()) != size)
        std::abort();
    FrameStore store;
    auto parts = reader->readInto(store, [](int percent) {
        if (percent < 1 || percent > 99)
            std::abort();
    });
    if (!parts || store.count() != reader->recordCount() || parts->conditions.size() != reader->conditionCount() ||
        parts->autoItems.size() != reader->autoItemCount())
        std::abort();
    if (store.count() > 0 && std::memcmp(&store.at(0).busLoad, data + kCaptureHeaderBytes, 4) != 0)
        std::abort();
    return 0;
}
