// CViewDataList.h: the data list document's view: the shown rows of the
// capture in the columns of the current protocol, kept in step with the rows
// by an 800 ms timer. Owns the Font and GridLines commands.
#pragma once

#include "core/ShownRowsView.h"
#include "protocol/Protocol.h"
#include "views/widgets/DataListWidget.h"

#include <QFont>
#include <QTimer>
#include <QWidget>

struct CaptureState;
class CDataDoc;

class CViewDataList : public QWidget, public ShownRowsView, private DataListSource {
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
};
