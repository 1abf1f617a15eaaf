#include "app/widgets/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

TEST(SingleInstance, ALaterCopyAsksTheFirstToComeForward) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SingleInstance first(folder.path(), QStringLiteral("Vorelin"));
    ASSERT_EQ(first.claim(), SingleInstance::Claim::firstCopy);
    QSignalSpy asked(&first, &SingleInstance::comeForwardRequested);

    SingleInstance later(folder.path(), QStringLiteral("Vorelin"));
    EXPECT_EQ(later.claim(), SingleInstance::Claim::laterCopy);
    EXPECT_TRUE(later.askFirstCopyToComeForward());
    EXPECT_TRUE(asked.wait(5000));

    SingleInstance other(folder.path(), QStringLiteral("Another"));
    EXPECT_EQ(other.claim(), SingleInstance::Claim::firstCopy) << "another name is another program";
}

TEST(SingleInstance, TheLockIsFreeAgainWhenTheFirstCopyEnds) {
    QTemporaryDir folder;
    {
        SingleInstance first(folder.path(), QStringLiteral("Vorelin"));
        ASSERT_EQ(first.claim(), SingleInstance::Claim::firstCopy);
    }
    SingleInstance next(folder.path(), QStringLiteral("Vorelin"));
    EXPECT_EQ(next.claim(), SingleInstance::Claim::firstCopy);
    SingleInstance later(folder.path(), QStringLiteral("Vorelin"));
    EXPECT_EQ(later.claim(), SingleInstance::Claim::laterCopy);
}

TEST(SingleInstance, NoFirstCopyToAskIsReported) {
    QTemporaryDir folder;
    SingleInstance lonely(folder.path(), QStringLiteral("Vorelin"));
    EXPECT_FALSE(lonely.askFirstCopyToComeForward());
}

TEST(SingleInstance, AnUnusableFolderIsNeitherFirstNorLater) {
    QTemporaryDir folder;
    const QString notAFolder = folder.filePath(QStringLiteral("file"));
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    SingleInstance instance(notAFolder, QStringLiteral("Vorelin"));
    EXPECT_EQ(instance.claim(), SingleInstance::Claim::unavailable);
    EXPECT_FALSE(instance.lockError().isEmpty());
}

TEST(SingleInstance, OnlyAWindowTitledExactlyComesForward) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vorelin - [Untitled]"));
    window.showMinimized();
    bringForwardIfTitled(&window, QStringLiteral("Vorelin"));
    EXPECT_TRUE(window.isMinimized()) << "a window with a document stays where it is";

    window.setWindowTitle(QStringLiteral("Vorelin"));
    bringForwardIfTitled(&window, QStringLiteral("Vorelin"));
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
}

// The program itself: a second copy hands over to the first and ends.
TEST(SingleInstance, ASecondProgramHandsOverAndExits) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("VORELIN_ADAPTER"), QStringLiteral("sim:rate=0"));

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(VORELIN_EXECUTABLE), {});
    ASSERT_TRUE(first.waitForStarted());
    const QString socket = QDir(runtime.path()).filePath(QStringLiteral("Vorelin.socket"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(socket); }, 30000)) << "the first copy listens";

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(VORELIN_EXECUTABLE), {});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardError().isEmpty()) << "silently";
    EXPECT_EQ(first.state(), QProcess::Running) << "the first copy runs on";

    first.terminate();
    if (!first.waitForFinished(10000))
        first.kill();
}
