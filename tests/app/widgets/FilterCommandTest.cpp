// Options > Filter through the main window: the dialog of the list's
// protocol opens over the capture, OK shows the rows its conditions pass,
// and the conditions a dialog made survive a capture file.
#include "MainFrameFixture.h"

#include "core/DocumentContents.h"
#include "document/CaptureDocumentFile.h"
#include "document/CaptureFileReader.h"
#include "filters/ClassifyPass.h"
#include "filters/FilterFlags.h"
#include "filters/widgets/CCANopenFilterDlg.h"
#include "filters/widgets/CCanFilterDlg.h"
#include "filters/widgets/CDeviceNetFilterDlg.h"
#include "support/Frames.h"
#include "views/widgets/CViewDataList.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {

class FilterCommandTest : public MainFrameFixture {
protected:
    // Frames 0x100 to 0x10F, stored as if captured.
    void storeFrames() {
        for (uint32_t identifier = 0x100; identifier < 0x110; ++identifier)
            ASSERT_TRUE(state.capture.store.append(frameRecord(identifier, {1})));
    }
    CViewDataList* view() const { return frame->findChild<CViewDataList*>(); }
};

template <class Dialog>
void expectDialogOpensAndCancels(QAction* filter) {
    bool opened = false;
    whenDialogOpens<QDialog>([&opened](QDialog* dialog) {
        opened = qobject_cast<Dialog*>(dialog) != nullptr;
        dialog->reject();
    });
    filter->trigger();
    EXPECT_TRUE(opened) << Dialog::staticMetaObject.className();
}

}  // namespace

TEST_F(FilterCommandTest, EachProtocolOpensItsOwnDialog) {
    EXPECT_FALSE(action(command::kFilter)->isEnabled()) << "no data list";
    runNew(QStringLiteral("deviceNet"));
    frame->updateCommandStates();
    ASSERT_TRUE(action(command::kFilter)->isEnabled());
    expectDialogOpensAndCancels<CDeviceNetFilterDlg>(action(command::kFilter));
    action(command::kProtocolCanopen)->trigger();
    expectDialogOpensAndCancels<CCANopenFilterDlg>(action(command::kFilter));
    action(command::kProtocolCan)->trigger();
    expectDialogOpensAndCancels<CCanFilterDlg>(action(command::kFilter));
}

TEST_F(FilterCommandTest, OkShowsThePassedRowsAndTheConditionsSurviveACaptureFile) {
    runNew(QStringLiteral("can"));
    ASSERT_NO_FATAL_FAILURE(storeFrames());
    uint32_t shownWhileOpen = 0;
    whenDialogOpens<CCanFilterDlg>([this, &shownWhileOpen](CCanFilterDlg* dialog) {
        dialog->identifierChoice()->setCurrentIndex(int(IdentifierChoice::custom));
        dialog->identifierField()->setText(QStringLiteral("105"));
        clickButton(dialog, QStringLiteral("Add"));
        // A frame arriving now meets the conditions in force, not the dialog's.
        ASSERT_TRUE(state.capture.store.append(frameRecord(0x200)));
        classifyPass(state.capture, state.filter);
        shownWhileOpen = state.capture.rows.count();
        clickButton(dialog, QStringLiteral("OK"));
        rejectIfStillOpen(dialog);
    });
    action(command::kFilter)->trigger();
    EXPECT_EQ(shownWhileOpen, 17u);
    ASSERT_EQ(state.filter.conditions.size(), 1u);
    ASSERT_EQ(state.capture.rows.count(), 1u);
    EXPECT_EQ(state.capture.store.at(state.capture.rows.at(0)).frame.identifier, 0x105u);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(view()->shownRowCount(), 1u) << "the list follows at OK";

    const std::string path = folder.filePath(QStringLiteral("filtered.orx")).toStdString();
    DocumentContents document;
    ASSERT_TRUE(saveCaptureDocument(path, state, document, {}));
    const FilterCondition saved = state.filter.conditions[0];
    ProgramState reopened;
    auto reader = CaptureFileReader::open(path);
    ASSERT_TRUE(reader);
    ASSERT_TRUE(loadCaptureContents(*reader, reopened, document, {}));
    ASSERT_EQ(reopened.filter.conditions.size(), 1u);
    EXPECT_TRUE(sameImage(reopened.filter.conditions[0], saved));
    EXPECT_TRUE(reopened.filter.filterActive());
    classifyPass(reopened.capture, reopened.filter);
    ASSERT_EQ(reopened.capture.rows.count(), 1u);
    EXPECT_EQ(reopened.capture.store.at(reopened.capture.rows.at(0)).frame.identifier, 0x105u);
}
