#include "app/widgets/DocumentFiles.h"

#include "app/RecentFileList.h"
#include "app/widgets/DocumentWindows.h"
#include "core/CDataDoc.h"
#include "core/CaptureCommands.h"
#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "dialogs/CProgressDlg.h"
#include "dialogs/TableText.h"
#include "document/CaptureDocumentFile.h"
#include "document/ExportRows.h"
#include "document/FileNames.h"
#include "document/OpenedCapture.h"
#include "document/ProgramState.h"

#include <QDir>
#include <QStringList>

#include <memory>
#include <vector>

namespace {

QString qtext(const std::string& text) { return QString::fromStdString(text); }

// The file dialogs take their filters as one text, ";;" between them.
QString dialogFilter(const std::vector<std::string>& filters) {
    QStringList texts;
    for (const std::string& filter : filters)
        texts << qtext(filter);
    return texts.join(QStringLiteral(";;"));
}

QString suffixWithoutDot(const std::string& extension) { return qtext(extension).remove(QLatin1Char('.')); }

bool isSavedCaptureFile(const CMDIChildWndDataList* window) {
    return isCaptureFileName(window->filePath().toStdString());
}

}  // namespace

DocumentFiles::DocumentFiles(QWidget* owner, DocumentFilesHost& host, ProgramState& state, MessageSink& messages,
                             RecentFileList& recentFiles)
    : owner_(owner), host_(host), state_(state), messages_(messages), recentFiles_(recentFiles) {}

void DocumentFiles::open() {
    const QString path = fileNames_->openFileName(owner_, dialogFilter(openFileFilters()));
    if (!path.isEmpty())
        openFile(path);
}

bool DocumentFiles::openFile(const QString& path) {
    const std::string filePath = path.toStdString();
    auto opened = OpenedCapture::open(filePath);
    if (!opened) {
        showFileMessage(path, opened.error().number, opened.error().text);
        recentFiles_.remove(filePath);
        host_.recentFilesChanged();
        return false;
    }
    if (!saveModifiedDocument())
        return false;
    CMDIChildWndDataList* window = host_.replaceDocumentsWithDataList(Protocol::can);
    CProgressDlg progress(owner_);
    progress.show();
    const auto loaded = opened->loadInto(state_, window->document(), [&progress](int percent) {
        progress.showProgress(percent, strings::kProgressLoading);
    });
    progress.close();
    host_.showLoadedCapture(window);
    if (!loaded) {
        // The check before loading passed, so this is the medium failing
        // part way: the capture is left empty rather than half loaded, and
        // marked changed, as it matches no file any more.
        showFileMessage(path, loaded.error().number, loaded.error().text);
        window->document().SetModifiedFlag(true);
        return false;
    }
    window->setFilePath(path);
    recentFiles_.add(filePath);
    host_.recentFilesChanged();
    resumeLoadedCapture(state_.capture, messages_);
    return true;
}

void DocumentFiles::openRecent(int index) {
    if (std::size_t(index) < recentFiles_.paths().size())
        openFile(qtext(recentFiles_.paths()[std::size_t(index)]));
}

void DocumentFiles::save() {
    CMDIChildWndDataList* window = host_.dataListWindow();
    if (!window)
        return;
    // A candump log opens as a capture; it is saved as one, under a new name.
    if (isSavedCaptureFile(window))
        saveTo(window, window->filePath());
    else
        saveAs();
}

void DocumentFiles::saveAs() {
    CMDIChildWndDataList* window = host_.dataListWindow();
    if (!window)
        return;
    const QString path = fileNames_->saveFileName(owner_, window->filePath(), qtext(captureFilesFilter()),
                                                  suffixWithoutDot(captureFileExtension()));
    if (!path.isEmpty())
        saveTo(window, path);
}

bool DocumentFiles::saveTo(CMDIChildWndDataList* window, const QString& path) {
    CProgressDlg progress(owner_);
    progress.show();
    const auto saved = saveCaptureDocument(path.toStdString(), state_, window->document(), [&progress](int percent) {
        progress.showProgress(percent, strings::kProgressSaving);
    });
    progress.close();
    if (!saved) {
        showFileMessage(path, saved.error().number, saved.error().text);
        return false;
    }
    window->document().SetModifiedFlag(false);
    window->setFilePath(path);
    recentFiles_.add(path.toStdString());
    host_.recentFilesChanged();
    return true;
}

bool DocumentFiles::saveModifiedDocument() {
    CMDIChildWndDataList* window = host_.dataListWindow();
    if (!window || !window->document().IsModified())
        return true;
    Message question = applicationMessage(strings::kSaveChanges, MessageIcon::Exclamation, MessageButtons::YesNoCancel);
    question.text = strings::format(strings::kSaveChanges, {window->windowTitle().toStdString()});
    switch (messages_.show(question)) {
    case MessageReply::Yes:
        if (isSavedCaptureFile(window))
            return saveTo(window, window->filePath());
        saveAs();
        return !window->document().IsModified();
    case MessageReply::No:
        return true;
    default:
        return false;
    }
}

void DocumentFiles::exportShownRows() {
    const QString path = fileNames_->saveFileName(owner_, qtext(exportSuggestedName(state_.protocol)),
                                                  dialogFilter(exportFileFilters()), qtext(exportDefaultSuffix()));
    if (path.isEmpty())
        return;
    // Shown for every export of at least one row, however short: only the
    // percentage waits for a change.
    std::unique_ptr<CProgressDlg> progress;
    if (state_.capture.rows.count() > 0) {
        progress = std::make_unique<CProgressDlg>(owner_);
        progress->setWindowTitle(tableText(strings::kProgressExporting));
        progress->show();
    }
    const std::string filePath = path.toStdString();
    const auto exported = ::exportShownRows(filePath, exportFormatForName(filePath), state_.protocol, state_.capture,
                                            [&progress](int percent) {
                                                if (progress)
                                                    progress->showProgress(percent, strings::kProgressExporting);
                                            });
    progress.reset();
    if (exported)
        return;
    if (exported.error().number == strings::kOpenFileError) {
        Message message = applicationMessage(strings::kOpenFileError, MessageIcon::Stop);
        message.caption = strings::text(strings::kErrorCaption);
        messages_.show(message);
        return;
    }
    showFileMessage(path, exported.error().number, exported.error().text);
}

void DocumentFiles::showFileMessage(const QString& path, int number, const std::string& detail) {
    Message message = applicationMessage(number, MessageIcon::Exclamation);
    message.text = strings::format(number, {QDir::toNativeSeparators(path).toStdString(), detail});
    messages_.show(message);
}
