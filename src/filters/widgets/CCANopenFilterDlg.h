// CCANopenFilterDlg.h: Filter for CANopen Protocol: CANopen conditions that
// name an 11-bit COB-ID whole (Method 1) or as function code and node ID
// (Method 2), with the frame kind, the length and the data bytes.
#pragma once

#include "fields/widgets/EntryFields.h"
#include "filters/CanopenFilterRules.h"
#include "filters/widgets/FilterDialogBase.h"

class CanopenIdBox;
class QComboBox;

class CCANopenFilterDlg : public FilterDialogBase {
    Q_OBJECT

public:
    // Opens in Hex whatever `hexFormat` holds; its Hex and Decimal buttons
    // write `hexFormat`, which the message dialogs open in.
    CCANopenFilterDlg(FilterDialogContext& context, uint32_t& hexFormat, QWidget* parent = nullptr);
    ~CCANopenFilterDlg() override;

    QRadioButton* method1Button() const { return method1_; }
    QRadioButton* method2Button() const { return method2_; }
    CanopenIdBox* cobIdBox() const { return cobId_; }
    QComboBox* functionCodeList() const { return functionCode_; }
    CanopenIdBox* nodeIdBox() const { return nodeId_; }
    QComboBox* sizeList() const { return size_; }
    EntryField* dataField(int index) const { return data_[std::size_t(index)]; }
    QRadioButton* remoteButton() const { return remote_; }
    QRadioButton* hexButton() const { return hex_; }
    QRadioButton* decimalButton() const { return decimal_; }

protected:
    std::vector<std::string> rowTexts(const FilterCondition& condition, std::size_t row) const override;
    FilterCondition buildCondition() override;
    void loadCondition(const FilterCondition& condition) override;

private:
    void widenListForItsWords();
    NumberFormat numberFormat() const;
    void enableMethodControls();
    void chooseFormat(NumberFormat format);
    void showFunctionCodes();
    void enableDataFieldsForFrame();
    void leaveCobId();

    uint32_t& hexFormat_;
    QRadioButton* method1_;
    QRadioButton* method2_;
    CanopenIdBox* cobId_;
    QComboBox* functionCode_;
    CanopenIdBox* nodeId_;
    QRadioButton* dataFrame_;
    QRadioButton* remote_;
    QRadioButton* hex_;
    QRadioButton* decimal_;
    QComboBox* size_;
    DataByteFields data_;
};
