// PrintProgressWindow.h: the progress window of a long print run, with a
// Cancel button. A run of a few hundred pages or less shows nothing.
#pragma once

#include "views/widgets/PrintRun.h"

#include <memory>

class CProgressDlg;
class QWidget;

class PrintProgressWindow : public PrintProgress {
public:
    explicit PrintProgressWindow(QWidget* owner);
    ~PrintProgressWindow() override;

    bool pagePrinted(uint32_t printed, uint32_t total) override;

    // Runs of more pages than this show the window.
    static constexpr uint32_t kShownAbovePages = 200;

private:
    QWidget* owner_;
    std::unique_ptr<CProgressDlg> window_;
};
