// The first copy's main window answering later copies: a file handed over
// by a second program opens as File > Open would, a file waits for a modal
// dialog to close, and without a file only a window titled exactly
// "Vorelin" comes forward.
#include "LaterCopy.h"
#include "MainFrameFixture.h"

#include "app/widgets/LaterCopyRequests.h"
#include "core/DocumentContents.h"
#include "document/CaptureDocumentFile.h"
#include "support/Frames.h"
#include "support/TempDir.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>

namespace {

const QString kName = QStringLiteral("Vorelin");

class LaterCopyRequestsTest : public MainFrameFixture {
protected:
    void SetUp() override {
        MainFrameFixture::SetUp();
        ASSERT_TRUE(runtime.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        instance = std::make_unique<SingleInstance>(runtime.path(), kName);
        ASSERT_EQ(instance->claim(), SingleInstance::Claim::firstCopy);
        requests = std::make_unique<LaterCopyRequests>(*instance, *frame);
    }

    void TearDown() override {
        requests.reset();
        instance.reset();
        MainFrameFixture::TearDown();
    }

    // A capture file of `count` frames from identifier 0x301 on, as Save
    // writes one; answers its path.
    std::string writeCapture(const std::string& name, uint32_t count) {
        ProgramState saved;
        for (uint32_t i = 0; i < count; ++i)
            saved.capture.store.append(frameRecord(0x301 + i, {uint8_t(i)}));
        const std::string path = dir.file(name);
        EXPECT_TRUE(saveCaptureDocument(path, saved, DocumentContents{}, nullptr));
        return path;
    }

    QString documentTitle() const {
        const QMdiSubWindow* window = frame->mdiArea()->subWindowList().value(0);
        return window ? window->windowTitle() : QString();
    }

    TempDir dir;
    QTemporaryDir runtime;
    std::unique_ptr<SingleInstance> instance;
    std::unique_ptr<LaterCopyRequests> requests;
};

}  // namespace

// The second copy is the program itself, started as a file manager starts
// it: in the file's folder, with the file's name only.
TEST_F(LaterCopyRequestsTest, ASecondProgramHandsItsFileToTheFirstWhichOpensItAsFileOpenWould) {
    runNew(QStringLiteral("can"));
    state.capture.store.append(frameRecord(0x100));
    state.capture.dataChanged = true;
    frame->tick();
    messages.answerYesNoCancel(MessageReply::No);
    frame->setWindowTitle(QStringLiteral("Vorelin - [Untitled]"));
    frame->showMinimized();
    const std::string path = writeCapture("Prüfstand 3.orx", 3);

    QProcess second;
    second.setProcessEnvironment(programEnvironment(runtime.path()));
    second.setWorkingDirectory(QString::fromStdString(dir.path()));
    second.start(QStringLiteral(VORELIN_EXECUTABLE), {QStringLiteral(u"Prüfstand 3.orx")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 60000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.readAllStandardError(), QByteArray());

    ASSERT_TRUE(QTest::qWaitFor([&] { return documentTitle() == QStringLiteral(u"Prüfstand 3.orx"); }, 30000));
    ASSERT_EQ(messages.shown().size(), 1u) << "the save prompt comes first";
    EXPECT_EQ(messages.shown()[0].number, 9414);
    EXPECT_EQ(messages.shown()[0].text, "Save changes to Untitled?");
    ASSERT_EQ(state.capture.store.count(), 3u);
    EXPECT_EQ(state.capture.store.at(0).frame.identifier, 0x301u);
    EXPECT_EQ(recentFiles.paths(), std::vector<std::string>{path}) << "made absolute by the second copy";
    EXPECT_FALSE(frame->isMinimized()) << "handed a file, the window comes forward whatever its title";
}

TEST_F(LaterCopyRequestsTest, HandedFilesWaitForTheModalDialogAndOpenInTurn) {
    QDialog setup(frame.get());
    setup.setModal(true);
    setup.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &setup);
    const std::string first = writeCapture("first.orx", 1);
    const std::string second = writeCapture("second.orx", 2);

    EXPECT_TRUE(handOverFromAnotherThread(runtime.path(), kName, QString::fromStdString(first)));
    EXPECT_TRUE(handOverFromAnotherThread(runtime.path(), kName, QString::fromStdString(second)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame->mdiArea()->subWindowList().isEmpty()) << "nothing opens under the dialog";
    EXPECT_TRUE(recentFiles.paths().empty());

    setup.accept();
    ASSERT_TRUE(QTest::qWaitFor([&] { return documentTitle() == QStringLiteral("second.orx"); }, 30000));
    EXPECT_EQ(recentFiles.paths(), (std::vector<std::string>{second, first})) << "both opened, in the order handed";
    EXPECT_EQ(state.capture.store.count(), 2u);
    EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(LaterCopyRequestsTest, WithoutAFileOnlyAWindowTitledExactlyVorelinComesForward) {
    frame->setWindowTitle(QStringLiteral("Vorelin - [Untitled]"));
    frame->showMinimized();
    ASSERT_TRUE(handOverFromAnotherThread(runtime.path(), kName));
    EXPECT_TRUE(frame->isMinimized()) << "a window with a document stays where it is";

    frame->setWindowTitle(QStringLiteral("Vorelin"));
    ASSERT_TRUE(handOverFromAnotherThread(runtime.path(), kName));
    EXPECT_FALSE(frame->isMinimized());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->mdiArea()->subWindowList().isEmpty());
}
