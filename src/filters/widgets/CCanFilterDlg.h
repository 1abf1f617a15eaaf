// CCanFilterDlg.h: Filter for CAN Protocol: CAN conditions made of an
// identifier (all, Advanced bit by bit, or Custom), the frame kind, the
// length and the data bytes.
#pragma once

#include "fields/widgets/EntryFields.h"
#include "filters/CanFilterRules.h"
#include "filters/widgets/FilterDialogBase.h"

#include <optional>

class QComboBox;

class CCanFilterDlg : public FilterDialogBase {
    Q_OBJECT

public:
    // `frameType` decides the identifiers' width; the Custom field starts
    // from `identifierSeed`; `bits` are the program's Advanced bit states.
    CCanFilterDlg(FilterDialogContext& context, int32_t frameType, uint32_t identifierSeed,
                  AdvancedIdentifierBits& bits, QWidget* parent = nullptr);

    QComboBox* identifierChoice() const { return identifierChoice_; }
    EntryField* identifierField() const { return identifier_; }
    QPushButton* advancedButton() const { return advancedButton_; }
    QComboBox* sizeList() const { return size_; }
    EntryField* dataField(int index) const { return data_[std::size_t(index)]; }
    QRadioButton* remoteButton() const { return remote_; }
    QRadioButton* hexButton() const { return hex_; }
    QRadioButton* decimalButton() const { return decimal_; }

protected:
    std::vector<std::string> rowTexts(const FilterCondition& condition, std::size_t row) const override;
    FilterCondition buildCondition() override;
    FilterCondition editCandidate(const FilterCondition& selected) override;
    void loadCondition(const FilterCondition& condition) override;

private:
    CanFilterControls controls() const;
    NumberFormat numberFormat() const;
    void showIdentifierChoice();
    void showInChosenFormat();
    void enableDataFieldsForFrame();
    void runAdvancedIdentifier();

    const int32_t frameType_;
    AdvancedIdentifierBits& bits_;
    std::optional<AdvancedPattern> advancedPattern_;  // confirmed during this opening
    bool advancedChanged_ = false;                   // confirmed since the last Edit
    QComboBox* identifierChoice_;
    EntryField* identifier_;
    QPushButton* advancedButton_;
    QRadioButton* dataFrame_;
    QRadioButton* remote_;
    QRadioButton* hex_;
    QRadioButton* decimal_;
    QComboBox* size_;
    DataByteFields data_;
};
