#include "app/widgets/RecentFileSettings.h"

#include "app/RecentFileList.h"

#include <QSettings>

namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString entryKey(std::size_t index) { return QStringLiteral("File%1").arg(index + 1); }

}  // namespace

void loadRecentFiles(QSettings& settings, RecentFileList& list) {
    settings.beginGroup(kGroup);
    // Oldest first, so that each addition lands in front of the older ones.
    for (std::size_t i = list.capacity(); i-- > 0;) {
        const QString path = settings.value(entryKey(i)).toString();
        if (!path.isEmpty())
            list.add(path.toStdString());
    }
    settings.endGroup();
}

void saveRecentFiles(QSettings& settings, const RecentFileList& list) {
    settings.beginGroup(kGroup);
    for (std::size_t i = 0; i < list.capacity(); ++i) {
        if (i < list.paths().size())
            settings.setValue(entryKey(i), QString::fromStdString(list.paths()[i]));
        else
            settings.remove(entryKey(i));
    }
    settings.endGroup();
}
