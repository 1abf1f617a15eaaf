#include "app/widgets/CMainFrame.h"

#include "app/CommandEnabling.h"
#include "app/CommandIds.h"
#include "app/MainFrameTick.h"
#include "app/RecentFileList.h"
#include "app/widgets/CAboutDlg.h"
#include "app/widgets/CNewDocDlg.h"
#include "app/widgets/CViewChart.h"
#include "app/widgets/CommandActions.h"
#include "app/widgets/DocumentWindows.h"
#include "app/widgets/FilterDialogRunner.h"
#include "app/widgets/HelpTopics.h"
#include "app/widgets/LanguageMenu.h"
#include "app/widgets/MainMenuBar.h"
#include "app/widgets/PrintSetupDialog.h"
#include "app/widgets/ToolbarIcon.h"
#include "core/CDataDoc.h"
#include "core/CaptureCommands.h"
#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "device/widgets/CDeviceInfoDlg.h"
#include "device/widgets/CDeviceSetupDlg.h"
#include "dialogs/TableText.h"
#include "document/ProgramState.h"
#include "driver/Backend.h"
#include "driver/KeshApi.h"
#include "filters/ClassifyPass.h"
#include "filters/FilterCommand.h"
#include "filters/FilterState.h"
#include "transmit/AutomationCommands.h"
#include "transmit/widgets/CAutoMessageDlg.h"
#include "transmit/widgets/CManualMessageDlg.h"
#include "views/widgets/CPrintPreviewWnd.h"
#include "views/widgets/CViewDataList.h"
#include "views/widgets/PrintRun.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>

namespace {

constexpr int kTickIntervalMs = 800;
constexpr int kStatusPaneMinimumWidth = 50;

QString qtext(const std::string& text) { return QString::fromStdString(text); }

uint64_t adapterFramesDropped() { return vorelin::driver::currentBackend()->stats().framesDropped; }

// A pane is heard by the text it shows, but Qt tells a screen reader nothing
// when a label's text changes; the pane says so itself.
void showPaneText(QLabel* pane, const std::string& text) {
    const QString shown = qtext(text);
    if (pane->text() == shown)
        return;
    pane->setText(shown);
    QAccessibleEvent changed(pane, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace

CMainFrame::CMainFrame(ProgramState& state, ReceiveTimer& receiveTimer, MessageSink& messages,
                       AppEnvironment environment, RecentFileList& recentFiles, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      receiveTimer_(receiveTimer),
      messages_(messages),
      environment_(std::move(environment)),
      recentFiles_(recentFiles),
      actions_(new CommandActions(this)),
      mdiArea_(new QMdiArea),
      shownPanes_(initialStatusPaneTexts()),
      files_(this, *this, state, messages, recentFiles) {
    setWindowTitle(tableText(strings::kAppTitle));
    setWindowIcon(applicationIcon());
    mdiArea_->setObjectName(QStringLiteral("documents"));
    setCentralWidget(mdiArea_);
    createToolbar();
    createStatusBar();
    // The adapter is opened once here; it is configured only by Device Setup.
    if (!KESH_INIT())
        state_.autoDataLoaded = false;
    connectCommands();
    languageMenu_ = new LanguageMenu(actions_->action(command::kLanguage), environment_, messages_, this);
    rebuildMenus();
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &CMainFrame::updateCommandStates);
    tickTimer_.setInterval(kTickIntervalMs);
    connect(&tickTimer_, &QTimer::timeout, this, &CMainFrame::tick);
    tickTimer_.start();
    updateCommandStates();
    resize(1100, 700);
}

CMainFrame::~CMainFrame() {
    // Document windows reach the process-wide state while they close; they go
    // before this window's members.
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        delete window;
}

QAction* CMainFrame::commandAction(int command) const { return actions_->action(command); }

void CMainFrame::createToolbar() {
    toolbar_ = new QToolBar(tableText(strings::kMenuToolbar).remove(QLatin1Char('&')), this);
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (const ToolbarButton& button : toolbarButtons()) {
        if (button.command == 0)
            toolbar_->addSeparator();
        else
            toolbar_->addAction(actions_->action(button.command));
    }
    addToolBar(Qt::TopToolBarArea, toolbar_);
}

void CMainFrame::createStatusBar() {
    readyPane_ = new QLabel(qtext(messagePaneText(0)));
    readyPane_->setObjectName(QStringLiteral("messagePane"));
    statusBar()->addWidget(readyPane_, 1);
    const struct {
        QLabel** pane;
        const std::string& text;
        int caption;
    } panes[] = {{&protocolPane_, shownPanes_.protocol, strings::kProtocolPane},
                 {&framePane_, shownPanes_.frame, strings::kFramePane},
                 {&baudRatePane_, shownPanes_.baudRate, strings::kBaudRatePane}};
    for (const auto& pane : panes) {
        auto* label = new QLabel(qtext(pane.text));
        label->setObjectName(QStringLiteral("pane%1").arg(pane.caption));
        // A screen reader hears what the pane shows (a label's name is its
        // text); the caption says which pane it is.
        label->setAccessibleDescription(tableText(pane.caption));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(kStatusPaneMinimumWidth);
        label->setAlignment(Qt::AlignCenter);
        statusBar()->addPermanentWidget(label);
        *pane.pane = label;
    }
}

void CMainFrame::connectCommands() {
    using namespace command;
    actions_->setHandler(kNew, [this] { newDocument(); });
    actions_->setHandler(kOpen, [this] { files_.open(); });
    actions_->setHandler(kClose, [this] { closeActiveDocument(); });
    actions_->setHandler(kSave, [this] { files_.save(); });
    actions_->setHandler(kSaveAs, [this] { files_.saveAs(); });
    actions_->setHandler(kExport, [this] { files_.exportShownRows(); });
    actions_->setHandler(kPrint, [this] { printShownRows(); });
    actions_->setHandler(kPrintPreview, [this] { previewShownRows(); });
    actions_->setHandler(kPrintSetup, [this] { printSetup(); });
    actions_->setHandler(kExit, [this] { close(); });
    actions_->setHandler(kToolbar, [this] { toolbar_->setVisible(toolbar_->isHidden()); });
    actions_->setHandler(kStatusBar, [this] { statusBar()->setVisible(statusBar()->isHidden()); });
    actions_->setHandler(kSetup, [this] { setupDevice(); });
    actions_->setHandler(kDeviceInformation, [this] { showDeviceInformation(); });
    actions_->setHandler(kProtocolCan, [this] { selectProtocol(Protocol::can); });
    actions_->setHandler(kProtocolDeviceNet, [this] { selectProtocol(Protocol::deviceNet); });
    actions_->setHandler(kProtocolCanopen, [this] { selectProtocol(Protocol::canopen); });
    actions_->setHandler(kChartXT, [this] { selectChartMode(kChartModeXT); });
    actions_->setHandler(kChartYT, [this] { selectChartMode(kChartModeYT); });
    actions_->setHandler(kChartXY, [this] { selectChartMode(kChartModeXY); });
    actions_->setHandler(kFont, [this] { chooseFont(); });
    actions_->setHandler(kGridLines, [this] { dataListView()->toggleGridLines(); });
    actions_->setHandler(kCapture, [this] { capture(); });
    actions_->setHandler(kStop, [this] { stopCapture(); });
    actions_->setHandler(kClearAll, [this] { clearAll(); });
    actions_->setHandler(kManualMessage, [this] { sendManualMessage(); });
    actions_->setHandler(kAutoConfigure, [this] { configureAutomation(); });
    actions_->setHandler(kFilter, [this] { runFilter(); });
    actions_->setHandler(kAutoStart, [this] {
        if (CDataDoc* document = activeDocument())
            startAutomation(*document, state_.autoDataLoaded, messages_);
    });
    actions_->setHandler(kAutoStop, [this] {
        if (CDataDoc* document = activeDocument())
            stopAutomation(*document, messages_);
    });
    actions_->setHandler(kHelpTopics, [this] { openHelpTopics(environment_.executableDir, messages_); });
    actions_->setHandler(kAbout, [this] { about(); });
    for (int i = 0; i < kRecentFileCount; ++i)
        actions_->setHandler(kRecentFile1 + i, [this, i] { files_.openRecent(i); });
    // Every command changes what the others may do.
    for (const auto& [number, commandAction] : actions_->actions())
        connect(commandAction, &QAction::triggered, this, &CMainFrame::updateCommandStates, Qt::QueuedConnection);
}

void CMainFrame::rebuildMenus() {
    buildMenuBar(menuBar(), menuSet_, *actions_, recentFiles_.paths(), [this] { updateCommandStates(); });
    // Taking the old menus apart emptied the shared Language submenu.
    languageMenu_->rebuild();
}

void CMainFrame::updateCommandStates() {
    WindowContext windows;
    windows.documentOpen = !mdiArea_->subWindowList().isEmpty();
    windows.toolbarVisible = !toolbar_->isHidden();
    windows.statusBarVisible = !statusBar()->isHidden();
    windows.gridLines = dataListView() && dataListView()->hasGridLines();
    windows.recentFileCount = int(recentFiles_.paths().size());
    if (const CDataDoc* document = activeDocument()) {
        windows.automationStartEnabled = isAutomationStartEnabled(*document);
        windows.automationStopEnabled = isAutomationStopEnabled(*document);
    }
    actions_->updateStates(state_, windows);
}

void CMainFrame::tick() {
    if (state_.capture.capturing.load(std::memory_order_acquire))
        framesLost_.observe(adapterFramesDropped());
    refreshStatusPanes();
    runMainFrameTick(state_.capture, state_.filter, state_.dataListOpen ? activeDocument() : nullptr);
    updateCommandStates();
}

void CMainFrame::refreshStatusPanes() {
    shownPanes_ = refreshedStatusPaneTexts(shownPanes_, state_.protocol, state_.device);
    showFramesLost();
    showPaneText(protocolPane_, shownPanes_.protocol);
    showPaneText(framePane_, shownPanes_.frame);
    showPaneText(baudRatePane_, shownPanes_.baudRate);
}

void CMainFrame::showFramesLost() { showPaneText(readyPane_, messagePaneText(framesLost_.framesLost())); }

QMdiSubWindow* CMainFrame::openDocument(DocumentKind kind) {
    QMdiSubWindow* window = nullptr;
    if (kind == DocumentKind::dataList) {
        auto* dataList = new CMDIChildWndDataList(state_, receiveTimer_);
        dataList->setCloseGuard([this] { return files_.saveModifiedDocument(); });
        window = dataList;
    } else {
        window = new CMDIChildWndChart(state_, receiveTimer_, messages_);
    }
    mdiArea_->addSubWindow(window);
    connect(window, &QObject::destroyed, this, &CMainFrame::documentWindowsChanged, Qt::QueuedConnection);
    window->showMaximized();
    documentWindowsChanged();
    return window;
}

void CMainFrame::documentWindowsChanged() {
    const MenuSet wanted = mdiArea_->subWindowList().isEmpty() ? MenuSet::noDocument : MenuSet::document;
    if (wanted != menuSet_) {
        menuSet_ = wanted;
        rebuildMenus();
    }
    updateCommandStates();
}

bool CMainFrame::openDocumentFile(const QString& path) { return files_.openFile(path); }

CMDIChildWndDataList* CMainFrame::replaceDocumentsWithDataList(Protocol protocol) {
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        delete window;
    state_.protocol = protocol;
    return static_cast<CMDIChildWndDataList*>(openDocument(DocumentKind::dataList));
}

void CMainFrame::recentFilesChanged() { rebuildMenus(); }

void CMainFrame::showLoadedCapture(CMDIChildWndDataList* window) {
    state_.dataListOpen = true;
    window->view()->SetProtocol(Protocol::can);
    state_.capture.filterCursor = 0;
    classifyPass(state_.capture, state_.filter);
    window->view()->showRowCount(state_.capture.rows.count());
    framesLost_.reset(adapterFramesDropped());
    refreshStatusPanes();
    updateCommandStates();
}

CMDIChildWndDataList* CMainFrame::dataListWindow() const {
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (auto* dataList = qobject_cast<CMDIChildWndDataList*>(window))
            return dataList;
    }
    return nullptr;
}

CViewDataList* CMainFrame::dataListView() const {
    CMDIChildWndDataList* window = dataListWindow();
    return window ? window->view() : nullptr;
}

CViewChart* CMainFrame::chartView() const {
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (auto* chart = qobject_cast<CMDIChildWndChart*>(window))
            return chart->view();
    }
    return nullptr;
}

CDataDoc* CMainFrame::activeDocument() const {
    QMdiSubWindow* active = mdiArea_->activeSubWindow();
    if (auto* chart = qobject_cast<CMDIChildWndChart*>(active))
        return &chart->document();
    CMDIChildWndDataList* dataList = qobject_cast<CMDIChildWndDataList*>(active);
    if (!dataList)
        dataList = dataListWindow();
    return dataList ? &dataList->document() : nullptr;
}

bool CMainFrame::isDataListOpen() const { return state_.dataListOpen; }

void CMainFrame::closeDataListDocuments() {
    // At once: the New dialog asks straight after whether one is still open.
    while (CMDIChildWndDataList* window = dataListWindow())
        delete window;
    documentWindowsChanged();
}

void CMainFrame::newDocument() {
    CNewDocDlg dialog(*this, messages_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    state_.protocol = dialog.protocol();
    openDocument(DocumentKind::dataList);
    resetCaptureForNewDocument(state_.filter, state_.capture);
    framesLost_.reset(adapterFramesDropped());
    showFramesLost();
}

void CMainFrame::closeActiveDocument() {
    // Through the window's own close, which asks to save a modified capture;
    // gone at once, as the menus and flags that follow expect.
    QMdiSubWindow* active = mdiArea_->activeSubWindow();
    if (active && active->close())
        delete active;
}

void CMainFrame::selectProtocol(Protocol protocol) {
    state_.protocol = protocol;
    if (CViewDataList* view = dataListView())
        view->SetProtocol(protocol);
    refreshStatusPanes();
}

void CMainFrame::selectChartMode(int mode) {
    state_.chartMode = mode;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (qobject_cast<CMDIChildWndChart*>(window))
            mdiArea_->setActiveSubWindow(window);
    }
}

void CMainFrame::chooseFont() {
    if (auto* chart = qobject_cast<CMDIChildWndChart*>(mdiArea_->activeSubWindow())) {
        chart->view()->chooseFont();
        return;
    }
    if (CViewDataList* view = dataListView())
        view->chooseFont();
}

void CMainFrame::capture() {
    if (CViewDataList* view = dataListView(); view && view->shownRowCount() > 0)
        view->list()->scrollToRow(view->shownRowCount() - 1);
    startCapture(state_.capture, state_.device.configured, messages_);
    // After RunKESH, which may have started the adapter's count afresh.
    framesLost_.resume(adapterFramesDropped());
    refreshStatusPanes();
}

void CMainFrame::stopCapture() {
    // The drops since the last tick belong to the capture that stops.
    if (state_.capture.capturing.load(std::memory_order_acquire))
        framesLost_.observe(adapterFramesDropped());
    ::stopCapture(state_.capture);
    refreshStatusPanes();
}

void CMainFrame::clearAll() {
    CMDIChildWndDataList* window = dataListWindow();
    if (!window)
        return;
    ::clearAll(state_.capture, window->document(), window->view());
    framesLost_.reset(adapterFramesDropped());
    showFramesLost();
}

void CMainFrame::sendManualMessage() {
    CDataDoc* document = activeDocument();
    if (!document)
        return;
    CManualMessageDlg dialog(*document, state_.capture, state_.device, state_.hexFormat, messages_, this);
    dialog.exec();
}

void CMainFrame::configureAutomation() {
    CDataDoc* document = activeDocument();
    if (!document)
        return;
    CAutoMessageDlg dialog(*document, state_, messages_, this);
    dialog.exec();
}

void CMainFrame::runFilter() {
    CViewDataList* view = dataListView();
    if (!view)
        return;
    FilterDialogRunner dialogs(state_, *view, messages_, this);
    runFilterCommand(state_.protocol, dialogs);
}

void CMainFrame::setupDevice() {
    CDeviceSetupDlg dialog(state_.device, state_.autoDataLoaded, environment_.configureIniPath, messages_, this);
    dialog.exec();
    refreshStatusPanes();
}

void CMainFrame::showDeviceInformation() {
    CDeviceInfoDlg dialog(messages_, this);
    dialog.exec();
}

QPrinter& CMainFrame::printer() {
    if (!printer_) {
        // The printer's own resolution: the page's places are device pixels,
        // and at screen resolution they would not fit a page.
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        useFileOutputResolution(*printer_);
    }
    return *printer_;
}

void CMainFrame::printSetup() {
    PrintSetupDialog dialog(&printer(), this);
    if (dialog.exec() == QDialog::Accepted)
        useFileOutputResolution(printer());
}

void CMainFrame::printShownRows() {
    if (CViewDataList* view = dataListView())
        view->printShownRows(printer(), messages_);
}

void CMainFrame::previewShownRows() {
    CViewDataList* view = dataListView();
    if (!view)
        return;
    CPrintPreviewWnd preview(state_.capture, view->protocol(), view->listLogFont(), printer(),
                             [this] { printPreviewedPages(); }, this);
    preview.exec();
}

void CMainFrame::printPreviewedPages() {
    // Every page the preview showed, whatever range an earlier print dialog chose.
    printer().setPrintRange(QPrinter::AllPages);
    if (CViewDataList* view = dataListView())
        view->printChosenPages(printer(), messages_);
}

void CMainFrame::about() {
    CAboutDlg dialog(environment_.version, environment_.adapterDescription, this);
    dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!files_.saveModifiedDocument()) {
        event->ignore();
        return;
    }
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        delete window;
    event->accept();
}
