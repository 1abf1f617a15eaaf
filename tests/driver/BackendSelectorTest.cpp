// Backend selectors: what each key sets, and the exact error text for every way
// a selector can be wrong, since the command-line tool shows it as it is.
#include "driver/Backend.h"
#include "driver/SimAdapter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

namespace {

using vorelin::driver::KeshCall;
using vorelin::driver::makeBackend;
using vorelin::driver::SimAdapter;
using vorelin::driver::SimOptions;
using vorelin::driver::TrafficMix;

SimOptions optionsOf(const std::string& selector) {
    auto backend = makeBackend(selector);
    EXPECT_TRUE(backend.hasValue()) << selector << ": " << (backend ? "" : backend.error().text);
    if (!backend)
        return {};
    const auto* sim = dynamic_cast<const SimAdapter*>(backend->get());
    EXPECT_NE(sim, nullptr) << selector;
    return sim ? sim->options() : SimOptions{};
}

TEST(BackendSelector, EveryKeySetsItsOption) {
    const std::string selector =
        "sim:rate=21000,mix=short,fifo=64,seed=7,absent,fail=RunKESH+RecvData,status=3,baud=250,firmware=0x0203";
    const SimOptions options = optionsOf(selector);
    EXPECT_EQ(options.selector, selector);
    EXPECT_EQ(options.framesPerSecond, 21000u);
    EXPECT_EQ(options.mix, TrafficMix::shortFrames);
    EXPECT_EQ(options.fifoFrames, 64u);
    EXPECT_EQ(options.seed, 7u);
    EXPECT_TRUE(options.absent);
    EXPECT_EQ(options.failingCalls.count(), 2u);
    EXPECT_TRUE(options.failingCalls[std::size_t(KeshCall::runKesh)]);
    EXPECT_TRUE(options.failingCalls[std::size_t(KeshCall::recvData)]);
    EXPECT_EQ(options.infoOverride.status, 3u);
    EXPECT_EQ(options.infoOverride.baudRateKbps, 250u);
    EXPECT_EQ(options.infoOverride.firmware, 0x0203u);
}

TEST(BackendSelector, DefaultsAndValuesAtTheEdgesOfTheirRanges) {
    struct Row {
        const char* selector;
        uint32_t framesPerSecond;
        uint32_t fifoFrames;
        bool absent;
        TrafficMix mix;
    };
    const Row rows[] = {
        {"sim", 2000, 512, false, TrafficMix::mixed},
        {"sim:rate=0", 0, 512, false, TrafficMix::mixed},
        {"sim:rate=1000000", 1'000'000, 512, false, TrafficMix::mixed},
        {"sim:fifo=8192", 2000, 8192, false, TrafficMix::mixed},
        {"sim:absent=0", 2000, 512, false, TrafficMix::mixed},
        {"sim:absent=1", 2000, 512, true, TrafficMix::mixed},
        {"sim:mix=mixed", 2000, 512, false, TrafficMix::mixed},
        {"sim:mix=canopen", 2000, 512, false, TrafficMix::canopen},
        {"sim:mix=devicenet", 2000, 512, false, TrafficMix::devicenet},
        {"sim:mix=can", 2000, 512, false, TrafficMix::can},
        {"sim:mix=short", 2000, 512, false, TrafficMix::shortFrames},
    };
    for (const Row& row : rows) {
        const SimOptions options = optionsOf(row.selector);
        EXPECT_EQ(std::tuple(options.framesPerSecond, options.fifoFrames, options.absent, options.mix),
                  std::tuple(row.framesPerSecond, row.fifoFrames, row.absent, row.mix))
            << row.selector;
        EXPECT_TRUE(options.failingCalls.none()) << row.selector;
        EXPECT_FALSE(options.infoOverride.status || options.infoOverride.baudRateKbps || options.infoOverride.firmware)
            << row.selector;
    }
}

struct BadSelector {
    const char* name;
    const char* selector;
    const char* error;
};

const BadSelector kBadSelectors[] = {
    {"unknown_adapter", "foo", "unknown adapter 'foo' (expected 'sim', 'slcan' or 'socketcan')"},
    {"unknown_adapter_with_options", "usb0:rate=1", "unknown adapter 'usb0' (expected 'sim', 'slcan' or 'socketcan')"},
    {"empty_selector", "", "unknown adapter '' (expected 'sim', 'slcan' or 'socketcan')"},
    {"wrong_case", "SIM", "unknown adapter 'SIM' (expected 'sim', 'slcan' or 'socketcan')"},
    {"colon_without_options", "sim:", "sim: empty option (expected key=value)"},
    {"trailing_comma", "sim:rate=5,", "sim: empty option (expected key=value)"},
    {"missing_key", "sim:=5", "sim: missing key in '=5'"},
    {"duplicate_key", "sim:rate=1,rate=2", "sim: duplicate key 'rate'"},
    {"unknown_key", "sim:speed=5",
     "sim: unknown key 'speed' (expected rate, mix, fifo, seed, absent, fail, status, baud or firmware)"},
    {"rate_not_a_number", "sim:rate=x", "sim: bad value 'x' for rate (expected 0 to 1000000)"},
    {"rate_too_high", "sim:rate=1000001", "sim: bad value '1000001' for rate (expected 0 to 1000000)"},
    {"rate_negative", "sim:rate=-1", "sim: bad value '-1' for rate (expected 0 to 1000000)"},
    {"rate_with_sign", "sim:rate=+5", "sim: bad value '+5' for rate (expected 0 to 1000000)"},
    {"rate_with_trailing_text", "sim:rate=5k", "sim: bad value '5k' for rate (expected 0 to 1000000)"},
    {"rate_empty", "sim:rate=", "sim: bad value '' for rate (expected 0 to 1000000)"},
    {"rate_without_value", "sim:rate", "sim: missing value for rate (expected 0 to 1000000)"},
    {"rate_in_hex", "sim:rate=0x10", "sim: bad value '0x10' for rate (expected 0 to 1000000)"},
    {"fifo_too_small", "sim:fifo=63", "sim: bad value '63' for fifo (expected 64 to 8192)"},
    {"fifo_too_big", "sim:fifo=8193", "sim: bad value '8193' for fifo (expected 64 to 8192)"},
    {"seed_too_big", "sim:seed=18446744073709551616",
     "sim: bad value '18446744073709551616' for seed (expected 0 to 18446744073709551615)"},
    {"unknown_mix", "sim:mix=j1708",
     "sim: bad value 'j1708' for mix (expected mixed, canopen, devicenet, can or short)"},
    {"absent_not_a_flag", "sim:absent=yes", "sim: bad value 'yes' for absent (expected 0 or 1)"},
    {"unknown_call", "sim:fail=RunKESH+Open",
     "sim: unknown call 'Open' in fail (expected calls joined by '+': KESH_INIT, SetKESH, GetKESHInfo, RunKESH, "
     "StopKESH, RecvData, SendSingleData, SetMultiData, RunMultiData or StopMultiData)"},
    {"call_in_wrong_case", "sim:fail=runkesh",
     "sim: unknown call 'runkesh' in fail (expected calls joined by '+': KESH_INIT, SetKESH, GetKESHInfo, RunKESH, "
     "StopKESH, RecvData, SendSingleData, SetMultiData, RunMultiData or StopMultiData)"},
    {"empty_call", "sim:fail=RunKESH+",
     "sim: unknown call '' in fail (expected calls joined by '+': KESH_INIT, SetKESH, GetKESHInfo, RunKESH, "
     "StopKESH, RecvData, SendSingleData, SetMultiData, RunMultiData or StopMultiData)"},
    {"status_too_big", "sim:status=4294967296", "sim: bad value '4294967296' for status (expected 0 to 4294967295)"},
    {"baud_not_a_number", "sim:baud=fast", "sim: bad value 'fast' for baud (expected 0 to 4294967295)"},
    {"firmware_too_big", "sim:firmware=0x10000", "sim: bad value '0x10000' for firmware (expected 0x0 to 0xffff)"},
    {"firmware_bad_hex", "sim:firmware=0xG1", "sim: bad value '0xG1' for firmware (expected 0x0 to 0xffff)"},
    {"firmware_bare_prefix", "sim:firmware=0x", "sim: bad value '0x' for firmware (expected 0x0 to 0xffff)"},
};

class BadBackendSelector : public testing::TestWithParam<BadSelector> {};

TEST_P(BadBackendSelector, IsRefusedWithItsExactReason) {
    const auto backend = makeBackend(GetParam().selector);
    ASSERT_FALSE(backend.hasValue());
    EXPECT_EQ(backend.error().text, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Selectors, BadBackendSelector, testing::ValuesIn(kBadSelectors),
                         [](const testing::TestParamInfo<BadSelector>& info) { return info.param.name; });

TEST(BackendSelector, FirmwareTakesDecimalOrHex) {
    EXPECT_EQ(optionsOf("sim:firmware=261").infoOverride.firmware, 0x0105u);
    EXPECT_EQ(optionsOf("sim:firmware=0X1ff").infoOverride.firmware, 0x01FFu);
}

}  // namespace
