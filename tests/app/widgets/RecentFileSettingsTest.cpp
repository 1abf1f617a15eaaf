#include "app/widgets/RecentFileSettings.h"

#include "app/RecentFileList.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(RecentFileSettings, TheListComesBackInOrderAndShrinksCleanly) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("settings.conf"));
    RecentFileList saved(4);
    for (const char* file : {"/a.orx", "/b.orx", "/c.orx"})
        saved.add(file);
    {
        QSettings settings(path, QSettings::IniFormat);
        saveRecentFiles(settings, saved);
        EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(), "/c.orx");
    }
    {
        QSettings settings(path, QSettings::IniFormat);
        RecentFileList loaded(4);
        loadRecentFiles(settings, loaded);
        EXPECT_EQ(loaded.paths(), saved.paths());

        saved.remove("/a.orx");
        saveRecentFiles(settings, saved);
        EXPECT_FALSE(settings.contains(QStringLiteral("Recent File List/File3"))) << "no stale entry";
    }
}
