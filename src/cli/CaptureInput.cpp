#include "cli/CaptureInput.h"

#include "cli/CliSupport.h"
#include "document/OpenedCapture.h"
#include "filters/ClassifyPass.h"

int loadCaptureInput(std::string_view command, const std::string& path, CaptureInput& input) {
    const auto fail = [&](const Error& error) {
        cli::reportCaptureFileError(command, path, error);
        return cli::captureFileExitStatus(error);
    };
    auto opened = OpenedCapture::open(path);
    if (!opened)
        return fail(opened.error());
    const auto loaded = opened->loadInto(*input.state, input.document, {});
    if (!loaded)
        return fail(loaded.error());
    // As the window does once a file is open: a data list shows it, read as
    // CAN, through the file's filter.
    ProgramState& state = *input.state;
    state.dataListOpen = true;
    state.capture.filterCursor = 0;
    classifyPass(state.capture, state.filter);
    return cli::kExitOk;
}
