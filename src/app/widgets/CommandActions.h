// CommandActions.h: one action per command of the main window, shared by its
// menus and toolbar, carrying the command's caption, shortcut, prompt,
// tooltip and icon, and enabled and checked by the update rules.
#pragma once

#include <QObject>

#include <functional>
#include <map>

class QAction;
struct ProgramState;
struct WindowContext;

class CommandActions : public QObject {
    Q_OBJECT

public:
    explicit CommandActions(QObject* parent = nullptr);

    // Null for a number that names no command of the menus or toolbar.
    QAction* action(int command) const;
    const std::map<int, QAction*>& actions() const { return actions_; }

    void setHandler(int command, std::function<void()> handler);

    // Applies the update rules to every action.
    void updateStates(const ProgramState& state, const WindowContext& windows);

private:
    QAction* addCommand(int command, int captionString, bool checkable);

    std::map<int, QAction*> actions_;
};
