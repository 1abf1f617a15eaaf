#include "core/TemporaryFileCleanup.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array kSignals = {SIGINT, SIGTERM, SIGHUP};

// Fixed storage the handler can read without allocating or locking: a slot
// is filled first and published as live last, so the handler never sees a
// half-written name.
enum SlotState : int { kFree, kFilling, kLive };

struct Slot {
    std::atomic<int> state{kFree};
    int folderFd = -1;
    char name[TemporaryFileCleanup::kMaxNameChars + 1] = {};
};
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the slots' state");

// More saves at once than any window or command makes.
Slot slots[16];

std::mutex installMutex;
int trackedCount = 0;
struct sigaction previousActions[kSignals.size()];
bool installed[kSignals.size()] = {};

// Only async-signal-safe calls: unlinkat, sigaction, raise.
void removeTrackedAndReraise(int signal) {
    for (Slot& slot : slots)
        if (slot.state.load(std::memory_order_acquire) == kLive)
            ::unlinkat(slot.folderFd, slot.name, 0);
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    ::sigaction(signal, &fallback, nullptr);
    // Blocked while this handler runs, so it ends the process on return.
    ::raise(signal);
}

void installHandler() {
    struct sigaction ours {};
    ours.sa_handler = removeTrackedAndReraise;
    ours.sa_flags = SA_RESTART;
    sigemptyset(&ours.sa_mask);
    for (int signal : kSignals)
        sigaddset(&ours.sa_mask, signal);
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction current {};
        if (::sigaction(kSignals[i], nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO) != 0 ||
            current.sa_handler != SIG_DFL)
            continue;
        installed[i] = ::sigaction(kSignals[i], &ours, &previousActions[i]) == 0;
    }
}

void uninstallHandler() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (!std::exchange(installed[i], false))
            continue;
        // A handler the program set since then stays.
        struct sigaction current {};
        if (::sigaction(kSignals[i], nullptr, &current) == 0 && (current.sa_flags & SA_SIGINFO) == 0 &&
            current.sa_handler == removeTrackedAndReraise)
            ::sigaction(kSignals[i], &previousActions[i], nullptr);
    }
}

}  // namespace

TemporaryFileCleanup::TemporaryFileCleanup(int folderFd, std::string_view name) {
    if (name.size() > kMaxNameChars)
        return;
    for (int i = 0; i < int(std::size(slots)); ++i) {
        int expected = kFree;
        if (slots[i].state.compare_exchange_strong(expected, kFilling, std::memory_order_acquire)) {
            slot_ = i;
            break;
        }
    }
    if (slot_ < 0)
        return;
    Slot& slot = slots[slot_];
    slot.folderFd = folderFd;
    std::memcpy(slot.name, name.data(), name.size());
    slot.name[name.size()] = '\0';
    {
        // Installed before the slot goes live, so that no signal in between
        // takes the default course with the file still there.
        const std::lock_guard lock(installMutex);
        if (trackedCount++ == 0)
            installHandler();
    }
    slot.state.store(kLive, std::memory_order_release);
}

TemporaryFileCleanup::TemporaryFileCleanup(TemporaryFileCleanup&& other) noexcept
    : slot_(std::exchange(other.slot_, -1)) {}

TemporaryFileCleanup& TemporaryFileCleanup::operator=(TemporaryFileCleanup&& other) noexcept {
    if (this != &other) {
        release();
        slot_ = std::exchange(other.slot_, -1);
    }
    return *this;
}

TemporaryFileCleanup::~TemporaryFileCleanup() { release(); }

void TemporaryFileCleanup::release() {
    if (slot_ < 0)
        return;
    slots[std::exchange(slot_, -1)].state.store(kFree, std::memory_order_release);
    const std::lock_guard lock(installMutex);
    if (--trackedCount == 0)
        uninstallHandler();
}
