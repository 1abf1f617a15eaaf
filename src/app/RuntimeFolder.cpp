#include "app/RuntimeFolder.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

bool isAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string modeText(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", unsigned(mode & 07777));
    return text;
}

Error folderError(const std::string& path, const std::string& fault) { return makeError(path + ": " + fault); }

// A host name is not a path: it must not climb out of the folder or into a
// deeper one.
std::string hostFolderName(std::string hostName) {
    std::replace(hostName.begin(), hostName.end(), '/', '_');
    if (hostName.empty() || hostName == "." || hostName == "..")
        return "localhost";
    return hostName;
}

// The cache folder and the folders above it, as the user's own where missing.
Result<std::monostate> makeMissingFolders(const std::string& path) {
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string folder = path.substr(0, end);
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            return folderError(folder, systemError(errno).text);
        if (end == std::string::npos)
            return std::monostate{};
    }
}

Result<std::string> privateCacheFolder(const RuntimeFolderInputs& inputs) {
    std::string cache = isAbsolute(inputs.cacheHome) ? inputs.cacheHome : "";
    if (cache.empty() && isAbsolute(inputs.home))
        cache = inputs.home + "/.cache";
    if (cache.empty())
        return makeError("no home folder to keep the lock in");
    const std::string own = cache + "/vorelin";
    const std::string folder = own + "/" + hostFolderName(inputs.hostName);
    if (auto made = makeMissingFolders(cache); !made)
        return made.error();
    // One step at a time: a folder refused is not entered.
    for (const std::string& step : {own, folder}) {
        if (auto made = makePrivateFolder(step, inputs.user); !made)
            return made.error();
    }
    return folder;
}

}  // namespace

RuntimeFolderInputs RuntimeFolderInputs::ofThisProcess() {
    RuntimeFolderInputs inputs;
    inputs.user = ::geteuid();
    inputs.runtimeDir = environmentValue("XDG_RUNTIME_DIR");
    inputs.cacheHome = environmentValue("XDG_CACHE_HOME");
    inputs.home = environmentValue("HOME");
    if (!isAbsolute(inputs.home)) {
        if (const passwd* entry = ::getpwuid(inputs.user))
            inputs.home = entry->pw_dir;
    }
    char hostName[256] = {};
    if (::gethostname(hostName, sizeof hostName - 1) == 0)
        inputs.hostName = hostName;
    return inputs;
}

Result<RuntimeFolder> chooseRuntimeFolder(const RuntimeFolderInputs& inputs) {
    // An empty value counts as unset, and an unset one is no fault worth a word.
    std::string passedOver;
    if (!inputs.runtimeDir.empty()) {
        const std::optional<std::string> fault = runtimeFolderFault(inputs.runtimeDir, inputs.user);
        if (!fault)
            return RuntimeFolder{inputs.runtimeDir, {}};
        passedOver = "XDG_RUNTIME_DIR " + inputs.runtimeDir + ": " + *fault;
    }
    Result<std::string> fallback = privateCacheFolder(inputs);
    if (!fallback)
        return makeError(passedOver.empty() ? fallback.error().text : passedOver + "; " + fallback.error().text);
    return RuntimeFolder{*fallback, passedOver.empty() ? "" : passedOver + "; using " + *fallback};
}

std::optional<std::string> runtimeFolderFault(const std::string& path, uid_t user) {
    // A relative path would put the lock in whatever folder the program
    // started in.
    if (!isAbsolute(path))
        return "not an absolute path";
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return systemError(errno).text;
    if (!S_ISDIR(status.st_mode))
        return "not a folder";
    if (status.st_uid != user)
        return "another user's folder";
    if ((status.st_mode & 077) != 0)
        return "its mode " + modeText(status.st_mode) + " lets others in";
    return std::nullopt;
}

Result<std::monostate> makePrivateFolder(const std::string& path, uid_t user) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return folderError(path, systemError(errno).text);
    // Checked and narrowed through one descriptor, so that what is checked is
    // what is narrowed.
    const int folder = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status {};
    if (folder < 0) {
        const int error = errno;
        if (::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode))
            return folderError(path, "a symbolic link, not a folder");
        return folderError(path, error == ENOTDIR ? "not a folder" : systemError(error).text);
    }
    std::optional<std::string> fault;
    if (::fstat(folder, &status) != 0)
        fault = systemError(errno).text;
    else if (status.st_uid != user)
        fault = "another user's folder";
    else if ((status.st_mode & 07777) != 0700 && ::fchmod(folder, 0700) != 0) {
        const std::string why = systemError(errno).text;
        fault = "its mode " + modeText(status.st_mode) + " cannot be set to 0700: " + why;
    }
    ::close(folder);
    if (fault)
        return folderError(path, *fault);
    return std::monostate{};
}
