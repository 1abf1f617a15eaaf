// CMonitorApp.h: the application: one running copy per user, the command
// line, the per-user settings and the main window, from start to exit.
#pragma once

#include <QApplication>

#include <optional>

class CMonitorApp : public QApplication {
    Q_OBJECT

public:
    // Answers --help and --version before the application object, which
    // needs a display, exists. The exit status when it answered.
    static std::optional<int> answerHelpOrVersion(int& argc, char** argv);

    CMonitorApp(int& argc, char** argv);

    // Start-up, the event loop and shut-down; answers the exit status.
    int run();
};
