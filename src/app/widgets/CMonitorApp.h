// CMonitorApp.h: the application: one running copy per user, the command
// line, the per-user settings and the main window, from start to exit.
#pragma once

#include <QApplication>

class CMonitorApp : public QApplication {
    Q_OBJECT

public:
    CMonitorApp(int& argc, char** argv);

    // Start-up, the event loop and shut-down; answers the exit status.
    int run();
};
