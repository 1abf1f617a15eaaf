// parseArguments, the one reader of every subcommand's arguments, against
// made-up subcommands: a flag, a required option, an option with a fallback
// and one without, two files; and a subcommand that takes no files. Help and
// the faults of usage are pinned through vorelin-cli itself, in
// SubcommandArgumentsTest.cpp.
#include "cli/Subcommand.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

int runNothing(const cli::Arguments&, cli::StandardOutput&) { return 0; }

constexpr cli::Option kToolOptions[] = {
    {"--mode", cli::OptionKind::requiredValue},
    {"--level", cli::OptionKind::value, "5"},
    {"--name"},
    {"--quiet", cli::OptionKind::flag},
};

const cli::Subcommand kTool = {
    .name = "vorelin-cli tool",
    .summary = "",
    .usage = "Usage: vorelin-cli tool --mode M IN OUT\n",
    .options = kToolOptions,
    .positionals = {2, 2, "IN and OUT"},
    .run = runNothing,
};

const cli::Subcommand kFilesless = {
    .name = "vorelin-cli bare",
    .summary = "",
    .usage = "Usage: vorelin-cli bare\n",
    .options = {},
    .positionals = {},
    .run = runNothing,
};

// "error: MESSAGE", or each option's value and the positionals:
// "mode='x' level='5' name=none quiet=none | a b".
std::string outcome(const cli::Subcommand& subcommand, const std::vector<std::string_view>& args) {
    const auto parsed = cli::parseArguments(subcommand, args);
    if (!parsed)
        return "error: " + parsed.error().text;
    std::ostringstream text;
    for (const cli::Option& option : subcommand.options) {
        text << option.name.substr(2) << '=';
        if (const auto value = parsed->value(option.name))
            text << '\'' << *value << "' ";
        else
            text << "none ";
    }
    text << '|';
    for (std::string_view positional : parsed->positionals)
        text << ' ' << positional;
    return text.str();
}

}  // namespace

TEST(CliSubcommandParse, ReadsOptionsAndPositionalsAsDescribed) {
    const struct {
        const char* name;
        std::vector<std::string_view> args;
        const char* expected;
    } rows[] = {
        {"options_and_files_in_any_order", {"a", "--mode", "x", "b"},
         "mode='x' level='5' name=none quiet=none | a b"},
        {"given_value_replaces_fallback", {"--level", "7", "--mode", "x", "a", "b"},
         "mode='x' level='7' name=none quiet=none | a b"},
        {"last_value_given_wins", {"--mode", "x", "a", "--mode", "y", "b"},
         "mode='y' level='5' name=none quiet=none | a b"},
        {"value_taken_as_it_stands", {"--mode", "-1", "--name", "--level", "a", "b"},
         "mode='-1' level='5' name='--level' quiet=none | a b"},
        {"empty_value_is_given", {"--mode", "", "--name", "", "a", "b"}, "mode='' level='5' name='' quiet=none | a b"},
        {"flag_takes_no_value", {"--quiet", "a", "--mode", "x", "b"}, "mode='x' level='5' name=none quiet='' | a b"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome(kTool, row.args), row.expected) << row.name;
}

TEST(CliSubcommandParse, AnArgumentWhereNoneIsTakenIsNamed) {
    EXPECT_EQ(outcome(kFilesless, {}), "|");
    EXPECT_EQ(outcome(kFilesless, {"now", "later"}), "error: unexpected argument 'now' (see --help)");
    EXPECT_EQ(outcome(kFilesless, {"--", "-x"}), "error: unexpected argument '-x' (see --help)");
}
