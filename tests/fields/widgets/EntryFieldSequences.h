// EntryFieldSequences.h: keystroke sequences that every dialog with entry
// fields must pass with its own message numbers. A dialog's widget test adds
// tests/fields/widgets/EntryFieldSequences.cpp to its sources and runs them
// against its own fields:
//
//   INSTANTIATE_TEST_SUITE_P(Dialogs, EntryFieldSequences,
//       ::testing::Values(EntryFieldDialog{"ManualMessage", &kManualMessageFields,
//                                          LeftEmpty::becomesZero, openManualMessage}),
//       entryFieldDialogName);
#pragma once

#include "core/RecordingMessageSink.h"
#include "fields/FieldMessages.h"
#include "fields/widgets/EntryField.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

class QWidget;

// One open dialog, as the sequences reach it.
class EntryFieldWindow {
public:
    virtual ~EntryFieldWindow() = default;
    virtual QWidget* window() = 0;
    virtual EntryField* identifier() = 0;         // null where the dialog has none
    virtual EntryField* dataByte(int index) = 0;  // 0 to 7, of the first frame
    // Clicks the dialog's "Hex" or "Decimal" button.
    virtual void chooseFormat(NumberFormat format) = 0;
};

struct EntryFieldDialog {
    std::string name;  // the instantiated tests' suffix
    const FieldMessages* messages;
    LeftEmpty leftEmpty;
    // Opens the dialog as it opens with DeviceSettings' `frameType`, its
    // messages going to `sink`, every data field enabled; the sequences
    // show it.
    std::function<std::unique_ptr<EntryFieldWindow>(int32_t frameType, MessageSink& sink)> open;
};

inline void PrintTo(const EntryFieldDialog& dialog, std::ostream* out) { *out << dialog.name; }

inline std::string entryFieldDialogName(const ::testing::TestParamInfo<EntryFieldDialog>& info) {
    return info.param.name;
}

class EntryFieldSequences : public ::testing::TestWithParam<EntryFieldDialog> {
protected:
    // Opens the dialog and makes it the active window, so that the focus
    // moves as it does for a user.
    void open(int32_t frameType);

    const FieldMessages::InFormat& says(NumberFormat format) const { return GetParam().messages->in(format); }

    // The numbers of the messages shown since the `first`th.
    std::vector<int> shownSince(std::size_t first) const;

    RecordingMessageSink messages;
    std::unique_ptr<EntryFieldWindow> dialog;
};
