// CProgressDlg.h: the small window that counts a long save, load, export or
// print run in percent. It repaints at once on each change, since the window
// thread is busy with the work and handles no events until it is done.
#pragma once

#include <QDialog>

class QProgressBar;

class CProgressDlg : public QDialog {
    Q_OBJECT

public:
    explicit CProgressDlg(QWidget* parent = nullptr);

    // Shows `percent` (0 to 100) under the title of string `titleString`.
    void showProgress(int percent, int titleString);

    int percent() const;

    // Adds a Cancel button for work that can stop early. The work sees the
    // click (or Esc) only while it lets the window handle its events.
    void offerCancel();
    bool isCancelRequested() const { return cancelRequested_; }

private:
    QProgressBar* bar_;
    bool cancelRequested_ = false;
};
