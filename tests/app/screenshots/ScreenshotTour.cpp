// vorelin-screenshot-tour: takes the README's pictures on a real X display
// (Xvfb): the New dialog, Device Setup, the main window over a live CANopen
// capture of the simulated adapter, and the progress window.
// Usage: vorelin-screenshot-tour DIR
#include "app/CommandIds.h"
#include "app/RecentFileList.h"
#include "app/widgets/CMainFrame.h"
#include "app/widgets/CNewDocDlg.h"
#include "app/widgets/MessageBoxSink.h"
#include "core/ReceiveTimer.h"
#include "core/StringTable.h"
#include "device/widgets/CDeviceSetupDlg.h"
#include "dialogs/CProgressDlg.h"
#include "document/ProgramState.h"
#include "driver/Backend.h"
#include "widgets/ModalDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// What the X server shows, not what Qt would paint.
bool saveScreen(const QString& path) {
    QApplication::processEvents();
    return QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorelin-screenshot-tour DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    auto backend = vorelin::driver::makeBackend("sim:mix=canopen,rate=600,seed=3");
    vorelin::driver::installBackend(std::move(*backend));

    QTemporaryDir settingsFolder;
    ProgramState state;
    ReceiveTimer receiveTimer(state.capture);
    MessageBoxSink messages;
    RecentFileList recentFiles(4);
    AppEnvironment environment{QStringLiteral(VORELIN_VERSION), settingsFolder.path(),
                               settingsFolder.filePath(QStringLiteral("Configure.ini")).toStdString(),
                               QStringLiteral("sim:mix=canopen")};
    bool saved = true;
    {
        CMainFrame frame(state, receiveTimer, messages, environment, recentFiles);
        messages.setApplicationWindow(&frame);
        frame.setGeometry(QGuiApplication::primaryScreen()->geometry());
        frame.show();
        if (!QTest::qWaitForWindowExposed(&frame))
            return 1;

        whenDialogOpens<CNewDocDlg>([&](CNewDocDlg* dialog) {
            dialog->findChild<QCheckBox*>(QStringLiteral("dataList"))->click();
            dialog->findChild<QRadioButton*>(QStringLiteral("canopen"))->click();
            QTest::qWait(300);
            saved &= saveScreen(out.filePath(QStringLiteral("new.png")));
            clickButton(dialog, QStringLiteral("OK"));
        });
        frame.commandAction(command::kNew)->trigger();

        whenDialogOpens<CDeviceSetupDlg>([&](CDeviceSetupDlg* dialog) {
            QTest::qWait(1300);  // the adapter poll fills the USB Device list
            saved &= saveScreen(out.filePath(QStringLiteral("device-setup.png")));
            clickButton(dialog, QStringLiteral("OK"));
        });
        frame.commandAction(command::kSetup)->trigger();

        frame.commandAction(command::kCapture)->trigger();
        QTest::qWait(4000);
        saved &= saveScreen(out.filePath(QStringLiteral("main-window.png")));

        CProgressDlg progress(&frame);
        progress.show();
        progress.showProgress(64, strings::kProgressSaving);
        QTest::qWait(300);
        saved &= progress.grab().save(out.filePath(QStringLiteral("progress.png")));
        messages.setApplicationWindow(nullptr);
    }
    receiveTimer.stop();
    if (!saved)
        std::fprintf(stderr, "vorelin-screenshot-tour: could not save the pictures in %s\n", argv[1]);
    return saved ? 0 : 1;
}
