// CViewChart.h: the chart document's view. The curve display is not built;
// the view only marks itself open and draws its placeholder text.
#pragma once

#include <QWidget>

class MessageSink;

class CViewChart : public QWidget {
    Q_OBJECT

public:
    // Sets `chartOpen` for as long as the view exists.
    CViewChart(bool& chartOpen, MessageSink& messages, QWidget* parent = nullptr);
    ~CViewChart() override;

    // The chart's Font command.
    void chooseFont();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool& chartOpen_;
    MessageSink& messages_;
};
