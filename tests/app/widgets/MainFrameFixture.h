// MainFrameFixture.h: a main window over the simulated adapter, with its
// settings file and manual in a folder of the test's own, and messages
// recorded instead of shown.
#pragma once

#include "app/CommandIds.h"
#include "app/RecentFileList.h"
#include "app/widgets/CMainFrame.h"
#include "app/widgets/CNewDocDlg.h"
#include "core/ReceiveTimer.h"
#include "core/RecordingMessageSink.h"
#include "device/widgets/CDeviceSetupDlg.h"
#include "document/ProgramState.h"
#include "driver/Backend.h"
#include "support/QStringPrinting.h"
#include "widgets/ModalDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class MainFrameFixture : public ::testing::Test {
protected:
    void SetUp() override {
        auto backend = vorelin::driver::makeBackend(adapterSelector());
        ASSERT_TRUE(backend);
        vorelin::driver::installBackend(std::move(*backend));
        ASSERT_TRUE(folder.isValid());
        AppEnvironment environment{QStringLiteral("1.2.3"),
                                   folder.path(),
                                   folder.filePath(QStringLiteral("Configure.ini")).toStdString(),
                                   QStringLiteral("sim:test"),
                                   executablePath().toStdString(),
                                   userSettingsFile(),
                                   language()};
        frame = std::make_unique<CMainFrame>(state, receiveTimer, messages, environment, recentFiles);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    void TearDown() override {
        frame.reset();
        receiveTimer.stop();
    }

    virtual std::string adapterSelector() const { return "sim:rate=0"; }
    virtual LanguageId language() const { return kBaseLanguage; }

    // The program as if it ran from the test's folder, with no language
    // modules beside it unless the test puts them there.
    QString executablePath() const { return folder.filePath(QStringLiteral("vorelin")); }
    QString userSettingsFile() const { return folder.filePath(QStringLiteral("Vorelin.conf")); }

    QAction* action(int command) const { return frame->commandAction(command); }

    // File > New through its dialog: ticks Data List, picks `radio`
    // ("can", "deviceNet", "canopen" or empty for none) and presses OK.
    void runNew(const QString& radio) {
        whenDialogOpens<CNewDocDlg>([radio](CNewDocDlg* dialog) {
            dialog->findChild<QCheckBox*>(QStringLiteral("dataList"))->click();
            if (!radio.isEmpty())
                dialog->findChild<QRadioButton*>(radio)->click();
            clickButton(dialog, QStringLiteral("OK"));
            rejectIfStillOpen(dialog);
        });
        action(command::kNew)->trigger();
    }

    // Options > Setup with the lists as the dialog presets them, then OK.
    void runSetup() {
        whenDialogOpens<CDeviceSetupDlg>([](CDeviceSetupDlg* dialog) {
            clickButton(dialog, QStringLiteral("OK"));
            rejectIfStillOpen(dialog);
        });
        action(command::kSetup)->trigger();
    }

    QTemporaryDir folder;
    ProgramState state;
    ReceiveTimer receiveTimer{state.capture};
    RecordingMessageSink messages;
    RecentFileList recentFiles{4};
    std::unique_ptr<CMainFrame> frame;
};
