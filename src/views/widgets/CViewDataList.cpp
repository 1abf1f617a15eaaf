#include "views/widgets/CViewDataList.h"

#include "core/CDataDoc.h"
#include "core/CaptureState.h"
#include "core/StringTable.h"
#include "dialogs/FontAndColourDialog.h"
#include "dialogs/TableText.h"
#include "views/DataListCells.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <QStringList>

#include <vector>

namespace {

constexpr int kRefreshIntervalMs = 800;

QStringList columnCaptions(Protocol protocol) {
    QStringList captions;
    for (const DataListColumn& column : dataListColumns(protocol))
        captions << tableText(column.captionString);
    return captions;
}

}  // namespace

CViewDataList::CViewDataList(CaptureState& capture, CDataDoc& document, Protocol protocol, QWidget* parent)
    : QWidget(parent), capture_(capture), document_(document), protocol_(protocol), list_(new DataListWidget(*this, this)) {
    listLogFont_.setFamily(QStringLiteral("Verdana"));
    listLogFont_.setPixelSize(16);
    list_->setObjectName(QStringLiteral("dataList"));
    list_->setColumns(columnCaptions(protocol_));
    refreshTimer_.setInterval(kRefreshIntervalMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &CViewDataList::refreshRowCount);
    refreshTimer_.start();
}

void CViewDataList::SetProtocol(Protocol protocol) {
    protocol_ = protocol;
    list_->setColumns(columnCaptions(protocol_));
    setColumnWidths(list_->width());
}

void CViewDataList::setColumnWidths(int totalWidth) {
    std::vector<int> widths;
    for (const DataListColumn& column : dataListColumns(protocol_))
        widths.push_back(columnWidth(column, totalWidth));
    list_->setColumnWidths(widths);
}

void CViewDataList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    list_->setGeometry(rect());
    setColumnWidths(event->size().width());
}

void CViewDataList::refreshRowCount() {
    if (document_.clearing) {
        resetShownRows();
        return;
    }
    const uint32_t count = capture_.rows.count();
    if (count == shownRowCount_) {
        if (count == 0)
            list_->setRowCount(0);
        return;
    }
    if (count == 0)
        resetShownRows();
    else
        showRowCount(count);
}

void CViewDataList::resetShownRows() {
    list_->setRowCount(0);
    shownRowCount_ = 0;
}

void CViewDataList::showRowCount(uint32_t count) {
    list_->setRowCount(count);
    if (count > 0)
        list_->scrollToRow(count - 1);
    shownRowCount_ = count;
}

std::size_t CViewDataList::cellText(uint32_t row, int column, char* out) const {
    // Nothing to show while Clear All empties the capture, and never a row the
    // shown rows no longer have.
    if (capture_.clearing || row >= capture_.rows.count()) {
        out[0] = '\0';
        return 0;
    }
    return formatDataListCell(protocol_, row, capture_.store.at(capture_.rows.at(row)), column, out);
}

void CViewDataList::chooseFont() {
    listLogFont_ = list_->font();
    FontAndColourDialog dialog(listLogFont_, list_->textColor(), this);
    if (dialog.exec() == QDialog::Accepted)
        applyFont(dialog.selectedFont(), dialog.selectedColour());
}

void CViewDataList::applyFont(const QFont& font, const QColor& textColour) {
    listLogFont_ = font;
    list_->setTextColor(textColour);
    list_->setFont(listLogFont_);
}

void CViewDataList::toggleGridLines() { list_->setGridLines(!list_->hasGridLines()); }
