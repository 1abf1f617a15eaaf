// The SocketCAN backend where this machine can check it: its selector, the
// interfaces it finds and its failures. Its work on a kernel CAN stack is
// tested inside the test guest (guest/SocketCanGuestTest.cpp).
#include "driver/Backend.h"
#include "driver/CanInterfaces.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

using namespace vorelin::driver;

TEST(SocketCanOptions, OneInterfaceAndNothingElse) {
    auto made = makeBackend("socketcan:can0");
    ASSERT_TRUE(made) << made.error().text;
    EXPECT_EQ((*made)->description(), "socketcan:can0");
    EXPECT_TRUE((*made)->tellsTransmitted());
    const struct {
        const char* selector;
        const char* error;
    } refused[] = {
        {"socketcan", "socketcan: no interface (expected socketcan:IFACE)"},
        {"socketcan:can0,can1", "socketcan: two interfaces, 'can0' and 'can1'"},
        {"socketcan:can0,bitrate=500", "socketcan: unknown option 'bitrate' (expected socketcan:IFACE)"},
        {"socketcan:averyveryverylongname", "socketcan: 'averyveryverylongname' is longer than an interface name can be"},
    };
    for (const auto& row : refused) {
        auto refusal = makeBackend(row.selector);
        ASSERT_FALSE(refusal) << row.selector;
        EXPECT_EQ(refusal.error().text, row.error);
    }
}

TEST(CanInterfaces, OnlyInterfacesOfTheCanTypeAndUsbSerialLinesInOrder) {
    TempDir classNet;
    const struct {
        const char* name;
        const char* type;
    } interfaces[] = {{"vcan0", "280\n"}, {"eth0", "1\n"}, {"can1", "280\n"}, {"lo", "772\n"}, {"can0", "280"},
                      {"broken", "x"}};
    for (const auto& interface : interfaces) {
        std::filesystem::create_directory(classNet.file(interface.name));
        std::ofstream(classNet.file(interface.name) + "/type") << interface.type;
    }
    std::filesystem::create_directory(classNet.file("notype"));
    EXPECT_EQ(canInterfaceNames(classNet.path()), (std::vector<std::string>{"can0", "can1", "vcan0"}));
    EXPECT_TRUE(canInterfaceNames(classNet.file("missing")).empty());

    // The interfaces are not this machine's, so their state cannot be read.
    TempDir devices;
    for (const char* name : {"ttyACM10", "ttyS0", "ttyUSB0", "ttyACM2", "null"})
        TempDir::write(devices.file(name), "");
    std::vector<std::string> found;
    for (const FoundAdapter& adapter : findAdapters(classNet.path(), devices.path()))
        found.push_back(adapter.selector + ' ' + adapter.description);
    EXPECT_EQ(found, (std::vector<std::string>{
                         "socketcan:can0 CAN interface", "socketcan:can1 CAN interface", "socketcan:vcan0 CAN interface",
                         "slcan:" + devices.file("ttyACM2") + " USB serial line",
                         "slcan:" + devices.file("ttyUSB0") + " USB serial line",
                         "slcan:" + devices.file("ttyACM10") + " USB serial line"}));
}

TEST(SocketCanAdapter, ANamedInterfaceThatIsMissingFailsToOpenAndSaysWhy) {
    auto made = makeBackend("socketcan:nosuchcan7");
    ASSERT_TRUE(made);
    Backend& adapter = **made;
    EXPECT_FALSE(adapter.open());
    EXPECT_EQ(adapter.failureReason().rfind("socketcan: no interface 'nosuchcan7' (", 0), 0u) << adapter.failureReason();
    AdapterInfo info;
    EXPECT_FALSE(adapter.readInfo(info));
    EXPECT_FALSE(adapter.start());
    CanFrame frame;
    EXPECT_FALSE(adapter.sendSingle(frame));
    EXPECT_EQ(adapter.failureReason(), "socketcan: nosuchcan7 is not open");
    FrameRecord buffer[1];
    int count = 1;
    EXPECT_FALSE(adapter.receive(buffer, 1, count));
    EXPECT_EQ(count, 0);
}

TEST(SocketCanAdapter, WithoutCanSocketsTheLoopbackInterfaceFailsToOpen) {
    const int probe = socket(PF_CAN, SOCK_RAW, 1);
    if (probe >= 0) {
        close(probe);
        GTEST_SKIP() << "this kernel has CAN sockets: the guest tests cover opening";
    }
    auto made = makeBackend("socketcan:lo");
    ASSERT_TRUE(made);
    EXPECT_FALSE((*made)->open());
    EXPECT_EQ((*made)->failureReason().rfind("socketcan: this system cannot open CAN sockets: ", 0), 0u)
        << (*made)->failureReason();
}
