// CPrintPreviewWnd.h: File > Print Preview: the printed pages of the shown
// rows on screen, one page at a time, drawn only when shown, so that ten
// million rows open as fast as ten. Pages are laid out once, on the printer's
// page and resolution, when the window opens; Print hands over to printing.
//
// A modal window over the main window: while it is open the rows may only
// grow (the capture goes on), because nothing can clear them, filter them or
// change the protocol under the pages it shows.
#pragma once

#include "protocol/Protocol.h"
#include "views/PrintPage.h"
#include "views/widgets/PrinterPages.h"

#include <QDialog>

#include <cstdint>
#include <functional>

struct CaptureState;
class PreviewPageView;
class QLabel;
class QPaintDevice;
class QPushButton;
class QSpinBox;

class CPrintPreviewWnd : public QDialog {
    Q_OBJECT

public:
    // `capture` outlives the window; `printer` is only measured here. `print`
    // prints the rows on that printer; it is called once the window has closed.
    CPrintPreviewWnd(const CaptureState& capture, Protocol protocol, const QFont& listLogFont,
                     const QPaintDevice& printer, std::function<void()> print, QWidget* parent = nullptr);

    // Turns to `page`, kept within 1 .. the page count.
    void showPage(uint32_t page);
    uint32_t pageCount() const { return lastPage_; }
    PreviewPageView* pageView() const { return view_; }

private:
    QPushButton* addButton(int textNumber, const char* objectName);
    void addShortcut(int key, const std::function<uint32_t()>& page);
    void zoomBy(bool in);
    void printPages();
    void showZoomState();

    const PrinterFonts fonts_;
    const PrintJob job_;
    const uint32_t lastPage_;
    std::function<void()> print_;
    PreviewPageView* view_;
    QSpinBox* pageField_;
    QPushButton* first_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* last_;
    QPushButton* fitWidth_;
    QPushButton* fitPage_;
    QPushButton* zoomIn_;
    QPushButton* zoomOut_;
    QLabel* zoomShown_;
};
