#include "views/FrameText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

template <class Write>
std::string written(Write write) {
    char buffer[128];
    char* end = write(buffer);
    return std::string(buffer, end);
}

std::string printed(const char* format, uint32_t value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

constexpr uint32_t kEdgeValues[] = {0, 1, 9, 10, 15, 16, 99, 100, 255, 256, 999, 1000, 0x7FF, 0x800,
                                    65535, 999999999, 1000000000, 0x0FFFFFFF, 0x10000000, 0x7FFFFFFF,
                                    0x80000000, 0xFFFFFFFF};

}  // namespace

TEST(FrameText, NumbersReadAsPrintfWouldWriteThem) {
    using namespace frametext;
    for (const uint32_t value : kEdgeValues) {
        EXPECT_EQ(written([&](char* out) { return writeDecimal(out, value); }), printed("%u", value));
        EXPECT_EQ(written([&](char* out) { return writeDecimal(out, value, 2, ' '); }), printed("%2u", value));
        EXPECT_EQ(written([&](char* out) { return writeDecimal(out, value, 3); }), printed("%03u", value));
        EXPECT_EQ(written([&](char* out) { return writeHex(out, value); }), printed("%X", value));
        EXPECT_EQ(written([&](char* out) { return writeHex(out, value, 2); }), printed("%02X", value));
        EXPECT_EQ(written([&](char* out) { return writeHex(out, value, 3); }), printed("%03X", value));
    }
}

TEST(FrameText, TextIsCutWithoutSplittingACharacter) {
    using namespace frametext;
    const struct {
        const char* name;
        std::string text;
        std::size_t room;
        std::string expected;
    } rows[] = {
        {"fits", "Extend", 6, "Extend"},
        {"cut_ascii", "Extend", 3, "Ext"},
        {"empty_room", "Extend", 0, ""},
        {"cut_before_two_byte_character", "ab\xC3\xA9", 3, "ab"},
        {"two_byte_character_fits", "ab\xC3\xA9", 4, "ab\xC3\xA9"},
        {"cut_inside_three_byte_character", "a\xE2\x82\xAC" "b", 3, "a"},
        {"cut_after_three_byte_character", "a\xE2\x82\xAC" "b", 4, "a\xE2\x82\xAC"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(written([&](char* out) { return writeText(out, row.text, row.room); }), row.expected) << row.name;
}
