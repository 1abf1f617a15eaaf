// The C calls: one-byte results, out-values zeroed before anything else,
// null pointers refused, faults injected per call, and no exception
// escaping to a C caller.
#include "SimFixture.h"

#include "driver/Backend.h"
#include "driver/KeshApi.h"
#include "driver/SimAdapter.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <tuple>

namespace {

using vorelin::driver::AdapterInfo;
using vorelin::driver::AdapterStats;
using vorelin::driver::Backend;
using vorelin::driver::currentBackend;
using vorelin::driver::installBackend;
using vorelin::driver::KeshCall;
using vorelin::driver::SimAdapter;

constexpr uint32_t kGarbage = 0xDEADBEEF;

struct Info {
    uint8_t result = 0;
    std::array<uint32_t, 5> values{kGarbage, kGarbage, kGarbage, kGarbage, kGarbage};
};

Info info() {
    Info info;
    auto& v = info.values;
    info.result = GetKESHInfo(&v[0], &v[1], &v[2], &v[3], &v[4]);
    return info;
}

// The usual life of a capture, each call's result in the order made.
std::string runEveryCall() {
    const CanFrame frame = dataFrame(0x123, {1, 2});
    uint32_t unused1 = 0, unused2 = 0;
    int32_t count = 0;
    FrameRecord buffer[kRecvBufferRecords];
    const uint8_t results[] = {
        KESH_INIT(),   SetKESH(0, 500, 0, 1), info().result,      RunKESH(),       RecvData(&unused1, &unused2, &count, buffer),
        SendSingleData(frame), SetMultiData(&frame, 1, 10, 100), RunMultiData(), StopMultiData(), StopKESH(),
    };
    std::string text;
    for (uint8_t result : results)
        text += char('0' + result);
    return text;
}

struct FailingCall {
    const char* name;
    // Results of runEveryCall: KESH_INIT, SetKESH, GetKESHInfo, RunKESH,
    // RecvData, SendSingleData, SetMultiData, RunMultiData, StopMultiData, StopKESH.
    const char* results;
};

const FailingCall kFailingCalls[] = {
    {"KESH_INIT", "0000000000"},  // nothing works on an adapter that did not open
    {"SetKESH", "1011111111"},
    {"GetKESHInfo", "1101111111"},
    {"RunKESH", "1110011111"},  // nothing to receive from an adapter that never ran
    {"RecvData", "1111011111"},
    {"SendSingleData", "1111101111"},
    {"SetMultiData", "1111110111"},
    {"RunMultiData", "1111111011"},
    {"StopMultiData", "1111111101"},
    {"StopKESH", "1111111110"},
};

class FaultInjection : public testing::TestWithParam<FailingCall> {
protected:
    ~FaultInjection() override { installBackend(nullptr); }
};

TEST_P(FaultInjection, OnlyTheNamedCallFailsThroughTheCApi) {
    ASSERT_EQ(KESH_SelectBackend(("sim:rate=0,fail=" + std::string(GetParam().name)).c_str()), 1);
    EXPECT_EQ(runEveryCall(), GetParam().results);
}

TEST_P(FaultInjection, CanBeSwitchedOnAndOffAtRunTime) {
    SimOnManualClock bus(simOptions(0));
    const auto call = vorelin::driver::keshCallNamed(GetParam().name);
    ASSERT_TRUE(call.has_value());
    bus.sim().setCallFailing(*call, true);
    EXPECT_EQ(runEveryCall(), GetParam().results);
    bus.sim().setCallFailing(*call, false);
    EXPECT_EQ(runEveryCall(), "1111111111");
}

INSTANTIATE_TEST_SUITE_P(EveryCall, FaultInjection, testing::ValuesIn(kFailingCalls),
                         [](const testing::TestParamInfo<FailingCall>& info) { return info.param.name; });

TEST(KeshApi, CallsBeforeKeshInitFailAndStillZeroTheirOutValues) {
    SimOnManualClock bus(simOptions(0));
    EXPECT_EQ(SetKESH(0, 500, 0, 1), 0);
    EXPECT_EQ(RunKESH(), 0);
    EXPECT_EQ(SendSingleData(dataFrame(0x100)), 0);
    const Info failed = info();
    EXPECT_EQ(failed.result, 0);
    EXPECT_EQ(failed.values, (std::array<uint32_t, 5>{}));
    uint32_t unused1 = kGarbage, unused2 = kGarbage;
    int32_t count = 1234;
    FrameRecord buffer[kRecvBufferRecords];
    EXPECT_EQ(RecvData(&unused1, &unused2, &count, buffer), 0);
    EXPECT_EQ(std::tuple(unused1, unused2, count), std::tuple(0u, 0u, 0));
}

TEST(KeshApi, AbsentAdapterFailsEveryCall) {
    ASSERT_EQ(KESH_SelectBackend("sim:absent"), 1);
    EXPECT_EQ(runEveryCall(), "0000000000");
    installBackend(nullptr);
}

TEST(KeshApi, UnpluggedAdapterFailsUntilPluggedInAndOpenedAgain) {
    SimOnManualClock bus(simOptions(0));
    bus.openAndRun(500);
    bus.sim().setPresent(false);
    EXPECT_EQ(KESH_INIT(), 0);
    EXPECT_EQ(RunKESH(), 0);
    bus.sim().setPresent(true);
    EXPECT_EQ(RunKESH(), 0) << "unplugging closed the adapter";
    EXPECT_EQ(runEveryCall(), "1111111111");
}

TEST(KeshApi, InfoReportsStatusBaudAndFirmwareAndZeroesTheUnusedValues) {
    SimOnManualClock bus(simOptions(0));
    ASSERT_EQ(KESH_INIT(), 1);
    const Info before = info();
    EXPECT_EQ(before.result, 1);
    EXPECT_EQ(before.values, (std::array<uint32_t, 5>{0, 0, 0, 500, 0x0105}));
    ASSERT_EQ(SetKESH(0, 250, 0, 2), 1);
    ASSERT_EQ(RunKESH(), 1);
    EXPECT_EQ(info().values, (std::array<uint32_t, 5>{1, 0, 0, 250, 0x0105}));
    ASSERT_EQ(StopKESH(), 1);
    EXPECT_EQ(info().values[0], 0u);
}

TEST(KeshApi, InfoOverridesFromTheSelectorAndAtRunTime) {
    ASSERT_EQ(KESH_SelectBackend("sim:status=7,baud=33,firmware=0x0203"), 1);
    ASSERT_EQ(KESH_INIT(), 1);
    EXPECT_EQ(info().values, (std::array<uint32_t, 5>{7, 0, 0, 33, 0x0203}));

    auto sim = std::dynamic_pointer_cast<SimAdapter>(currentBackend());
    ASSERT_NE(sim, nullptr);
    sim->setInfoOverride({std::nullopt, std::nullopt, 0x0300});
    EXPECT_EQ(info().values, (std::array<uint32_t, 5>{0, 0, 0, 500, 0x0300}));
    installBackend(nullptr);
}

TEST(KeshApi, SetKeshAcceptsOnlyValidSettings) {
    struct Row {
        const char* name;
        uint32_t baudRateKbps, workMode, frameType;
        uint8_t result;
    };
    const Row rows[] = {
        {"slowest", 1, 0, 1, 1},          {"fastest", 1000, 1, 2, 1},      {"zero_baud", 0, 0, 1, 0},
        {"baud_too_high", 1001, 0, 1, 0}, {"work_mode_2", 500, 2, 1, 0},   {"frame_type_0", 500, 0, 0, 0},
        {"frame_type_3", 500, 0, 3, 0},   {"huge_baud", 0xFFFFFFFF, 0, 1, 0},
    };
    SimOnManualClock bus(simOptions(0));
    ASSERT_EQ(KESH_INIT(), 1);
    for (const Row& row : rows) {
        ASSERT_EQ(SetKESH(0, 125, 0, 1), 1);
        EXPECT_EQ(SetKESH(0xFFFFFFFF, row.baudRateKbps, row.workMode, row.frameType), row.result) << row.name;
        // A refused setting leaves the previous one in place.
        EXPECT_EQ(info().values[3], row.result ? row.baudRateKbps : 125u) << row.name;
    }
}

TEST(KeshApi, NullPointersAreRefusedAndTheOthersStillZeroed) {
    SimOnManualClock bus(simOptions(0));
    bus.openAndRun(500);
    FrameRecord buffer[kRecvBufferRecords];
    for (int nullAt = 0; nullAt < 4; ++nullAt) {
        uint32_t unused1 = kGarbage, unused2 = kGarbage;
        int32_t count = 99;
        EXPECT_EQ(RecvData(nullAt == 0 ? nullptr : &unused1, nullAt == 1 ? nullptr : &unused2,
                           nullAt == 2 ? nullptr : &count, nullAt == 3 ? nullptr : buffer),
                  0)
            << nullAt;
        EXPECT_EQ(nullAt == 0 ? 0u : unused1, 0u) << nullAt;
        EXPECT_EQ(nullAt == 2 ? 0 : count, 0) << nullAt;
    }
    for (int nullAt = 0; nullAt < 5; ++nullAt) {
        std::array<uint32_t, 5> values{kGarbage, kGarbage, kGarbage, kGarbage, kGarbage};
        std::array<uint32_t*, 5> pointers{};
        for (int i = 0; i < 5; ++i)
            pointers[i] = i == nullAt ? nullptr : &values[i];
        EXPECT_EQ(GetKESHInfo(pointers[0], pointers[1], pointers[2], pointers[3], pointers[4]), 0) << nullAt;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(i == nullAt ? 0u : values[i], 0u) << nullAt << " " << i;
    }
    EXPECT_EQ(SetMultiData(nullptr, 1, 10, 100), 0);
    EXPECT_EQ(SetMultiData(nullptr, 0, 10, 100), 1) << "an empty list needs no frames";
    EXPECT_EQ(KESH_SelectBackend(nullptr), 0);
}

TEST(KeshApi, UnsendableFramesAreRefused) {
    SimOnManualClock bus(simOptions(0));
    bus.openAndRun(500);
    CanFrame nineBytes = dataFrame(0x100);
    nineBytes.length = 9;
    const CanFrame wideIdentifier = dataFrame(0x800);
    EXPECT_EQ(SendSingleData(nineBytes), 0);
    EXPECT_EQ(SendSingleData(wideIdentifier), 0);
    const CanFrame mixed[] = {dataFrame(0x100), wideIdentifier};
    EXPECT_EQ(SetMultiData(mixed, 2, 10, 100), 0);
    const CanFrame nine[9] = {};
    EXPECT_EQ(SetMultiData(nine, 9, 10, 100), 0) << "the adapter stores at most 8";
    EXPECT_EQ(SetMultiData(nine, 8, 10, 100), 1);
}

TEST(KeshApi, SelectingABadSelectorKeepsTheCurrentBackend) {
    ASSERT_EQ(KESH_SelectBackend("sim:rate=5"), 1);
    const auto before = currentBackend();
    EXPECT_EQ(before->description(), "sim:rate=5");
    EXPECT_EQ(KESH_SelectBackend("sim:rate=x"), 0);
    EXPECT_EQ(KESH_SelectBackend("socket"), 0);
    EXPECT_EQ(currentBackend(), before);
    installBackend(nullptr);
    EXPECT_EQ(currentBackend()->description(), "sim") << "the default comes back";
    installBackend(nullptr);
}

// A backend whose every call throws, or that claims more records than fit.
class MisbehavingBackend : public Backend {
public:
    explicit MisbehavingBackend(bool throws) : throws_(throws) {}
    bool open() override { return act(); }
    bool configure(uint32_t, uint32_t, uint32_t) override { return act(); }
    bool readInfo(AdapterInfo&) override { return act(); }
    bool start() override { return act(); }
    bool stop() override { return act(); }
    bool receive(FrameRecord*, int capacity, int& count) override {
        count = capacity + 1;
        return act();
    }
    bool sendSingle(const CanFrame&) override { return act(); }
    bool setCyclic(const CanFrame*, uint32_t, uint32_t, uint32_t) override { return act(); }
    bool startCyclic() override { return act(); }
    bool stopCyclic() override { return act(); }
    AdapterStats stats() override { return {}; }
    std::string description() const override { return "misbehaving"; }

private:
    bool act() const {
        if (throws_)
            throw std::runtime_error("backend fault");
        return true;
    }
    bool throws_;
};

TEST(KeshApi, NoExceptionEscapesACall) {
    installBackend(std::make_shared<MisbehavingBackend>(true));
    EXPECT_EQ(runEveryCall(), "0000000000");
    installBackend(nullptr);
}

TEST(KeshApi, RecvDataNeverReportsMoreThanItsBuffer) {
    installBackend(std::make_shared<MisbehavingBackend>(false));
    uint32_t unused1 = 0, unused2 = 0;
    int32_t count = 0;
    FrameRecord buffer[kRecvBufferRecords];
    EXPECT_EQ(RecvData(&unused1, &unused2, &count, buffer), 0);
    EXPECT_EQ(count, 0);
    installBackend(nullptr);
}

}  // namespace
