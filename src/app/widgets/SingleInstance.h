// SingleInstance.h: keeps one running copy of the program per user. The first
// copy holds a lock file and listens on a local socket beside it; a later copy
// finds the lock held, asks the first to come forward and ends.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

class QWidget;

class SingleInstance : public QObject {
    Q_OBJECT

public:
    // `directory` holds the lock and the socket (the user's runtime folder);
    // `name` sets this program apart from others there.
    SingleInstance(const QString& directory, const QString& name, QObject* parent = nullptr);

    enum class Claim { firstCopy, laterCopy, unavailable };
    // The first copy listens for later ones from here on. `unavailable`: the
    // lock could not be made at all (see lockError()).
    Claim claim();
    QString lockError() const;

    // From a later copy: asks the first to come forward. False when no first
    // copy answered.
    bool askFirstCopyToComeForward() const;

signals:
    void comeForwardRequested();

private:
    QString socketPath_;
    QLockFile lock_;
    QLocalServer server_;
};

// Restores `window` to its normal size and raises it, but only while its
// title is exactly `title`: a window showing a document is left alone.
void bringForwardIfTitled(QWidget* window, const QString& title);
