// LanguageMenu.h: Options > Language. The submenu lists the languages found
// each time it opens, the one in use checked; choosing one keeps it for the
// next start and says so in the chosen language, the running program
// keeping its own.
#pragma once

#include "app/widgets/AppEnvironment.h"

#include <QObject>

class MessageSink;
class QAction;
class QActionGroup;
class QMenu;
class QWidget;

class LanguageMenu : public QObject {
    Q_OBJECT

public:
    // Attaches the submenu to `languageCommand`, empty until it is rebuilt.
    LanguageMenu(QAction* languageCommand, AppEnvironment environment, MessageSink& messages, QWidget* owner);

    QMenu* menu() const { return menu_; }
    // Lists the languages found as they are now.
    void rebuild();
    void choose(LanguageId language);

private:
    const AppEnvironment environment_;
    MessageSink& messages_;
    QMenu* menu_;
    QActionGroup* entries_ = nullptr;
};
