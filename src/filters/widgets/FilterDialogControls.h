// FilterDialogControls.h: controls the filter dialogs build alike beside the
// shared dialog's own: a pair of radio buttons, and the Size list with the
// eight data fields that CAN and CANopen conditions take their length and
// data bytes from. Rows and labels are in ControlRows.h.
#pragma once

#include "fields/widgets/EntryFields.h"
#include "filters/ConditionBuilding.h"

class QComboBox;
class QObject;
class QRadioButton;

// Two exclusive radio buttons captioned by strings `first` and `second`, the
// first checked.
struct RadioPair {
    QRadioButton* first;
    QRadioButton* second;
};
RadioPair radioPair(QObject* owner, int first, int second);

// The Size list: string `all` ("ALL"), then the lengths "0" to "8".
void fillSizeList(QComboBox& size, int all);

// The length and data bytes a condition built now takes; an empty data
// field tests nothing.
LengthAndDataEntry lengthAndDataOf(const QComboBox& size, const DataByteFields& data);

// Shows a loaded condition's length and data bytes ("%02X" or "%03d"), an
// untested byte as an empty field.
void showLengthAndData(const LengthAndDataEntry& entry, QComboBox& size, const DataByteFields& data,
                       NumberFormat format);

// Enables the data fields the Size list and the frame kind leave open; "ALL"
// leaves every byte open, like a size of 8.
void enableDataFieldsForSize(const QComboBox& size, const DataByteFields& data, bool remoteFrame);
