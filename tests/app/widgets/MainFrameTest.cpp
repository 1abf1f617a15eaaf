#include "MainFrameFixture.h"

#include "app/widgets/CViewChart.h"
#include "app/widgets/HelpTopics.h"
#include "core/CaptureCommands.h"
#include "filters/FilterState.h"
#include "support/Frames.h"
#include "views/widgets/CViewDataList.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

namespace {

QStringList menuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* menu : bar->actions())
        titles << menu->text();
    return titles;
}

QString paneText(CMainFrame& frame, int caption) {
    return frame.findChild<QLabel*>(QStringLiteral("pane%1").arg(caption))->text();
}

std::vector<int> numbersShown(const RecordingMessageSink& messages) {
    std::vector<int> numbers;
    for (const Message& message : messages.shown())
        numbers.push_back(message.number);
    return numbers;
}

// Takes the URLs Help Topics hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened << url; }

public:
    QList<QUrl> opened;
};

}  // namespace

TEST_F(MainFrameFixture, StartsWithNoDocumentTheShortMenusAndThePaneCaptions) {
    EXPECT_EQ(frame->windowTitle(), "Vorelin");
    EXPECT_EQ(menuTitles(frame->menuBar()), (QStringList{"&File", "&View", "&Options", "&Help"}));
    EXPECT_EQ(paneText(*frame, 109), "Frame");
    frame->tick();
    EXPECT_EQ(paneText(*frame, 102), "Protocol") << "no protocol yet";
    EXPECT_EQ(paneText(*frame, 104), "NULL") << "no adapter set up yet";
    EXPECT_FALSE(action(command::kCapture)->isEnabled());
    EXPECT_TRUE(action(command::kOpen)->isEnabled());
    EXPECT_FALSE(action(command::kSave)->isEnabled()) << "nothing to save";
    EXPECT_TRUE(action(command::kNew)->isEnabled());
}

TEST_F(MainFrameFixture, ToolbarCarriesEighteenButtonsWithIconsAndTooltips) {
    QList<QAction*> buttons;
    for (QAction* entry : frame->toolbar()->actions()) {
        if (!entry->isSeparator())
            buttons << entry;
    }
    ASSERT_EQ(buttons.size(), 18);
    EXPECT_EQ(buttons.first(), action(command::kNew));
    EXPECT_EQ(buttons.last(), action(command::kHelpTopics));
    for (QAction* button : buttons)
        EXPECT_FALSE(button->icon().isNull()) << button->text().toStdString();
    EXPECT_EQ(action(command::kManualMessage)->toolTip(), "Manual");
    EXPECT_EQ(action(command::kManualMessage)->statusTip(), "Send message manually");
    EXPECT_EQ(action(command::kSetup)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(action(command::kClearAll)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    EXPECT_EQ(action(command::kAutoStop)->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T));
}

TEST_F(MainFrameFixture, CommandsFollowNoDocumentIdleAndCapturing) {
    runNew(QStringLiteral("deviceNet"));
    ASSERT_TRUE(state.dataListOpen);
    EXPECT_EQ(state.protocol, Protocol::deviceNet);
    EXPECT_EQ(menuTitles(frame->menuBar()), (QStringList{"&File", "&View", "&Options", "F&unctions", "&Help"}));
    EXPECT_TRUE(frame->mdiArea()->activeSubWindow()->isMaximized());
    EXPECT_EQ(frame->windowTitle(), "Vorelin - [Untitled]") << "a second copy no longer brings this one forward";

    frame->updateCommandStates();
    EXPECT_TRUE(action(command::kCapture)->isEnabled());
    EXPECT_FALSE(action(command::kStop)->isEnabled());
    EXPECT_FALSE(action(command::kProtocolDeviceNet)->isEnabled()) << "the current protocol";
    EXPECT_TRUE(action(command::kProtocolCan)->isEnabled());
    EXPECT_FALSE(action(command::kZoom)->isEnabled());
    EXPECT_FALSE(action(command::kChartXT)->isEnabled());

    action(command::kCapture)->trigger();
    EXPECT_EQ(numbersShown(messages), std::vector<int>{5000}) << "capture needs Setup first";
    EXPECT_FALSE(state.capture.capturing);

    runSetup();
    ASSERT_TRUE(state.device.configured);
    action(command::kCapture)->trigger();
    EXPECT_TRUE(state.capture.capturing);
    frame->updateCommandStates();
    EXPECT_FALSE(action(command::kCapture)->isEnabled());
    EXPECT_TRUE(action(command::kStop)->isEnabled());

    action(command::kStop)->trigger();
    frame->updateCommandStates();
    EXPECT_TRUE(action(command::kCapture)->isEnabled());
    EXPECT_FALSE(action(command::kStop)->isEnabled());
}

TEST_F(MainFrameFixture, NewDialogOpensWithProtocolsDisabledUntilDataListIsTicked) {
    bool checked = false;
    whenDialogOpens<CNewDocDlg>([&checked](CNewDocDlg* dialog) {
        auto* dataList = dialog->findChild<QCheckBox*>(QStringLiteral("dataList"));
        auto* curve = dialog->findChild<QCheckBox*>(QStringLiteral("curve"));
        const QList<QRadioButton*> radios = dialog->findChildren<QRadioButton*>();
        EXPECT_EQ(radios.size(), 3);
        for (QRadioButton* radio : radios) {
            EXPECT_FALSE(radio->isEnabled());
            EXPECT_FALSE(radio->isChecked());
        }
        EXPECT_FALSE(dataList->isChecked());
        EXPECT_FALSE(curve->isEnabled());
        EXPECT_EQ(curve->text(), " Curve (Only for CANopen)");

        clickButton(dialog, QStringLiteral("OK"));
        EXPECT_TRUE(dialog->isVisible()) << "nothing ticked: the dialog stays";
        dataList->click();
        for (QRadioButton* radio : radios)
            EXPECT_TRUE(radio->isEnabled());
        dataList->click();
        for (QRadioButton* radio : radios)
            EXPECT_FALSE(radio->isEnabled());
        EXPECT_FALSE(curve->isEnabled());
        checked = true;
        dialog->reject();
    });
    action(command::kNew)->trigger();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(state.dataListOpen);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MainFrameFixture, NewOverAnOpenListAnsweredNoKeepsTheCapture) {
    runNew(QStringLiteral("can"));
    state.capture.store.append(frameRecord(0x123));
    QMdiSubWindow* first = frame->mdiArea()->activeSubWindow();

    runNew(QStringLiteral("canopen"));  // the recording sink answers No
    EXPECT_EQ(numbersShown(messages), std::vector<int>{5027});
    EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(frame->mdiArea()->activeSubWindow(), first);
    EXPECT_EQ(state.protocol, Protocol::can);
    EXPECT_EQ(state.capture.store.count(), 1u);
}

TEST_F(MainFrameFixture, NewOverAnOpenListAnsweredYesStartsAfresh) {
    runNew(QStringLiteral("can"));
    state.capture.store.append(frameRecord(0x123));
    state.filter.conditions.resize(2);
    state.filter.setFilterActive(true);
    state.filter.filterMode = FILTER_HIDE;
    frame->tick();
    ASSERT_EQ(state.capture.rows.count(), 1u);

    messages.answerYesNo(MessageReply::Yes);
    runNew(QStringLiteral("canopen"));
    EXPECT_EQ(numbersShown(messages), std::vector<int>{5027}) << "no offer to save";
    ASSERT_EQ(frame->mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(state.protocol, Protocol::canopen);
    EXPECT_EQ(frame->dataListView()->protocol(), Protocol::canopen);
    EXPECT_EQ(state.capture.store.count(), 0u);
    EXPECT_EQ(state.capture.rows.count(), 0u);
    EXPECT_TRUE(state.filter.conditions.empty());
    EXPECT_FALSE(state.filter.filterActive());
    EXPECT_EQ(state.filter.filterMode, FILTER_HIDE) << "the mode stays";
}

TEST_F(MainFrameFixture, ClosingTheListForgetsTheProtocolAndBringsBackTheShortMenus) {
    runNew(QStringLiteral("canopen"));
    state.capture.store.append(frameRecord(0x181));
    frame->tick();
    action(command::kClose)->trigger();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !state.dataListOpen && menuTitles(frame->menuBar()).size() == 4; }));
    EXPECT_EQ(state.protocol, Protocol::none);
    EXPECT_EQ(state.capture.store.count(), 1u) << "closing keeps the capture";
    frame->tick();
    EXPECT_EQ(paneText(*frame, 102), "CANopen") << "the pane keeps its last protocol";
}

TEST_F(MainFrameFixture, ChartModesNeedTheChartAndItsFontSaysChart) {
    runNew(QStringLiteral("can"));
    frame->openDocument(DocumentKind::chart);
    ASSERT_TRUE(state.chartOpen);
    frame->updateCommandStates();
    EXPECT_TRUE(action(command::kChartXT)->isEnabled());
    action(command::kChartYT)->trigger();
    EXPECT_EQ(state.chartMode, 1);
    frame->updateCommandStates();
    EXPECT_FALSE(action(command::kChartYT)->isEnabled());
    EXPECT_TRUE(action(command::kChartXY)->isEnabled());

    action(command::kFont)->trigger();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Chart");

    delete frame->chartView()->parentWidget();
    EXPECT_FALSE(state.chartOpen);
}

TEST_F(MainFrameFixture, HelpTopicsOpensTheManualOrSaysItIsMissing) {
    action(command::kHelpTopics)->trigger();
    ASSERT_EQ(numbersShown(messages), std::vector<int>{8001});
    EXPECT_EQ(messages.shown()[0].text, "Loading help file error.");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::None);

    QFile manual(folder.filePath(QStringLiteral("Vorelin-sc.html")));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.close();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    action(command::kHelpTopics)->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0], QUrl::fromLocalFile(manual.fileName()));
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST(HelpTopics, AnInstalledProgramFindsTheManualInItsShareFolder) {
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/doc/vorelin")));
    QFile manual(prefix.filePath(QStringLiteral("share/doc/vorelin/Vorelin-sc.html")));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.close();

    RecordingMessageSink messages;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    openHelpTopics(prefix.filePath(QStringLiteral("bin")), messages);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(QFileInfo(catcher.opened[0].toLocalFile()).canonicalFilePath(), QFileInfo(manual).canonicalFilePath());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MainFrameFixture, AFileThatCannotBeReadIsReportedAndLeavesTheRecentList) {
    recentFiles.add("/captures/bench.orx");
    EXPECT_FALSE(frame->openDocumentFile(QStringLiteral("/captures/bench.orx")));
    ASSERT_EQ(numbersShown(messages), std::vector<int>{9412});
    EXPECT_EQ(messages.shown()[0].text, "/captures/bench.orx\n\ncould not be read:\nNo such file or directory");
    EXPECT_TRUE(recentFiles.paths().empty());
    EXPECT_FALSE(state.dataListOpen);
}

#include "MainFrameTest.moc"
