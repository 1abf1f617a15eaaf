#include "document/FileNames.h"

#include "core/StringTable.h"
#include "protocol/Protocol.h"

#include <cctype>

namespace {

constexpr std::string_view kCandumpLogExtension = ".log";
constexpr std::string_view kTextLogSuffix = "txt";

// Field `index` of the document kind's string, fields split at line breaks.
std::string documentStringField(int index) {
    std::string_view text = strings::text(strings::kDocumentKind);
    for (; index > 0; --index) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos)
            return {};
        text.remove_prefix(end + 1);
    }
    return std::string(text.substr(0, text.find('\n')));
}

std::string tableString(int number) { return std::string(strings::text(number)); }

}  // namespace

bool hasExtension(std::string_view path, std::string_view extension) {
    if (path.size() < extension.size())
        return false;
    const std::string_view tail = path.substr(path.size() - extension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(tail[i])) != std::tolower(static_cast<unsigned char>(extension[i])))
            return false;
    }
    return true;
}

std::string captureFilesFilter() { return documentStringField(3); }
std::string captureFileExtension() { return documentStringField(4); }

bool isCaptureFileName(std::string_view path) { return hasExtension(path, captureFileExtension()); }
bool isCandumpLogName(std::string_view path) { return hasExtension(path, kCandumpLogExtension); }

std::vector<std::string> openFileFilters() {
    return {tableString(strings::kCaptureFilesFilter), captureFilesFilter(),
            tableString(strings::kCandumpFilesFilter), tableString(strings::kAllFilesFilter)};
}

std::vector<std::string> exportFileFilters() {
    return {tableString(strings::kTextFilesFilter), tableString(strings::kCandumpFilesFilter),
            tableString(strings::kAllFilesFilter)};
}

std::string exportDefaultSuffix() { return std::string(kTextLogSuffix); }

std::string exportSuggestedName(Protocol protocol) {
    switch (protocol) {
    case Protocol::can:
        return tableString(strings::kExportNameCan);
    case Protocol::deviceNet:
        return tableString(strings::kExportNameDeviceNet);
    default:
        return tableString(strings::kExportNameCanopen);
    }
}
