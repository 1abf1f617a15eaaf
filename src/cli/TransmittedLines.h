// TransmittedLines.h: what the adapter itself put on the bus, printed as it
// goes out as candump log lines with the bus times, for send and cyclic.
// The adapter keeps only its latest frames, so they are fetched at least
// once a second while the subcommand waits.
#pragma once

#include "base/Result.h"

#include <chrono>
#include <cstdint>
#include <variant>

namespace vorelin::driver {
class Backend;
}

namespace cli {

class StandardOutput;

class TransmittedLines {
public:
    TransmittedLines(vorelin::driver::Backend& adapter, StandardOutput& output);

    // Whether the adapter tells what it sent; if not, nothing is printed.
    bool isTold() const { return told_; }

    // Prints the frames that went out since the last call.
    void printNew();
    // Sleeps until `until`, printing what goes out meanwhile.
    void printUntil(std::chrono::steady_clock::time_point until);
    // Waits until `total` frames in all have gone out, printing them, or
    // until `deadline`; true when they all went out, and at once for an
    // adapter that does not tell.
    bool awaitTotal(uint64_t total, std::chrono::steady_clock::time_point deadline);
    // Frames seen going out so far, printed or not.
    uint64_t total() const { return fetched_; }

    // A frame the adapter dropped from what it tells before it was fetched,
    // or one a candump line cannot hold, is a fault: lines would be missing.
    Result<std::monostate> fault() const;

private:
    vorelin::driver::Backend& adapter_;
    StandardOutput& output_;
    const bool told_;
    std::chrono::steady_clock::time_point lastFetch_;
    uint64_t fetched_ = 0;
    uint64_t missed_ = 0;   // gone from the adapter's list before they were fetched
    uint64_t unwritable_ = 0;
};

}  // namespace cli
