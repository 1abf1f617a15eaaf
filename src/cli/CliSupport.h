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

// "vorelin-cli capture: message" on stderr.
void reportError(std::string_view command, std::string_view message);

// $VORELIN_ADAPTER, or "sim" when it is unset or empty.
std::string defaultAdapterSelector();

// "COMMAND: PATH: what is wrong" for a file a reader refused.
void reportCaptureFileError(std::string_view command, std::string_view path, const Error& error);
// 1 when the file could not be read or written, 2 when it is malformed.
int captureFileExitStatus(const Error& error);

}  // namespace cli
