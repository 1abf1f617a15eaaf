// CommandTexts.h: the pieces of a command's texts. A menu caption carries its
// shortcut after a tab; a command's prompt carries its tooltip after a line
// break ("Send message manually\nManual").
#pragma once

#include <string_view>

struct MenuCaption {
    std::string_view text;      // with its & mnemonic
    std::string_view shortcut;  // empty when there is none
};

MenuCaption splitMenuCaption(std::string_view caption);

// The status-line prompt of `command`; empty when the table has none.
std::string_view commandPrompt(int command);
// The tooltip of `command`; empty when its prompt names none.
std::string_view commandTooltip(int command);
