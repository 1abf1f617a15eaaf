// RowLines.h: how the export's and the printout's row-line tests build their
// records and compare the lines: every record stamped alike, each line
// written into a heap buffer of exactly the promised size, so that writing
// past it shows under the address sanitizer.
#pragma once

#include "views/ExportLines.h"

#include "support/Frames.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

inline std::string b(int count) { return std::string(std::size_t(count), ' '); }

// 1 min 2 s 3 ms 4 us, load 7: the time and load of every row.
inline FrameRecord record(uint32_t identifier, std::initializer_list<uint8_t> data, uint8_t extended = 0) {
    return stampedRecord(dataFrame(identifier, data, extended), 7);
}

inline FrameRecord remote(FrameRecord record, uint8_t length) {
    record.frame.remote = 1;
    record.frame.length = length;
    return record;
}

using RowLineWriter = char* (*)(char*, ExportLayout, const ExportWords&, uint32_t, const FrameRecord&);

inline std::string rowLine(RowLineWriter write, std::size_t maxChars, Protocol protocol, uint32_t row,
                           const FrameRecord& record) {
    const auto buffer = std::make_unique<char[]>(maxChars);
    char* end = write(buffer.get(), exportLayout(protocol), ExportWords::fromStringTable(), row, record);
    return std::string(buffer.get(), end);
}

struct LineRow {
    const char* name;
    FrameRecord record;
    std::string expected;
};

inline void expectRowLines(RowLineWriter write, std::size_t maxChars, Protocol protocol, uint32_t row,
                           const std::vector<LineRow>& rows) {
    for (const LineRow& line : rows)
        EXPECT_EQ(rowLine(write, maxChars, protocol, row, line.record), line.expected) << line.name;
}
