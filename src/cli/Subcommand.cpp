#include "cli/Subcommand.h"

#include "cli/CliSupport.h"
#include "cli/StandardOutput.h"

#include <algorithm>
#include <cassert>
#include <string>

namespace cli {

namespace {

bool isHelp(std::string_view arg) { return arg == "-h" || arg == "--help"; }

// A lone "-" is an argument, as getopt reads it.
bool looksLikeOption(std::string_view arg) { return arg.size() > 1 && arg.front() == '-'; }

const Option* findOption(const Subcommand& subcommand, std::string_view name) {
    const auto found = std::find_if(subcommand.options.begin(), subcommand.options.end(),
                                    [&](const Option& option) { return option.name == name; });
    return found == subcommand.options.end() ? nullptr : &*found;
}

std::optional<std::string> positionalCountFault(const Positionals& expected,
                                                const std::vector<std::string_view>& given) {
    const std::size_t count = given.size();
    if (count >= expected.min && count <= expected.max)
        return std::nullopt;
    if (count == 0)
        return "missing " + std::string(expected.names) + " (see --help)";
    // Names would mean nothing to someone who gave an argument where none is taken.
    if (expected.max == 0)
        return "unexpected argument '" + std::string(given.front()) + "' (see --help)";
    return "expected " + std::string(expected.names) + " (see --help)";
}

}  // namespace

std::string_view Arguments::command() const { return subcommand->name; }

std::optional<std::string_view> Arguments::value(std::string_view option) const {
    const auto given = std::find_if(options.rbegin(), options.rend(),
                                    [&](const auto& nameAndValue) { return nameAndValue.first == option; });
    if (given != options.rend())
        return given->second;
    const Option* described = findOption(*subcommand, option);
    assert(described && "value() of an option the subcommand does not describe");
    if (described && !described->fallback.empty())
        return described->fallback;
    return std::nullopt;
}

Result<Arguments> parseArguments(const Subcommand& subcommand, const std::vector<std::string_view>& args) {
    Arguments arguments;
    arguments.subcommand = &subcommand;
    // The first fault is told, but only once every argument has been seen:
    // a --help after it still answers with the usage.
    std::optional<std::string> fault;
    const auto noteFault = [&](std::string message) {
        if (!fault)
            fault = std::move(message);
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || !looksLikeOption(arg)) {
            arguments.positionals.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (isHelp(arg)) {
            arguments.helpRequested = true;
            return arguments;
        } else if (const Option* option = findOption(subcommand, arg); !option) {
            noteFault("unknown argument '" + std::string(arg) + "' (see --help)");
        } else if (option->kind == OptionKind::flag) {
            arguments.options.emplace_back(option->name, std::string_view());
        } else if (i + 1 == args.size() || isHelp(args[i + 1])) {
            // "--protocol --help" asks for help rather than for a protocol named --help.
            noteFault(std::string(arg) + " needs a value");
        } else {
            arguments.options.emplace_back(option->name, args[++i]);
        }
    }
    if (fault)
        return makeError(*fault);
    for (const Option& option : subcommand.options) {
        if (option.kind == OptionKind::requiredValue && !arguments.value(option.name))
            return makeError("missing " + std::string(option.name) + " (see --help)");
    }
    if (auto countFault = positionalCountFault(subcommand.positionals, arguments.positionals))
        return makeError(std::move(*countFault));
    return arguments;
}

int runSubcommand(const Subcommand& subcommand, const std::vector<std::string_view>& args) {
    const auto arguments = parseArguments(subcommand, args);
    if (!arguments) {
        reportError(subcommand.name, arguments.error().text);
        return kExitUsage;
    }
    StandardOutput output;
    int status = kExitOk;
    if (arguments->helpRequested)
        output.print(subcommand.usage);
    else
        status = subcommand.run(*arguments, output);
    return output.finish(subcommand.name, status);
}

int reportUsageError(const Arguments& arguments, std::string_view message) {
    reportError(arguments.command(), message);
    return kExitUsage;
}

}  // namespace cli
