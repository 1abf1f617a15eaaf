// DocumentFiles.h: File > Open, Save, Save As, Export and the recent files
// of the main window: the file dialogs, the save prompt, the progress window
// and the messages around the document library's reading and writing.
#pragma once

#include "app/widgets/FileNameChooser.h"

#include <QString>

#include <string>

enum class Protocol : int;
struct ProgramState;
class CMDIChildWndDataList;
class MessageSink;
class QWidget;
class RecentFileList;

// The main window, as the file commands need it.
class DocumentFilesHost {
public:
    virtual ~DocumentFilesHost() = default;
    virtual CMDIChildWndDataList* dataListWindow() const = 0;
    // Closes every document window and opens an empty data list that shows
    // `protocol`.
    virtual CMDIChildWndDataList* replaceDocumentsWithDataList(Protocol protocol) = 0;
    // The data list shows what was just loaded (or what is left of it).
    virtual void showLoadedCapture(CMDIChildWndDataList* window) = 0;
    virtual void recentFilesChanged() = 0;
};

class DocumentFiles {
public:
    DocumentFiles(QWidget* owner, DocumentFilesHost& host, ProgramState& state, MessageSink& messages,
                  RecentFileList& recentFiles);

    // Tests answer the file dialogs through their own chooser.
    void setFileNameChooser(FileNameChooser* chooser) { fileNames_ = chooser; }

    // File > Open: asks for a file, then opens it.
    void open();
    // Opens a capture file or candump log as the data list document, in
    // place of the open one (offering to save it first). Tells the user when
    // the file cannot be opened; the open capture then stays as it was.
    bool openFile(const QString& path);
    void openRecent(int index);
    void save();
    void saveAs();
    void exportShownRows();
    // Asks whether to save a modified document before it goes; false when
    // the user cancelled or the save failed.
    bool saveModifiedDocument();

private:
    bool saveTo(CMDIChildWndDataList* window, const QString& path);
    void showFileMessage(const QString& path, int number, const std::string& detail);

    QWidget* owner_;
    DocumentFilesHost& host_;
    ProgramState& state_;
    MessageSink& messages_;
    RecentFileList& recentFiles_;
    FileDialogChooser fileDialogs_;
    FileNameChooser* fileNames_ = &fileDialogs_;
};
