#include "cli/CliSupport.h"

#include "core/StringTable.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace cli {

namespace {

bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

bool needsQuotes(std::string_view path) {
    return path.starts_with('"') || path.find(": ") != std::string_view::npos ||
           std::any_of(path.begin(), path.end(), isControl);
}

// One byte of a quoted path.
std::string escaped(char c) {
    switch (c) {
    case '\n':
        return "\\n";
    case '\t':
        return "\\t";
    case '\r':
        return "\\r";
    case '\\':
        return "\\\\";
    case '"':
        return "\\\"";
    default:
        break;
    }
    if (!isControl(c))
        return std::string(1, c);
    constexpr char kHexDigits[] = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    return {'\\', 'x', kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
}

// "a,\nb" and "a,\r\nb" both read "a, b".
std::string joinedLines(std::string_view text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        line += text[i] == '\n' || text[i] == '\r' ? ' ' : text[i];
    }
    return line;
}

}  // namespace

void reportError(std::string_view command, std::string_view message) {
    const std::string line = std::string(command) + ": " + joinedLines(message) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string printablePath(std::string_view path) {
    if (!needsQuotes(path))
        return std::string(path);
    std::string quoted = "\"";
    for (const char c : path)
        quoted += escaped(c);
    return quoted + '"';
}

void reportFileError(std::string_view command, std::string_view path, std::string_view problem) {
    reportError(command, printablePath(path) + ": " + std::string(problem));
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
    reportFileError(command, path, problem);
}

int captureFileExitStatus(const Error& error) {
    const bool malformed = error.number == strings::kNotACaptureFile || error.number == strings::kDamagedFile;
    return malformed ? kExitUsage : kExitFailure;
}

}  // namespace cli
