// CaptureInput.h: a capture file or candump log loaded for a subcommand as
// File > Open loads it in the window: the file's filter applies and the rows
// the data list would show are classified.
#pragma once

#include "core/DocumentContents.h"
#include "document/ProgramState.h"

#include <memory>
#include <string>
#include <string_view>

struct CaptureInput {
    std::unique_ptr<ProgramState> state = std::make_unique<ProgramState>();
    DocumentContents document;
};

// On failure reports "COMMAND: PATH: what is wrong" on stderr and answers the
// exit status: 1 when the file could not be read, 2 when it is malformed.
int loadCaptureInput(std::string_view command, const std::string& path, CaptureInput& input);
