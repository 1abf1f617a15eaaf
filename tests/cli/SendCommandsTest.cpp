// vorelin-cli send and cyclic against the simulated adapter: the candump
// lines of what went out on its bus, and the exit statuses scripts rely on.
// The bus times are the simulated bus's own, exact once the adapter has
// started sending, whatever the speed of the machine.
#include "support/RunCommand.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

CommandOutput cli(const std::string& arguments) { return runCommand(VORELIN_CLI_PATH, arguments); }

struct SentLine {
    uint64_t timeUs = 0;
    std::string frame;
};

// The lines of `out`, each of which must be a candump log line.
std::vector<SentLine> sentLines(const std::string& out) {
    static const std::regex kLine(R"(\((\d{10})\.(\d{6})\) can0 (\S+))");
    std::vector<SentLine> lines;
    std::istringstream in(out);
    std::string line;
    std::smatch m;
    while (std::getline(in, line)) {
        if (!std::regex_match(line, m, kLine)) {
            ADD_FAILURE() << "not a candump line: " << line;
            continue;
        }
        lines.push_back({std::stoull(m[1]) * 1'000'000 + std::stoull(m[2]), m[3]});
    }
    return lines;
}

struct Refusal {
    const char* name;
    std::string arguments;
    int status;
    const char* err;
    bool framesWentOut;
};

void expectRefusals(const std::vector<Refusal>& rows) {
    for (const Refusal& row : rows) {
        const CommandOutput run = cli(row.arguments);
        EXPECT_EQ(run.status, row.status) << row.name;
        EXPECT_EQ(run.err, row.err) << row.name;
        EXPECT_EQ(sentLines(run.out).empty(), !row.framesWentOut) << row.name << ": " << run.out;
    }
}

}  // namespace

TEST(CliSend, PrintsEachFrameAsItWentOutNoSoonerThanItsGap) {
    const CommandOutput run = cli("send --adapter sim --count 2 --gap 20 123#11.22 12345678#aabb 7ff#r4 000#");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<SentLine> lines = sentLines(run.out);
    const std::vector<std::string> frames = {"123#1122", "12345678#AABB", "7FF#R4", "000#"};
    ASSERT_EQ(lines.size(), 8u) << run.out;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        EXPECT_EQ(lines[n].frame, frames[n % 4]) << n;
        // Send n waits until n gaps have passed since the adapter was opened, at least.
        EXPECT_GE(lines[n].timeUs, n * 20'000) << n;
    }
}

TEST(CliSend, RefusalsNameTheirCauseAndExitStatus) {
    expectRefusals({
        // The good first frame is not sent either.
        {"malformed_frame", "send --adapter sim 123#11 12#11", 2,
         "vorelin-cli send: '12#11': identifier needs 3 or 8 hex digits\n", false},
        {"send_fails", "send --adapter sim:fail=SendSingleData --count 2 123#11 456#22", 1,
         "vorelin-cli send: 123#11: the adapter refused it (SendSingleData, send 1 of 4)\n", false},
        {"no_adapter", "send --adapter sim:absent 123#11", 1, "vorelin-cli send: no adapter answers at 'sim:absent'\n",
         false},
        {"count_zero", "send --count 0 123#11", 2,
         "vorelin-cli send: bad value '0' for --count (expected 1 to 1000000)\n", false},
        {"count_fraction", "send --count 1.5 123#11", 2,
         "vorelin-cli send: bad value '1.5' for --count (expected 1 to 1000000)\n", false},
        {"negative_gap", "send --gap -1 123#11", 2,
         "vorelin-cli send: bad value '-1' for --gap (expected 0 to 60000)\n", false},
    });
}

// 400 frames of 53 bit times at 10 kbit/s, sent at once: the adapter holds
// a few hundred waiting and refuses the next. What it took still goes out.
TEST(CliSend, AFullAdapterStopsSendingAtTheFrameItRefused) {
    const CommandOutput run = cli("send --adapter sim --baud 10 --count 400 000#");
    EXPECT_EQ(run.status, 1);
    const std::regex refusal(
        R"(vorelin-cli send: 000#: the adapter refused it \(SendSingleData, send (\d+) of 400\)\n)");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(run.err, m, refusal)) << run.err;
    const std::size_t refused = std::stoul(m[1]);
    EXPECT_GT(refused, 100u) << "the adapter takes frames to send before it is full";
    EXPECT_EQ(sentLines(run.out).size(), refused - 1);
}

TEST(CliCyclic, FramesGoOutInPassesOfIntervalAndCycle) {
    const CommandOutput run = cli("cyclic --adapter sim --interval 1 --cycle 10 --seconds 0.1 000# 555# 000#");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<SentLine> lines = sentLines(run.out);
    // Pass 9 starts at 90 ms and is out by 93; pass 10 may have begun.
    ASSERT_GE(lines.size(), 30u) << run.out;
    // Without data, 000# lasts 53 bit times and 555# 48: at 500 kbit/s they
    // leave the bus 106 and 96 us after asking for it.
    const std::string frames[] = {"000#", "555#", "000#"};
    const int64_t lengthsUs[] = {106, 96, 106};
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::size_t pass = n / 3, i = n % 3;
        EXPECT_EQ(lines[n].frame, frames[i]) << n;
        const int64_t sinceFirstUs = int64_t(pass * 10'000 + i * 1'000) + lengthsUs[i] - lengthsUs[0];
        EXPECT_EQ(int64_t(lines[n].timeUs - lines[0].timeUs), sinceFirstUs) << n;
    }
}

TEST(CliCyclic, RefusalsNameTheCallThatFailedAndExitStatus) {
    const std::string run = "cyclic --interval 1 --cycle 10 --seconds 0.05 ";
    expectRefusals({
        {"set_fails", run + "--adapter sim:fail=SetMultiData 123#11", 1,
         "vorelin-cli cyclic: the adapter refused the frames (SetMultiData)\n", false},
        {"run_fails", run + "--adapter sim:fail=RunMultiData 123#11", 1,
         "vorelin-cli cyclic: the adapter did not start sending the frames (RunMultiData)\n", false},
        {"run_and_stop_fail", run + "--adapter sim:fail=RunMultiData+StopMultiData 123#11", 1,
         "vorelin-cli cyclic: the adapter did not start sending the frames (RunMultiData)\n", false},
        // It sent for the whole time and is still sending.
        {"stop_fails", run + "--adapter sim:fail=StopMultiData 123#11", 1,
         "vorelin-cli cyclic: the adapter did not stop sending the frames (StopMultiData)\n", true},
        {"malformed_frame", run + "--adapter sim 123#11 800#11", 2,
         "vorelin-cli cyclic: '800#11': standard identifier 800 is above 7FF\n", false},
        {"interval_too_long", "cyclic --interval 256 --cycle 10 --seconds 1 123#11", 2,
         "vorelin-cli cyclic: bad value '256' for --interval (expected 0 to 255)\n", false},
    });
}
