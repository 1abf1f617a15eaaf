#include "app/widgets/DocumentWindows.h"

#include "app/widgets/CViewChart.h"
#include "app/widgets/ToolbarIcon.h"
#include "core/CDataDoc.h"
#include "core/StringTable.h"
#include "dialogs/TableText.h"
#include "document/ProgramState.h"
#include "views/widgets/CViewDataList.h"

#include <QCloseEvent>
#include <QFileInfo>

namespace {

void prepareDocumentWindow(QMdiSubWindow* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(tableText(strings::kUntitled));
    window->setWindowIcon(applicationIcon());
}

}  // namespace

CMDIChildWndDataList::CMDIChildWndDataList(ProgramState& state, ReceiveTimer& receiveTimer, QWidget* parent)
    : QMdiSubWindow(parent),
      state_(state),
      document_(std::make_unique<CDataDoc>(state.capture, receiveTimer)),
      view_(new CViewDataList(state.capture, *document_, state.protocol)) {
    prepareDocumentWindow(this);
    setWidget(view_);
    state_.dataListOpen = true;
}

void CMDIChildWndDataList::setFilePath(const QString& path) {
    filePath_ = path;
    setWindowTitle(QFileInfo(path).fileName());
}

void CMDIChildWndDataList::closeEvent(QCloseEvent* event) {
    if (mayClose_ && !mayClose_()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

CMDIChildWndDataList::~CMDIChildWndDataList() {
    // The view reads the document until it goes; it must go first.
    delete view_;
    state_.dataListOpen = false;
    state_.protocol = Protocol::none;
}

CMDIChildWndChart::CMDIChildWndChart(ProgramState& state, ReceiveTimer& receiveTimer, MessageSink& messages,
                                     QWidget* parent)
    : QMdiSubWindow(parent),
      document_(std::make_unique<CDataDoc>(state.capture, receiveTimer)),
      view_(new CViewChart(state.chartOpen, messages)) {
    prepareDocumentWindow(this);
    setWidget(view_);
}

CMDIChildWndChart::~CMDIChildWndChart() { delete view_; }
