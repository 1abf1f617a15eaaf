// vorelin-screenshot-tour: takes the README's pictures on a real X display
// (Xvfb): the New dialog, Device Setup, the main window over a live CANopen
// capture of the simulated adapter, Device Information while it runs, Print
// Preview of its rows, Manual Message, Auto Message with a few items, the
// three filter dialogs over a few conditions, Advanced Identifier, the
// progress window, and the main window in German with Options > Language open.
// Usage: vorelin-screenshot-tour DIR
#include "app/CommandIds.h"
#include "app/RecentFileList.h"
#include "app/widgets/CMainFrame.h"
#include "app/widgets/CNewDocDlg.h"
#include "app/widgets/MessageBoxSink.h"
#include "app/widgets/QtLanguageModules.h"
#include "core/ReceiveTimer.h"
#include "core/StringTable.h"
#include "device/widgets/CDeviceInfoDlg.h"
#include "device/widgets/CDeviceSetupDlg.h"
#include "dialogs/CHighlightListCtrl.h"
#include "dialogs/CProgressDlg.h"
#include "document/ProgramState.h"
#include "driver/Backend.h"
#include "fields/widgets/EntryField.h"
#include "filters/CanFilterRules.h"
#include "filters/CanopenFilterRules.h"
#include "filters/DeviceNetFilterRules.h"
#include "filters/widgets/CAdvancedIdDlg.h"
#include "filters/widgets/CCANopenFilterDlg.h"
#include "filters/widgets/CCanFilterDlg.h"
#include "filters/widgets/CDeviceNetFilterDlg.h"
#include "transmit/widgets/AutoEntryBox.h"
#include "transmit/widgets/CAutoMessageDlg.h"
#include "transmit/widgets/CManualMessageDlg.h"
#include "transmit/widgets/ManualBufferBox.h"
#include "views/widgets/CPrintPreviewWnd.h"
#include "widgets/ModalDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
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

void typeInto(QWidget* parent, const char* field, const QString& text) {
    auto* entry = parent->findChild<EntryField*>(QString::fromLatin1(field));
    entry->selectAll();
    QTest::keyClicks(entry, text);
}

// Two hex digits into each data field in turn, as the focus moves on.
void typeBytes(QWidget* parent, const QString& bytes) {
    for (int i = 0; i < bytes.size() / 2; ++i)
        typeInto(parent, QStringLiteral("data%1").arg(i + 1).toLatin1().constData(), bytes.mid(2 * i, 2));
}

// Three items, the second switched off, so the list shows both kinds of row.
void addAutomationItems(CAutoMessageDlg* dialog) {
    struct Item {
        const char* identifier;
        int size;
        const char* data;
    };
    for (const Item& item : {Item{"181", 8, "0011223344556677"}, Item{"201", 2, "0102"}, Item{"701", 1, "05"}}) {
        typeInto(dialog->entryBox(), "identifier", QString::fromLatin1(item.identifier));
        dialog->entryBox()->findChild<QComboBox*>(QStringLiteral("size"))->setCurrentIndex(item.size);
        typeBytes(dialog->entryBox(), QString::fromLatin1(item.data));
        clickButton(dialog, QStringLiteral("Add"));
    }
    CHighlightListCtrl* list = dialog->itemList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->checkBoxRect(1).center());
}

// One condition of each kind, as the three dialogs build them.
std::vector<FilterCondition> tourConditions() {
    CanFilterControls custom;
    custom.identifier = IdentifierChoice::custom;
    custom.identifierValue = 0x181;
    custom.lengthAndData.data[0] = 0x01;
    CanFilterControls advanced;
    advanced.identifier = IdentifierChoice::advanced;
    advanced.advanced = AdvancedPattern{0x781, 0x701};
    DeviceNetFilterControls slave;
    slave.group = 2;
    slave.sourceMacId = 10;
    CanopenFilterControls pdo;
    pdo.method = CanopenFilterMethod::functionCodeAndNodeId;
    pdo.functionCode = 3;
    pdo.nodeId = 5;
    return {buildCanCondition(custom, 1), buildCanCondition(advanced, 1), buildDeviceNetCondition(slave),
            buildCanopenCondition(pdo)};
}

AppEnvironment tourEnvironment(const QTemporaryDir& settingsFolder, const std::string& executablePath,
                               LanguageId language) {
    return {QStringLiteral(VORELIN_VERSION),
            settingsFolder.path(),
            settingsFolder.filePath(QStringLiteral("Configure.ini")).toStdString(),
            QStringLiteral("sim:mix=canopen"),
            executablePath,
            settingsFolder.filePath(QStringLiteral("Vorelin.conf")),
            language};
}

void startCanopenCapture(CMainFrame& frame) {
    whenDialogOpens<CNewDocDlg>([](CNewDocDlg* dialog) {
        dialog->findChild<QCheckBox*>(QStringLiteral("dataList"))->click();
        dialog->findChild<QRadioButton*>(QStringLiteral("canopen"))->click();
        clickButton(dialog, QStringLiteral("OK"));
    });
    frame.commandAction(command::kNew)->trigger();
    whenDialogOpens<CDeviceSetupDlg>([](CDeviceSetupDlg* dialog) {
        QTest::qWait(1300);
        clickButton(dialog, QStringLiteral("OK"));
    });
    frame.commandAction(command::kSetup)->trigger();
    frame.commandAction(command::kCapture)->trigger();
}

// The main window as the German module makes it, capturing, with Options >
// Language open on the languages found beside the module.
bool shootGermanMainWindow(const QDir& out) {
    QtLanguageModules modules;
    if (!modules.loadModule(VORELIN_GERMAN_MODULE))
        return false;
    QTemporaryDir settingsFolder;
    ProgramState state;
    ReceiveTimer receiveTimer(state.capture);
    MessageBoxSink messages;
    RecentFileList recentFiles(4);
    const std::string besideTheModule = QFileInfo(QStringLiteral(VORELIN_GERMAN_MODULE)).absolutePath().toStdString();
    bool saved = false;
    {
        CMainFrame frame(state, receiveTimer, messages,
                         tourEnvironment(settingsFolder, besideTheModule + "/vorelin", 0x0407), recentFiles);
        messages.setApplicationWindow(&frame);
        frame.setGeometry(QGuiApplication::primaryScreen()->geometry());
        frame.show();
        if (QTest::qWaitForWindowExposed(&frame)) {
            startCanopenCapture(frame);
            QTest::qWait(3000);
            QMenu* options = frame.menuBar()->actions()[2]->menu();
            frame.menuBar()->setActiveAction(frame.menuBar()->actions()[2]);
            QTest::qWait(300);
            options->setActiveAction(frame.commandAction(command::kLanguage));
            QTest::keyClick(options, Qt::Key_Right);
            QTest::qWait(300);
            saved = saveScreen(out.filePath(QStringLiteral("main-window-german.png")));
            options->close();
        }
        messages.setApplicationWindow(nullptr);
    }
    receiveTimer.stop();
    modules.releaseModule();
    return saved;
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
    const AppEnvironment environment =
        tourEnvironment(settingsFolder, QCoreApplication::applicationFilePath().toStdString(), kBaseLanguage);
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

        // The dialog alone, for the manual, which shows it beside its text.
        whenDialogOpens<CDeviceInfoDlg>([&](CDeviceInfoDlg* dialog) {
            QTest::qWait(300);
            saved &= dialog->grab().save(out.filePath(QStringLiteral("device-information.png")));
            clickButton(dialog, QStringLiteral("OK"));
        });
        frame.commandAction(command::kDeviceInformation)->trigger();

        // Over the rows captured so far, at the zoom it opens with.
        whenDialogOpens<CPrintPreviewWnd>([&](CPrintPreviewWnd* preview) {
            QTest::qWait(300);
            saved &= saveScreen(out.filePath(QStringLiteral("print-preview.png")));
            preview->reject();
        });
        frame.commandAction(command::kPrintPreview)->trigger();

        whenDialogOpens<CManualMessageDlg>([&](CManualMessageDlg* dialog) {
            typeInto(dialog->buffer(0), "identifier", QStringLiteral("60A"));
            typeBytes(dialog->buffer(0), QStringLiteral("4018100100000000"));
            typeInto(dialog->buffer(1), "identifier", QStringLiteral("0"));
            dialog->buffer(1)->findChild<QComboBox*>(QStringLiteral("size"))->setCurrentIndex(2);
            typeBytes(dialog->buffer(1), QStringLiteral("010A"));
            QTest::qWait(300);
            saved &= saveScreen(out.filePath(QStringLiteral("manual-message.png")));
            dialog->reject();
        });
        frame.commandAction(command::kManualMessage)->trigger();

        whenDialogOpens<CAutoMessageDlg>([&](CAutoMessageDlg* dialog) {
            addAutomationItems(dialog);
            QTest::qWait(300);
            saved &= saveScreen(out.filePath(QStringLiteral("auto-message.png")));
            dialog->reject();
        });
        frame.commandAction(command::kAutoConfigure)->trigger();

        // The filter dialogs over conditions in force, so their lists show
        // each kind in their own words.
        state.filter.conditions = tourConditions();
        whenDialogOpens<CCANopenFilterDlg>([&](CCANopenFilterDlg* dialog) {
            QTest::qWait(300);
            saved &= saveScreen(out.filePath(QStringLiteral("filter-canopen.png")));
            dialog->reject();
        });
        frame.commandAction(command::kFilter)->trigger();
        frame.commandAction(command::kProtocolDeviceNet)->trigger();
        whenDialogOpens<CDeviceNetFilterDlg>([&](CDeviceNetFilterDlg* dialog) {
            QTest::qWait(300);
            saved &= saveScreen(out.filePath(QStringLiteral("filter-devicenet.png")));
            dialog->reject();
        });
        frame.commandAction(command::kFilter)->trigger();
        frame.commandAction(command::kProtocolCan)->trigger();
        whenDialogOpens<CCanFilterDlg>([&](CCanFilterDlg* dialog) {
            dialog->identifierChoice()->setCurrentIndex(int(IdentifierChoice::advanced));
            QTest::qWait(300);
            saved &= saveScreen(out.filePath(QStringLiteral("filter-can.png")));
            whenDialogOpens<CAdvancedIdDlg>([&](CAdvancedIdDlg* advanced) {
                for (const int bit : {0, 0, 8, 9, 10})
                    advanced->bitButton(bit)->click();
                QTest::qWait(300);
                saved &= saveScreen(out.filePath(QStringLiteral("advanced-identifier.png")));
                advanced->reject();
            });
            dialog->advancedButton()->click();
            dialog->reject();
        });
        frame.commandAction(command::kFilter)->trigger();

        CProgressDlg progress(&frame);
        progress.show();
        progress.showProgress(64, strings::kProgressSaving);
        QTest::qWait(300);
        saved &= progress.grab().save(out.filePath(QStringLiteral("progress.png")));
        messages.setApplicationWindow(nullptr);
    }
    receiveTimer.stop();
    saved &= shootGermanMainWindow(out);
    if (!saved)
        std::fprintf(stderr, "vorelin-screenshot-tour: could not save the pictures in %s\n", argv[1]);
    return saved ? 0 : 1;
}
