// CViewDataList.h: the data list document's view: the shown rows of the
// capture in the columns of the current protocol, kept in step with the rows
// by an 800 ms timer. Owns the Font and GridLines commands and printing.
#pragma once

#include "core/ShownRowsView.h"
#include "protocol/Protocol.h"
#include "views/PrintPage.h"
#include "views/widgets/DataListWidget.h"
#include "views/widgets/PrintRun.h"
#include "views/widgets/PrinterPages.h"

#include <QFont>
#include <QTimer>
#include <QWidget>

#include <optional>

struct CaptureState;
class CDataDoc;
class MessageSink;

class CViewDataList : public QWidget, public ShownRowsView, public PrintableView, private DataListSource {
    Q_OBJECT

public:
    CViewDataList(CaptureState& capture, CDataDoc& document, Protocol protocol, QWidget* parent = nullptr);

    // Swaps the columns for those of `protocol`; widths follow the list's width.
    void SetProtocol(Protocol protocol);
    Protocol protocol() const { return protocol_; }

    // The refresh of every timer tick: follows the count of shown rows.
    void refreshRowCount();
    uint32_t shownRowCount() const { return shownRowCount_; }

    void resetShownRows() override;
    void showRowCount(uint32_t count) override;

    // Font...: asks for a font and text colour for the list.
    void chooseFont();
    // Applies what the Font dialog chose.
    void applyFont(const QFont& font, const QColor& textColour);
    QFont listLogFont() const { return listLogFont_; }

    void toggleGridLines();
    bool hasGridLines() const { return list_->hasGridLines(); }

    DataListWidget* list() const { return list_; }

    // File > Print on `printer`: the print dialog, then the pages it chose.
    void printShownRows(QPrinter& printer, MessageSink& messages);
    // The pages `printer` is set up for, with the progress window of a long
    // run; tells the user when the run fails.
    void printChosenPages(QPrinter& printer, MessageSink& messages);
    // The same run without windows or messages.
    PrintOutcome printPages(QPrinter& printer, PrintProgress* progress = nullptr);

    // The print dialog. With settings that name a printer it offers the
    // pages 1 to N of the run on that printer, or tells the user first that
    // the printer cannot be reached. True when the user chose to print.
    bool OnPreparePrinting(QPrinter& printer, MessageSink& messages);
    uint32_t OnBeginPrinting(QPrinter& printer) override;
    bool OnPrint(QPainter& painter, uint32_t page, const PageRect& rect) override;
    void OnEndPrinting() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::size_t cellText(uint32_t row, int column, char* out) const override;
    void setColumnWidths(int totalWidth);

    CaptureState& capture_;
    CDataDoc& document_;
    Protocol protocol_;
    DataListWidget* list_;
    QTimer refreshTimer_;
    uint32_t shownRowCount_ = 0;
    QFont listLogFont_;

    // What the pages of the run in progress share.
    struct PrintRunState {
        PrinterFonts fonts;
        PrintJob job;
    };
    std::optional<PrintRunState> printRun_;
};
