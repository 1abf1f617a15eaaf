#include "app/widgets/CommandActions.h"

#include "app/CommandEnabling.h"
#include "app/CommandIds.h"
#include "app/CommandTexts.h"
#include "app/MenuModel.h"
#include "app/widgets/ToolbarIcon.h"
#include "core/StringTable.h"
#include "dialogs/TableText.h"

#include <QAction>
#include <QKeySequence>

namespace {

QString qtext(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

void collectCommands(const std::vector<MenuItem>& items, std::map<int, const MenuItem*>& found) {
    for (const MenuItem& item : items) {
        if (item.kind == MenuItem::Kind::submenu)
            collectCommands(item.items, found);
        else if (item.kind == MenuItem::Kind::command)
            found.emplace(item.command, &item);
    }
}

}  // namespace

CommandActions::CommandActions(QObject* parent) : QObject(parent) {
    std::map<int, const MenuItem*> commands;
    collectCommands(menuBar(MenuSet::document), commands);
    collectCommands(menuBar(MenuSet::noDocument), commands);
    for (const auto& [number, item] : commands)
        addCommand(number, item->text, item->checkable);
    for (int i = 0; i < command::kRecentFileCount; ++i)
        addCommand(command::kRecentFile1 + i, strings::kMenuRecentFile, false);
    for (const ToolbarButton& button : toolbarButtons()) {
        if (QAction* commandAction = action(button.command))
            commandAction->setIcon(toolbarIcon(button.icon));
    }
}

QAction* CommandActions::addCommand(int command, int captionString, bool checkable) {
    const MenuCaption caption = splitMenuCaption(strings::text(captionString));
    auto* commandAction = new QAction(qtext(caption.text), this);
    commandAction->setObjectName(QStringLiteral("command%1").arg(command));
    commandAction->setShortcut(QKeySequence::fromString(qtext(caption.shortcut), QKeySequence::PortableText));
    commandAction->setCheckable(checkable);
    commandAction->setStatusTip(qtext(commandPrompt(command)));
    const std::string_view tooltip = commandTooltip(command);
    commandAction->setToolTip(tooltip.empty() ? withoutMnemonic(qtext(caption.text)) : qtext(tooltip));
    commandAction->setEnabled(false);
    actions_.emplace(command, commandAction);
    return commandAction;
}

QAction* CommandActions::action(int command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void CommandActions::setHandler(int command, std::function<void()> handler) {
    QAction* commandAction = action(command);
    Q_ASSERT(commandAction);
    connect(commandAction, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

void CommandActions::updateStates(const ProgramState& state, const WindowContext& windows) {
    for (const auto& [number, commandAction] : actions_) {
        commandAction->setEnabled(isCommandEnabled(number, state, windows));
        if (commandAction->isCheckable())
            commandAction->setChecked(isCommandChecked(number, state, windows));
    }
}
