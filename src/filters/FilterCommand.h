// FilterCommand.h: the data list's Filter command, which opens the filter
// dialog of the protocol the list currently shows.
#pragma once

enum class Protocol : int;

// The three filter dialogs, each run modally; the window layer provides them.
class FilterDialogs {
public:
    virtual ~FilterDialogs() = default;
    virtual void runCanFilterDialog() = 0;
    virtual void runDeviceNetFilterDialog() = 0;
    virtual void runCanopenFilterDialog() = 0;
};

// Does nothing while no protocol is chosen, or for a value that names none.
void runFilterCommand(Protocol protocol, FilterDialogs& dialogs);
