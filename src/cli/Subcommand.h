// Subcommand.h: how a vorelin-cli subcommand describes its arguments, and the
// one reader that applies every description alike, so that -h and --help,
// "--", unknown options, missing values and the count of the other arguments
// behave and are reported the same way in every subcommand.
#pragma once

#include "base/Result.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace cli {

enum class OptionKind {
    flag,           // given or not
    value,          // takes the next argument as its value; may be left out
    requiredValue,  // takes the next argument as its value; must be given
};

// -h and --help are every subcommand's and are not described.
struct Option {
    std::string_view name;  // with its dashes: "--protocol"
    OptionKind kind = OptionKind::value;
    std::string_view fallback = {};  // the value of a left-out OptionKind::value; none when empty
};

constexpr std::size_t kAnyNumber = std::numeric_limits<std::size_t>::max();

// The arguments that are not options: files, frames.
struct Positionals {
    std::size_t min = 0;
    std::size_t max = 0;
    std::string_view names = {};  // as messages name them: "IN and OUT", "FILE"
};

struct Subcommand;
class StandardOutput;

// What a subcommand was given. The texts point into the argument list read.
struct Arguments {
    const Subcommand* subcommand = nullptr;
    bool helpRequested = false;
    std::vector<std::pair<std::string_view, std::string_view>> options;  // name and value, in given order
    std::vector<std::string_view> positionals;

    std::string_view command() const;
    // The value `option` was given last, else its fallback; an empty text for
    // a flag that was given. nullopt when there is neither.
    std::optional<std::string_view> value(std::string_view option) const;
};

// Adding a subcommand is writing one of these and listing it in main.cpp.
struct Subcommand {
    std::string_view name;     // as its messages start: "vorelin-cli export"
    std::string_view summary;  // its line in vorelin-cli's own usage
    std::string_view usage;    // what -h and --help print
    std::span<const Option> options;
    Positionals positionals;
    // Prints its results through `output` only; answers the exit status.
    int (*run)(const Arguments&, StandardOutput& output);
};

// Reads `args`, the arguments after the subcommand's name, as `subcommand`
// describes them. Options and positionals may come in any order; "--" makes
// every later argument a positional, so a file may be named "-x.log". -h or
// --help before "--" asks for the usage, whatever else is wrong. Otherwise
// the first fault comes back, in the words reportError prints.
Result<Arguments> parseArguments(const Subcommand& subcommand, const std::vector<std::string_view>& args);

// Prints the usage on stdout (exit 0), reports a fault as
// "vorelin-cli SUB: message" on stderr (exit 2), or runs the subcommand.
// Either way a failed write to stdout is told, and a success becomes exit status 1.
int runSubcommand(const Subcommand& subcommand, const std::vector<std::string_view>& args);

// Reports a fault of usage found by the subcommand itself, in the same
// form, and answers the usage exit status.
int reportUsageError(const Arguments& arguments, std::string_view message);

}  // namespace cli
