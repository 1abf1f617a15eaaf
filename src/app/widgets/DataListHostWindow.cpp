#include "app/widgets/DataListHostWindow.h"

#include "app/MainFrameTick.h"
#include "core/CDataDoc.h"
#include "core/CaptureCommands.h"
#include "core/CaptureState.h"
#include "core/StringTable.h"
#include "views/widgets/CViewDataList.h"
#include "views/widgets/TableText.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QStatusBar>

namespace {

constexpr int kMainFrameTickMs = 800;

}  // namespace

DataListHostWindow::DataListHostWindow(CaptureState& capture, FilterState& filter, CDataDoc& document,
                                       const DeviceSettings& device, MessageSink& messages)
    : capture_(capture),
      filter_(filter),
      document_(document),
      device_(device),
      messages_(messages),
      view_(new CViewDataList(capture, document, Protocol::can, this)) {
    setWindowTitle(tableText(strings::kAppTitle));
    setCentralWidget(view_);
    buildMenus();
    mainFrameTimer_.setInterval(kMainFrameTickMs);
    connect(&mainFrameTimer_, &QTimer::timeout, this, &DataListHostWindow::tick);
    mainFrameTimer_.start();
    resize(1100, 640);
}

void DataListHostWindow::buildMenus() {
    QMenu* dataList = menuBar()->addMenu(tableText(strings::kMenuDataList));
    auto* protocols = new QActionGroup(this);
    const struct {
        int text;
        Protocol protocol;
        QKeySequence shortcut;
    } choices[] = {
        {strings::kMenuCan, Protocol::can, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {strings::kMenuDeviceNet, Protocol::deviceNet, QKeySequence(Qt::CTRL | Qt::Key_D)},
        {strings::kMenuCanopen, Protocol::canopen, QKeySequence(Qt::CTRL | Qt::Key_P)},
    };
    for (const auto& choice : choices) {
        QAction* action = dataList->addAction(tableText(choice.text));
        action->setCheckable(true);
        action->setChecked(choice.protocol == view_->protocol());
        action->setShortcut(choice.shortcut);
        protocols->addAction(action);
        connect(action, &QAction::triggered, this, [this, protocol = choice.protocol] { view_->SetProtocol(protocol); });
    }
    dataList->addSeparator();
    dataList->addAction(tableText(strings::kMenuFont), view_, &CViewDataList::chooseFont);
    QAction* gridLines = dataList->addAction(tableText(strings::kMenuGridLines), view_, &CViewDataList::toggleGridLines);
    gridLines->setCheckable(true);

    QMenu* functions = menuBar()->addMenu(tableText(strings::kMenuFunctions));
    QAction* capture = functions->addAction(tableText(strings::kMenuCapture), this, &DataListHostWindow::startCapture);
    capture->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2));
    QAction* stop = functions->addAction(tableText(strings::kMenuStop), this, [this] { stopCapture(capture_); });
    stop->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3));
    QAction* clear =
        functions->addAction(tableText(strings::kMenuClearAll), this, [this] { clearAll(capture_, document_, view_); });
    clear->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    connect(functions, &QMenu::aboutToShow, this, [this, capture, stop] {
        capture->setEnabled(isCaptureEnabled(capture_));
        stop->setEnabled(isStopEnabled(capture_));
    });
}

void DataListHostWindow::startCapture() {
    if (view_->shownRowCount() > 0)
        view_->list()->scrollToRow(view_->shownRowCount() - 1);
    ::startCapture(capture_, device_, messages_);
}

void DataListHostWindow::tick() {
    runMainFrameTick(capture_, filter_, &document_);

}
