// `vorelin-cli cells` prints what the data list shows; scripts read it, so
// its bytes and exit statuses are pinned here.
#include "support/RunCommand.h"

#include <gtest/gtest.h>

namespace {

CommandOutput cli(const std::string& arguments) { return runCommand(VORELIN_CLI_PATH, arguments); }

}  // namespace

TEST(CliCells, PrintsOneTabSeparatedRowPerFrame) {
    const struct {
        const char* name;
        const char* arguments;
        const char* out;
    } rows[] = {
        {"can", "cells --protocol can 123#01A0FF 12345678#R 7FF#",
         "0\t00-00-000-000\t 0\t123\tStandard\t3\t01 A0 FF \n"
         "1\t00-00-000-000\t 0\t12345678\tExtend\t0\tRemote Frame\n"
         "2\t00-00-000-000\t 0\t7FF\tStandard\t0\t\n"},
        {"devicenet", "cells --protocol devicenet 553#C5 7F0# 18FF1234#R2",
         "0\t00-00-000-000\t00\t553\tStandard\t2\t2A\t05\t03\tSlave's Exp Res Msg\t1\tC5 \n"
         "1\t00-00-000-000\t00\t7F0\tStandard\t4\t--\t--\t30\tInvalid CAN Identifiers\t0\t\n"
         "2\t00-00-000-000\t00\t18FF1234\tExtend\t--\t--\t--\t--\tInvalid data\t2\tRemote Frame\n"},
        {"canopen_frames_around_the_option", "cells 6E0#R2 --protocol canopen 701#05",
         "0\t00-00-000-000\t00\t6E0\tStandard\tD\t60\treserved\t2\tRemote Frame\n"
         "1\t00-00-000-000\t00\t701\tStandard\tE\t1\tNMT Error Control\t1\t05 \n"},
        {"dotted_lower_case_data", "cells --protocol can 1a2#de.ad.be.ef",
         "0\t00-00-000-000\t 0\t1A2\tStandard\t4\tDE AD BE EF \n"},
    };
    for (const auto& row : rows) {
        const CommandOutput run = cli(row.arguments);
        EXPECT_EQ(run.status, 0) << row.name << ": " << run.err;
        EXPECT_EQ(run.err, "") << row.name;
        EXPECT_EQ(run.out, row.out) << row.name;
    }
}

TEST(CliCells, RefusalsPrintNothingOnStandardOutput) {
    const struct {
        const char* name;
        const char* arguments;
        const char* err;
    } rows[] = {
        {"malformed_frame_after_good_ones", "cells --protocol can 123#11 12#11 456#22",
         "vorelin-cli cells: '12#11': identifier needs 3 or 8 hex digits\n"},
        {"frame_with_nine_bytes", "cells --protocol canopen 123#112233445566778899",
         "vorelin-cli cells: '123#112233445566778899': more than 8 data bytes\n"},
        {"missing_protocol", "cells 123#11", "vorelin-cli cells: missing --protocol (see --help)\n"},
        {"unknown_protocol", "cells --protocol j1939 123#11",
         "vorelin-cli cells: bad value 'j1939' for --protocol (expected can, devicenet or canopen)\n"},
    };
    for (const auto& row : rows) {
        const CommandOutput run = cli(row.arguments);
        EXPECT_EQ(run.status, 2) << row.name;
        EXPECT_EQ(run.out, "") << row.name;
        EXPECT_EQ(run.err, row.err) << row.name;
    }
}
