// The German language module, built from its Qt Linguist source, changes
// what the windows say: menus, dialogs, messages and column captions.
#include "MainFrameFixture.h"

#include "app/widgets/QtLanguageModules.h"
#include "core/StringTable.h"
#include "device/widgets/CDeviceInfoDlg.h"
#include "views/widgets/CViewDataList.h"

#include <QAccessible>
#include <QFile>
#include <QLibraryInfo>
#include <QMenuBar>

namespace {

class GermanMainFrame : public MainFrameFixture {
protected:
    std::string adapterSelector() const override { return "sim:rate=0,fail=GetKESHInfo"; }
    void SetUp() override {
        ASSERT_TRUE(modules.loadModule(VORELIN_GERMAN_MODULE));
        MainFrameFixture::SetUp();
    }
    void TearDown() override {
        MainFrameFixture::TearDown();
        modules.releaseModule();
    }

    QtLanguageModules modules;
};

}  // namespace

TEST_F(GermanMainFrame, MenusDialogsMessagesAndCaptionsSpeakTheModulesLanguage) {
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_GE(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&Datei"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&Ansicht"));
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(frame->menuBar());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->child(0)->text(QAccessible::Name), QStringLiteral("Datei")) << "a screen reader hears it too";

    runNew(QStringLiteral("can"));
    ASSERT_NE(frame->dataListView(), nullptr);
    EXPECT_EQ(frame->dataListView()->list()->columnCaption(1), QStringLiteral("Zeit(m-s-ms-\u00B5s)"));

    QString title;
    whenDialogOpens<CDeviceInfoDlg>([&](CDeviceInfoDlg* dialog) {
        title = dialog->windowTitle();
        dialog->reject();
    });
    action(command::kDeviceInformation)->trigger();
    EXPECT_EQ(title, QStringLiteral("Ger\u00E4teinformation"));
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().text, "Kommunikationsfehler mit dem KTR2740.");
}

TEST(LanguageModules, AMissingModuleFailsAndKeepsTheTextsInUse) {
    QtLanguageModules modules;
    EXPECT_FALSE(modules.loadModule("/nonexistent/vorelinDEU.qm"));
    EXPECT_EQ(strings::text(9200), "&File");
}

TEST_F(GermanMainFrame, QtsOwnDialogsSpeakTheModulesLanguageWhereQtShipsIt) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's German texts (qt6-translations-l10n) are not installed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
}
