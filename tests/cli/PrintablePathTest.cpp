// Paths in vorelin-cli's messages: an ordinary path stands as it is, one that
// would break the line or the "COMMAND: PATH: problem" form is quoted.
#include "cli/CliSupport.h"
#include "support/RunCommand.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(CliPrintablePath, QuotesOnlyPathsThatWouldBreakTheLineOrItsFields) {
    const struct {
        const char* name;
        const char* path;
        const char* printed;
    } rows[] = {
        {"plain", "captures/bus.orx", "captures/bus.orx"},
        {"spaces", "My Captures/bus 1.orx", "My Captures/bus 1.orx"},
        {"colon_without_space", "can0:bus.log", "can0:bus.log"},
        {"backslash_and_quote_inside", "a\\b\"c.log", "a\\b\"c.log"},
        {"utf8", "Messung-\xC3\xA4.orx", "Messung-\xC3\xA4.orx"},
        {"newline", "a\nb.orx", "\"a\\nb.orx\""},
        {"tab_and_carriage_return", "a\tb\r.log", "\"a\\tb\\r.log\""},
        {"escape_and_delete", "a\x1b[2J\x7f.log", "\"a\\x1b[2J\\x7f.log\""},
        {"colon_and_space", "bus: old.log", "\"bus: old.log\""},
        {"leading_quote", "\"x\".log", "\"\\\"x\\\".log\""},
        {"backslash_when_quoted", "a\\b\n", "\"a\\\\b\\n\""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(cli::printablePath(row.path), row.printed) << row.name;
}

TEST(CliPrintablePath, APathWithANewlineIsToldOnOneLine) {
    const struct {
        const char* name;
        const char* arguments;  // the newline stands in single quotes, as a shell passes it
        int status;
        const char* errStart;
    } rows[] = {
        {"missing_input", "info 'no\nsuch.orx'", 1, "vorelin-cli info: \"no\\nsuch.orx\": "},
        {"missing_input_of_cells", "cells --protocol can --in 'no\nsuch.log'", 1,
         "vorelin-cli cells: \"no\\nsuch.log\": "},
        {"output_of_no_known_kind", "convert in.log 'out\n.txt'", 2,
         "vorelin-cli convert: \"out\\n.txt\": expected a name ending in .orx or .log\n"},
    };
    for (const auto& row : rows) {
        const CommandOutput run = runCommand(VORELIN_CLI_PATH, row.arguments);
        EXPECT_EQ(run.status, row.status) << row.name;
        EXPECT_TRUE(run.err.starts_with(row.errStart)) << row.name << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << row.name << ": " << run.err;
    }
}
