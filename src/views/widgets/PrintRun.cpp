#include "views/widgets/PrintRun.h"

#include "views/widgets/PrinterPages.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>

namespace {

// The heading 400 pixels down, the margins of 150 and the footer 480 up are
// a 600 dpi printer's device pixels. A PDF file at Qt's 1200 dpi would crowd
// them into the top corner, at 96 dpi they would not fit the page at all.
constexpr int kFileOutputDpi = 600;

// A new PDF's permissions: those of a file written in place under the usual
// umask (0644).
constexpr QFileDevice::Permissions kNewFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

// While a run writes a file, the printer writes a hidden temporary file in
// the same folder, renamed over the file once the run is done: a cancelled
// run, a full disk or a crash never leaves a finished-looking partial PDF
// under the chosen name.
class FileOutputSwap {
public:
    explicit FileOutputSwap(QPrinter& printer) : printer_(printer), target_(printer.outputFileName()) {
        if (target_.isEmpty())
            return;
        const QFileInfo target(target_);
        temporary_.setFileTemplate(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                                   QStringLiteral(".XXXXXX"));
        // A folder that is not there, or not writable, fails the run here.
        if (!temporary_.open()) {
            failed_ = true;
            return;
        }
        temporary_.close();
        printer_.setOutputFileName(temporary_.fileName());
        swapped_ = true;
    }

    ~FileOutputSwap() {
        if (swapped_)
            printer_.setOutputFileName(target_);
    }

    FileOutputSwap(const FileOutputSwap&) = delete;
    FileOutputSwap& operator=(const FileOutputSwap&) = delete;

    bool isReady() const { return !failed_; }

    // Puts the finished file in place of the chosen one.
    bool commit() {
        if (!swapped_)
            return true;
        const QString finished = temporary_.fileName();
        const QFileInfo target(target_);
        // The temporary file was made private (0600); a replaced file keeps
        // its own permissions.
        QFile::setPermissions(finished, target.exists() ? QFile::permissions(target_) : kNewFilePermissions);
        if (std::rename(QFile::encodeName(finished).constData(),
                        QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
            return false;
        temporary_.setAutoRemove(false);
        return true;
    }

private:
    QPrinter& printer_;
    const QString target_;
    QTemporaryFile temporary_;
    bool swapped_ = false;
    bool failed_ = false;
};

// The pages a run prints, in order, and how often each.
class PageLoop {
public:
    PageLoop(QPrinter& printer, PrintableView& view, PrintProgress* progress, uint32_t pageCount)
        : printer_(printer), view_(view), progress_(progress) {
        if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
            firstPage_ = uint32_t(printer.fromPage());
            if (printer.toPage() > 0)
                lastPage_ = std::min(pageCount, uint32_t(printer.toPage()));
            else
                lastPage_ = pageCount;
        } else {
            lastPage_ = pageCount;
        }
        // A printer that makes its copies itself is sent each page once; a
        // PDF file holds every copy.
        copies_ = printer.supportsMultipleCopies() ? 1u : uint32_t(std::max(printer.copyCount(), 1));
        collate_ = printer.collateCopies();
    }

    bool isEmpty() const { return firstPage_ > lastPage_; }

    PrintOutcome run(QPainter& painter) {
        rect_ = pageRectOf(printer_);
        total_ = (lastPage_ - firstPage_ + 1) * copies_;
        if (collate_) {
            for (uint32_t copy = 0; copy < copies_; ++copy) {
                for (uint32_t page = firstPage_; page <= lastPage_; ++page) {
                    if (!printPage(painter, page))
                        return outcome_;
                }
            }
        } else {
            for (uint32_t page = firstPage_; page <= lastPage_; ++page) {
                for (uint32_t copy = 0; copy < copies_; ++copy) {
                    if (!printPage(painter, page))
                        return outcome_;
                }
            }
        }
        return outcome_;
    }

private:
    // False ends the run (cancelled or failed); a page after which no page
    // follows only shortens it.
    bool printPage(QPainter& painter, uint32_t page) {
        if (printed_ > 0 && !printer_.newPage()) {
            outcome_ = PrintOutcome::failed;
            return false;
        }
        if (!view_.OnPrint(painter, page, rect_))
            lastPage_ = page;
        ++printed_;
        if (progress_ && !progress_->pagePrinted(printed_, total_)) {
            outcome_ = PrintOutcome::cancelled;
            return false;
        }
        return true;
    }

    QPrinter& printer_;
    PrintableView& view_;
    PrintProgress* progress_;
    uint32_t firstPage_ = 1;
    uint32_t lastPage_ = 1;
    uint32_t copies_ = 1;
    bool collate_ = false;
    PageRect rect_;
    uint32_t total_ = 0;
    uint32_t printed_ = 0;
    PrintOutcome outcome_ = PrintOutcome::printed;
};

}  // namespace

void useFileOutputResolution(QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty())
        printer.setResolution(kFileOutputDpi);
}

PrintOutcome runPrintLoop(QPrinter& printer, PrintableView& view, PrintProgress* progress) {
    useFileOutputResolution(printer);
    FileOutputSwap output(printer);
    if (!output.isReady())
        return PrintOutcome::failed;
    PageLoop pages(printer, view, progress, view.OnBeginPrinting(printer));
    if (pages.isEmpty()) {
        // A range past the last page: nothing to print, and no empty file.
        view.OnEndPrinting();
        return PrintOutcome::printed;
    }
    PrintOutcome outcome = PrintOutcome::failed;
    QPainter painter;
    if (painter.begin(&printer)) {
        outcome = pages.run(painter);
        if (outcome == PrintOutcome::cancelled)
            printer.abort();
        painter.end();
        if (outcome == PrintOutcome::printed && printer.printerState() == QPrinter::Error)
            outcome = PrintOutcome::failed;
    }
    view.OnEndPrinting();
    if (outcome == PrintOutcome::printed && !output.commit())
        outcome = PrintOutcome::failed;
    return outcome;
}
