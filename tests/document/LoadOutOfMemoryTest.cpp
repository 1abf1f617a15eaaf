// Opening and loading while memory runs out: each allocation of a load is
// failed in turn, as a machine out of memory fails it, and each must end in a
// refused file with a message, or a load that still succeeds; never in an
// abort or half a capture. A program of its own, because it replaces
// operator new for the whole process.
#include "core/DocumentContents.h"
#include "core/StringTable.h"
#include "document/CaptureFileWriter.h"
#include "document/OpenedCapture.h"
#include "document/ProgramState.h"
#include "support/Frames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <optional>

namespace {

// Allocations to let through before the one that fails; negative when none is to fail.
long allocationsBeforeFailure = -1;
bool allocationFailed = false;

// Fails the allocation after the first `count` of this scope.
class FailingAllocation {
public:
    explicit FailingAllocation(long count) {
        allocationFailed = false;
        allocationsBeforeFailure = count;
    }
    ~FailingAllocation() { allocationsBeforeFailure = -1; }
    FailingAllocation(const FailingAllocation&) = delete;
    FailingAllocation& operator=(const FailingAllocation&) = delete;
};

void* allocate(std::size_t size) {
    if (allocationsBeforeFailure >= 0 && allocationsBeforeFailure-- == 0) {
        allocationFailed = true;
        return nullptr;
    }
    return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

// Every form that allocates and frees through malloc, so that none is paired
// with the sanitizer's own.
void* operator new(std::size_t size) {
    if (void* memory = allocate(size))
        return memory;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

TEST(LoadOutOfMemory, EveryFailedAllocationRefusesTheFileAndLeavesNoHalfCapture) {
    TempDir dir;
    const std::string captureFile = dir.file("capture.orx");
    {
        FrameStore store;
        for (uint32_t i = 0; i < 3; ++i)
            store.append(taggedRecord(i));
        CaptureFileParts parts;
        parts.conditions.resize(2);
        parts.autoItems.resize(2);
        ASSERT_TRUE(saveCaptureFile(captureFile, parts, store, 3, nullptr));
    }
    const std::string log = dir.file("bus.log");
    TempDir::write(log, "(1.000000) can0 123#11\n(2.000000) can0 124#\n(3.000000) can0 125#R\n");

    for (const std::string& path : {captureFile, log}) {
        for (long count = 0;; ++count) {
            SCOPED_TRACE(path + ", allocation " + std::to_string(count) + " failed");
            ProgramState state;
            state.capture.store.append(taggedRecord(99));
            DocumentContents document;
            std::optional<Result<OpenedCapture>> opened;
            std::optional<Result<std::monostate>> loaded;
            {
                const FailingAllocation failing(count);
                opened.emplace(OpenedCapture::open(path));
                if (*opened)
                    loaded.emplace((*opened)->loadInto(state, document, nullptr));
            }
            if (!*opened) {
                EXPECT_EQ(opened->error().number, strings::kCannotReadFile) << opened->error().text;
                ASSERT_EQ(state.capture.store.count(), 1u) << "a file refused at open leaves the capture alone";
                EXPECT_EQ(state.capture.store.at(0), taggedRecord(99));
            } else if (!*loaded) {
                EXPECT_EQ(loaded->error().number, strings::kCannotReadFile) << loaded->error().text;
                EXPECT_EQ(state.capture.store.count(), 0u) << "no half capture";
            } else {
                EXPECT_EQ(state.capture.store.count(), 3u);
            }
            if (!allocationFailed)
                break;
        }
    }
}
