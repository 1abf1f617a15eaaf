#include "device/AdapterDeviceList.h"

#include "driver/Backend.h"

#include <gtest/gtest.h>

using vorelin::driver::DeviceChoice;

namespace {

const std::vector<DeviceChoice> kInterfaces = {
    {"can0", "socketcan:can0", false}, {"can1", "socketcan:can1", true}, {"vcan0", "socketcan:vcan0", false}};

}  // namespace

TEST(AdapterDeviceList, APollKeepsTheUsersChoiceAndFollowsTheDevices) {
    const struct {
        const char* name;
        AdapterDeviceList shown;
        bool answers;
        std::vector<DeviceChoice> choices;
        AdapterDeviceList polled;
    } rows[] = {
        {"the model while an adapter without choices answers", {}, true, {}, {{"KTR2740"}, 0}},
        {"nothing while it does not", {{"KTR2740"}, 0}, false, {}, {}},
        {"the devices, the one in use selected", {}, true, kInterfaces, {{"can0", "can1", "vcan0"}, 1}},
        {"the same devices keep the user's choice", {{"can0", "can1", "vcan0"}, 2}, true, kInterfaces,
         {{"can0", "can1", "vcan0"}, 2}},
        {"a device added keeps the choice by name", {{"can0", "vcan0"}, 1}, true, kInterfaces,
         {{"can0", "can1", "vcan0"}, 2}},
        {"the chosen device gone selects the one in use", {{"can0", "can7"}, 1}, true, kInterfaces,
         {{"can0", "can1", "vcan0"}, 1}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(polledDeviceList(row.shown, row.answers, row.choices, "KTR2740"), row.polled) << row.name;
}

TEST(AdapterDeviceList, OkSwitchesToAnotherDeviceOrLeavesTheAdapterAsItWas) {
    using vorelin::driver::currentBackend;
    auto first = vorelin::driver::makeBackend("sim:seed=1");
    ASSERT_TRUE(first);
    vorelin::driver::installBackend(std::move(*first));
    const std::vector<DeviceChoice> choices = {
        {"first", "sim:seed=1", true}, {"second", "sim:seed=2", false}, {"gone", "socketcan:nosuchcan7", false}};

    EXPECT_TRUE(switchToChosenDevice(choices, "first"));
    EXPECT_EQ(currentBackend()->description(), "sim:seed=1") << "the device in use stays";

    const auto refused = switchToChosenDevice(choices, "gone");
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().text.rfind("socketcan: no interface 'nosuchcan7'", 0), 0u) << refused.error().text;
    EXPECT_EQ(currentBackend()->description(), "sim:seed=1") << "a device that does not open changes nothing";

    EXPECT_TRUE(switchToChosenDevice(choices, "second"));
    EXPECT_EQ(currentBackend()->description(), "sim:seed=2");
    vorelin::driver::installBackend(nullptr);
}
