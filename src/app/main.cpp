// vorelin: the desktop monitor.
#include "app/widgets/CMonitorApp.h"

int main(int argc, char** argv) {
    if (const std::optional<int> status = CMonitorApp::answerHelpOrVersion(argc, argv))
        return *status;
    CMonitorApp application(argc, argv);
    return application.run();
}
