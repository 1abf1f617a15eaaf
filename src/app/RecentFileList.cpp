#include "app/RecentFileList.h"

#include <algorithm>

void RecentFileList::add(const std::string& path) {
    remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > capacity_)
        paths_.resize(capacity_);
}

void RecentFileList::remove(const std::string& path) { std::erase(paths_, path); }
