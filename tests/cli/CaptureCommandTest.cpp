// vorelin-cli is a stable interface for scripts: these pin its output and
// exit statuses.
#include "support/RunCommand.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

CommandOutput cli(const std::string& arguments) { return runCommand(VORELIN_CLI_PATH, arguments); }

}  // namespace

TEST(CliCapture, CountsEveryFrameTheAdapterSaw) {
    const CommandOutput run = cli("capture --seconds 0.3 --adapter sim:rate=3000");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(run.out, m, std::regex("generated (\\d+)\nstored (\\d+)\nlost (\\d+)\n"))) << run.out;
    const unsigned long generated = std::stoul(m[1]), stored = std::stoul(m[2]), lost = std::stoul(m[3]);
    EXPECT_GT(stored, 0u);
    EXPECT_EQ(generated, stored + lost);
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
        {"seconds_without_value", "capture --seconds", 2, "vorelin-cli capture: --seconds needs a value\n"},
        {"negative_seconds", "capture --seconds -1", 2,
         "vorelin-cli capture: bad value '-1' for --seconds (expected 0 to 86400)\n"},
        {"unknown_option", "capture --seconds 1 --fast", 2,
         "vorelin-cli capture: unknown argument '--fast' (see --help)\n"},
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

TEST(CliCapture, FailingAdapterStartIsToldButCountsStillPrinted) {
    const CommandOutput run = cli("capture --seconds 0.1 --adapter sim:fail=RunKESH");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vorelin-cli capture: Can't run device,\nPlease try it again.\n");
    EXPECT_EQ(run.out, "generated 0\nstored 0\nlost 0\n");
}
