#include "views/DataListCells.h"

#include "core/StringTable.h"
#include "protocol/CanopenReading.h"
#include "protocol/DeviceNetReading.h"
#include "views/FrameText.h"

#include <iterator>
#include <optional>

namespace {

constexpr int kDeviceNetDescriptionStrings = 6100;  // + DnKind
constexpr int kCanopenDescriptionStrings = 6200;    // + CoKind

// The list leaves this much of its width to the vertical scroll bar and frame.
constexpr int kReservedWidth = 18;

enum class Cell : uint8_t {
    Index,
    Time,
    Loading,
    Identifier,
    Type,
    Length,
    Data,
    Group,
    SourceId,
    DestinationId,
    MessageId,
    DeviceNetDescription,
    FunctionCode,
    NodeId,
    CanopenDescription,
};

constexpr DataListColumn kCanColumns[] = {
    {2001, 0.15, false}, {2002, 0.20, false}, {2003, 0.10, false}, {2004, 0.10, false},
    {2005, 0.10, false}, {2006, 0.10, false}, {2007, 0.25, false},
};
constexpr Cell kCanCells[] = {
    Cell::Index, Cell::Time, Cell::Loading, Cell::Identifier, Cell::Type, Cell::Length, Cell::Data,
};

constexpr DataListColumn kDeviceNetColumns[] = {
    {2008, 0.05, false}, {2002, 0.10, false}, {2003, 0.08, false}, {2004, 0.07, false},
    {2005, 0.06, false}, {2009, 0.05, false}, {2010, 0.07, false}, {2011, 0.09, false},
    {2012, 0.08, false}, {2013, 0.13, false}, {2006, 0.05, false}, {2007, 0.17, false},
};
constexpr Cell kDeviceNetCells[] = {
    Cell::Index, Cell::Time, Cell::Loading, Cell::Identifier, Cell::Type, Cell::Group,
    Cell::SourceId, Cell::DestinationId, Cell::MessageId, Cell::DeviceNetDescription, Cell::Length, Cell::Data,
};

constexpr DataListColumn kCanopenColumns[] = {
    {2014, 0.05, true},  {2002, 0.10, false}, {2003, 0.10, false}, {2015, 0.10, false}, {2005, 0.05, false},
    {2016, 0.08, false}, {2017, 0.08, false}, {2018, 0.12, false}, {2006, 0.05, false}, {2007, 0.27, false},
};
constexpr Cell kCanopenCells[] = {
    Cell::Index, Cell::Time, Cell::Loading, Cell::Identifier, Cell::Type,
    Cell::FunctionCode, Cell::NodeId, Cell::CanopenDescription, Cell::Length, Cell::Data,
};

static_assert(std::size(kCanColumns) == std::size(kCanCells));
static_assert(std::size(kDeviceNetColumns) == std::size(kDeviceNetCells));
static_assert(std::size(kCanopenColumns) == std::size(kCanopenCells));

struct ColumnSet {
    std::span<const DataListColumn> columns;
    std::span<const Cell> cells;
};

ColumnSet columnSetOf(Protocol protocol) {
    switch (protocol) {
    case Protocol::can:
        return {kCanColumns, kCanCells};
    case Protocol::deviceNet:
        return {kDeviceNetColumns, kDeviceNetCells};
    case Protocol::canopen:
        return {kCanopenColumns, kCanopenCells};
    case Protocol::none:
        break;
    }
    return {};
}

// Room for text in the cell buffer, the terminating zero left out. Numbers
// and data bytes always fit; only a language module's words can be cut.
constexpr std::size_t kCellRoom = kCellBufferSize - 1;
static_assert(frametext::kMaxTimeChars <= kCellRoom && frametext::kMaxDataBytesChars <= kCellRoom);

char* writeString(char* out, int number) { return frametext::writeText(out, strings::text(number), kCellRoom); }

char* writeOptionalHex(char* out, const std::optional<uint32_t>& value, int minDigits) {
    if (!value)
        return frametext::writeText(out, frametext::kAbsentField, kCellRoom);
    return frametext::writeHex(out, *value, minDigits);
}

// The readings part on a remote flag other than 0 and 1, which only a damaged
// capture holds: CANopen takes any nonzero flag as remote, the others only 1.
bool isRemoteFrame(Protocol protocol, const CanFrame& frame) {
    return protocol == Protocol::canopen ? frame.remote != 0 : frame.remote == 1;
}

char* writeCell(Cell cell, Protocol protocol, uint32_t row, const FrameRecord& record, char* out) {
    const CanFrame& frame = record.frame;
    switch (cell) {
    case Cell::Index:
        return frametext::writeDecimal(out, row);
    case Cell::Time:
        return frametext::writeTime(out, record);
    case Cell::Loading:
        return frametext::writeDecimal(out, record.busLoad, 2, protocol == Protocol::can ? ' ' : '0');
    case Cell::Identifier:
        return frametext::writeHex(out, frame.identifier);
    case Cell::Type:
        return writeString(out, frametext::frameTypeString(frame));
    case Cell::Length:
        return frametext::writeDecimal(out, frame.length);
    case Cell::Data:
        if (isRemoteFrame(protocol, frame))
            return writeString(out, frametext::kRemoteFrameString);
        return frametext::writeDataBytes(out, frame);
    case Cell::Group: {
        const DeviceNetReading reading = readDeviceNet(record);
        if (reading.group == 0)
            return frametext::writeText(out, frametext::kAbsentField, kCellRoom);
        return frametext::writeDecimal(out, reading.group);
    }
    case Cell::SourceId:
        return writeOptionalHex(out, readDeviceNet(record).sourceMacId, 2);
    case Cell::DestinationId:
        return writeOptionalHex(out, readDeviceNet(record).destMacId, 2);
    case Cell::MessageId:
        return writeOptionalHex(out, readDeviceNet(record).messageId, 2);
    case Cell::DeviceNetDescription:
        if (isRemoteFrame(protocol, frame))
            return writeString(out, frametext::kInvalidDataString);
        return writeString(out, kDeviceNetDescriptionStrings + readDeviceNet(record).kind);
    case Cell::FunctionCode:
        return writeOptionalHex(out, readCanopen(record).functionCode, 1);
    case Cell::NodeId:
        return writeOptionalHex(out, readCanopen(record).nodeId, 1);
    case Cell::CanopenDescription:
        return writeString(out, kCanopenDescriptionStrings + readCanopen(record).kind);
    }
    return out;
}

}  // namespace

std::span<const DataListColumn> dataListColumns(Protocol protocol) { return columnSetOf(protocol).columns; }

int columnWidth(const DataListColumn& column, int totalWidth) {
    const int base = column.fractionOfFullWidth ? totalWidth : totalWidth - kReservedWidth;
    // A list narrower than the scroll bar gets empty columns, not negative ones.
    if (base <= 0)
        return 0;
    return int(column.widthFraction * base);
}

std::size_t formatDataListCell(Protocol protocol, uint32_t row, const FrameRecord& record, int column, char* out) {
    const std::span<const Cell> cells = columnSetOf(protocol).cells;
    char* end = out;
    if (column >= 0 && std::size_t(column) < cells.size())
        end = writeCell(cells[std::size_t(column)], protocol, row, record, out);
    *end = '\0';
    return std::size_t(end - out);
}

void appendDataListRow(Protocol protocol, uint32_t row, const FrameRecord& record, std::string& out) {
    char cell[kCellBufferSize];
    const int columnCount = int(columnSetOf(protocol).cells.size());
    for (int column = 0; column < columnCount; ++column) {
        if (column > 0)
            out += '\t';
        out.append(cell, formatDataListCell(protocol, row, record, column, cell));
    }
}
