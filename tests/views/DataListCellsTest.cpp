#include "views/DataListCells.h"

#include "support/Frames.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {

FrameRecord record(uint32_t identifier, std::initializer_list<uint8_t> data, uint32_t busLoad = 5) {
    return stampedRecord(dataFrame(identifier, data), busLoad);
}

FrameRecord remote(FrameRecord record, uint32_t remoteFlag = 1) {
    record.frame.remote = remoteFlag;
    return record;
}

FrameRecord extended(FrameRecord record, uint8_t extendedByte = 1) {
    record.frame.extended = extendedByte;
    return record;
}

// Every cell of the row, each formatted into a buffer of exactly the promised
// size on the heap, so that writing past it shows under the address sanitizer.
std::vector<std::string> cells(Protocol protocol, uint32_t row, const FrameRecord& record) {
    std::vector<std::string> texts;
    const auto buffer = std::make_unique<char[]>(kCellBufferSize);
    for (int column = 0; column < int(dataListColumns(protocol).size()); ++column) {
        const std::size_t length = formatDataListCell(protocol, row, record, column, buffer.get());
        EXPECT_EQ(length, std::strlen(buffer.get())) << "column " << column;
        texts.emplace_back(buffer.get(), length);
    }
    return texts;
}

struct CellRow {
    const char* name;
    uint32_t row;
    FrameRecord record;
    std::vector<std::string> expected;
};

void expectCells(Protocol protocol, const std::vector<CellRow>& rows) {
    for (const CellRow& row : rows)
        EXPECT_EQ(cells(protocol, row.row, row.record), row.expected) << row.name;
}

std::vector<int> widths(Protocol protocol, int totalWidth) {
    std::vector<int> result;
    for (const DataListColumn& column : dataListColumns(protocol))
        result.push_back(columnWidth(column, totalWidth));
    return result;
}

}  // namespace

TEST(DataListColumns, WidthsAreTruncatedSharesOfTheWidthLessTheScrollBar) {
    // 117 - 18 = 99: 14.85, 19.8, 9.9, 24.75 all round down; the first
    // CANopen column takes 5 % of the whole 117.
    EXPECT_EQ(widths(Protocol::can, 117), (std::vector<int>{14, 19, 9, 9, 9, 9, 24}));
    EXPECT_EQ(widths(Protocol::deviceNet, 117), (std::vector<int>{4, 9, 7, 6, 5, 4, 6, 8, 7, 12, 4, 16}));
    EXPECT_EQ(widths(Protocol::canopen, 117), (std::vector<int>{5, 9, 9, 9, 4, 7, 7, 11, 4, 26}));
}

TEST(DataListColumns, AListNarrowerThanTheScrollBarGetsEmptyColumns) {
    EXPECT_EQ(widths(Protocol::can, 18), std::vector<int>(7, 0));
    EXPECT_EQ(widths(Protocol::deviceNet, 5), std::vector<int>(12, 0));
    EXPECT_EQ(widths(Protocol::canopen, 0), std::vector<int>(10, 0));
    EXPECT_EQ(widths(Protocol::canopen, -40), std::vector<int>(10, 0));
}

TEST(DataListCells, CanRows) {
    expectCells(Protocol::can, {
        {"data_frame_length_3", 7, record(0x123, {0x01, 0xA0, 0xFF}),
         {"7", "01-02-003-004", " 5", "123", "Standard", "3", "01 A0 FF "}},
        {"length_0_has_empty_data", 0, record(0x7FF, {}), {"0", "01-02-003-004", " 5", "7FF", "Standard", "0", ""}},
        {"remote_frame", 12, remote(record(0x00A, {0x11, 0x22})),
         {"12", "01-02-003-004", " 5", "A", "Standard", "2", "Remote Frame"}},
        {"remote_flag_2_is_a_data_frame_here", 1, remote(record(0x00A, {0xAB, 0xCD}), 2),
         {"1", "01-02-003-004", " 5", "A", "Standard", "2", "AB CD "}},
        {"extended_identifier_in_full", 3, extended(record(0x1FFFFFFF, {0x00})),
         {"3", "01-02-003-004", " 5", "1FFFFFFF", "Extend", "1", "00 "}},
        {"extended_byte_2_shows_standard", 3, extended(record(0x18FF1234, {}), 2),
         {"3", "01-02-003-004", " 5", "18FF1234", "Standard", "0", ""}},
        {"full_load", 4294967295u, record(0x000, {}, 100),
         {"4294967295", "01-02-003-004", "100", "0", "Standard", "0", ""}},
    });
}

TEST(DataListCells, DeviceNetRows) {
    expectCells(Protocol::deviceNet, {
        {"group_1_poll_response", 0, record(0x3FF, {}),
         {"0", "01-02-003-004", "05", "3FF", "Standard", "1", "3F", "--", "0F", "Slave's IO Poll Res or COS/CC Ack",
          "0", ""}},
        {"group_2_explicit_response", 1, record(0x553, {0xC5, 0x01}),
         {"1", "01-02-003-004", "05", "553", "Standard", "2", "2A", "05", "03", "Slave's Exp Res Msg", "2", "C5 01 "}},
        {"remote_keeps_fields_but_not_its_description", 2, remote(record(0x553, {0xC5})),
         {"2", "01-02-003-004", "05", "553", "Standard", "2", "2A", "05", "03", "Invalid data", "1", "Remote Frame"}},
        {"remote_flag_2_is_a_data_frame_here", 2, remote(record(0x7EE, {0x3F}), 2),
         {"2", "01-02-003-004", "05", "7EE", "Standard", "4", "--", "--", "2E", "Offline Owership Res Msg", "1",
          "3F "}},
        {"group_3_with_absent_destination", 9, record(0x600, {}, 0),
         {"9", "01-02-003-004", "00", "600", "Standard", "3", "00", "--", "00", "------", "0", ""}},
        {"group_1_other", 9, record(0x005, {}, 99),
         {"9", "01-02-003-004", "99", "5", "Standard", "1", "05", "--", "00", "--------", "0", ""}},
        {"invalid_identifier", 10, record(0x7F0, {}),
         {"10", "01-02-003-004", "05", "7F0", "Standard", "4", "--", "--", "30", "Invalid CAN Identifiers", "0", ""}},
        {"extended", 11, extended(record(0x18FF1234, {0xC5})),
         {"11", "01-02-003-004", "05", "18FF1234", "Extend", "--", "--", "--", "--", "Invalid data", "1", "C5 "}},
        {"extended_remote", 11, remote(extended(record(0x557, {}))),
         {"11", "01-02-003-004", "05", "557", "Extend", "--", "--", "--", "--", "Invalid data", "0", "Remote Frame"}},
    });
}

TEST(DataListCells, CanopenRows) {
    expectCells(Protocol::canopen, {
        {"tpdo1", 0, record(0x181, {0x01, 0xA0, 0xFF}),
         {"0", "01-02-003-004", "05", "181", "Standard", "3", "1", "PDO1 (tx)", "3", "01 A0 FF "}},
        {"remote_keeps_its_description", 1, remote(record(0x181, {})),
         {"1", "01-02-003-004", "05", "181", "Standard", "3", "1", "PDO1 (tx)", "0", "Remote Frame"}},
        {"any_nonzero_remote_flag_is_remote", 1, remote(record(0x77F, {0x05}), 2),
         {"1", "01-02-003-004", "05", "77F", "Standard", "E", "7F", "NMT Error Control", "1", "Remote Frame"}},
        {"reserved_6E0_shows_its_split", 2, record(0x6E0, {}),
         {"2", "01-02-003-004", "05", "6E0", "Standard", "D", "60", "reserved", "0", ""}},
        {"node_0_of_rpdo1_unassigned", 3, record(0x200, {}),
         {"3", "01-02-003-004", "05", "200", "Standard", "4", "0", "--------", "0", ""}},
        {"nmt", 4, record(0x000, {0x01, 0x00}, 7),
         {"4", "01-02-003-004", "07", "0", "Standard", "0", "0", "NMT", "2", "01 00 "}},
        {"extended", 5, extended(record(0x1ABCDEF0, {})),
         {"5", "01-02-003-004", "05", "1ABCDEF0", "Extend", "--", "--", "Invalid data", "0", ""}},
    });
}

TEST(DataListCells, LengthAboveEightShowsOnlyTheEightBytesTheRecordHolds) {
    FrameRecord damaged = record(0x123, {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17});
    damaged.frame.length = 255;
    for (Protocol protocol : {Protocol::can, Protocol::deviceNet, Protocol::canopen}) {
        const std::vector<std::string> row = cells(protocol, 0, damaged);
        const std::size_t columns = row.size();
        EXPECT_EQ(row[columns - 2], "255") << int(protocol);
        EXPECT_EQ(row[columns - 1], "10 11 12 13 14 15 16 17 ") << int(protocol);
    }
}

TEST(DataListCells, LongestTextsFitTheBuffer) {
    // A damaged capture can hold any value in any field.
    FrameRecord worst = record(0xFFFFFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 0xFFFFFFFF);
    worst.timeMin = worst.timeSec = worst.timeMs = worst.timeUs = 0xFFFFFFFF;
    worst.frame.length = 200;
    const std::vector<std::string> can = cells(Protocol::can, 0xFFFFFFFF, worst);
    EXPECT_EQ(can, (std::vector<std::string>{"4294967295", "4294967295-4294967295-4294967295-4294967295",
                                             "4294967295", "FFFFFFFF", "Standard", "200",
                                             "FF FF FF FF FF FF FF FF "}));
    const std::vector<std::string> deviceNet = cells(Protocol::deviceNet, 0, record(0x556, {0xC5, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(deviceNet[9], "Group 2 Only Unconn Exp Req Msg (reserved)");
    EXPECT_EQ(deviceNet[9].size(), 42u);
}

TEST(DataListCells, ColumnsBeyondTheProtocolAreEmpty) {
    char text[kCellBufferSize];
    const FrameRecord frame = record(0x123, {0x01});
    const struct {
        Protocol protocol;
        int column;
    } rows[] = {
        {Protocol::can, -1}, {Protocol::can, 7}, {Protocol::deviceNet, 12}, {Protocol::canopen, 10},
        {Protocol::none, 0}, {Protocol(5), 0},
    };
    for (const auto& row : rows) {
        std::memset(text, 'x', sizeof text);
        EXPECT_EQ(formatDataListCell(row.protocol, 0, frame, row.column, text), 0u)
            << int(row.protocol) << " column " << row.column;
        EXPECT_EQ(text[0], '\0');
    }
}

TEST(DataListRow, CellsJoinedByTabs) {
    std::string text = "before\n";
    appendDataListRow(Protocol::canopen, 3, record(0x581, {0x43}), text);
    EXPECT_EQ(text, "before\n3\t01-02-003-004\t05\t581\tStandard\tB\t1\tSDO (tx)\t1\t43 ");
    std::string none;
    appendDataListRow(Protocol::none, 0, record(0x581, {}), none);
    EXPECT_EQ(none, "");
}
