#include "app/widgets/CViewChart.h"

#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "dialogs/TableText.h"

#include <QPainter>

CViewChart::CViewChart(bool& chartOpen, MessageSink& messages, QWidget* parent)
    : QWidget(parent), chartOpen_(chartOpen), messages_(messages) {
    chartOpen_ = true;
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

CViewChart::~CViewChart() { chartOpen_ = false; }

void CViewChart::chooseFont() { messages_.show(applicationMessage(strings::kChartFont, MessageIcon::None)); }

void CViewChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPoint topLeft(200, 200);
    painter.drawText(QRect(topLeft, QSize(width(), height())), Qt::AlignLeft | Qt::AlignTop,
                     tableText(strings::kChartPlaceholder));
}
