// StandardOutput.h: the one way vorelin-cli prints its results. A write to
// standard output can fail (a full disk, a reader gone while SIGPIPE is
// ignored); the first failure is remembered and told once at the end, so a
// script never takes a cut-off result for a whole one.
//
// A reader that goes away early (`vorelin-cli cells ... | head -1`) ends the
// program through SIGPIPE, quietly, as with any other tool in a pipe; only
// where the caller ignores SIGPIPE does the write fail with EPIPE, and then
// it is told like any other failed write.
#pragma once

#include <string>
#include <string_view>

namespace cli {

class StandardOutput {
public:
    StandardOutput() = default;
    StandardOutput(const StandardOutput&) = delete;
    StandardOutput& operator=(const StandardOutput&) = delete;

    // Once a write has failed nothing more is written: what reached the
    // output stays a whole prefix of the results.
    void print(std::string_view text);
    bool hasFailed() const { return errorNumber_ != 0; }

    // Writes out what is still held. When any write failed, reports
    // "COMMAND: standard output: what is wrong" on stderr and answers 1
    // unless `status` already tells a failure; otherwise answers `status`.
    int finish(std::string_view command, int status);

private:
    void writeHeld();

    std::string held_;
    int errorNumber_ = 0;
};

}  // namespace cli
