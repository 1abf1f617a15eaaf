// FilterDialogRunner.h: the data list's Filter command meets the three
// filter dialogs: each runs over the program's capture and filter, and OK
// rebuilds the rows of the data list that asked.
#pragma once

#include "filters/FilterCommand.h"
#include "filters/widgets/FilterDialogBase.h"

class QWidget;
struct ProgramState;

class FilterDialogRunner : public FilterDialogs {
public:
    FilterDialogRunner(ProgramState& state, ShownRowsView& view, MessageSink& messages, QWidget* parent);

    void runCanFilterDialog() override;
    void runDeviceNetFilterDialog() override;
    void runCanopenFilterDialog() override;

private:
    ProgramState& state_;
    FilterDialogContext context_;
    QWidget* parent_;
};
