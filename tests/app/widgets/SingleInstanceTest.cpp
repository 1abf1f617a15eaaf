// Which copy of the program is the first, and the requests a later copy
// hands to it: as bytes on the socket (hand-made, so the format is pinned),
// between two SingleInstance objects, and between two programs.
#include "LaterCopy.h"

#include "app/widgets/SingleInstance.h"
#include "support/QStringPrinting.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <optional>

namespace {

const QString kName = QStringLiteral("Vorelin");
const QString kSocketName = QStringLiteral("/Vorelin.socket");

// What kind of node is at `path` (socket, file, link...), 0 for none.
mode_t kindAt(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

// The program's own lines on stderr; Qt adds notices of its own, such as
// where it keeps its runtime files when XDG_RUNTIME_DIR is not set.
QString programLines(const QByteArray& errors) {
    QString lines;
    for (const QByteArray& line : errors.split('\n')) {
        if (line.startsWith("vorelin: "))
            lines += QString::fromUtf8(line) + u'\n';
    }
    return lines;
}

// The socket file a copy that died leaves behind: bound, never removed.
bool leaveDeadSocket(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::size_t(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = socket >= 0 && ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (socket >= 0)
        ::close(socket);
    return bound;
}

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
        socket_.connectToServer(folder + kSocketName);
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

// What a first copy finds at its socket's name: a socket, which under the
// lock only a copy that died can have left, is removed; anything else is left
// as it is, and the first copy runs on without the hand-over and says why.
TEST(SingleInstance, RemovesOnlyASocketFoundAtItsSocketsName) {
    const struct {
        const char* name;
        std::function<bool(const QString&)> leave;
        mode_t kind;
    } rows[] = {
        {"a socket a copy that died left", leaveDeadSocket, S_IFSOCK},
        {"a file",
         [](const QString& path) {
             QFile file(path);
             return file.open(QIODevice::WriteOnly) && file.write("not ours") == 8;
         },
         S_IFREG},
        {"a FIFO", [](const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; },
         S_IFIFO},
        {"a symbolic link to a socket",
         [](const QString& path) {
             return leaveDeadSocket(path + QStringLiteral(".real")) &&
                    QFile::link(path + QStringLiteral(".real"), path);
         },
         S_IFLNK},
        {"a folder", [](const QString& path) { return QDir().mkdir(path); }, S_IFDIR},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir folder;
        const QString socket = folder.path() + kSocketName;
        ASSERT_TRUE(row.leave(socket));
        const bool isOurs = row.kind == S_IFSOCK;
        {
            SingleInstance first(folder.path(), kName);
            ASSERT_EQ(first.claim(), SingleInstance::Claim::firstCopy);
            const QString notASocket = QStringLiteral("cannot listen for later copies: %1 is not a socket").arg(socket);
            EXPECT_EQ(first.channelError(), isOurs ? QString() : notASocket);
            EXPECT_EQ(handOverFromAnotherThread(folder.path(), kName), isOurs);
            EXPECT_EQ(kindAt(socket), row.kind);
        }
        EXPECT_EQ(kindAt(socket), isOurs ? 0 : row.kind) << "the first copy removes only its own socket as it ends";
    }
}

// Qt takes a socket path of up to 106 bytes. One byte more is reported from
// the start, by first and later copies alike; the lock alone still keeps one
// copy running.
TEST(SingleInstance, ReportsASocketPathTooLongAndStillHoldsTheLock) {
    QTemporaryDir base;
    for (const qsizetype socketPathBytes : {106, 107}) {
        SCOPED_TRACE(socketPathBytes);
        const qsizetype padding = socketPathBytes - kSocketName.size() - base.path().size() - 1;
        if (padding < 1)
            GTEST_SKIP() << "the temporary folder's path is too long already: " << base.path().toStdString();
        const QString folder = base.path() + u'/' + QString(padding, u'a');
        ASSERT_TRUE(QDir().mkdir(folder));
        ASSERT_EQ(QFile::encodeName(folder + kSocketName).size(), socketPathBytes);

        SingleInstance first(folder, kName);
        ASSERT_EQ(first.claim(), SingleInstance::Claim::firstCopy);
        SingleInstance later(folder, kName);
        EXPECT_EQ(later.claim(), SingleInstance::Claim::laterCopy);
        const QString tooLong =
            socketPathBytes > 106 ? QStringLiteral("the runtime folder's path is too long for a socket: %1").arg(folder)
                                  : QString();
        EXPECT_EQ(first.channelError(), tooLong);
        EXPECT_EQ(later.channelError(), tooLong);
        EXPECT_EQ(handOverFromAnotherThread(folder, kName), tooLong.isEmpty());
    }
}

// The program itself in the environments it may meet: its lock and socket
// go to the runtime folder when that is private, else to a private folder in
// the home's cache, never to the working folder. What is passed over or lost
// is said on stderr, and a second copy without a file still ends.
TEST(SingleInstance, ASecondProgramEndsWhereverTheLockIs) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString longRuntime = runtime.path() + u'/' + QString(100, u'r');
    ASSERT_TRUE(QDir().mkdir(longRuntime));
    QFile::setPermissions(longRuntime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // "~" stands for each row's home.
    const QString cache = QStringLiteral("~/.cache/vorelin/") + QSysInfo::machineHostName();
    const struct {
        const char* name;
        std::optional<QString> runtimeDir;
        QString socketFolder;  // none when the path is too long
        QString message;
    } rows[] = {
        {"a private runtime folder", runtime.path(), runtime.path(), {}},
        {"no runtime folder", std::nullopt, cache, {}},
        {"a relative runtime folder", QStringLiteral("run"), cache,
         QStringLiteral("vorelin: XDG_RUNTIME_DIR run: not an absolute path; using %1\n").arg(cache)},
        {"a runtime folder too long for a socket", longRuntime, {},
         QStringLiteral("vorelin: the runtime folder's path is too long for a socket: %1\n").arg(longRuntime)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir home;
        QTemporaryDir work;
        ASSERT_TRUE(QDir(work.path()).mkdir(QStringLiteral("run")));
        QFile::setPermissions(work.filePath(QStringLiteral("run")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = programEnvironment(home.path());
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.remove(QStringLiteral("XDG_CACHE_HOME"));
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        if (row.runtimeDir)
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), *row.runtimeDir);
        const QString message = QString(row.message).replace(u'~', home.path());
        const QString socket =
            row.socketFolder.isEmpty() ? QString() : QString(row.socketFolder).replace(u'~', home.path()) + kSocketName;

        QProcess first;
        first.setProcessEnvironment(environment);
        first.setWorkingDirectory(work.path());
        first.start(QStringLiteral(VORELIN_EXECUTABLE), {});
        ASSERT_TRUE(first.waitForStarted());
        QByteArray firstErrors;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                firstErrors += first.readAllStandardError();
                return socket.isEmpty() ? firstErrors.contains(message.toUtf8()) : kindAt(socket) == S_IFSOCK;
            },
            30000))
            << "the first copy holds the lock";

        QProcess second;
        second.setProcessEnvironment(environment);
        second.setWorkingDirectory(work.path());
        second.start(QStringLiteral(VORELIN_EXECUTABLE), {});
        ASSERT_TRUE(second.waitForFinished(30000));
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(programLines(second.readAllStandardError()), message);
        EXPECT_EQ(first.state(), QProcess::Running) << "the first copy runs on";
        firstErrors += first.readAllStandardError();
        EXPECT_EQ(programLines(firstErrors), message);
        EXPECT_EQ(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList{QStringLiteral("run")});
        EXPECT_TRUE(QDir(work.filePath(QStringLiteral("run"))).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                                        QDir::Hidden));

        first.terminate();
        if (!first.waitForFinished(10000))
            first.kill();
    }
}
