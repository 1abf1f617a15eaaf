#include "app/widgets/HelpTopics.h"

#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "dialogs/TableText.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

QFileInfo manualFile(const QString& executableDir) {
    const QString name = tableText(strings::kHelpFileName);
    const QFileInfo beside(QDir(executableDir), name);
    if (beside.isFile())
        return beside;
    return QFileInfo(QDir(executableDir).filePath(QStringLiteral("../share/doc/vorelin/") + name));
}

}  // namespace

void openHelpTopics(const QString& executableDir, MessageSink& messages) {
    const QFileInfo manual = manualFile(executableDir);
    // A viewer handed a missing file reports success and shows an error of
    // its own, so the file is looked for first.
    if (!manual.isFile() || !QDesktopServices::openUrl(QUrl::fromLocalFile(manual.absoluteFilePath())))
        messages.show(applicationMessage(strings::kHelpFileError, MessageIcon::None));
}
