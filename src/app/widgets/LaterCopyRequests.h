// LaterCopyRequests.h: what the first copy does with the requests of later
// ones. Asked only to come forward, its window does so while no document is
// open. Handed a file, the window comes forward and opens it as File > Open
// does, once no modal dialog is up any more.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

class CMainFrame;
class SingleInstance;

class LaterCopyRequests : public QObject {
    Q_OBJECT

public:
    LaterCopyRequests(SingleInstance& instance, CMainFrame& frame);

private:
    void takeFile(const QString& path);
    void openWaitingFiles();

    CMainFrame& frame_;
    QStringList waitingFiles_;
    QTimer modalDialogCheck_;
    bool opening_ = false;
};
