// CliSupport.h: what every vorelin-cli subcommand shares besides reading its
// arguments: exit statuses, the one-line error format and how a file a
// reader refused is told.
#pragma once

#include "base/Result.h"

#include <string>
#include <string_view>

namespace cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the adapter or a file failed
constexpr int kExitUsage = 2;    // bad usage or malformed input

// "vorelin-cli capture: message" on stderr, always one line: the line
// breaks of a text written for a message box become spaces.
void reportError(std::string_view command, std::string_view message);

// A path as messages print it. An ordinary path stands as it is; one that
// would break the line or could not be told apart from the rest of
// "COMMAND: PATH: problem" (a control character, ": ", a leading '"') is
// put in double quotes with C escapes: \n \t \r \\ \" and \xHH. A script
// reads PATH up to the first ": ", or as a quoted string when it starts
// with '"'.
std::string printablePath(std::string_view path);

// "COMMAND: PATH: problem" on stderr, the path printable.
void reportFileError(std::string_view command, std::string_view path, std::string_view problem);

// $VORELIN_ADAPTER, or "sim" when it is unset or empty.
std::string defaultAdapterSelector();

// "COMMAND: PATH: what is wrong" for a file a reader refused.
void reportCaptureFileError(std::string_view command, std::string_view path, const Error& error);
// 1 when the file could not be read or written, 2 when it is malformed.
int captureFileExitStatus(const Error& error);

}  // namespace cli
