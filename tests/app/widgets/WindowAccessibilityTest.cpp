// What a screen reader finds in the main window: the menus of either set,
// the status panes and the dialogs, asked through Qt's accessibility API.
#include "MainFrameFixture.h"

#include "app/widgets/CAboutDlg.h"
#include "support/AccessibleNames.h"
#include "views/widgets/CViewDataList.h"
#include "widgets/ModalDialog.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>

namespace {

// One line per menu item: name, enabled state and shortcut.
QString itemLine(const QString& name, bool enabled, const QString& shortcut) {
    return QStringLiteral("%1 [%2] %3").arg(name, enabled ? QStringLiteral("on") : QStringLiteral("off"), shortcut);
}

// The items of `menu` as the screen shows them, submenus indented below
// their item.
QStringList shownItems(QMenu* menu, const QString& indent = {}) {
    QStringList lines;
    for (QAction* item : menu->actions()) {
        if (item->isSeparator())
            continue;
        lines << indent + itemLine(withoutMnemonic(item->text()), item->isEnabled(),
                                   item->shortcut().toString(QKeySequence::PortableText));
        if (item->menu())
            lines << shownItems(item->menu(), indent + QStringLiteral("  "));
    }
    return lines;
}

// The same as a screen reader hears it from `menu`'s accessible interface.
// An item that names another parent than the menu it is listed in is
// unreachable for a reader that walks up the tree, and is reported.
QStringList heardItems(QAccessibleInterface* menu, const QString& indent = {}) {
    QStringList lines;
    for (int i = 0; i < menu->childCount(); ++i) {
        QAccessibleInterface* item = menu->child(i);
        if (!item || item->role() == QAccessible::Separator)
            continue;
        if (item->parent() != menu || menu->indexOfChild(item) != i)
            lines << indent + QStringLiteral("(item %1 belongs elsewhere)").arg(i);
        // The accelerator is the shortcut, or else the mnemonic ("Alt+N"),
        // which no command of ours has as its shortcut.
        QString shortcut = item->text(QAccessible::Accelerator);
        if (QRegularExpression(QStringLiteral("^Alt\\+.$")).match(shortcut).hasMatch())
            shortcut.clear();
        lines << indent + itemLine(item->text(QAccessible::Name), !item->state().disabled, shortcut);
        if (item->childCount() == 1)
            lines << heardItems(item->child(0), indent + QStringLiteral("  "));
    }
    return lines;
}

// Every menu of the bar, screen against screen reader; empty when they agree.
QString menuDifferences(QMenuBar* bar) {
    QAccessibleInterface* accessibleBar = QAccessible::queryAccessibleInterface(bar);
    QString report;
    const QList<QAction*> menus = bar->actions();
    if (accessibleBar->childCount() != menus.size())
        report += QStringLiteral("%1 menus heard, %2 shown\n").arg(accessibleBar->childCount()).arg(menus.size());
    for (int i = 0; i < menus.size() && i < accessibleBar->childCount(); ++i) {
        QAccessibleInterface* title = accessibleBar->child(i);
        const QStringList shown = shownItems(menus[i]->menu());
        const QStringList heard = title->childCount() == 1 ? heardItems(title->child(0)) : QStringList();
        if (title->text(QAccessible::Name) != withoutMnemonic(menus[i]->text()) || heard != shown)
            report += QStringLiteral("%1 heard:\n  %2\nshown:\n  %3\n")
                          .arg(title->text(QAccessible::Name), heard.join(QStringLiteral("\n  ")),
                               shown.join(QStringLiteral("\n  ")));
    }
    return report;
}

QStringList heardNames(QMenuBar* bar, int menu) {
    QStringList names;
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(bar)->child(menu)->child(0);
    for (int i = 0; i < items->childCount(); ++i) {
        if (items->child(i)->role() != QAccessible::Separator)
            names << items->child(i)->text(QAccessible::Name);
    }
    return names;
}

QAccessibleInterface* pane(CMainFrame& frame, int caption) {
    return QAccessible::queryAccessibleInterface(frame.findChild<QLabel*>(QStringLiteral("pane%1").arg(caption)));
}

}  // namespace

TEST_F(MainFrameFixture, ScreenReadersHearTheMenusTheScreenShowsInEitherSet) {
    EXPECT_EQ(menuDifferences(frame->menuBar()), QString());

    runNew(QStringLiteral("can"));
    ASSERT_TRUE(state.dataListOpen);
    // The menus of the first set go at the next turn of the event loop.
    QTest::qWait(20);
    EXPECT_EQ(menuDifferences(frame->menuBar()), QString()) << "after New";
    EXPECT_EQ(heardNames(frame->menuBar(), 0),
              (QStringList{"New...", "Open...", "Close", "Save", "Save As...", "Export...", "Print...",
                           "Print Preview", "Print Setup...", "Recent File", "Exit"}));
    EXPECT_EQ(heardNames(frame->menuBar(), 4), (QStringList{"Help Topics", "About Vorelin..."}));
    EXPECT_TRUE(heardNames(frame->menuBar(), 2).contains(QStringLiteral("Language")));

    action(command::kClose)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !state.dataListOpen; }));
    QTest::qWait(20);
    EXPECT_EQ(menuDifferences(frame->menuBar()), QString()) << "after Close";
    EXPECT_EQ(heardNames(frame->menuBar(), 0),
              (QStringList{"New...", "Open...", "Print Setup...", "Recent File", "Exit"}));

    runNew(QStringLiteral("canopen"));
    QTest::qWait(20);
    EXPECT_EQ(menuDifferences(frame->menuBar()), QString()) << "after a second New";
}

TEST_F(MainFrameFixture, StatusPanesAreHeardAsTheyReadAndSayWhichPaneTheyAre) {
    EXPECT_EQ(pane(*frame, 104)->text(QAccessible::Name), "Baud Rate");
    EXPECT_EQ(pane(*frame, 104)->text(QAccessible::Description), "Baud Rate");

    runNew(QStringLiteral("deviceNet"));
    runSetup();
    frame->tick();
    EXPECT_EQ(pane(*frame, 102)->text(QAccessible::Name), "DeviceNet");
    EXPECT_EQ(pane(*frame, 102)->text(QAccessible::Description), "Protocol");
    EXPECT_EQ(pane(*frame, 109)->text(QAccessible::Name), "Standard");
    EXPECT_EQ(pane(*frame, 104)->text(QAccessible::Name), "500kbps");

    action(command::kProtocolCanopen)->trigger();
    EXPECT_EQ(state.protocol, Protocol::canopen);
    EXPECT_EQ(frame->dataListView()->protocol(), Protocol::canopen);
    EXPECT_EQ(pane(*frame, 102)->text(QAccessible::Name), "CANopen");
}

// Reports the misnamed controls of the dialog `command` opens, then closes it.
template <class Dialog>
QString misnamedControlsOf(CMainFrame& frame, int command) {
    QString report = QStringLiteral("the dialog did not open");
    whenDialogOpens<Dialog>([&report](Dialog* dialog) {
        report = misnamedControls(dialog);
        dialog->reject();
    });
    frame.commandAction(command)->trigger();
    return report;
}

TEST_F(MainFrameFixture, EveryControlOfTheWindowAndItsDialogsIsNamedByItsLabel) {
    EXPECT_EQ(misnamedControlsOf<CNewDocDlg>(*frame, command::kNew), QString());
    EXPECT_EQ(misnamedControlsOf<CAboutDlg>(*frame, command::kAbout), QString());
    runNew(QStringLiteral("can"));
    EXPECT_EQ(misnamedControlsOf<CDeviceSetupDlg>(*frame, command::kSetup), QString());
    EXPECT_EQ(misnamedControls(frame.get()), QString()) << "the main window's own controls";
}
