// TemporaryFileCleanup.h: removes a named temporary file when SIGINT, SIGTERM
// or SIGHUP ends the process while the file exists, so that an interrupted
// save leaves nothing behind. SIGKILL cannot be caught; that is why the file
// writer names a temporary file only where the file system forces it to.
//
// The handler is installed while at least one file is tracked, and only for
// a signal whose disposition is still the default (the one that would end the
// process without any cleanup). A handler the program set itself is left
// alone: it may stop a capture and go on to finish this very save, which a
// file removed under it would turn into a failure. An ignored signal stays
// ignored. The handler removes the tracked files, restores the default and
// raises the signal again, so the process ends as it would have.
#pragma once

#include <string_view>

class TemporaryFileCleanup {
public:
    // Tracks nothing.
    TemporaryFileCleanup() = default;
    // Tracks `name` in the folder open as `folderFd`, which must stay open
    // while tracked. A name longer than kMaxNameChars, or more files than
    // there are slots, goes untracked: then only a signal leaves it behind.
    TemporaryFileCleanup(int folderFd, std::string_view name);
    TemporaryFileCleanup(TemporaryFileCleanup&& other) noexcept;
    TemporaryFileCleanup& operator=(TemporaryFileCleanup&& other) noexcept;
    // Stops tracking; the file itself is the owner's to remove or keep.
    ~TemporaryFileCleanup();

    static constexpr std::size_t kMaxNameChars = 31;

private:
    void release();

    int slot_ = -1;
};
