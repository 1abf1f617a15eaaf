#include "app/widgets/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTimer>
#include <QtEndian>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <optional>

namespace {

// A request on the socket: the byte count of a file path as four bytes, most
// significant first, then the path, absolute and in UTF-8; a count of zero
// asks only to come forward. The first copy answers one ACK byte once it has
// taken the request, and closes. Anything else it drops unanswered.
constexpr qint64 kCountBytes = 4;
constexpr char kTaken = '\x06';
// Four times PATH_MAX: room for any path the system could open.
constexpr quint32 kMaxPathBytes = 16 * 1024;

constexpr int kConnectWaitMs = 2000;
// The first copy answers from its window thread, which loading a large
// capture keeps busy for a while.
constexpr int kAnswerWaitMs = 10000;
// A later copy that never finishes its request does not keep a socket open.
constexpr int kRequestWaitMs = 10000;

// A socket's address holds its path and a closing NUL; Qt keeps one more
// byte, for the leading NUL of a name outside the file system.
constexpr qsizetype kMaxSocketPathBytes = sizeof(sockaddr_un::sun_path) - 2;

QByteArray encodeRequest(const QString& absoluteFilePath) {
    const QByteArray path = absoluteFilePath.toUtf8();
    QByteArray request(kCountBytes, '\0');
    qToBigEndian<quint32>(quint32(path.size()), request.data());
    return request + path;
}

// The path a request names, empty for none; nothing when the request could
// only open some other file than its sender meant.
std::optional<QString> requestedPath(const QByteArray& utf8) {
    QString path = QString::fromUtf8(utf8);
    // Bytes that are not UTF-8 come back as replacement characters, a NUL
    // would cut the path short, and a relative path belongs to the sender's
    // working folder, not to ours.
    if (path.toUtf8() != utf8 || path.contains(QChar(u'\0')) || (!path.isEmpty() && !QDir::isAbsolutePath(path)))
        return std::nullopt;
    return path;
}

void drop(QLocalSocket* socket) {
    socket->abort();
    socket->deleteLater();
}

}  // namespace

SingleInstance::SingleInstance(const QString& directory, const QString& name, QObject* parent)
    : QObject(parent),
      socketPath_(QDir(directory).filePath(name + QStringLiteral(".socket"))),
      lock_(QDir(directory).filePath(name + QStringLiteral(".lock"))) {
    // Only a lock whose holder has died may be taken over, however long the
    // first copy has been running.
    lock_.setStaleLockTime(0);
    if (QFile::encodeName(socketPath_).size() > kMaxSocketPathBytes)
        channelError_ = QStringLiteral("the runtime folder's path is too long for a socket: %1").arg(directory);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection())
            acceptLaterCopy(socket);
    });
}

SingleInstance::Claim SingleInstance::claim() {
    if (!lock_.tryLock(0))
        return lock_.error() == QLockFile::LockFailedError ? Claim::laterCopy : Claim::unavailable;
    listenForLaterCopies();
    return Claim::firstCopy;
}

void SingleInstance::listenForLaterCopies() {
    if (!channelError_.isEmpty())
        return;
    const QByteArray path = QFile::encodeName(socketPath_);
    struct stat status {};
    if (::lstat(path.constData(), &status) == 0) {
        // Listening would replace whatever holds the name; only a socket,
        // which under the lock a copy that died left, is ours to remove.
        if (!S_ISSOCK(status.st_mode)) {
            channelError_ = QStringLiteral("cannot listen for later copies: %1 is not a socket").arg(socketPath_);
            return;
        }
        ::unlink(path.constData());
    }
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketPath_))
        channelError_ =
            QStringLiteral("cannot listen for later copies: %1: %2").arg(socketPath_, server_.errorString());
}

QString SingleInstance::lockError() const {
    switch (lock_.error()) {
    case QLockFile::PermissionError:
        return QStringLiteral("no permission to create the lock file");
    case QLockFile::UnknownError:
        return QStringLiteral("the lock file could not be created");
    default:
        return {};
    }
}

bool SingleInstance::handOverToFirstCopy(const QString& absoluteFilePath) const {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kConnectWaitMs))
        return false;
    socket.write(encodeRequest(absoluteFilePath));
    while (socket.bytesAvailable() == 0 && socket.waitForReadyRead(kAnswerWaitMs)) {
    }
    return socket.read(1) == QByteArray(1, kTaken);
}

void SingleInstance::acceptLaterCopy(QLocalSocket* socket) {
    // The request may come in pieces; what it can hold is bounded, so the
    // socket never buffers more than that.
    socket->setReadBufferSize(kCountBytes + kMaxPathBytes);
    QTimer::singleShot(kRequestWaitMs, socket, [socket] { drop(socket); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
    readRequest(socket);
}

void SingleInstance::readRequest(QLocalSocket* socket) {
    if (socket->bytesAvailable() < kCountBytes)
        return;
    const auto size = qFromBigEndian<quint32>(socket->peek(kCountBytes).constData());
    if (size > kMaxPathBytes) {
        disconnect(socket, nullptr, this, nullptr);
        drop(socket);
        return;
    }
    if (socket->bytesAvailable() < kCountBytes + qint64(size))
        return;
    // One request per connection: whatever follows it is not read.
    disconnect(socket, nullptr, this, nullptr);
    socket->skip(kCountBytes);
    const std::optional<QString> path = requestedPath(socket->read(size));
    if (!path) {
        drop(socket);
        return;
    }
    // Answered before the request is acted on, which may wait on the user.
    socket->write(&kTaken, 1);
    socket->disconnectFromServer();
    if (path->isEmpty())
        emit comeForwardRequested();
    else
        emit openFileRequested(*path);
}
