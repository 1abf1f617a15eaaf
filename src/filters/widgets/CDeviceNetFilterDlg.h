// CDeviceNetFilterDlg.h: Filter for DeviceNet Protocol: DeviceNet conditions
// made of a message group and message ID (Method 1) or a named message
// (Method 2), each with an optional source and destination MAC ID.
#pragma once

#include "filters/DeviceNetFilterRules.h"
#include "filters/widgets/FilterDialogBase.h"

class MacIdComboBox;
class QComboBox;

class CDeviceNetFilterDlg : public FilterDialogBase {
    Q_OBJECT

public:
    explicit CDeviceNetFilterDlg(FilterDialogContext& context, QWidget* parent = nullptr);

    MacIdComboBox* sourceField() const { return source_; }
    MacIdComboBox* destinationField() const { return destination_; }
    QRadioButton* hexButton() const { return hex_; }
    QRadioButton* decimalButton() const { return decimal_; }
    QRadioButton* method1Button() const { return method1_; }
    QRadioButton* method2Button() const { return method2_; }
    QComboBox* groupList() const { return group_; }
    QComboBox* messageIdList() const { return messageId_; }
    QComboBox* descriptionList() const { return description_; }

protected:
    std::vector<std::string> rowTexts(const FilterCondition& condition, std::size_t row) const override;
    FilterCondition buildCondition() override;
    void loadCondition(const FilterCondition& condition) override;

private:
    void widenListForItsWords();
    NumberFormat numberFormat() const;
    DeviceNetFilterControls controls() const;
    void showGroup(int group, int messageId);
    void showMacIdFields();
    void fillMessageIds();
    void chooseGroup(int index);
    void chooseMessageId(int index);
    void chooseDescription();
    void chooseMethod1(bool checked);
    void chooseMethod2(bool checked);
    void showInChosenFormat();

    int groupValue_ = 1;
    int messageIdValue_ = kDeviceNetAll;
    MacIdComboBox* source_;
    MacIdComboBox* destination_;
    QRadioButton* hex_;
    QRadioButton* decimal_;
    QRadioButton* method1_;
    QRadioButton* method2_;
    QComboBox* group_;
    QComboBox* messageId_;
    QComboBox* description_;
};
