// DataListHostWindow.h: a plain window around the data list, with the
// protocol, Font, GridLines and capture commands, until the main window with
// its full menus and toolbar takes its place.
#pragma once

#include <QMainWindow>
#include <QTimer>

struct CaptureState;
struct DeviceSettings;
struct FilterState;
class CDataDoc;
class CViewDataList;
class MessageSink;
class QActionGroup;

class DataListHostWindow : public QMainWindow {
    Q_OBJECT

public:
    DataListHostWindow(CaptureState& capture, FilterState& filter, CDataDoc& document, const DeviceSettings& device,
                       MessageSink& messages);

    CViewDataList* view() const { return view_; }
    void startCapture();

private:
    void buildMenus();
    void tick();

    CaptureState& capture_;
    FilterState& filter_;
    CDataDoc& document_;
    const DeviceSettings& device_;
    MessageSink& messages_;
    CViewDataList* view_;
    QTimer mainFrameTimer_;
};
