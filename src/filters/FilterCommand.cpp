#include "filters/FilterCommand.h"

#include "protocol/Protocol.h"

void runFilterCommand(Protocol protocol, FilterDialogs& dialogs) {
    switch (protocol) {
    case Protocol::can:
        dialogs.runCanFilterDialog();
        break;
    case Protocol::deviceNet:
        dialogs.runDeviceNetFilterDialog();
        break;
    case Protocol::canopen:
        dialogs.runCanopenFilterDialog();
        break;
    default:
        break;
    }
}
