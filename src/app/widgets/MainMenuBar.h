// MainMenuBar.h: fills the main window's menu bar with one of its two menu
// sets, from the shared command actions.
#pragma once

#include "app/MenuModel.h"

#include <functional>
#include <string>
#include <vector>

class CommandActions;
class QMenuBar;

// Replaces the menus of `bar` with those of `set`. The recent-file entries
// show `recentPaths` ("Recent File", disabled, while there is none).
// `aboutToShow` runs before any menu opens, to refresh the commands' states.
void buildMenuBar(QMenuBar* bar, MenuSet set, const CommandActions& actions, const std::vector<std::string>& recentPaths,
                  const std::function<void()>& aboutToShow);
