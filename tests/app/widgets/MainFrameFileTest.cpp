// File > Open, Save, Save As and Export in the main window, with the file
// dialogs answered by the test.
#include "MainFrameFixture.h"

#include "dialogs/CProgressDlg.h"
#include "support/Frames.h"
#include "support/TempDir.h"
#include "views/widgets/CViewDataList.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <deque>
#include <functional>

namespace {

class ScriptedFileNames : public FileNameChooser {
public:
    QString openFileName(QWidget*, const QString& filter) override {
        filters.push_back(filter);
        return next();
    }
    QString saveFileName(QWidget*, const QString& suggestedName, const QString& filter,
                         const QString& defaultSuffix) override {
        suggestedNames.push_back(suggestedName);
        filters.push_back(filter);
        suffixes.push_back(defaultSuffix);
        return next();
    }

    std::deque<QString> answers;
    QStringList suggestedNames;
    QStringList filters;
    QStringList suffixes;

private:
    QString next() {
        if (answers.empty())
            return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class MainFrameFiles : public MainFrameFixture {
protected:
    void SetUp() override {
        MainFrameFixture::SetUp();
        frame->setFileNameChooser(&fileNames);
    }

    QString path(const char* name) const { return QString::fromStdString(dir.file(name)); }

    void storeFrames(uint32_t count) {
        for (uint32_t i = 0; i < count; ++i)
            state.capture.store.append(frameRecord(0x100 + i, {uint8_t(i)}));
        state.capture.dataChanged = true;
        frame->tick();
    }

    QMdiSubWindow* documentWindow() const { return frame->mdiArea()->subWindowList().value(0); }

    TempDir dir;
    ScriptedFileNames fileNames;
};

}  // namespace

TEST_F(MainFrameFiles, SaveAsThenOpenBringsTheCaptureBackAsCan) {
    // A name beyond ASCII goes through the dialogs, the file system, the
    // title, the recent files and the messages whole.
    runNew(QStringLiteral("deviceNet"));
    storeFrames(5);
    fileNames.answers = {path("Prüfstand 1.orx")};
    action(command::kSave)->trigger();  // a new document has no name yet: Save asks
    EXPECT_EQ(fileNames.filters.value(0), "Vorelin Files (*.orx)");
    EXPECT_EQ(fileNames.suffixes.value(0), "orx");
    ASSERT_EQ(TempDir::read(dir.file("Prüfstand 1.orx"))->size(), 178u + 5u * 38u);
    EXPECT_EQ(documentWindow()->windowTitle(), "Prüfstand 1.orx");
    EXPECT_EQ(recentFiles.paths(), std::vector<std::string>{dir.file("Prüfstand 1.orx")});
    EXPECT_FALSE(state.capture.dataChanged);

    state.capture.store.append(frameRecord(0x7FF));  // changed since: Open asks first
    state.capture.dataChanged = true;
    frame->tick();
    messages.answerYesNoCancel(MessageReply::No);
    fileNames.answers = {path("Prüfstand 1.orx")};
    action(command::kOpen)->trigger();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 9414);
    EXPECT_EQ(messages.shown()[0].text, "Save changes to Prüfstand 1.orx?");

    ASSERT_EQ(frame->mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(state.capture.store.count(), 5u);
    EXPECT_EQ(state.capture.rows.count(), 5u);
    EXPECT_EQ(state.protocol, Protocol::can) << "a loaded capture reads as CAN";
    EXPECT_EQ(frame->dataListView()->protocol(), Protocol::can);
    EXPECT_EQ(frame->dataListView()->shownRowCount(), 5u);
    EXPECT_EQ(documentWindow()->windowTitle(), "Prüfstand 1.orx");
    EXPECT_EQ(state.capture.store.at(4).frame.identifier, 0x104u);
}

TEST_F(MainFrameFiles, CancellingTheSavePromptKeepsTheOpenCapture) {
    runNew(QStringLiteral("can"));
    storeFrames(2);
    TempDir::write(dir.file("other.log"), "(1.000000) can0 123#\n");
    fileNames.answers = {path("other.log")};
    action(command::kOpen)->trigger();  // the recording sink cancels
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(state.capture.store.count(), 2u);
    EXPECT_EQ(documentWindow()->windowTitle(), "Untitled");
}

TEST_F(MainFrameFiles, ADamagedFileIsRefusedBeforeTheOpenCaptureChanges) {
    runNew(QStringLiteral("canopen"));
    storeFrames(3);
    TempDir::write(dir.file("cut.orx"), std::string(120, '\0'));
    TempDir::write(dir.file("bad.log"), "(1.000000) can0 123#11\n(2.000000) can0 123#1\n");
    for (const char* name : {"cut.orx", "bad.log"}) {
        fileNames.answers = {path(name)};
        action(command::kOpen)->trigger();
    }
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].number, 9411);
    EXPECT_EQ(messages.shown()[0].text, dir.file("cut.orx") + "\n\nis damaged: 120 bytes, but its header promises 178");
    EXPECT_EQ(messages.shown()[1].number, 9411);
    EXPECT_NE(messages.shown()[1].text.find("line 2"), std::string::npos) << messages.shown()[1].text;
    EXPECT_EQ(state.capture.store.count(), 3u);
    EXPECT_EQ(state.protocol, Protocol::canopen);
}

TEST_F(MainFrameFiles, ACandumpLogOpensWithTimesFromItsFirstFrame) {
    TempDir::write(dir.file("bus.log"), "(1700000000.123456) can0 123#11223344\n"
                                        "(1700000001.000000) can0 18FF1234#R\n");
    ASSERT_TRUE(frame->openDocumentFile(path("bus.log")));
    ASSERT_EQ(state.capture.store.count(), 2u);
    const FrameRecord& second = state.capture.store.at(1);
    EXPECT_EQ(second.timeSec, 0u);
    EXPECT_EQ(second.timeMs, 876u);
    EXPECT_EQ(second.timeUs, 544u);
    EXPECT_EQ(second.frame.extended, 1);
    EXPECT_EQ(second.frame.remote, 1);
    EXPECT_FALSE(state.capture.capturing);

    fileNames.answers = {path("bus.orx")};
    action(command::kSave)->trigger();  // a log is saved as a capture file, under a new name
    EXPECT_EQ(fileNames.suffixes.value(0), "orx");
    EXPECT_TRUE(TempDir::read(dir.file("bus.orx")));
}

TEST_F(MainFrameFiles, ExportSuggestsTheProtocolsNameAndWritesTheLog) {
    runNew(QStringLiteral("canopen"));
    storeFrames(3);
    fileNames.answers = {path("CANopenData.txt")};
    qputenv("SOURCE_DATE_EPOCH", "0");
    action(command::kExport)->trigger();
    qunsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(fileNames.suggestedNames.value(0), "CANopenData");
    EXPECT_EQ(fileNames.suffixes.value(0), "txt");
    EXPECT_TRUE(fileNames.filters.value(0).startsWith("Vorelin Text Files (*.txt)"));
    const auto text = TempDir::read(dir.file("CANopenData.txt"));
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->starts_with("Message logs from Vorelin software.\r\nDate/time: 1970-01-01 00:00:00\r\n\r\n"
                                  "Message amount: 3\r\n"));
    EXPECT_TRUE(text->ends_with("End of message logs")) << "the CANopen closing text has no period";
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MainFrameFiles, ExportToAFileThatCannotBeMadeSaysOpenFileError) {
    runNew(QStringLiteral("can"));
    TempDir::write(dir.file("plain"), "x");
    fileNames.answers = {path("plain") + "/CANData.txt"};
    action(command::kExport)->trigger();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Open file error.");
    EXPECT_EQ(messages.shown()[0].caption, "error");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Stop);
}

TEST_F(MainFrameFiles, EveryWayOfClosingAModifiedCaptureAsksToSaveIt) {
    runNew(QStringLiteral("can"));
    storeFrames(1);
    const struct {
        const char* way;
        std::function<void(QMdiSubWindow*)> close;
    } ways[] = {
        {"File > Close", [this](QMdiSubWindow*) { action(command::kClose)->trigger(); }},
        {"its close button", [](QMdiSubWindow* window) { window->close(); }},
        {"its window menu",
         [](QMdiSubWindow* window) {
             for (QAction* item : window->systemMenu()->actions()) {
                 if (item->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_F4)))
                     item->trigger();
             }
         }},
        {"Ctrl+F4",
         [this](QMdiSubWindow* window) {
             frame->activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
             QTest::keyClick(window->widget(), Qt::Key_F4, Qt::ControlModifier);
         }},
    };
    for (const auto& way : ways) {
        const std::size_t asked = messages.shown().size();
        way.close(documentWindow());  // the recording sink cancels
        QCoreApplication::processEvents();
        ASSERT_EQ(messages.shown().size(), asked + 1) << way.way;
        EXPECT_EQ(messages.shown().back().text, "Save changes to Untitled?") << way.way;
        EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 1) << way.way << ": Cancel keeps the window";
        EXPECT_TRUE(state.dataListOpen) << way.way;
    }
    messages.answerYesNoCancel(MessageReply::No);
    action(command::kClose)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !state.dataListOpen; }));
    EXPECT_TRUE(frame->mdiArea()->subWindowList().isEmpty()) << "No closes without saving";
}

TEST_F(MainFrameFiles, NewStartsUnmodifiedWhateverThePreviousCaptureLeft) {
    runNew(QStringLiteral("can"));
    storeFrames(4);
    ASSERT_TRUE(state.capture.dataChanged);
    messages.answerYesNo(MessageReply::Yes);  // close the old list
    runNew(QStringLiteral("canopen"));
    ASSERT_EQ(state.protocol, Protocol::canopen);
    frame->tick();
    const std::size_t asked = messages.shown().size();
    action(command::kClose)->trigger();
    EXPECT_EQ(messages.shown().size(), asked) << "nothing to save in a brand-new document";
    EXPECT_FALSE(state.dataListOpen);
}

TEST_F(MainFrameFiles, EveryExportOfAtLeastOneRowShowsItsProgressWindow) {
    // Counts the progress windows that appear, however briefly.
    struct ShownCounter : QObject {
        int shown = 0;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show && qobject_cast<CProgressDlg*>(watched))
                ++shown;
            return false;
        }
    } counter;
    qApp->installEventFilter(&counter);
    runNew(QStringLiteral("can"));
    fileNames.answers = {path("none.txt")};
    action(command::kExport)->trigger();
    EXPECT_EQ(counter.shown, 0) << "zero rows: no progress window";
    storeFrames(1);
    fileNames.answers = {path("one.txt")};
    action(command::kExport)->trigger();
    qApp->removeEventFilter(&counter);
    EXPECT_EQ(counter.shown, 1);
    EXPECT_TRUE(TempDir::read(dir.file("one.txt")));
}

namespace {

// A bus with traffic, to capture from.
class LiveCaptureFiles : public MainFrameFiles {
protected:
    std::string adapterSelector() const override { return "sim:rate=4000"; }

    void startCapturing() {
        runNew(QStringLiteral("can"));
        runSetup();
        action(command::kCapture)->trigger();
        ASSERT_TRUE(QTest::qWaitFor([this] { return state.capture.store.count() >= 20; }));
    }
};

class FailingRunFiles : public LiveCaptureFiles {
protected:
    std::string adapterSelector() const override { return "sim:rate=4000,fail=RunKESH"; }
};

}  // namespace

TEST_F(LiveCaptureFiles, ACaptureSavedWhileCapturingGoesOnCapturingWhenReopened) {
    startCapturing();
    fileNames.answers = {path("live.orx")};
    action(command::kSaveAs)->trigger();
    ASSERT_TRUE(TempDir::read(dir.file("live.orx")));

    messages.answerYesNoCancel(MessageReply::No);  // frames arrived since the save
    ASSERT_TRUE(frame->openDocumentFile(path("live.orx")));
    const uint32_t loaded = uint32_t((TempDir::read(dir.file("live.orx"))->size() - 178) / 38);
    EXPECT_TRUE(action(command::kStop)->isEnabled());
    EXPECT_FALSE(action(command::kCapture)->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return state.capture.store.count() > loaded + 20; }))
        << "new frames follow the loaded ones";
    for (const Message& message : messages.shown())
        EXPECT_NE(message.number, 5001);
}

TEST_F(FailingRunFiles, AnAdapterThatWillNotRunAgainIsReportedAndCaptureStaysOn) {
    runNew(QStringLiteral("can"));
    runSetup();
    action(command::kCapture)->trigger();
    ASSERT_EQ(messages.shown().back().number, 5001);
    fileNames.answers = {path("live.orx")};
    action(command::kSaveAs)->trigger();

    const std::size_t asked = messages.shown().size();
    ASSERT_TRUE(frame->openDocumentFile(path("live.orx")));
    ASSERT_EQ(messages.shown().size(), asked + 1);
    EXPECT_EQ(messages.shown().back().number, 5001);
    EXPECT_TRUE(state.capture.capturing) << "as the file says, so that Stop and Capture retry";
    EXPECT_TRUE(action(command::kStop)->isEnabled());
}
