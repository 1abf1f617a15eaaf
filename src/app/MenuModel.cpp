#include "app/MenuModel.h"

#include "app/CommandIds.h"
#include "core/StringTable.h"

namespace {

using Kind = MenuItem::Kind;

MenuItem item(int text, int commandNumber, bool checkable = false) {
    return {Kind::command, text, commandNumber, checkable, {}};
}
MenuItem separator() { return {Kind::separator, 0, 0, false, {}}; }
MenuItem recentFiles() { return {Kind::recentFiles, strings::kMenuRecentFile, 0, false, {}}; }
MenuItem submenu(int text, std::vector<MenuItem> items) { return {Kind::submenu, text, 0, false, std::move(items)}; }

MenuItem helpMenu() {
    return submenu(strings::kMenuHelp, {item(strings::kMenuHelpTopics, command::kHelpTopics), separator(),
                                        item(strings::kMenuAbout, command::kAbout)});
}

std::vector<MenuItem> noDocumentMenus() {
    return {
        submenu(strings::kMenuFile,
                {item(strings::kMenuNew, command::kNew), item(strings::kMenuOpen, command::kOpen), separator(),
                 item(strings::kMenuPrintSetup, command::kPrintSetup), separator(), recentFiles(), separator(),
                 item(strings::kMenuExit, command::kExit)}),
        submenu(strings::kMenuView, {item(strings::kMenuToolbar, command::kToolbar, true),
                                     item(strings::kMenuStatusBar, command::kStatusBar, true)}),
        submenu(strings::kMenuOptions, {item(strings::kMenuLanguage, command::kLanguage)}),
        helpMenu(),
    };
}

std::vector<MenuItem> documentMenus() {
    return {
        submenu(strings::kMenuFile,
                {item(strings::kMenuNew, command::kNew), item(strings::kMenuOpen, command::kOpen),
                 item(strings::kMenuClose, command::kClose), item(strings::kMenuSave, command::kSave),
                 item(strings::kMenuSaveAs, command::kSaveAs), separator(), item(strings::kMenuExport, command::kExport),
                 separator(), item(strings::kMenuPrint, command::kPrint),
                 item(strings::kMenuPrintPreview, command::kPrintPreview),
                 item(strings::kMenuPrintSetup, command::kPrintSetup), separator(), recentFiles(), separator(),
                 item(strings::kMenuExit, command::kExit)}),
        submenu(strings::kMenuView,
                {item(strings::kMenuToolbar, command::kToolbar, true),
                 item(strings::kMenuStatusBar, command::kStatusBar, true), item(strings::kMenuZoom, command::kZoom)}),
        submenu(strings::kMenuOptions,
                {item(strings::kMenuSetup, command::kSetup),
                 item(strings::kMenuDeviceInformation, command::kDeviceInformation), separator(),
                 submenu(strings::kMenuDataList,
                         {item(strings::kMenuCan, command::kProtocolCan),
                          item(strings::kMenuDeviceNet, command::kProtocolDeviceNet),
                          item(strings::kMenuCanopen, command::kProtocolCanopen), separator(),
                          item(strings::kMenuFont, command::kFont),
                          item(strings::kMenuGridLines, command::kGridLines, true)}),
                 submenu(strings::kMenuChart, {item(strings::kMenuChartXT, command::kChartXT),
                                               item(strings::kMenuChartYT, command::kChartYT),
                                               item(strings::kMenuChartXY, command::kChartXY)}),
                 separator(), item(strings::kMenuFilter, command::kFilter), separator(),
                 item(strings::kMenuLanguage, command::kLanguage)}),
        submenu(strings::kMenuFunctions,
                {item(strings::kMenuCapture, command::kCapture), item(strings::kMenuStop, command::kStop),
                 item(strings::kMenuClearAll, command::kClearAll), separator(),
                 item(strings::kMenuManualMessage, command::kManualMessage),
                 submenu(strings::kMenuAutoMessage, {item(strings::kMenuAutoConfigure, command::kAutoConfigure),
                                                     item(strings::kMenuAutoStart, command::kAutoStart),
                                                     item(strings::kMenuAutoStop, command::kAutoStop)})}),
        helpMenu(),
    };
}

constexpr ToolbarButton kToolbarButtons[] = {
    {command::kNew, "new"},
    {command::kOpen, "open"},
    {command::kSave, "save"},
    {0, {}},
    {command::kProtocolCan, "protocol-can"},
    {command::kProtocolDeviceNet, "protocol-devicenet"},
    {command::kProtocolCanopen, "protocol-canopen"},
    {0, {}},
    {command::kCapture, "capture"},
    {command::kStop, "stop"},
    {0, {}},
    {command::kFilter, "filter"},
    {0, {}},
    {command::kClearAll, "clear-all"},
    {0, {}},
    {command::kManualMessage, "manual-message"},
    {0, {}},
    {command::kAutoConfigure, "auto-configure"},
    {command::kAutoStart, "auto-start"},
    {command::kAutoStop, "auto-stop"},
    {0, {}},
    {command::kFont, "font"},
    {0, {}},
    {command::kExport, "export"},
    {command::kPrint, "print"},
    {0, {}},
    {command::kHelpTopics, "help"},
};

}  // namespace

const std::vector<MenuItem>& menuBar(MenuSet set) {
    static const std::vector<MenuItem> withoutDocument = noDocumentMenus();
    static const std::vector<MenuItem> withDocument = documentMenus();
    return set == MenuSet::document ? withDocument : withoutDocument;
}

std::span<const ToolbarButton> toolbarButtons() { return kToolbarButtons; }
