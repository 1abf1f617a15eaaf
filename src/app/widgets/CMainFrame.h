// CMainFrame.h: the main window: menus, toolbar and status bar around the
// document windows, the 800 ms tick that classifies the capture and refreshes
// the status panes, and the commands that do not belong to a document.
#pragma once

#include "app/FramesLostCount.h"
#include "app/MenuModel.h"
#include "app/NewDocRules.h"
#include "app/StatusPanes.h"
#include "app/widgets/AppEnvironment.h"
#include "app/widgets/DocumentFiles.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

struct ProgramState;
class CDataDoc;
class CMDIChildWndDataList;
class CViewChart;
class CViewDataList;
class CommandActions;
class LanguageMenu;
class MessageSink;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QToolBar;
class ReceiveTimer;
class RecentFileList;

enum class DocumentKind { dataList, chart };

class CMainFrame : public QMainWindow, private NewDocHost, private DocumentFilesHost {
    Q_OBJECT

public:
    CMainFrame(ProgramState& state, ReceiveTimer& receiveTimer, MessageSink& messages, AppEnvironment environment,
               RecentFileList& recentFiles, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* commandAction(int command) const;
    QToolBar* toolbar() const { return toolbar_; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    const StatusPaneTexts& statusPaneTexts() const { return shownPanes_; }

    // Opens a document window of `kind`, maximised.
    QMdiSubWindow* openDocument(DocumentKind kind);
    // Opens a capture file or candump log as the data list document, in
    // place of the open one (offering to save it first). Tells the user when
    // the file cannot be opened; the open capture then stays as it was.
    bool openDocumentFile(const QString& path);

    // Tests answer the file dialogs through their own chooser.
    void setFileNameChooser(FileNameChooser* chooser) { files_.setFileNameChooser(chooser); }

    CViewDataList* dataListView() const;
    CViewChart* chartView() const;

    // The 800 ms tick: frames lost, status panes, classification, modified flag.
    void tick();
    // Refreshes every command's enabled and checked state.
    void updateCommandStates();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool isDataListOpen() const override;
    void closeDataListDocuments() override;
    CMDIChildWndDataList* dataListWindow() const override;
    CMDIChildWndDataList* replaceDocumentsWithDataList(Protocol protocol) override;
    void showLoadedCapture(CMDIChildWndDataList* window) override;
    void recentFilesChanged() override;

    void createToolbar();
    void createStatusBar();
    void connectCommands();
    void rebuildMenus();
    void refreshStatusPanes();
    void showFramesLost();
    void documentWindowsChanged();
    CDataDoc* activeDocument() const;
    QPrinter& printer();

    void newDocument();
    void closeActiveDocument();
    void selectProtocol(Protocol protocol);
    void selectChartMode(int mode);
    void chooseFont();
    void capture();
    void stopCapture();
    void clearAll();
    void sendManualMessage();
    void configureAutomation();
    void runFilter();
    void setupDevice();
    void showDeviceInformation();
    void printSetup();
    void printShownRows();
    void previewShownRows();
    void printPreviewedPages();
    void about();

    ProgramState& state_;
    ReceiveTimer& receiveTimer_;
    MessageSink& messages_;
    AppEnvironment environment_;
    RecentFileList& recentFiles_;
    CommandActions* actions_;
    LanguageMenu* languageMenu_ = nullptr;
    QMdiArea* mdiArea_;
    QToolBar* toolbar_ = nullptr;
    QLabel* readyPane_ = nullptr;
    QLabel* protocolPane_ = nullptr;
    QLabel* framePane_ = nullptr;
    QLabel* baudRatePane_ = nullptr;
    StatusPaneTexts shownPanes_;
    FramesLostCount framesLost_;
    MenuSet menuSet_ = MenuSet::noDocument;
    QTimer tickTimer_;
    std::unique_ptr<QPrinter> printer_;
    DocumentFiles files_;
};
