// Every vorelin-cli subcommand reads its arguments the same way: -h and
// --help anywhere, "--" before files named like options, and one line on
// stderr with exit status 2 for any fault of usage. Scripts rely on this, so
// it is pinned here for each subcommand the overview lists.
#include "support/RunCommand.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

namespace {

CommandOutput cli(const std::string& arguments) { return runCommand(VORELIN_CLI_PATH, arguments); }

// Each fault is the arguments and the one line vorelin-cli answers with.
struct Fault {
    const char* arguments;
    const char* err;
};

struct SubcommandRow {
    const char* name;
    const char* usageFirstLine;
    Fault unknownOption;
    Fault missingValue;  // arguments nullptr: no option of it takes a value
    Fault wrongCount;
    Fault noPositionals;  // arguments nullptr: it takes none, see wrongCount
};

const SubcommandRow kSubcommands[] = {
    {"capture",
     "Usage: vorelin-cli capture --seconds N [--adapter SELECTOR] [--baud KBPS]\n",
     {"capture --seconds 1 --fast", "vorelin-cli capture: unknown argument '--fast' (see --help)\n"},
     {"capture --seconds 1 --baud", "vorelin-cli capture: --baud needs a value\n"},
     {"capture --seconds 1 now", "vorelin-cli capture: unexpected argument 'now' (see --help)\n"},
     {nullptr, nullptr}},
    {"cells",
     "Usage: vorelin-cli cells --protocol can|devicenet|canopen FRAME...\n",
     {"cells --protocol can -x 123#11", "vorelin-cli cells: unknown argument '-x' (see --help)\n"},
     {"cells 123#11 --protocol", "vorelin-cli cells: --protocol needs a value\n"},
     {"cells --protocol can --in bus.log 123#11", "vorelin-cli cells: give FRAMEs or --in FILE, not both\n"},
     {"cells --protocol can", "vorelin-cli cells: missing FRAME (see --help)\n"}},
    {"export",
     "Usage: vorelin-cli export --protocol can|devicenet|canopen [--format text|candump] IN OUT\n",
     {"export --protocol can --force in.orx out.txt", "vorelin-cli export: unknown argument '--force' (see --help)\n"},
     {"export in.orx out.txt --protocol", "vorelin-cli export: --protocol needs a value\n"},
     {"export --protocol can in.orx", "vorelin-cli export: expected IN and OUT (see --help)\n"},
     {"export --protocol can", "vorelin-cli export: missing IN and OUT (see --help)\n"}},
    {"print",
     "Usage: vorelin-cli print --protocol can|devicenet|canopen [--pages A-B] [--font FAMILY,POINTS]\n",
     {"print --protocol can --color in.orx out.pdf", "vorelin-cli print: unknown argument '--color' (see --help)\n"},
     {"print --protocol can in.orx out.pdf --pages", "vorelin-cli print: --pages needs a value\n"},
     {"print --protocol can out.pdf", "vorelin-cli print: expected IN and OUT (see --help)\n"},
     {"print --protocol can", "vorelin-cli print: missing IN and OUT (see --help)\n"}},
    {"convert",
     "Usage: vorelin-cli convert IN OUT\n",
     {"convert -f in.orx out.log", "vorelin-cli convert: unknown argument '-f' (see --help)\n"},
     {nullptr, nullptr},
     {"convert in.orx out.log more.log", "vorelin-cli convert: expected IN and OUT (see --help)\n"},
     {"convert", "vorelin-cli convert: missing IN and OUT (see --help)\n"}},
    {"info",
     "Usage: vorelin-cli info FILE.orx\n",
     {"info --all in.orx", "vorelin-cli info: unknown argument '--all' (see --help)\n"},
     {nullptr, nullptr},
     {"info in.orx in.orx", "vorelin-cli info: expected FILE (see --help)\n"},
     {"info", "vorelin-cli info: missing FILE (see --help)\n"}},
    {"send",
     "Usage: vorelin-cli send [--adapter SELECTOR] [--baud KBPS] [--count N] [--gap MS] FRAME...\n",
     {"send --loud 123#11", "vorelin-cli send: unknown argument '--loud' (see --help)\n"},
     {"send 123#11 --gap", "vorelin-cli send: --gap needs a value\n"},
     {"send --count 2", "vorelin-cli send: missing FRAME (see --help)\n"},
     {"send", "vorelin-cli send: missing FRAME (see --help)\n"}},
    {"cyclic",
     "Usage: vorelin-cli cyclic [--adapter SELECTOR] [--baud KBPS] --interval MS --cycle MS --seconds S FRAME...\n",
     {"cyclic --interval 1 --cycle 10 --seconds 1 --fast 123#11",
      "vorelin-cli cyclic: unknown argument '--fast' (see --help)\n"},
     {"cyclic --interval 1 --cycle 10 123#11 --seconds", "vorelin-cli cyclic: --seconds needs a value\n"},
     {"cyclic --interval 1 --cycle 10 --seconds 1 1 2 3 4 5 6 7 8 9",
      "vorelin-cli cyclic: expected 1 to 8 FRAMEs (see --help)\n"},
     {"cyclic --interval 1 --cycle 10 --seconds 1", "vorelin-cli cyclic: missing 1 to 8 FRAMEs (see --help)\n"}},
    {"adapters",
     "Usage: vorelin-cli adapters\n",
     {"adapters --all", "vorelin-cli adapters: unknown argument '--all' (see --help)\n"},
     {nullptr, nullptr},
     {"adapters can0", "vorelin-cli adapters: unexpected argument 'can0' (see --help)\n"},
     {nullptr, nullptr}},
};

// The subcommand names in the overview's list, in its order.
std::vector<std::string> listedSubcommands(const std::string& overview) {
    std::vector<std::string> names;
    std::istringstream lines(overview.substr(overview.find("Subcommands:\n")));
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line) && line.starts_with("  "))
        names.push_back(line.substr(2, line.find(' ', 2) - 2));
    return names;
}

// Runs the test, and the commands it starts, in `path`: a name such as
// "-x.log" cannot be written as an absolute path, which starts with "/".
class ScopedCurrentPath {
public:
    explicit ScopedCurrentPath(const std::string& path) : old_(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~ScopedCurrentPath() { std::filesystem::current_path(old_); }
    ScopedCurrentPath(const ScopedCurrentPath&) = delete;
    ScopedCurrentPath& operator=(const ScopedCurrentPath&) = delete;

private:
    std::filesystem::path old_;
};

}  // namespace

TEST(CliArguments, OverviewListsEverySubcommandPinnedHere) {
    const CommandOutput run = cli("--help");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    std::vector<std::string> pinned;
    for (const SubcommandRow& row : kSubcommands)
        pinned.push_back(row.name);
    EXPECT_EQ(listedSubcommands(run.out), pinned) << run.out;
}

TEST(CliArguments, HelpPrintsTheUsageOnStandardOutputWhereverItStands) {
    for (const SubcommandRow& row : kSubcommands) {
        const std::string name = row.name;
        const CommandOutput longHelp = cli(name + " --help");
        EXPECT_EQ(longHelp.status, 0) << name;
        EXPECT_EQ(longHelp.err, "") << name;
        EXPECT_TRUE(longHelp.out.starts_with(row.usageFirstLine)) << name << ": " << longHelp.out;
        EXPECT_TRUE(longHelp.out.ends_with("\n")) << name;

        // After other arguments, after a fault, and where an option's value
        // would be, help still wins.
        std::vector<std::string> elsewhere = {
            name + " -h",
            name + " --bogus --help",
            std::string(row.unknownOption.arguments) + " -h",
            std::string(row.wrongCount.arguments) + " --help",
        };
        if (row.missingValue.arguments)
            elsewhere.push_back(std::string(row.missingValue.arguments) + " -h");
        for (const std::string& arguments : elsewhere) {
            const CommandOutput run = cli(arguments);
            EXPECT_EQ(run.status, 0) << arguments;
            EXPECT_EQ(run.err, "") << arguments;
            EXPECT_EQ(run.out, longHelp.out) << arguments;
        }
    }
}

TEST(CliArguments, FaultsOfUsageAreOneLineOnStandardErrorAndExitTwo) {
    for (const SubcommandRow& row : kSubcommands) {
        for (const Fault& fault : {row.unknownOption, row.missingValue, row.wrongCount, row.noPositionals}) {
            if (!fault.arguments)
                continue;
            const CommandOutput run = cli(fault.arguments);
            EXPECT_EQ(run.status, 2) << fault.arguments;
            EXPECT_EQ(run.out, "") << fault.arguments;
            EXPECT_EQ(run.err, fault.err) << fault.arguments;
        }
    }
}

TEST(CliArguments, TheFirstFaultIsTheOneTold) {
    const struct {
        const char* name;
        const char* arguments;
        const char* err;
    } rows[] = {
        {"first_of_two_unknown_options", "capture --fast --slow",
         "vorelin-cli capture: unknown argument '--fast' (see --help)\n"},
        {"unknown_option_before_missing_value", "cells --wide --in",
         "vorelin-cli cells: unknown argument '--wide' (see --help)\n"},
        {"missing_value_before_missing_option", "export in.orx out.txt --format",
         "vorelin-cli export: --format needs a value\n"},
        {"missing_option_before_missing_files", "export", "vorelin-cli export: missing --protocol (see --help)\n"},
        {"missing_files_before_bad_value", "export --protocol j1939 in.orx",
         "vorelin-cli export: expected IN and OUT (see --help)\n"},
    };
    for (const auto& row : rows) {
        const CommandOutput run = cli(row.arguments);
        EXPECT_EQ(run.status, 2) << row.name;
        EXPECT_EQ(run.out, "") << row.name;
        EXPECT_EQ(run.err, row.err) << row.name;
    }
}

TEST(CliArguments, DoubleDashTakesTheRestAsArguments) {
    TempDir dir;
    const ScopedCurrentPath inDir(dir.path());
    TempDir::write("-x.log", "(1700000000.000000) can0 123#11\n");
    const struct {
        const char* name;
        const char* arguments;
        int status;
        const char* out;
        const char* err;  // exact, or for a missing file the start of the line
    } rows[] = {
        {"without_double_dash_a_dash_is_an_option", "convert -x.log -y.orx", 2, "",
         "vorelin-cli convert: unknown argument '-x.log' (see --help)\n"},
        {"files_after_double_dash", "convert -- -x.log -y.orx", 0, "", ""},
        {"option_before_double_dash", "cells --protocol can -- 7FF#", 0,
         "0\t00-00-000-000\t 0\t7FF\tStandard\t0\t\n", ""},
        {"help_after_double_dash_is_a_file", "info -- -h", 1, "", "vorelin-cli info: -h: "},
        {"lone_dash_is_a_file", "info -", 1, "", "vorelin-cli info: -: "},
        // An option's value is taken as it stands, dash or not.
        {"value_with_a_dash", "cells --in -x.log --protocol can", 0, "0\t00-00-000-000\t 0\t123\tStandard\t1\t11 \n",
         ""},
    };
    for (const auto& row : rows) {
        const CommandOutput run = cli(row.arguments);
        EXPECT_EQ(run.status, row.status) << row.name << ": " << run.err;
        EXPECT_EQ(run.out, row.out) << row.name;
        if (row.status == 1)
            EXPECT_TRUE(run.err.starts_with(row.err) && run.err.find('\n') == run.err.size() - 1)
                << row.name << run.err;
        else
            EXPECT_EQ(run.err, row.err) << row.name;
    }
    // The capture file written from "-x.log": the header and one record.
    EXPECT_EQ(TempDir::read("-y.orx").value_or("").size(), 178u + 38);
}
