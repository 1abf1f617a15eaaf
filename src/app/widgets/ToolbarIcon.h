// ToolbarIcon.h: the program's icons, drawn from their SVG sources in the
// resources at every size a toolbar or window asks for, crisp on any screen.
#pragma once

#include <QIcon>
#include <string_view>

// A toolbar button's icon by its name ("capture"); a null icon when absent.
QIcon toolbarIcon(std::string_view name);

// The application's own icon.
QIcon applicationIcon();
