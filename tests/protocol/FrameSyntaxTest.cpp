#include "protocol/FrameSyntax.h"

#include "support/Errors.h"
#include "support/Frames.h"

#include <gtest/gtest.h>

#include <string>

// The everyday forms are pinned through vorelin-cli's cells and send; here
// the edges.
TEST(FrameSyntax, AcceptsTheCompactForms) {
    const struct {
        const char* name;
        const char* text;
        CanFrame expected;
    } rows[] = {
        {"lower_and_mixed_case", "7ff#aAbBcf", dataFrame(0x7FF, {0xAA, 0xBB, 0xCF})},
        {"dots_between_some_bytes", "123#1122.33", dataFrame(0x123, {0x11, 0x22, 0x33})},
        {"eight_bytes", "456#0011223344556677", dataFrame(0x456, {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77})},
        {"eight_bytes_dotted", "456#00.11.22.33.44.55.66.77",
         dataFrame(0x456, {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77})},
        {"extended_highest", "1FFFFFFF#", dataFrame(0x1FFFFFFF, {}, 1)},
        {"eight_digits_are_extended_whatever_the_value", "00000123#01", dataFrame(0x123, {0x01}, 1)},
        {"remote_length_8", "123#R8", remoteFrame(0x123, 8)},
    };
    for (const auto& row : rows) {
        const Result<CanFrame> frame = parseFrameSyntax(row.text);
        ASSERT_TRUE(frame.hasValue()) << row.name << ": " << frame.error().text;
        EXPECT_EQ(*frame, row.expected) << row.name;
    }
}

TEST(FrameSyntax, RefusalsNameTheTextAndTheFault) {
    const struct {
        const char* name;
        std::string text;
        const char* error;
    } rows[] = {
        {"empty", "", "'': missing '#' after the identifier"},
        {"no_hash", "123", "'123': missing '#' after the identifier"},
        {"two_digit_identifier", "12#11", "'12#11': identifier needs 3 or 8 hex digits"},
        {"four_digit_identifier", "1234#11", "'1234#11': identifier needs 3 or 8 hex digits"},
        {"nine_digit_identifier", "123456789#", "'123456789#': identifier needs 3 or 8 hex digits"},
        {"bad_identifier_digit", "12G#11", "'12G#11': bad hex digit 'G' at offset 2"},
        {"sign_in_identifier", "-12#11", "'-12#11': bad hex digit '-' at offset 0"},
        {"standard_above_7FF", "800#", "'800#': standard identifier 800 is above 7FF"},
        {"extended_above_29_bits", "20000000#", "'20000000#': extended identifier 20000000 is above 1FFFFFFF"},
        {"remote_length_9", "123#R9", "'123#R9': remote length needs one digit 0 to 8"},
        {"remote_length_two_digits", "123#R12", "'123#R12': remote length needs one digit 0 to 8"},
        {"remote_with_data", "123#RAA", "'123#RAA': remote length needs one digit 0 to 8"},
        {"unpaired_last_digit", "123#112", "'123#112': unpaired hex digit at offset 6"},
        {"unpaired_before_dot", "123#1.22", "'123#1.22': unpaired hex digit at offset 4"},
        {"leading_dot", "123#.11", "'123#.11': '.' at offset 4 is not between two data bytes"},
        {"trailing_dot", "123#11.", "'123#11.': '.' at offset 6 is not between two data bytes"},
        {"double_dot", "123#11..22", "'123#11..22': '.' at offset 6 is not between two data bytes"},
        {"nine_bytes", "123#112233445566778899", "'123#112233445566778899': more than 8 data bytes"},
        {"bad_data_digit", "123#1G", "'123#1G': bad hex digit 'G' at offset 5"},
        {"blank_in_data", "123#11 22", "'123#11 22': bad hex digit 0x20 at offset 6"},
        {"second_hash", "123#11#22", "'123#11#22': bad hex digit '#' at offset 6"},
        {"double_hash", "123##11", "'123##11': bad hex digit '#' at offset 4"},
        {"control_character", std::string("123#1\x01", 6), "'123#1\x01': bad hex digit 0x01 at offset 5"},
    };
    for (const auto& row : rows) {
        const Result<CanFrame> frame = parseFrameSyntax(row.text);
        EXPECT_EQ(errorOf(frame), (Error{0, row.error})) << row.name;
    }
}
