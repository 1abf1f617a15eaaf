// MacIdComboBox.h: the Source ID or Destination ID field of the DeviceNet
// filter: a drop-down holding "ALL" whose edit part takes a MAC ID in Hex or
// Decimal, checked on every change of its text.
#pragma once

#include "fields/NumberText.h"
#include "filters/widgets/CheckedComboBox.h"

class MacIdComboBox : public CheckedComboBox {
    Q_OBJECT

public:
    // Starts on "ALL", in Hex.
    explicit MacIdComboBox(MessageSink& sink, QWidget* parent = nullptr);

    // The MAC ID the text last accepted stands for; -1 for "ALL".
    int member() const { return member_; }

    // Shows `member` as "ALL" or as a number ("%X" or "%d").
    void showMember(int member);

    // Follows the dialog's Hex/Decimal buttons: a number is rewritten in the
    // new format ("%02X" or "%d"); "ALL" stays.
    void setNumberFormat(NumberFormat format);

protected:
    std::optional<Message> checkText(const std::string& text) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    NumberFormat format_ = NumberFormat::hex;
    int member_;
};
