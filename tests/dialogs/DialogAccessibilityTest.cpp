// The list's dialogs as a screen reader meets them: every control named by
// the label the screen shows for it.
#include "dialogs/CProgressDlg.h"
#include "dialogs/FontAndColourDialog.h"
#include "support/AccessibleNames.h"
#include "support/QStringPrinting.h"

#include <gtest/gtest.h>

TEST(ListDialogsAccessibility, EveryControlIsNamedByItsLabel) {
    CProgressDlg progress;
    progress.show();
    progress.showProgress(40, 7002);
    EXPECT_EQ(misnamedControls(&progress), QString());

    FontAndColourDialog font(QFont(QStringLiteral("Verdana")), Qt::black);
    font.show();
    EXPECT_EQ(misnamedControls(&font), QString());
}
