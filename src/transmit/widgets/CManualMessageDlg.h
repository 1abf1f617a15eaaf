// CManualMessageDlg.h: the Manual Message dialog. Sends single frames by hand
// from two buffers, records each sent frame in the capture and keeps each
// buffer's last sent values in the document. It stays open after a send.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

class ManualBufferBox;
class MessageSink;
class QRadioButton;
struct CaptureState;
struct DeviceSettings;
struct DocumentContents;

class CManualMessageDlg : public QDialog {
    Q_OBJECT

public:
    // Opens on the document's two buffers, in the format `hexFormat` names
    // (1 Hex, else Decimal), with the frame format of `device`. The Hex and
    // Decimal buttons write `hexFormat`.
    CManualMessageDlg(DocumentContents& document, CaptureState& capture, const DeviceSettings& device,
                      uint32_t& hexFormat, MessageSink& messages, QWidget* parent = nullptr);

    ManualBufferBox* buffer(int index) const { return buffers_[std::size_t(index)]; }
    QRadioButton* hexButton() const { return hex_; }
    QRadioButton* decimalButton() const { return decimal_; }

private:
    void showInChosenFormat();

    DocumentContents& document_;
    CaptureState& capture_;
    uint32_t& hexFormat_;
    MessageSink& messages_;
    QRadioButton* hex_;
    QRadioButton* decimal_;
    std::array<ManualBufferBox*, 2> buffers_;
};
