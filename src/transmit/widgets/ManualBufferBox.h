// ManualBufferBox.h: one buffer of the Manual Message dialog: its identifier,
// frame kind, size and eight data bytes, with the hidden Standard/Extend
// choice the adapter settings preset. The dialog owns two of them.
#pragma once

#include "fields/widgets/EntryFields.h"
#include "transmit/ManualMessage.h"

#include <QGroupBox>

#include <array>

class MessageSink;
class QComboBox;
class QPushButton;
class QRadioButton;

class ManualBufferBox : public QGroupBox {
    Q_OBJECT

public:
    // Shows `opened` in `format`; the send button is "Send Buffer 1" or 2.
    ManualBufferBox(ManualBufferId buffer, const ManualEntry& opened, NumberFormat format, MessageSink& messages,
                    QWidget* parent = nullptr);

    // The kept values of the fields as they stand.
    ManualEntry entry() const;

    // The identifier first, then the eight data bytes.
    const std::array<EntryField*, 9>& entryFields() const { return entryFields_; }
    QPushButton* sendButton() const { return send_; }

private:
    void enableDataFieldsForFrame();

    const uint32_t frameFormat_;
    EntryField* identifier_;
    DataByteFields data_;
    std::array<EntryField*, 9> entryFields_;
    QRadioButton* remoteFrame_;
    QComboBox* size_;
    QPushButton* send_;
};
