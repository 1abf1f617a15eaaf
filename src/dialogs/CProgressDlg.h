// CProgressDlg.h: the small window that counts a long save, load or export
// in percent. It repaints at once on each change, since the window thread is
// busy with the work and handles no events until it is done.
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

private:
    QProgressBar* bar_;
};
