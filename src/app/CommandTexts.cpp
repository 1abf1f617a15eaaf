#include "app/CommandTexts.h"

#include "core/StringTable.h"

namespace {

std::string_view promptEntry(int command) { return strings::contains(command) ? strings::text(command) : ""; }

}  // namespace

MenuCaption splitMenuCaption(std::string_view caption) {
    const auto tab = caption.find('\t');
    if (tab == std::string_view::npos)
        return {caption, {}};
    return {caption.substr(0, tab), caption.substr(tab + 1)};
}

std::string_view commandPrompt(int command) {
    const std::string_view entry = promptEntry(command);
    return entry.substr(0, entry.find('\n'));
}

std::string_view commandTooltip(int command) {
    const std::string_view entry = promptEntry(command);
    const auto lineBreak = entry.find('\n');
    return lineBreak == std::string_view::npos ? std::string_view() : entry.substr(lineBreak + 1);
}
