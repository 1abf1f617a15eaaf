// CanopenIdBox.h: the CANopen filter's "COB-ID:" or "Node-ID:": a drop-down
// holding "ALL" whose edit part takes a number from 0 to its limit in Hex
// or Decimal, checked on every change of its text.
#pragma once

#include "fields/NumberText.h"
#include "filters/widgets/CheckedComboBox.h"

#include <cstdint>

class CanopenIdBox : public CheckedComboBox {
    Q_OBJECT

public:
    // Starts on "ALL", in Hex; takes 0 to `limit` (kCobIdLimit or kNodeIdLimit).
    CanopenIdBox(uint32_t limit, MessageSink& sink, QWidget* parent = nullptr);

    // The number the text last accepted; kCanopenAll for "ALL".
    int32_t member() const { return member_; }

    // Shows `member` as "ALL" or as a number ("%X" or "%d").
    void showMember(int32_t member);

    // Follows the dialog's Hex/Decimal buttons: a number is rewritten in the
    // new format ("%02X" or "%d"); "ALL" stays.
    void setNumberFormat(NumberFormat format);
    NumberFormat numberFormat() const { return format_; }

signals:
    // The box lost the focus to something other than its own entries.
    void left();

protected:
    std::optional<Message> checkText(const std::string& text) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const uint32_t limit_;
    NumberFormat format_ = NumberFormat::hex;
    int32_t member_;
};
