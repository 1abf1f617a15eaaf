#include "app/widgets/LaterCopyRequests.h"

#include "app/widgets/CMainFrame.h"
#include "app/widgets/SingleInstance.h"
#include "core/StringTable.h"
#include "dialogs/TableText.h"

#include <QApplication>

namespace {

// Qt has no signal for the end of a modal dialog, so a waiting file looks
// again this often; the check runs only while a file waits.
constexpr int kModalDialogCheckMs = 250;

void raiseAndActivate(QWidget* window) {
    window->raise();
    window->activateWindow();
}

// Restored to its normal size, and only while its title is exactly `title`:
// a window showing a document is left alone.
void bringForwardIfTitled(QWidget* window, const QString& title) {
    if (window->windowTitle() != title)
        return;
    window->showNormal();
    raiseAndActivate(window);
}

// Out of the task bar, but a maximised window stays maximised.
void bringForwardUnminimized(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    raiseAndActivate(window);
}

}  // namespace

LaterCopyRequests::LaterCopyRequests(SingleInstance& instance, CMainFrame& frame) : frame_(frame) {
    modalDialogCheck_.setInterval(kModalDialogCheckMs);
    connect(&modalDialogCheck_, &QTimer::timeout, this, &LaterCopyRequests::openWaitingFiles);
    connect(&instance, &SingleInstance::comeForwardRequested, this,
            [this] { bringForwardIfTitled(&frame_, tableText(strings::kAppTitle)); });
    connect(&instance, &SingleInstance::openFileRequested, this, &LaterCopyRequests::takeFile);
}

void LaterCopyRequests::takeFile(const QString& path) {
    // Whatever the title: the user asked for the file in this window, and a
    // dialog that holds it back, or the save prompt before it, must be seen.
    bringForwardUnminimized(&frame_);
    waitingFiles_.append(path);
    openWaitingFiles();
}

void LaterCopyRequests::openWaitingFiles() {
    // Opening replaces the capture that a modal dialog may be working on, and
    // an open in progress runs prompts of its own, in which a further file
    // must wait too.
    while (!waitingFiles_.isEmpty() && !opening_ && !QApplication::activeModalWidget()) {
        const QString path = waitingFiles_.takeFirst();
        opening_ = true;
        frame_.openDocumentFile(path);
        opening_ = false;
    }
    if (waitingFiles_.isEmpty())
        modalDialogCheck_.stop();
    else if (!modalDialogCheck_.isActive())
        modalDialogCheck_.start();
}
