#include "views/widgets/PrintProgressWindow.h"

#include "core/StringTable.h"
#include "dialogs/CProgressDlg.h"

#include <QCoreApplication>

PrintProgressWindow::PrintProgressWindow(QWidget* owner) : owner_(owner) {}

PrintProgressWindow::~PrintProgressWindow() = default;

bool PrintProgressWindow::pagePrinted(uint32_t printed, uint32_t total) {
    if (total <= kShownAbovePages)
        return true;
    if (!window_) {
        window_ = std::make_unique<CProgressDlg>(owner_);
        window_->offerCancel();
        // Cancel needs the window's events handled between pages; modal, so
        // that nothing else (Clear All, closing the document) runs meanwhile.
        window_->setWindowModality(Qt::ApplicationModal);
        window_->showProgress(0, strings::kProgressPrinting);
        window_->show();
    }
    const int percent = int(uint64_t(printed) * 100 / total);
    if (percent != window_->percent())
        window_->showProgress(percent, strings::kProgressPrinting);
    QCoreApplication::processEvents();
    return !window_->isCancelRequested();
}
