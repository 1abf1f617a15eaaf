// vorelin-cli is a stable interface for scripts: these pin its output and
// exit statuses.
#include "support/RunCommand.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <regex>

namespace {

CommandOutput cli(const std::string& arguments) { return runCommand(VORELIN_CLI_PATH, arguments); }

struct CaptureCounts {
    unsigned long generated = 0, stored = 0, lost = 0;
};

// The three lines capture prints, or nothing when they are not all there.
std::optional<CaptureCounts> countsOf(const std::string& out) {
    std::smatch m;
    if (!std::regex_match(out, m, std::regex("generated (\\d+)\nstored (\\d+)\nlost (\\d+)\n")))
        return std::nullopt;
    return CaptureCounts{std::stoul(m[1]), std::stoul(m[2]), std::stoul(m[3])};
}

}  // namespace

TEST(CliCapture, CountsEveryFrameTheAdapterSaw) {
    const CommandOutput run = cli("capture --seconds 0.3 --adapter sim:rate=3000");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto counts = countsOf(run.out);
    ASSERT_TRUE(counts) << run.out;
    EXPECT_GT(counts->stored, 0u);
    EXPECT_EQ(counts->generated, counts->stored + counts->lost);
}

// The adapter's FIFO (512 frames) fills up and stays full: what it holds at
// the end is lost as surely as what it dropped.
TEST(CliCapture, FailingReceiveIsToldAndEveryFrameStillCounted) {
    const CommandOutput run = cli("capture --seconds 0.5 --adapter sim:fail=RecvData");
    EXPECT_EQ(run.status, 1);
    const std::string prefix = "vorelin-cli capture: receiving from the adapter failed ";
    EXPECT_TRUE(run.err.starts_with(prefix) && run.err.ends_with(" times\n") &&
                run.err.find('\n') == run.err.size() - 1)
        << run.err;
    const auto counts = countsOf(run.out);
    ASSERT_TRUE(counts) << run.out;
    EXPECT_GT(counts->generated, 512u);
    EXPECT_EQ(counts->stored, 0u);
    EXPECT_EQ(counts->lost, counts->generated);
}

TEST(CliCapture, RefusalsNameTheirCauseAndExitStatus) {
    struct Row {
        const char* name;
        const char* arguments;
        int status;
        const char* err;
    };
    const Row rows[] = {
        {"no_subcommand", "", 2, ""},
        {"unknown_subcommand", "replay", 2, "vorelin-cli: unknown subcommand 'replay' (see --help)\n"},
        {"missing_seconds", "capture", 2, "vorelin-cli capture: missing --seconds (see --help)\n"},
        {"negative_seconds", "capture --seconds -1", 2,
         "vorelin-cli capture: bad value '-1' for --seconds (expected 0 to 86400)\n"},
        {"unknown_adapter", "capture --seconds 1 --adapter usb0", 2, nullptr},
        {"absent_adapter", "capture --seconds 0.1 --adapter sim:absent", 1,
         "vorelin-cli capture: no adapter answers at 'sim:absent'\n"},
    };
    for (const Row& row : rows) {
        const CommandOutput run = cli(row.arguments);
        EXPECT_EQ(run.status, row.status) << row.name;
        EXPECT_EQ(run.out, "") << row.name;
        if (row.err && *row.err)
            EXPECT_EQ(run.err, row.err) << row.name;
        else
            EXPECT_NE(run.err, "") << row.name;
    }
}

// Without --baud an adapter already running on its bus is left as it is, as
// a kernel CAN interface set up by its owner must be; any other gets 500 kbit/s.
TEST(CliCapture, TheBitRateIsSetWhereAskedForOrWhereTheAdapterIsNotRunning) {
    const struct {
        const char* arguments;
        int status;
        const char* err;
    } rows[] = {
        {"--adapter sim:fail=SetKESH,status=1,baud=250", 0, ""},
        {"--adapter sim:fail=SetKESH", 1, "vorelin-cli capture: the adapter refused a baud rate of 500 kbit/s\n"},
        {"--adapter sim:fail=SetKESH,status=1 --baud 125", 1,
         "vorelin-cli capture: the adapter refused a baud rate of 125 kbit/s\n"},
    };
    for (const auto& row : rows) {
        const CommandOutput run = cli(std::string("capture --seconds 0.05 ") + row.arguments);
        EXPECT_EQ(std::tie(run.status, run.err), std::tie(row.status, row.err)) << row.arguments;
    }
}

TEST(CliCapture, FailingAdapterStartIsToldButCountsStillPrinted) {
    const CommandOutput run = cli("capture --seconds 0.1 --adapter sim:fail=RunKESH");
    EXPECT_EQ(run.status, 1);
    // The string-table text is two lines in a message box, one line here.
    EXPECT_EQ(run.err, "vorelin-cli capture: Can't run device, Please try it again.\n");
    EXPECT_EQ(run.out, "generated 0\nstored 0\nlost 0\n");
}

// Played at once, every frame of the log reaches the store and none is lost;
// the frames themselves and their timing are the replay adapter's own tests.
TEST(CliCapture, ReplaysEveryFrameOfALog) {
    TempDir dir;
    const std::string log = dir.file("five.log");
    TempDir::write(log,
                   "(1700000000.000000) can0 123#11\n(1700000000.001000) can0 124#\n"
                   "(1700000000.002000) can0 12345678#R\n(1700000000.003000) can0 7FF#0102030405060708\n"
                   "(1700000000.004000) can0 000#00\n");
    const CommandOutput run = cli("capture --seconds 0.2 --adapter 'replay:" + log + ",speed=0'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "generated 5\nstored 5\nlost 0\n");

    const CommandOutput missing = cli("capture --seconds 0.2 --adapter 'replay:" + dir.file("none.log") + "'");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err,
              "vorelin-cli capture: replay: '" + dir.file("none.log") + "': No such file or directory\n");
}
