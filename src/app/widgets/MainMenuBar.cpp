#include "app/widgets/MainMenuBar.h"

#include "app/CommandIds.h"
#include "app/CommandTexts.h"
#include "app/widgets/CommandActions.h"
#include "core/StringTable.h"
#include "dialogs/TableText.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace {

QString menuText(int captionString) {
    const std::string_view text = splitMenuCaption(strings::text(captionString)).text;
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void addRecentFiles(QMenu* menu, const CommandActions& actions, const std::vector<std::string>& recentPaths) {
    if (recentPaths.empty()) {
        QAction* placeholder = actions.action(command::kRecentFile1);
        placeholder->setText(menuText(strings::kMenuRecentFile));
        menu->addAction(placeholder);
        return;
    }
    for (std::size_t i = 0; i < recentPaths.size() && i < std::size_t(command::kRecentFileCount); ++i) {
        QAction* entry = actions.action(command::kRecentFile1 + int(i));
        QString path = QDir::toNativeSeparators(QString::fromStdString(recentPaths[i]));
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(path.replace(QLatin1Char('&'), QStringLiteral("&&"))));
        menu->addAction(entry);
    }
}

void addItems(QMenu* menu, const std::vector<MenuItem>& items, const CommandActions& actions,
              const std::vector<std::string>& recentPaths, const std::function<void()>& aboutToShow) {
    for (const MenuItem& item : items) {
        switch (item.kind) {
        case MenuItem::Kind::command:
            menu->addAction(actions.action(item.command));
            break;
        case MenuItem::Kind::separator:
            menu->addSeparator();
            break;
        case MenuItem::Kind::recentFiles:
            addRecentFiles(menu, actions, recentPaths);
            break;
        case MenuItem::Kind::submenu: {
            QMenu* submenu = menu->addMenu(menuText(item.text));
            QObject::connect(submenu, &QMenu::aboutToShow, submenu, aboutToShow);
            addItems(submenu, item.items, actions, recentPaths, aboutToShow);
            break;
        }
        }
    }
}

// Takes the old menus apart before they go. A menu item's accessible
// interface is made once per action and keeps the menu it was first read in
// as its parent for good; the commands' actions move on to the new menus, so
// their interfaces are dropped here and made anew from the new menus, or a
// screen reader would lose every item the two menu sets share.
void retireMenus(QMenuBar* bar, const CommandActions& actions) {
    const std::function<void(QMenu*)> detach = [&detach](QMenu* menu) {
        for (QAction* item : menu->actions()) {
            if (QMenu* submenu = item->menu())
                detach(submenu);
        }
        menu->clear();
    };
    for (QAction* menuAction : bar->actions()) {
        if (QMenu* menu = menuAction->menu()) {
            detach(menu);
            // Later: the command that switched the menus may be running from one.
            menu->deleteLater();
        }
    }
    bar->clear();
    for (const auto& [number, commandAction] : actions.actions()) {
        if (QAccessibleInterface* item = QAccessible::queryAccessibleInterface(commandAction))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
    }
}

}  // namespace

void buildMenuBar(QMenuBar* bar, MenuSet set, const CommandActions& actions, const std::vector<std::string>& recentPaths,
                  const std::function<void()>& aboutToShow) {
    retireMenus(bar, actions);
    for (const MenuItem& top : menuBar(set)) {
        QMenu* menu = bar->addMenu(menuText(top.text));
        QObject::connect(menu, &QMenu::aboutToShow, menu, aboutToShow);
        addItems(menu, top.items, actions, recentPaths, aboutToShow);
    }
}
