// FileWriterCalls.h: the system calls through which AtomicFileWriter changes
// the disk, held as plain function pointers so that a test can fail the N-th
// of them and check what the writer leaves behind. Private to the writer and
// its tests; nothing else calls through or replaces them.
#pragma once

#include <cstddef>

#include <sys/types.h>

struct FileWriterCalls {
    int (*openat)(int folderFd, const char* path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* bytes, std::size_t size);
    int (*fsync)(int fd);
    int (*linkat)(int fromFolderFd, const char* from, int toFolderFd, const char* to, int flags);
    int (*renameat)(int fromFolderFd, const char* from, int toFolderFd, const char* to);
};

// The calls every writer makes; the system's own unless a test swapped them.
// Not guarded: a test swaps them while no writer is at work.
extern FileWriterCalls fileWriterCalls;
