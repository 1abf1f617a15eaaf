// parseArguments, the one reader of every subcommand's arguments, against
// made-up subcommands: a flag, a required option, an option with a fallback
// and one without, two files; and a subcommand that takes no files.
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

// "help", "error: MESSAGE", or each option's value and the positionals:
// "mode='x' level='5' name=none quiet=none | a b".
std::string outcome(const cli::Subcommand& subcommand, const std::vector<std::string_view>& args) {
    const auto parsed = cli::parseArguments(subcommand, args);
    if (!parsed)
        return "error: " + parsed.error().text;
    if (parsed->helpRequested)
        return "help";
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
        {"double_dash_ends_the_options", {"--mode", "x", "--", "-a", "--help"},
         "mode='x' level='5' name=none quiet=none | -a --help"},
        {"lone_dash_is_positional", {"--mode", "x", "-", "b"}, "mode='x' level='5' name=none quiet=none | - b"},
        {"short_help", {"-h"}, "help"},
        {"long_help_among_arguments", {"a", "--mode", "x", "--help", "b"}, "help"},
        {"help_after_a_fault", {"--bogus", "--help"}, "help"},
        {"help_where_a_value_would_be", {"--mode", "-h", "a", "b"}, "help"},
        {"unknown_option", {"--mode", "x", "--bogus", "a", "b"}, "error: unknown argument '--bogus' (see --help)"},
        {"unknown_short_option", {"-q", "--mode", "x", "a", "b"}, "error: unknown argument '-q' (see --help)"},
        {"first_fault_told", {"-z", "--mode"}, "error: unknown argument '-z' (see --help)"},
        {"value_missing_at_the_end", {"a", "b", "--mode"}, "error: --mode needs a value"},
        {"required_option_left_out", {"a", "b", "--quiet"}, "error: missing --mode (see --help)"},
        {"required_option_before_files", {}, "error: missing --mode (see --help)"},
        {"no_files", {"--mode", "x"}, "error: missing IN and OUT (see --help)"},
        {"one_file", {"--mode", "x", "a"}, "error: expected IN and OUT (see --help)"},
        {"three_files", {"--mode", "x", "a", "b", "c"}, "error: expected IN and OUT (see --help)"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome(kTool, row.args), row.expected) << row.name;
}

TEST(CliSubcommandParse, AnArgumentWhereNoneIsTakenIsNamed) {
    EXPECT_EQ(outcome(kFilesless, {}), "|");
    EXPECT_EQ(outcome(kFilesless, {"now", "later"}), "error: unexpected argument 'now' (see --help)");
    EXPECT_EQ(outcome(kFilesless, {"--", "-x"}), "error: unexpected argument '-x' (see --help)");
}
