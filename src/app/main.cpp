// vorelin: the desktop monitor.
#include "app/widgets/CMonitorApp.h"

int main(int argc, char** argv) {
    CMonitorApp application(argc, argv);
    return application.run();
}
