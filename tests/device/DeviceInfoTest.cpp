#include "device/DeviceInfo.h"

#include "core/RecordingMessageSink.h"
#include "driver/Backend.h"
#include "driver/KeshApi.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

class DeviceInfoTest : public ::testing::Test {
protected:
    void TearDown() override { vorelin::driver::installBackend(nullptr); }

    // The simulated adapter reporting what `options` say, opened as the main
    // window opens it.
    static void selectAdapter(const std::string& options) {
        ASSERT_EQ(KESH_SelectBackend(("sim:rate=0" + options).c_str()), 1);
        ASSERT_EQ(KESH_INIT(), 1);
    }

    RecordingMessageSink messages;
};

using Fields = std::tuple<std::string, std::string, std::string>;

Fields fields(const DeviceInfoTexts& texts) { return {texts.status, texts.baudRate, texts.firmware}; }

}  // namespace

TEST_F(DeviceInfoTest, ShowsTheAdaptersReportInItsThreeFields) {
    struct Row {
        const char* name;
        const char* options;
        const char* status;
        const char* baudRate;
        const char* firmware;
    };
    const Row rows[] = {
        {"running_version_1_05", ",status=1,baud=250,firmware=0x0105", "Run", "250", "V1.05"},
        {"stopped_minor_ten", ",status=0,baud=125,firmware=0x010A", "Stop", "125", "V1.10"},
        {"status_two_is_not_running", ",status=2,baud=1000,firmware=0x0C00", "Stop", "1000", "V12.00"},
        {"all_zero", ",status=0,baud=0,firmware=0", "Stop", "0", "V0.00"},
        {"largest_values", ",status=4294967295,baud=4294967295,firmware=0xFFFF", "Stop", "4294967295", "V255.255"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        selectAdapter(row.options);
        EXPECT_EQ(fields(readDeviceInfo(messages)), Fields(row.status, row.baudRate, row.firmware));
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DeviceInfoTest, AnAdapterThatDoesNotAnswerIsReportedAndLeavesTheFieldsEmpty) {
    for (const char* selector : {"sim:rate=0,fail=GetKESHInfo", "sim:rate=0,absent"}) {
        SCOPED_TRACE(selector);
        RecordingMessageSink sink;
        ASSERT_EQ(KESH_SelectBackend(selector), 1);
        KESH_INIT();  // an absent adapter refuses to open too
        EXPECT_EQ(fields(readDeviceInfo(sink)), Fields("", "", ""));
        ASSERT_EQ(sink.shown().size(), 1u);
        const Message& shown = sink.shown()[0];
        EXPECT_EQ(shown.number, 5025);
        EXPECT_EQ(shown.text, "KTR2740 communication error.");
        EXPECT_EQ(shown.caption, "Vorelin") << "an application box";
        EXPECT_EQ(shown.owner, nullptr);
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    }
}
