#include "cli/CliSupport.h"

#include "core/StringTable.h"

#include <cstdio>
#include <cstdlib>

namespace cli {

void reportError(std::string_view command, std::string_view message) {
    std::fprintf(stderr, "%.*s: %.*s\n", int(command.size()), command.data(), int(message.size()), message.data());
}

std::string defaultAdapterSelector() {
    const char* fromEnvironment = std::getenv("VORELIN_ADAPTER");
    return fromEnvironment && *fromEnvironment ? fromEnvironment : "sim";
}

void reportCaptureFileError(std::string_view command, std::string_view path, const Error& error) {
    std::string problem = error.text;
    if (error.number == strings::kNotACaptureFile)
        problem = "not a capture file of Vorelin, or written by a newer version (" + error.text + ")";
    else if (error.number == strings::kOpenFileError)
        problem = "cannot create the file: " + error.text;
    reportError(command, std::string(path) + ": " + problem);
}

int captureFileExitStatus(const Error& error) {
    const bool malformed = error.number == strings::kNotACaptureFile || error.number == strings::kDamagedFile;
    return malformed ? kExitUsage : kExitFailure;
}

}  // namespace cli
