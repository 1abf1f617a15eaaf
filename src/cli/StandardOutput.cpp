#include "cli/StandardOutput.h"

#include "cli/CliSupport.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace cli {

namespace {
// Large enough that a million rows cost few system calls.
constexpr std::size_t kWriteBytes = 64 * 1024;
}  // namespace

void StandardOutput::print(std::string_view text) {
    if (hasFailed())
        return;
    held_.append(text);
    if (held_.size() >= kWriteBytes)
        writeHeld();
}

void StandardOutput::writeHeld() {
    std::size_t written = 0;
    while (written < held_.size() && !hasFailed()) {
        const ssize_t n = ::write(STDOUT_FILENO, held_.data() + written, held_.size() - written);
        if (n > 0)
            written += std::size_t(n);
        else if (n < 0 && errno != EINTR)
            errorNumber_ = errno;
        else if (n == 0)
            errorNumber_ = ENOSPC;  // nothing taken and no reason given: the device is full
    }
    held_.clear();
}

int StandardOutput::finish(std::string_view command, int status) {
    writeHeld();
    if (!hasFailed())
        return status;
    reportError(command, std::string("standard output: ") + std::strerror(errorNumber_));
    return status == kExitOk ? kExitFailure : status;
}

}  // namespace cli
