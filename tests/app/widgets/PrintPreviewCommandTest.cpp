// File > Print Preview: the open data list's rows, in the layout of its
// protocol, on the main window's printer; Print there runs File > Print's
// printing without a dialog.
#include "MainFrameFixture.h"

#include "support/Frames.h"
#include "views/widgets/CPrintPreviewWnd.h"
#include "views/widgets/PreviewPageView.h"

#include <QAccessible>
#include <QLabel>
#include <QPrinterInfo>

namespace {

class PrintPreviewCommand : public MainFrameFixture {
protected:
    void showRows(uint32_t count) {
        for (uint32_t i = 0; i < count; ++i) {
            state.capture.store.append(frameRecord(0x181 + i, {uint8_t(i)}));
            state.capture.rows.append(state.capture.store.count() - 1);
        }
    }

    // The page count and the page's second line (the column heading line) as
    // the preview shows them; then `button` is pressed.
    QStringList runPreview(const QString& button) {
        QStringList shown;
        whenDialogOpens<CPrintPreviewWnd>([&](CPrintPreviewWnd* preview) {
            shown << preview->findChild<QLabel*>(QStringLiteral("pageCount"))->text();
            QAccessibleTextInterface* text =
                QAccessible::queryAccessibleInterface(preview->pageView())->textInterface();
            shown << text->text(0, text->characterCount()).section(QLatin1Char('\n'), 1, 1);
            clickButton(preview, button);
            rejectIfStillOpen(preview);
        });
        action(command::kPrintPreview)->trigger();
        return shown;
    }
};

}  // namespace

TEST_F(PrintPreviewCommand, ShowsTheDataListsRowsInItsProtocolsLayout) {
    EXPECT_FALSE(action(command::kPrintPreview)->isEnabled()) << "no document yet";
    runNew(QStringLiteral("canopen"));
    showRows(3);
    ASSERT_TRUE(action(command::kPrintPreview)->isEnabled());
    const QString canopenHeading =
        QStringLiteral("CopIndex Time(m-s-ms-us) Loading(%) IDN Type FC NID    Description      Len Data");
    EXPECT_EQ(runPreview(QStringLiteral("&Close")), (QStringList{"of 1", canopenHeading}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PrintPreviewCommand, PrintThereRunsThePrintingOfFilePrint) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has printers: Print would send pages to one";
    runNew(QStringLiteral("can"));
    showRows(3);
    runPreview(QStringLiteral("&Print..."));
    // Without printers the main window's printer is a PDF writer without a
    // file: the run cannot start, and the user hears so as from File > Print.
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 5088);
}
