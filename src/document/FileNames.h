// FileNames.h: what a file's name says, and the names and filters the file
// dialogs offer: one rule for the windows and vorelin-cli. Extensions are
// compared without regard to case, so "BENCH.ORX" is a capture file too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class Protocol : int;

// Whether `path` ends in `extension` (".orx"), in any case.
bool hasExtension(std::string_view path, std::string_view extension);

// Capture files take their filter and extension from the document kind's
// string: "Vorelin Files (*.orx)" and ".orx".
std::string captureFilesFilter();
std::string captureFileExtension();
bool isCaptureFileName(std::string_view path);
// A candump log: ".log".
bool isCandumpLogName(std::string_view path);

// The filters of File > Open, Save As and Export, most useful first.
std::vector<std::string> openFileFilters();
std::vector<std::string> exportFileFilters();
// The extension Export adds to a name without one, without its dot.
std::string exportDefaultSuffix();
// The name Export offers for the text log of `protocol`.
std::string exportSuggestedName(Protocol protocol);
