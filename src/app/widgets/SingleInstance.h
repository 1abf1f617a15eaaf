// SingleInstance.h: keeps one running copy of the program per user. The first
// copy holds a lock file and listens on a local socket beside it; a later copy
// finds the lock held, hands its request to the first (come forward, or open
// a file) and ends.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

class QLocalSocket;

class SingleInstance : public QObject {
    Q_OBJECT

public:
    // `directory` holds the lock and the socket: a folder no other user may
    // enter (chooseRuntimeFolder), so a socket found there under the lock is
    // one a first copy that died left behind. `name` sets this program apart
    // from others there.
    SingleInstance(const QString& directory, const QString& name, QObject* parent = nullptr);

    enum class Claim { firstCopy, laterCopy, unavailable };
    // The first copy listens for later ones from here on. `unavailable`: the
    // lock could not be made at all (see lockError()).
    Claim claim();
    QString lockError() const;
    // Why later copies cannot hand over to the first here, empty when they
    // can: the socket's path is too long (known from the start), or the first
    // copy could not listen. The lock alone still keeps one copy running.
    QString channelError() const { return channelError_; }

    // From a later copy: asks the first to open `absoluteFilePath`, or, with
    // no path, only to come forward, and waits until it has taken the
    // request. False when no first copy took it.
    bool handOverToFirstCopy(const QString& absoluteFilePath = {}) const;

signals:
    void comeForwardRequested();
    void openFileRequested(const QString& absoluteFilePath);

private:
    void listenForLaterCopies();
    void acceptLaterCopy(QLocalSocket* socket);
    void readRequest(QLocalSocket* socket);

    QString socketPath_;
    QString channelError_;
    QLockFile lock_;
    QLocalServer server_;
};
