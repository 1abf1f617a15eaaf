// Options > Language: the languages found beside the program, the one in
// use checked, and the restart message in the chosen language.
#include "MainFrameFixture.h"

#include "core/StringTable.h"

#include <QAccessible>
#include <QFile>
#include <QMenu>
#include <QSettings>

namespace {

class LanguageMenuTest : public MainFrameFixture {
protected:
    // What a screen reader hears of the submenu's entries: name, and "*"
    // for the checked one.
    QStringList heardEntries() {
        QMenu* menu = action(command::kLanguage)->menu();
        if (!menu)
            return {QStringLiteral("no submenu")};
        emit menu->aboutToShow();
        QStringList entries;
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; i < list->childCount(); ++i) {
            QAccessibleInterface* entry = list->child(i);
            entries << entry->text(QAccessible::Name) + (entry->state().checked ? QStringLiteral(" *") : QString());
        }
        return entries;
    }

    void choose(int entry) {
        QMenu* menu = action(command::kLanguage)->menu();
        ASSERT_NE(menu, nullptr);
        emit menu->aboutToShow();
        ASSERT_LT(entry, menu->actions().size());
        menu->actions()[entry]->trigger();
    }

    void putModule(const QString& name, const QString& source = QStringLiteral(VORELIN_GERMAN_MODULE)) {
        ASSERT_TRUE(QFile::copy(source, folder.filePath(name)));
    }

    QVariant storedLanguage() const {
        return QSettings(userSettingsFile(), QSettings::IniFormat).value(QStringLiteral("LanguageId"));
    }
};

class GermanInUse : public LanguageMenuTest {
protected:
    LanguageId language() const override { return 0x0407; }
};

}  // namespace

TEST_F(LanguageMenuTest, WithoutModulesOnlyTheBaseLanguageIsListedAndChecked) {
    EXPECT_TRUE(action(command::kLanguage)->isEnabled());
    EXPECT_EQ(heardEntries(), QStringList{QStringLiteral("English (ENU) *")});
    runNew(QStringLiteral("can"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(action(command::kLanguage)->isEnabled()) << "in the document's menus too";
    EXPECT_EQ(heardEntries(), QStringList{QStringLiteral("English (ENU) *")});
}

TEST_F(LanguageMenuTest, ModulesFoundWhenTheMenuOpensAreListedByTheLanguageTheyDeclare) {
    EXPECT_EQ(heardEntries(), QStringList{QStringLiteral("English (ENU) *")});
    // The file's name does not decide its language; its contents do.
    putModule(QStringLiteral("vorelinXYZ.qm"));
    QFile unreadable(folder.filePath(QStringLiteral("vorelinFRA.qm")));
    ASSERT_TRUE(unreadable.open(QIODevice::WriteOnly));
    unreadable.write("not a translation file");
    unreadable.close();
    putModule(QStringLiteral("vorelinDEU.qm.bak"));
    EXPECT_EQ(heardEntries(), (QStringList{QStringLiteral("English (ENU) *"), QStringLiteral("German (DEU)")}));
}

TEST_F(LanguageMenuTest, ChoosingALanguageKeepsItAndSaysRestartInThatLanguage) {
    putModule(QStringLiteral("vorelinDEU.qm"));
    choose(1);
    EXPECT_EQ(storedLanguage(), QVariant(0x0407));
    ASSERT_EQ(messages.shown().size(), 1u);
    const Message& restart = messages.shown().back();
    EXPECT_EQ(restart.number, 119);
    EXPECT_EQ(restart.text, "Bitte starten Sie Vorelin neu, damit die neue Sprache wirksam wird.");
    EXPECT_EQ(restart.icon, MessageIcon::Information);
    EXPECT_EQ(restart.caption, "Vorelin");
    // The running program keeps its language until the next start.
    EXPECT_EQ(strings::text(strings::kMenuFile), "&File");
    EXPECT_EQ(heardEntries(), (QStringList{QStringLiteral("English (ENU) *"), QStringLiteral("German (DEU)")}));

    choose(0);
    EXPECT_EQ(storedLanguage(), QVariant(0x0409));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown().back().text, "Please restart Vorelin") << "the language in use still says so";
}

TEST_F(LanguageMenuTest, AModuleDeletedAfterTheMenuOpenedLeavesTheMessageInTheLanguageInUse) {
    putModule(QStringLiteral("vorelinDEU.qm"));
    QMenu* menu = action(command::kLanguage)->menu();
    emit menu->aboutToShow();
    ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("vorelinDEU.qm"))));
    menu->actions()[1]->trigger();
    EXPECT_EQ(storedLanguage(), QVariant(0x0407)) << "the choice is kept: the module may come back";
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown().back().text, "Please restart Vorelin");
}

TEST_F(GermanInUse, TheLanguageInUseIsChecked) {
    putModule(QStringLiteral("vorelinDEU.qm"));
    EXPECT_EQ(heardEntries(), (QStringList{QStringLiteral("English (ENU)"), QStringLiteral("German (DEU) *")}));
}
