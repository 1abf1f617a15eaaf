// RecentFileList.h: the most recently opened capture files, newest first,
// as File menu entries show them. The application stores them per user.
#pragma once

#include <string>
#include <vector>

class RecentFileList {
public:
    explicit RecentFileList(std::size_t capacity) : capacity_(capacity) {}

    // Puts `path` first; an entry already in the list moves up instead of
    // appearing twice, and the oldest falls off a full list.
    void add(const std::string& path);
    // A file that could not be opened leaves the list.
    void remove(const std::string& path);

    const std::vector<std::string>& paths() const { return paths_; }
    std::size_t capacity() const { return capacity_; }

private:
    std::size_t capacity_;
    std::vector<std::string> paths_;
};
