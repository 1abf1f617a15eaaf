// AutoEntryBox.h: the "CAN Data" group of the Configure Automation Message
// dialog: number format, identifier, frame kind, size and eight data bytes,
// with the hidden Standard/Extend choice the adapter settings preset. It
// opens in Hex whatever format the other dialogs last chose.
#pragma once

#include "fields/widgets/EntryFields.h"
#include "transmit/AutoItemEditing.h"

#include <QGroupBox>

class MessageSink;
class QComboBox;
class QRadioButton;
struct DeviceSettings;

class AutoEntryBox : public QGroupBox {
    Q_OBJECT

public:
    AutoEntryBox(const DeviceSettings& device, MessageSink& messages, QWidget* parent = nullptr);

    // The kept values of the fields as they stand.
    AutoEntry entry() const;
    // Shows an item a click picked: its size, identifier and frame kind, and
    // the data bytes `shown` does not mark empty; the other fields keep theirs.
    void showPickedItem(const AutoEntry& shown);

    NumberFormat numberFormat() const;
    EntryField* identifierField() const { return identifier_; }
    EntryField* dataField(int index) const { return data_[std::size_t(index)]; }
    QRadioButton* hexButton() const { return hex_; }
    QRadioButton* decimalButton() const { return decimal_; }
    QRadioButton* remoteFrameButton() const { return remoteFrame_; }
    QComboBox* sizeList() const { return size_; }

signals:
    // The user picked Hex or Decimal; the fields already show it.
    void formatChosen(NumberFormat format);

private:
    void showInChosenFormat();
    void enableDataFieldsForFrame();

    const uint32_t frameFormat_;
    QRadioButton* hex_;
    QRadioButton* decimal_;
    EntryField* identifier_;
    QRadioButton* dataFrame_;
    QRadioButton* remoteFrame_;
    QComboBox* size_;
    DataByteFields data_;
};
