// OpenedCapture.h: a capture file or candump log, opened and checked before
// anything of the open capture changes, then loaded in its place. The kind
// is told by the file's first bytes, not by its name.
#pragma once

#include "base/Result.h"
#include "core/PercentProgress.h"

#include <memory>
#include <string>
#include <variant>

struct DocumentContents;
struct ProgramState;

class OpenedCapture {
public:
    // Errors carry a string number (9410, 9411, 9412) and a one-line detail.
    static Result<OpenedCapture> open(const std::string& path);

    OpenedCapture(OpenedCapture&&) noexcept;
    ~OpenedCapture();

    // Replaces the capture, the filter and `document` with the file's, and
    // leaves the protocol at CAN and the capture unchanged since the load.
    // Fetching stops while the file loads, so no live frame mixes in; a
    // capture file then restores its own capture state.
    Result<std::monostate> loadInto(ProgramState& state, DocumentContents& document, const ProgressCallback& progress);

    bool isCandumpLog() const;

private:
    struct Source;
    explicit OpenedCapture(std::unique_ptr<Source> source);
    std::unique_ptr<Source> source_;
};
