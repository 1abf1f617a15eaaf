// The data list's print runs, printed to PDF files and read back as text.
#include "views/widgets/CViewDataList.h"

#include "app/widgets/ModalDialog.h"
#include "core/CDataDoc.h"
#include "core/CaptureState.h"
#include "core/ReceiveTimer.h"
#include "core/RecordingMessageSink.h"
#include "core/StringTable.h"
#include "dialogs/CProgressDlg.h"
#include "support/Frames.h"
#include "support/PdfText.h"
#include "support/PushButtons.h"
#include "support/ScopedTranslations.h"
#include "support/ScriptedBackend.h"
#include "support/TempDir.h"
#include "views/widgets/PrintProgressWindow.h"

#include <QAccessible>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

const std::string kTitle = "Data captured by Vorelin";
const std::string kCanColumns = "CANIndex Time(m-s-ms-us) Loading(%) IDN Type Len Data";

// The printed line of the row `row` showing frame 0x100 + n with its one
// data byte n, as the layout's table gives it (blanks squeezed).
std::string canRowLine(uint32_t row, uint32_t n) {
    char line[96];
    std::snprintf(line, sizeof line, "%07u : 01-02-003-004 07 %03X Standard 1 %02X", row, 0x100 + n, n & 0xFF);
    return line;
}

std::string footer(uint32_t page, uint32_t pageCount) {
    return "- Page " + std::to_string(page) + " of " + std::to_string(pageCount) + " -";
}

// The lines between the column heading line and the footer.
PdfPage rowLines(const PdfPage& page) {
    if (page.size() < 3)
        return {};
    return PdfPage(page.begin() + 2, page.end() - 1);
}

class CancelAfter : public PrintProgress {
public:
    explicit CancelAfter(uint32_t pages) : pages_(pages) {}
    bool pagePrinted(uint32_t printed, uint32_t) override { return printed < pages_; }

private:
    uint32_t pages_;
};

class DataListPrint : public ::testing::Test {
protected:
    void SetUp() override {
        if (!canReadPdfText())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the printed pages cannot be read back";
        vorelin::driver::installBackend(std::make_shared<ScriptedBackend>());
        document = std::make_unique<CDataDoc>(capture, receiveTimer);
        view = std::make_unique<CViewDataList>(capture, *document, Protocol::can);
        ASSERT_FALSE(dir.path().empty());
    }

    // Stores frame 0x100 + n with data byte n for each n below `count`; those
    // that `shown` accepts become shown rows, as a filter would leave them.
    void storeFrames(uint32_t count, bool (*shown)(uint32_t) = [](uint32_t) { return true; }) {
        for (uint32_t n = 0; n < count; ++n) {
            capture.store.append(stampedRecord(dataFrame(0x100 + n, {uint8_t(n)}), 7));
            if (shown(n))
                capture.rows.append(capture.store.count() - 1);
        }
    }

    // A4 PDF file `name` in the test's folder, as the print dialog sets it up.
    std::unique_ptr<QPrinter> pdfPrinter(const std::string& name) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(QString::fromStdString(dir.file(name)));
        printer->setPageSize(QPageSize(QPageSize::A4));
        useFileOutputResolution(*printer);
        return printer;
    }

    uint32_t rowsPerPage(QPrinter& printer) {
        return measurePrintLayout(printerFonts(view->listLogFont(), printer), printer, 0).rowsPerPage;
    }

    std::vector<PdfPage> pagesOf(const std::string& name) {
        auto pages = readPdfPages(QString::fromStdString(dir.file(name)));
        EXPECT_TRUE(pages) << name << " could not be read";
        return pages.value_or(std::vector<PdfPage>{});
    }

    CaptureState capture;
    ReceiveTimer receiveTimer{capture};
    std::unique_ptr<CDataDoc> document;
    std::unique_ptr<CViewDataList> view;
    RecordingMessageSink messages;
    TempDir dir;
};

}  // namespace

TEST_F(DataListPrint, TwiceTheRowsOfAPageMakeThreePagesTheLastWithoutRows) {
    auto printer = pdfPrinter("rows.pdf");
    const uint32_t r = rowsPerPage(*printer);
    ASSERT_GT(r, 20u) << "an A4 page at 600 dpi holds dozens of rows";
    storeFrames(2 * r);
    ASSERT_EQ(view->printPages(*printer), PrintOutcome::printed);

    const std::vector<PdfPage> pages = pagesOf("rows.pdf");
    ASSERT_EQ(pages.size(), 3u);
    for (uint32_t p = 1; p <= 3; ++p) {
        const PdfPage& page = pages[p - 1];
        ASSERT_GE(page.size(), 3u) << "page " << p;
        EXPECT_EQ(page.front(), kTitle) << "page " << p;
        EXPECT_EQ(page[1], kCanColumns) << "page " << p;
        EXPECT_EQ(page.back(), footer(p, 3));
    }
    EXPECT_EQ(rowLines(pages[0]).size(), r);
    EXPECT_EQ(rowLines(pages[0]).front(), canRowLine(0, 0));
    EXPECT_EQ(rowLines(pages[1]).front(), canRowLine(r, r)) << "page 2 begins with row R";
    EXPECT_EQ(rowLines(pages[1]).back(), canRowLine(2 * r - 1, 2 * r - 1));
    EXPECT_TRUE(rowLines(pages[2]).empty());
    EXPECT_EQ(dir.entryCount(), 1u) << "no temporary file left beside the PDF";
}

TEST_F(DataListPrint, HiddenRowsAreLeftOutAndTheRunEndsWithTheLastShownRow) {
    auto printer = pdfPrinter("shown.pdf");
    const uint32_t r = rowsPerPage(*printer);
    // Every other frame shown: R + 2 rows, the last of them frame 2R + 2.
    storeFrames(2 * r + 4, [](uint32_t n) { return n % 2 == 0; });
    ASSERT_EQ(view->printPages(*printer), PrintOutcome::printed);

    const std::vector<PdfPage> pages = pagesOf("shown.pdf");
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(rowLines(pages[0]).size(), r);
    EXPECT_EQ(rowLines(pages[0])[1], canRowLine(1, 2));
    EXPECT_EQ(rowLines(pages[1]), (PdfPage{canRowLine(r, 2 * r), canRowLine(r + 1, 2 * r + 2)}));
    EXPECT_EQ(pages[1].back(), footer(2, 2));
}

TEST_F(DataListPrint, WithoutRowsEachProtocolPrintsOnePageUnderItsColumnHeading) {
    const struct {
        const char* name;
        Protocol protocol;
        int columnHeading;
    } rows[] = {{"can", Protocol::can, strings::kPrintHeadingCan},
                {"deviceNet", Protocol::deviceNet, strings::kPrintHeadingDeviceNet},
                {"canopen", Protocol::canopen, strings::kPrintHeadingCanopen}};
    for (const auto& row : rows) {
        const std::string name = std::string(row.name) + ".pdf";
        view->SetProtocol(row.protocol);
        auto printer = pdfPrinter(name);
        ASSERT_EQ(view->printPages(*printer), PrintOutcome::printed) << row.name;
        const std::string columns = squeezed(QString::fromStdString(std::string(strings::text(row.columnHeading))));
        EXPECT_EQ(pagesOf(name), (std::vector<PdfPage>{{kTitle, columns, footer(1, 1)}})) << row.name;
    }
}

TEST_F(DataListPrint, ALanguageModulesTextsPrintWhole) {
    const ScopedTranslations german({{strings::kPrintTitle, "Mit Vorelin aufgezeichnete Daten – Prüfstand"},
                                     {strings::kRemoteFrame, "Datenanforderung (ü)"}});
    CanFrame frame = dataFrame(0x12, {});
    frame.remote = 1;
    capture.store.append(stampedRecord(frame, 7));
    capture.rows.append(0);
    auto printer = pdfPrinter("de.pdf");
    ASSERT_EQ(view->printPages(*printer), PrintOutcome::printed);
    const std::vector<PdfPage> pages = pagesOf("de.pdf");
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(rowLines(pages[0]).size(), 1u);
    EXPECT_EQ(pages[0].front(), "Mit Vorelin aufgezeichnete Daten – Prüfstand");
    EXPECT_TRUE(rowLines(pages[0]).front().ends_with(" Datenanforderung (ü)")) << rowLines(pages[0]).front();
}

TEST_F(DataListPrint, ChosenRangeAndCopiesPrintInTheirOrder) {
    const struct {
        const char* name;
        bool collate;
        std::vector<uint32_t> pages;
    } rows[] = {{"collated", true, {2, 3, 2, 3}}, {"uncollated", false, {2, 2, 3, 3}}};
    for (const auto& row : rows) {
        const std::string name = std::string(row.name) + ".pdf";
        auto printer = pdfPrinter(name);
        if (capture.rows.count() == 0)
            storeFrames(2 * rowsPerPage(*printer) + 1);
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(2, 3);
        printer->setCopyCount(2);
        printer->setCollateCopies(row.collate);
        ASSERT_EQ(view->printPages(*printer), PrintOutcome::printed) << row.name;
        std::vector<std::string> footers;
        for (const PdfPage& page : pagesOf(name))
            footers.push_back(page.back());
        std::vector<std::string> expected;
        for (uint32_t page : row.pages)
            expected.push_back(footer(page, 3));
        EXPECT_EQ(footers, expected) << row.name;
    }
}

TEST_F(DataListPrint, CancelledRunLeavesNoNewFileAndAnOldOneAsItWas) {
    const struct {
        const char* name;
        std::optional<std::string> oldFile;
    } rows[] = {{"new", std::nullopt}, {"replaced", std::string("old bytes")}};
    storeFrames(500);
    for (const auto& row : rows) {
        const std::string name = std::string(row.name) + ".pdf";
        if (row.oldFile)
            TempDir::write(dir.file(name), *row.oldFile);
        auto printer = pdfPrinter(name);
        CancelAfter cancel(2);
        EXPECT_EQ(view->printPages(*printer, &cancel), PrintOutcome::cancelled) << row.name;
        EXPECT_EQ(TempDir::read(dir.file(name)), row.oldFile) << row.name;
        EXPECT_EQ(printer->outputFileName(), QString::fromStdString(dir.file(name))) << "the printer keeps its file";
    }
    EXPECT_EQ(dir.entryCount(), 1u) << "only the old file, no temporary one";
}

TEST_F(DataListPrint, LongRunShowsTheProgressWindowWhoseCancelStopsIt) {
    // A list font this large prints one row a page: a long run made quickly.
    QFont large = view->listLogFont();
    large.setPixelSize(300);
    view->applyFont(large, Qt::black);
    auto printer = pdfPrinter("long.pdf");
    ASSERT_EQ(rowsPerPage(*printer), 1u);
    storeFrames(PrintProgressWindow::kShownAbovePages + 50);
    QString cancelHeard;
    whenDialogOpens<CProgressDlg>([&cancelHeard](CProgressDlg* window) {
        QPushButton* cancel = pushButtonWithText(window, QStringLiteral("Cancel"));
        ASSERT_TRUE(cancel);
        cancelHeard = QAccessible::queryAccessibleInterface(cancel)->text(QAccessible::Name);
        cancel->click();
    });
    view->printChosenPages(*printer, messages);
    EXPECT_EQ(cancelHeard, QStringLiteral("Cancel"));
    EXPECT_FALSE(TempDir::read(dir.file("long.pdf"))) << "a cancelled run leaves no PDF";
    EXPECT_TRUE(messages.shown().empty()) << "cancelling is no failure";
}

TEST_F(DataListPrint, FileThatCannotBeWrittenIsReported) {
    storeFrames(3);
    auto printer = pdfPrinter("no-such-folder/rows.pdf");
    view->printChosenPages(*printer, messages);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, strings::kOpenFileError);
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Stop);
}

TEST_F(DataListPrint, PrintDialogOffersThePagesOfTheRunOnTheDefaultPrinter) {
    if (QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "no printer installed: the page range is counted only for a printer";
    QPrinter printer(QPrinter::HighResolution);
    storeFrames(2 * rowsPerPage(printer));
    int lastOffered = 0;
    whenDialogOpens<QPrintDialog>([&lastOffered](QPrintDialog* dialog) {
        lastOffered = dialog->maxPage();
        dialog->reject();
    });
    EXPECT_FALSE(view->OnPreparePrinting(printer, messages));
    EXPECT_EQ(lastOffered, 3);
}

TEST_F(DataListPrint, PrinterThatIsGoneIsReportedBeforeThePrintDialog) {
    // Settings that name a printer the system no longer has (QPrinter itself
    // refuses to take such a name).
    QPrinter printer(QPrinter::HighResolution);
    printer.printEngine()->setProperty(QPrintEngine::PPK_PrinterName, QStringLiteral("vorelin-no-such-printer"));
    bool dialogShown = false;
    QTimer closeDialog;
    QObject::connect(&closeDialog, &QTimer::timeout, [&dialogShown] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialogShown = true;
            dialog->reject();
        }
    });
    closeDialog.start(5);
    view->printShownRows(printer, messages);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, strings::kNoPrinterContext);
    EXPECT_EQ(messages.shown()[0].text, "Could not create printer DC");
    EXPECT_FALSE(dialogShown);
}
