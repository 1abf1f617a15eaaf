// RuntimeFolder.h: the folder that holds the lock and the socket which keep
// one running copy per user. No other user may make it first, enter it or
// swap it, so the lock cannot be blocked and nothing found there is foreign.
#pragma once

#include "base/Result.h"

#include <sys/types.h>

#include <optional>
#include <string>

// What the choice depends on.
struct RuntimeFolderInputs {
    std::string runtimeDir;  // $XDG_RUNTIME_DIR
    std::string cacheHome;   // $XDG_CACHE_HOME
    std::string home;        // $HOME, else the home the user database names
    std::string hostName;
    uid_t user = 0;

    // From this process's environment and effective user.
    static RuntimeFolderInputs ofThisProcess();
};

struct RuntimeFolder {
    std::string path;
    // Why a runtime folder that was set is not used, and what is instead;
    // empty when it is used or was not set.
    std::string notice;
};

// The runtime folder when it fits (runtimeFolderFault); else `vorelin/HOST`
// in the cache folder, made private to the user by makePrivateFolder. A home
// may be shared by several machines: one folder per host keeps a copy on one
// from holding the lock for all.
Result<RuntimeFolder> chooseRuntimeFolder(const RuntimeFolderInputs& inputs);

// Why `path` cannot hold `user`'s lock and socket, or nothing when it can: an
// absolute path to a folder of the user's own that no one else may enter. A
// symbolic link is followed: the user named the path.
std::optional<std::string> runtimeFolderFault(const std::string& path, uid_t user);

// Makes `path` a folder of `user`'s own that no one else may enter: made with
// mode 0700 when missing, an existing one set to 0700. Refused when it is a
// symbolic link, not a folder, or another user's.
Result<std::monostate> makePrivateFolder(const std::string& path, uid_t user);
