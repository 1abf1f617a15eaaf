#include "dialogs/CProgressDlg.h"

#include "core/StringTable.h"
#include "dialogs/TableText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

constexpr int kDarkTextAbovePercent = 50;

// The percentage drawn over the bar: white once the filled part lies under
// it, black before, so that it stays readable either way.
class PercentBar : public QProgressBar {
public:
    PercentBar() {
        setRange(0, 100);
        setTextVisible(false);
        setMinimumWidth(260);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QProgressBar::paintEvent(event);
        QPainter painter(this);
        painter.setPen(value() > kDarkTextAbovePercent ? Qt::white : Qt::black);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("%1%").arg(value()));
    }
};

}  // namespace

CProgressDlg::CProgressDlg(QWidget* parent) : QDialog(parent), bar_(new PercentBar) {
    setModal(false);
    bar_->setObjectName(QStringLiteral("progress"));
    bar_->setValue(0);
    auto* text = new QLabel(tableText(strings::kProgressText));
    // The text names the bar; a bar takes no name from its label by itself.
    text->setBuddy(bar_);
    bar_->setAccessibleName(text->text());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(bar_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CProgressDlg::showProgress(int percent, int titleString) {
    bar_->setValue(percent);
    bar_->setAccessibleDescription(QStringLiteral("%1%").arg(percent));
    setWindowTitle(tableText(titleString));
    repaint();
}

int CProgressDlg::percent() const { return bar_->value(); }

void CProgressDlg::offerCancel() {
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tableText(strings::kButtonCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Esc rejects as well as the button.
    connect(this, &QDialog::rejected, this, [this] { cancelRequested_ = true; });
    layout()->addWidget(buttons);
}
