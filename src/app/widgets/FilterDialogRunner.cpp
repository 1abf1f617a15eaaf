#include "app/widgets/FilterDialogRunner.h"

#include "document/ProgramState.h"
#include "filters/widgets/CCANopenFilterDlg.h"
#include "filters/widgets/CCanFilterDlg.h"
#include "filters/widgets/CDeviceNetFilterDlg.h"

FilterDialogRunner::FilterDialogRunner(ProgramState& state, ShownRowsView& view, MessageSink& messages,
                                       QWidget* parent)
    : state_(state), context_{state.capture, state.filter, &view, messages}, parent_(parent) {}

void FilterDialogRunner::runCanFilterDialog() {
    CCanFilterDlg dialog(context_, state_.device.frameType, state_.filterIdentifierSeed, state_.advancedIdentifierBits,
                         parent_);
    dialog.exec();
}

void FilterDialogRunner::runDeviceNetFilterDialog() {
    CDeviceNetFilterDlg dialog(context_, parent_);
    dialog.exec();
}

void FilterDialogRunner::runCanopenFilterDialog() {
    CCANopenFilterDlg dialog(context_, state_.hexFormat, parent_);
    dialog.exec();
}
