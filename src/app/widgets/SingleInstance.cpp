#include "app/widgets/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QWidget>

namespace {

constexpr int kAnswerWaitMs = 2000;

}  // namespace

SingleInstance::SingleInstance(const QString& directory, const QString& name, QObject* parent)
    : QObject(parent),
      socketPath_(QDir(directory).filePath(name + QStringLiteral(".socket"))),
      lock_(QDir(directory).filePath(name + QStringLiteral(".lock"))) {
    // Only a lock whose holder has died may be taken over, however long the
    // first copy has been running.
    lock_.setStaleLockTime(0);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            socket->disconnectFromServer();
            socket->deleteLater();
            emit comeForwardRequested();
        }
    });
}

SingleInstance::Claim SingleInstance::claim() {
    if (!lock_.tryLock(0))
        return lock_.error() == QLockFile::LockFailedError ? Claim::laterCopy : Claim::unavailable;
    // A socket left by a copy that died would refuse the listen.
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(socketPath_);
    return Claim::firstCopy;
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

bool SingleInstance::askFirstCopyToComeForward() const {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kAnswerWaitMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

void bringForwardIfTitled(QWidget* window, const QString& title) {
    if (window->windowTitle() != title)
        return;
    window->showNormal();
    window->raise();
    window->activateWindow();
}
