// Results that cannot be written are a failure, never a silent success: each
// subcommand that prints, into a full device, into a file that reaches its
// size limit half way, and into a pipe whose reader leaves early.
#include "support/FileSizeLimit.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

CommandOutput cli(const std::string& arguments) { return runCommand(VORELIN_CLI_PATH, arguments); }

// A candump log whose cells come to far more than a pipe holds (64 KiB).
std::string writeLongLog(const TempDir& dir) {
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "(1700000000.000000) can0 123#1122334455667788\n";
    const std::string path = dir.file("long.log");
    TempDir::write(path, text);
    return path;
}

struct PipeRun {
    int waitStatus = -1;
    std::string err;
};

// Runs vorelin-cli into a pipe whose reader takes one byte and leaves, as
// `| head -c 1` does, with SIGPIPE at its default or ignored as a caller may
// leave it.
PipeRun runIntoPipeClosedEarly(const std::vector<std::string>& arguments, bool ignoreSigpipe,
                               const std::string& errPath) {
    std::vector<char*> argv = {const_cast<char*>(VORELIN_CLI_PATH)};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    int ends[2];
    if (pipe(ends) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGPIPE, ignoreSigpipe ? SIG_IGN : SIG_DFL);
        const int errFd = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(ends[1], STDOUT_FILENO);
        dup2(errFd, STDERR_FILENO);
        close(ends[0]);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(ends[1]);
    char byte;
    const ssize_t taken = read(ends[0], &byte, 1);
    close(ends[0]);
    PipeRun run;
    if (child > 0)
        waitpid(child, &run.waitStatus, 0);
    if (taken != 1)
        run.waitStatus = -1;  // it never printed: neither outcome below may pass
    run.err = TempDir::read(errPath).value_or("");
    return run;
}

}  // namespace

TEST(CliStandardOutput, AFullDeviceIsAFailureForEverySubcommandThatPrints) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "this system has no /dev/full to write to";
    TempDir dir;
    const std::string log = writeLongLog(dir), capture = dir.file("short.orx");
    ASSERT_EQ(cli("convert '" + log + "' '" + capture + "'").status, 0);
    const struct {
        const char* name;
        std::string arguments;
        const char* err;
    } rows[] = {
        {"cells_of_frames", "cells --protocol can 123#11", "vorelin-cli cells"},
        {"cells_of_a_file", "cells --protocol can --in '" + log + "'", "vorelin-cli cells"},
        {"info", "info '" + capture + "'", "vorelin-cli info"},
        {"capture", "capture --seconds 0.05", "vorelin-cli capture"},
        {"overview_help", "--help", "vorelin-cli"},
        {"subcommand_help", "export --help", "vorelin-cli export"},
    };
    for (const auto& row : rows) {
        const CommandOutput run = cli(row.arguments + " >/dev/full");
        EXPECT_EQ(run.status, 1) << row.name;
        EXPECT_EQ(run.err, std::string(row.err) + ": standard output: No space left on device\n") << row.name;
    }
}

// As on a disk that fills up: the rows written before are kept whole and
// nothing is written after the first failure.
TEST(CliStandardOutput, AWriteFailingHalfWayIsToldAndLeavesAPrefix) {
    TempDir dir;
    const std::string cells = "cells --protocol can --in '" + writeLongLog(dir) + "'";
    const CommandOutput whole = cli(cells);
    ASSERT_EQ(whole.status, 0) << whole.err;
    constexpr std::size_t kLimitBytes = 100'000;
    ASSERT_GT(whole.out.size(), kLimitBytes);

    const std::string outPath = dir.file("rows.txt");
    CommandOutput cut;
    {
        const FileSizeLimit limit(kLimitBytes);
        cut = cli(cells + " >'" + outPath + "'");
    }
    EXPECT_EQ(cut.status, 1);
    EXPECT_EQ(cut.err, "vorelin-cli cells: standard output: File too large\n");
    EXPECT_EQ(TempDir::read(outPath), whole.out.substr(0, kLimitBytes));
}

TEST(CliStandardOutput, AReaderLeavingEarlyEndsTheRunBySigpipeOrAsAFailure) {
    TempDir dir;
    const std::vector<std::string> cells = {"cells", "--protocol", "can", "--in", writeLongLog(dir)};
    const std::string errPath = dir.file("err.txt");

    // As any tool in a pipe: no message, and the shell sees 128 + SIGPIPE.
    const PipeRun byDefault = runIntoPipeClosedEarly(cells, /*ignoreSigpipe=*/false, errPath);
    EXPECT_TRUE(WIFSIGNALED(byDefault.waitStatus) && WTERMSIG(byDefault.waitStatus) == SIGPIPE)
        << "wait status " << byDefault.waitStatus;
    EXPECT_EQ(byDefault.err, "");

    const PipeRun ignored = runIntoPipeClosedEarly(cells, /*ignoreSigpipe=*/true, errPath);
    EXPECT_TRUE(WIFEXITED(ignored.waitStatus) && WEXITSTATUS(ignored.waitStatus) == 1)
        << "wait status " << ignored.waitStatus;
    EXPECT_EQ(ignored.err, "vorelin-cli cells: standard output: Broken pipe\n");
}
