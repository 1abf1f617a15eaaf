// Which copy of the program is the first, and the requests a later copy
// hands to it: as bytes on the socket (hand-made, so the format is pinned),
// between two SingleInstance objects, and between two programs.
#include "LaterCopy.h"

#include "app/widgets/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kName = QStringLiteral("Vorelin");

// A request as a later copy sends it: the path's byte count, most
// significant byte first, then the path.
QByteArray request(const QByteArray& path) {
    const auto count = quint32(path.size());
    QByteArray bytes;
    for (int shift : {24, 16, 8, 0})
        bytes.append(char((count >> shift) & 0xFF));
    return bytes + path;
}

// A later copy that writes its request by hand, in pieces if the test likes,
// from the test's own thread.
class HandWrittenRequest {
public:
    explicit HandWrittenRequest(const QString& folder) {
        socket_.connectToServer(QDir(folder).filePath(kName + QStringLiteral(".socket")));
    }

    bool isConnected() { return socket_.waitForConnected(5000); }

    // Sends `piece` and lets the first copy read it before anything more.
    void send(const QByteArray& piece) {
        socket_.write(piece);
        socket_.flush();
        QTest::qWait(1);
    }

    // What the first copy sent back before it closed the connection.
    QByteArray answer() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return socket_.state() == QLocalSocket::UnconnectedState; }, 30000))
            << "the first copy closes the connection";
        return socket_.readAll();
    }

private:
    QLocalSocket socket_;
};

class FirstCopy : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_EQ(first.claim(), SingleInstance::Claim::firstCopy);
    }

    QTemporaryDir folder;
    SingleInstance first{folder.path(), kName};
    QSignalSpy comeForward{&first, &SingleInstance::comeForwardRequested};
    QSignalSpy openFile{&first, &SingleInstance::openFileRequested};
};

}  // namespace

TEST_F(FirstCopy, TakesALaterCopysRequestToComeForwardOrToOpenAFile) {
    SingleInstance later(folder.path(), kName);
    EXPECT_EQ(later.claim(), SingleInstance::Claim::laterCopy);

    EXPECT_TRUE(handOverFromAnotherThread(folder.path(), kName));
    EXPECT_EQ(comeForward.size(), 1);
    EXPECT_EQ(openFile.size(), 0);

    const QString path = QStringLiteral(u"/home/bench/Prüfstand 3/line 2.orx");
    EXPECT_TRUE(handOverFromAnotherThread(folder.path(), kName, path));
    ASSERT_EQ(openFile.size(), 1);
    EXPECT_EQ(openFile[0][0].toString(), path);
    EXPECT_EQ(comeForward.size(), 1) << "opening is asked for instead of only coming forward";

    SingleInstance other(folder.path(), QStringLiteral("Another"));
    EXPECT_EQ(other.claim(), SingleInstance::Claim::firstCopy) << "another name is another program";
}

TEST_F(FirstCopy, ReadsARequestThatArrivesInPiecesWhole) {
    HandWrittenRequest later(folder.path());
    ASSERT_TRUE(later.isConnected());
    // 21 bytes: "ü" takes two in UTF-8.
    const QByteArray bytes("\x00\x00\x00\x15/tmp/Pr\xC3\xBC" "fstand 3.orx", 25);
    for (char byte : bytes.first(bytes.size() - 1))
        later.send(QByteArray(1, byte));
    EXPECT_EQ(openFile.size(), 0) << "nothing before the last byte";
    // A second request on the same connection is not read.
    later.send(bytes.last(1) + request("/tmp/other.orx"));
    EXPECT_EQ(later.answer(), QByteArray("\x06"));
    ASSERT_EQ(openFile.size(), 1);
    EXPECT_EQ(openFile[0][0].toString(), QStringLiteral(u"/tmp/Prüfstand 3.orx"));
    EXPECT_EQ(comeForward.size(), 0);
}

TEST_F(FirstCopy, TakesAPathOfSixteenKiB) {
    HandWrittenRequest later(folder.path());
    ASSERT_TRUE(later.isConnected());
    const QByteArray path = '/' + QByteArray(16 * 1024 - 1, 'a');
    later.send(request(path));
    EXPECT_EQ(later.answer(), QByteArray("\x06"));
    ASSERT_EQ(openFile.size(), 1);
    EXPECT_EQ(openFile[0][0].toString().toUtf8(), path);
}

TEST_F(FirstCopy, DropsUnansweredARequestThatCouldOpenAnotherFile) {
    struct Row {
        const char* name;
        QByteArray bytes;
    };
    const Row rows[] = {
        {"a count over 16 KiB, before its path arrives", QByteArray("\x00\x00\x40\x01", 4)},
        {"a path one byte over 16 KiB", request('/' + QByteArray(16 * 1024, 'a'))},
        {"a relative path", request("captures/line 2.orx")},
        {"bytes that are not UTF-8", request("/tmp/\xFF\xFE.orx")},
        {"an overlong encoding of the slash", request("\xC0\xAFtmp/a.orx")},
        {"a NUL that would cut the path short", request(QByteArray("/tmp/a.orx\0.txt", 15))},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HandWrittenRequest later(folder.path());
        ASSERT_TRUE(later.isConnected());
        later.send(row.bytes);
        EXPECT_EQ(later.answer(), QByteArray());
    }
    EXPECT_EQ(openFile.size(), 0);
    EXPECT_EQ(comeForward.size(), 0);
    EXPECT_TRUE(handOverFromAnotherThread(folder.path(), kName, QStringLiteral("/tmp/a.orx")))
        << "the first copy serves on";
}

TEST(SingleInstance, TheLockIsFreeAgainWhenTheFirstCopyEnds) {
    QTemporaryDir folder;
    {
        SingleInstance first(folder.path(), kName);
        ASSERT_EQ(first.claim(), SingleInstance::Claim::firstCopy);
    }
    SingleInstance next(folder.path(), kName);
    EXPECT_EQ(next.claim(), SingleInstance::Claim::firstCopy);
    SingleInstance later(folder.path(), kName);
    EXPECT_EQ(later.claim(), SingleInstance::Claim::laterCopy);
}

TEST(SingleInstance, NoFirstCopyToAskIsReported) {
    QTemporaryDir folder;
    const SingleInstance lonely(folder.path(), kName);
    EXPECT_FALSE(lonely.handOverToFirstCopy());
    EXPECT_FALSE(lonely.handOverToFirstCopy(QStringLiteral("/tmp/a.orx")));
}

TEST(SingleInstance, AnUnusableFolderIsNeitherFirstNorLater) {
    QTemporaryDir folder;
    const QString notAFolder = folder.filePath(QStringLiteral("file"));
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    SingleInstance instance(notAFolder, kName);
    EXPECT_EQ(instance.claim(), SingleInstance::Claim::unavailable);
    EXPECT_FALSE(instance.lockError().isEmpty());
}

// The program itself: a second copy without a file hands over to the first
// and ends.
TEST(SingleInstance, ASecondProgramHandsOverAndExits) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess first;
    first.setProcessEnvironment(programEnvironment(runtime.path()));
    first.start(QStringLiteral(VORELIN_EXECUTABLE), {});
    ASSERT_TRUE(first.waitForStarted());
    const QString socket = QDir(runtime.path()).filePath(QStringLiteral("Vorelin.socket"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(socket); }, 30000)) << "the first copy listens";

    QProcess second;
    second.setProcessEnvironment(programEnvironment(runtime.path()));
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
