#include "transmit/widgets/CManualMessageDlg.h"

#include "core/DocumentContents.h"
#include "core/StringTable.h"
#include "dialogs/TableText.h"
#include "transmit/ManualMessage.h"
#include "transmit/widgets/ManualBufferBox.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <vector>

namespace {

constexpr ManualBufferId kBuffers[] = {ManualBufferId::first, ManualBufferId::second};

}  // namespace

CManualMessageDlg::CManualMessageDlg(DocumentContents& document, CaptureState& capture, const DeviceSettings& device,
                                     uint32_t& hexFormat, MessageSink& messages, QWidget* parent)
    : QDialog(parent), document_(document), capture_(capture), hexFormat_(hexFormat), messages_(messages) {
    setWindowTitle(tableText(strings::kManualTitle));
    const NumberFormat format = numberFormatOf(hexFormat);

    auto* formats = new QButtonGroup(this);
    hex_ = new QRadioButton(tableText(strings::kManualHex));
    decimal_ = new QRadioButton(tableText(strings::kManualDecimal));
    formats->addButton(hex_);
    formats->addButton(decimal_);
    (format == NumberFormat::hex ? hex_ : decimal_)->setChecked(true);
    auto* formatRow = new QHBoxLayout;
    formatRow->addWidget(new QLabel(tableText(strings::kManualFormat)));
    formatRow->addWidget(hex_);
    formatRow->addWidget(decimal_);
    formatRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formatRow);
    for (std::size_t i = 0; i < buffers_.size(); ++i) {
        const ManualBufferId id = kBuffers[i];
        buffers_[i] = new ManualBufferBox(id, openManualEntry(document.manualBuffers[i], device), format, messages, this);
        buffers_[i]->setObjectName(QStringLiteral("buffer%1").arg(i + 1));
        layout->addWidget(buffers_[i]);
        connect(buffers_[i]->sendButton(), &QPushButton::clicked, this, [this, id, i] {
            const QWidget* owner = this;
            sendManualBuffer(id, buffers_[i]->entry(), document_, capture_, messages_, owner);
        });
    }
    // Enter in any field presses the default button.
    buffers_[kManualBufferSentByEnter == ManualBufferId::first ? 0 : 1]->sendButton()->setDefault(true);

    auto* cancel = new QPushButton(tableText(strings::kButtonCancel));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cancel);
    layout->addLayout(buttonRow);

    // One of the pair toggles on whichever is clicked: one rewrite per change.
    connect(hex_, &QRadioButton::toggled, this, &CManualMessageDlg::showInChosenFormat);
}

void CManualMessageDlg::showInChosenFormat() {
    const NumberFormat format = hex_->isChecked() ? NumberFormat::hex : NumberFormat::decimal;
    // NumberFormat's values are those of hexFormat.
    hexFormat_ = uint32_t(format);
    std::vector<EntryField*> fields;
    for (const ManualBufferBox* buffer : buffers_)
        fields.insert(fields.end(), buffer->entryFields().begin(), buffer->entryFields().end());
    showInFormat(fields, format);
}
