#include "filters/FilterCommand.h"

#include "protocol/Protocol.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class RecordingDialogs : public FilterDialogs {
public:
    void runCanFilterDialog() override { opened += "can "; }
    void runDeviceNetFilterDialog() override { opened += "devicenet "; }
    void runCanopenFilterDialog() override { opened += "canopen "; }
    std::string opened;
};

std::string dialogsOpenedFor(Protocol protocol) {
    RecordingDialogs dialogs;
    runFilterCommand(protocol, dialogs);
    return dialogs.opened;
}

}  // namespace

TEST(FilterCommand, RunsTheDialogOfTheCurrentProtocolOnly) {
    EXPECT_EQ(dialogsOpenedFor(Protocol::can), "can ");
    EXPECT_EQ(dialogsOpenedFor(Protocol::deviceNet), "devicenet ");
    EXPECT_EQ(dialogsOpenedFor(Protocol::canopen), "canopen ");
}

TEST(FilterCommand, DoesNothingWithoutAProtocol) {
    EXPECT_EQ(dialogsOpenedFor(Protocol::none), "");
    EXPECT_EQ(dialogsOpenedFor(Protocol(3)), "");
    EXPECT_EQ(dialogsOpenedFor(Protocol(-2)), "");
}
