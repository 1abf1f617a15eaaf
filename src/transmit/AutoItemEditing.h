// AutoItemEditing.h: how the Configure Automation Message dialog edits the
// document's automation list: the entry its fields make up, Add with its
// staging item, Edit, Delete, and a click in the list with the selection and
// the Edit and Delete buttons it leaves.
#pragma once

#include "core/AutoMessageItem.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct DeviceSettings;
class MessageSink;

// The kept values of the dialog's entry fields.
struct AutoEntry {
    uint32_t identifier = 0;  // a value with the top bit set counts as none kept
    uint32_t size = 8;        // the Size list's index, 0 to 8
    uint32_t remote = 0;      // 0 Data Frame, 1 Remote Frame
    uint32_t frameFormat = 0;  // 0 Standard, 1 Extend: presets the hidden radio buttons
    std::array<uint32_t, 8> data{};
    // A data field whose text is empty: its byte counts as not entered.
    std::array<bool, 8> dataEmpty{};
};

// The entry as the dialog opens: identifier and data 0, size 8, Data Frame,
// the frame format from the adapter settings.
AutoEntry openAutoEntry(const DeviceSettings& device);

// The selected row of the list and the state of the Edit and Delete buttons.
struct AutoListSelection {
    std::optional<std::size_t> row;
    bool editEnabled = false;
    bool deleteEnabled = false;
};

// Add: with 8 items already, message 5009 in a box owned by `dialog` and
// nothing else. Otherwise fills `staging`, the document's staging item that
// outlives the dialog, from the entry (an identifier or data byte not entered
// keeps the previous Add's value), appends an enabled copy and marks the
// document changed. True when an item was added.
bool addAutoItem(std::vector<AutoMessageItem>& items, AutoMessageItem& staging, const AutoEntry& entry,
                 std::atomic<bool>& dataChanged, MessageSink& messages, const void* dialog);

// Edit: rewrites the selected item from the entry; the bits of data bytes
// not entered, FC_ENABLED and FC_FRAMEFORMAT stay. Nothing without a selection.
void editAutoItem(std::vector<AutoMessageItem>& items, const AutoListSelection& selection, const AutoEntry& entry,
                  std::atomic<bool>& dataChanged);

// Delete: removes the selected item and disables Edit and Delete. The
// selection goes too, so that no later Edit reaches past the shortened list.
void deleteAutoItem(std::vector<AutoMessageItem>& items, AutoListSelection& selection, std::atomic<bool>& dataChanged);

// A click in the list on row `hitRow` (none: outside every row), on its check
// box or not. A hit selects the row, enables Edit and Delete and shows the
// item in the entry: its size, identifier and frame kind, and the data bytes
// it has entered (the other data fields keep theirs). A check box click also
// toggles FC_ENABLED, which the capture file keeps, so it marks the document
// changed. A miss clears the selection and disables Edit only.
void clickAutoList(std::vector<AutoMessageItem>& items, AutoListSelection& selection, std::optional<std::size_t> hitRow,
                   bool onCheckBox, AutoEntry& entry, std::atomic<bool>& dataChanged);
