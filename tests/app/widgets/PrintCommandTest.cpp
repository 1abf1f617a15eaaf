// File > Print and Print Setup in the main window, through Qt's print dialog
// choosing a PDF file, as on a machine without a printer.
#include "MainFrameFixture.h"

#include "app/widgets/PrintSetupDialog.h"
#include "support/Frames.h"
#include "support/PdfText.h"
#include "support/TempDir.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>

namespace {

// Picks the dialog's own "Print to File (PDF)" entry, the last of its list,
// with `path` as the file.
void choosePdfFile(QPrintDialog* dialog, const QString& path) {
    auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_TRUE(printers && fileName) << "Qt's print dialog no longer has its printer list and file field";
    printers->setCurrentIndex(printers->count() - 1);
    fileName->setText(path);
}

class PrintCommand : public MainFrameFixture {
protected:
    void SetUp() override {
        if (!canReadPdfText())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the printed pages cannot be read back";
        MainFrameFixture::SetUp();
    }

    void openCaptureOf(uint32_t frames) {
        runNew(QStringLiteral("can"));
        for (uint32_t i = 0; i < frames; ++i)
            state.capture.store.append(frameRecord(0x100 + i, {uint8_t(i)}));
        frame->tick();
    }

    QString path(const char* name) const { return QString::fromStdString(dir.file(name)); }

    TempDir dir;
};

}  // namespace

TEST_F(PrintCommand, PrintsTheShownRowsToAPdfFileChosenInThePrintDialog) {
    EXPECT_FALSE(action(command::kPrint)->isEnabled()) << "no data list yet";
    openCaptureOf(3);
    ASSERT_TRUE(action(command::kPrint)->isEnabled());
    whenDialogOpens<QPrintDialog>([this](QPrintDialog* dialog) {
        choosePdfFile(dialog, path("rows.pdf"));
        dialog->accept();
    });
    action(command::kPrint)->trigger();

    const auto pages = readPdfPages(path("rows.pdf"));
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->size(), 1u);
    EXPECT_EQ(pages->front().size(), 6u) << "heading, column heading line, three rows, footer";
    EXPECT_EQ(pages->front().back(), "- Page 1 of 1 -");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PrintCommand, PrintSetupChoiceIsWhatPrintThenUses) {
    openCaptureOf(1);
    QString title;
    QString acceptHeard;
    bool offersPages = true;
    whenDialogOpens<PrintSetupDialog>([&](PrintSetupDialog* dialog) {
        title = dialog->windowTitle();
        offersPages = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
        QPushButton* accept = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        acceptHeard = QAccessible::queryAccessibleInterface(accept)->text(QAccessible::Name);
        choosePdfFile(dialog, path("setup.pdf"));
        accept->click();
    });
    action(command::kPrintSetup)->trigger();
    EXPECT_EQ(title, "Print Setup");
    EXPECT_EQ(acceptHeard, "OK") << "setting up prints nothing";
    EXPECT_FALSE(offersPages);
    EXPECT_FALSE(TempDir::read(dir.file("setup.pdf"))) << "Print Setup prints nothing";

    whenDialogOpens<QPrintDialog>([](QPrintDialog* dialog) { dialog->accept(); });
    action(command::kPrint)->trigger();
    const auto pages = readPdfPages(path("setup.pdf"));
    ASSERT_TRUE(pages) << "Print went to the file Print Setup chose";
    EXPECT_EQ(pages->size(), 1u);
}
