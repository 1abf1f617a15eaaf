// CAdvancedIdDlg.h: Advanced Identifier: one button per identifier bit that
// steps the bit X -> 0 -> 1 -> X at once, with the bit's state beside it.
// The presses change the program's bit states even when the dialog is
// cancelled; OK hands back the pattern the shown bits make.
#pragma once

#include "filters/AdvancedIdentifierBits.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QPushButton;

class CAdvancedIdDlg : public QDialog {
    Q_OBJECT

public:
    // Bits 1 to 11 for Standard frames (`frameType` 1), all 29 otherwise.
    CAdvancedIdDlg(AdvancedIdentifierBits& bits, int32_t frameType, QWidget* parent = nullptr);

    AdvancedPattern pattern() const { return bits_.pattern(shownBits_); }
    QPushButton* bitButton(int bit) const { return buttons_[std::size_t(bit)]; }
    QLineEdit* bitField(int bit) const { return fields_[std::size_t(bit)]; }
    int shownBits() const { return shownBits_; }

private:
    AdvancedIdentifierBits& bits_;
    const int shownBits_;
    std::vector<QPushButton*> buttons_;
    std::vector<QLineEdit*> fields_;
};
