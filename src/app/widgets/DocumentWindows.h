// DocumentWindows.h: the two kinds of document window. Both open maximised;
// the data list window owns its document and its view, and keeps the
// process-wide flags that say a data list is open.
#pragma once

#include "protocol/Protocol.h"

#include <QMdiSubWindow>

#include <functional>
#include <memory>

struct ProgramState;
class CDataDoc;
class CViewChart;
class CViewDataList;
class MessageSink;
class ReceiveTimer;

class CMDIChildWndDataList : public QMdiSubWindow {
    Q_OBJECT

public:
    CMDIChildWndDataList(ProgramState& state, ReceiveTimer& receiveTimer, QWidget* parent = nullptr);
    // Closing stops the adapter (the document's end) and forgets the protocol.
    ~CMDIChildWndDataList() override;

    CDataDoc& document() const { return *document_; }
    CViewDataList* view() const { return view_; }

    // The file the document was opened from or saved to; empty for a new one.
    const QString& filePath() const { return filePath_; }
    void setFilePath(const QString& path);

    // Asked whenever the window is about to close, whichever way the user
    // closes it (File > Close, its close button, its window menu, Ctrl+F4);
    // false keeps it open.
    void setCloseGuard(std::function<bool()> mayClose) { mayClose_ = std::move(mayClose); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ProgramState& state_;
    QString filePath_;
    std::function<bool()> mayClose_;
    std::unique_ptr<CDataDoc> document_;
    CViewDataList* view_;
};

class CMDIChildWndChart : public QMdiSubWindow {
    Q_OBJECT

public:
    CMDIChildWndChart(ProgramState& state, ReceiveTimer& receiveTimer, MessageSink& messages, QWidget* parent = nullptr);
    ~CMDIChildWndChart() override;

    CDataDoc& document() const { return *document_; }
    CViewChart* view() const { return view_; }

private:
    std::unique_ptr<CDataDoc> document_;
    CViewChart* view_;
};
