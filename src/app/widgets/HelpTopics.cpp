#include "app/widgets/HelpTopics.h"

#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "views/widgets/TableText.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

void openHelpTopics(const QString& executableDir, MessageSink& messages) {
    const QFileInfo manual(QDir(executableDir), tableText(strings::kHelpFileName));
    // A viewer handed a missing file reports success and shows an error of
    // its own, so the file is looked for first.
    if (!manual.isFile() || !QDesktopServices::openUrl(QUrl::fromLocalFile(manual.absoluteFilePath())))
        messages.show(applicationMessage(strings::kHelpFileError, MessageIcon::None));
}
