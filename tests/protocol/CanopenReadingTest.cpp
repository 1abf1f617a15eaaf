#include "protocol/CanopenReading.h"

#include "ReadingRecords.h"

#include <gtest/gtest.h>

void PrintTo(const CanopenReading& reading, std::ostream* out) {
    printField(*out, "function", reading.functionCode);
    printField(*out, "node", reading.nodeId);
    *out << " kind=" << int(reading.kind);
}

namespace {

struct CanopenRow {
    const char* name;
    uint32_t cobId;
    uint32_t functionCode;
    uint32_t nodeId;
    CoKind kind;
};

}  // namespace

TEST(ReadCanopen, CobIdRangesAndTheirEdges) {
    const CanopenRow rows[] = {
        {"nmt", 0x000, 0x0, 0x00, CoNmt},
        {"001_reserved", 0x001, 0x0, 0x01, CoReserved},
        {"002_unassigned", 0x002, 0x0, 0x02, CoUnassigned},
        {"07F_unassigned", 0x07F, 0x0, 0x7F, CoUnassigned},
        {"sync", 0x080, 0x1, 0x00, CoSync},
        {"first_emergency", 0x081, 0x1, 0x01, CoEmergency},
        {"last_emergency", 0x0FF, 0x1, 0x7F, CoEmergency},
        {"time_stamp", 0x100, 0x2, 0x00, CoTimeStamp},
        {"101_reserved", 0x101, 0x2, 0x01, CoReserved},
        {"180_reserved_not_pdo", 0x180, 0x3, 0x00, CoReserved},
        {"first_tpdo1", 0x181, 0x3, 0x01, CoPdo1Tx},
        {"last_tpdo1", 0x1FF, 0x3, 0x7F, CoPdo1Tx},
        {"200_node_0_unassigned", 0x200, 0x4, 0x00, CoUnassigned},
        {"first_rpdo1", 0x201, 0x4, 0x01, CoPdo1Rx},
        {"last_rpdo1", 0x27F, 0x4, 0x7F, CoPdo1Rx},
        {"280_node_0_unassigned", 0x280, 0x5, 0x00, CoUnassigned},
        {"first_tpdo2", 0x281, 0x5, 0x01, CoPdo2Tx},
        {"300_node_0_unassigned", 0x300, 0x6, 0x00, CoUnassigned},
        {"last_rpdo2", 0x37F, 0x6, 0x7F, CoPdo2Rx},
        {"380_node_0_unassigned", 0x380, 0x7, 0x00, CoUnassigned},
        {"first_tpdo3", 0x381, 0x7, 0x01, CoPdo3Tx},
        {"400_node_0_unassigned", 0x400, 0x8, 0x00, CoUnassigned},
        {"last_rpdo3", 0x47F, 0x8, 0x7F, CoPdo3Rx},
        {"480_node_0_unassigned", 0x480, 0x9, 0x00, CoUnassigned},
        {"last_tpdo4", 0x4FF, 0x9, 0x7F, CoPdo4Tx},
        {"500_node_0_unassigned", 0x500, 0xA, 0x00, CoUnassigned},
        {"first_rpdo4", 0x501, 0xA, 0x01, CoPdo4Rx},
        {"580_node_0_unassigned", 0x580, 0xB, 0x00, CoUnassigned},
        {"first_sdo_tx", 0x581, 0xB, 0x01, CoSdoTx},
        {"last_sdo_tx", 0x5FF, 0xB, 0x7F, CoSdoTx},
        {"600_node_0_unassigned", 0x600, 0xC, 0x00, CoUnassigned},
        {"first_sdo_rx", 0x601, 0xC, 0x01, CoSdoRx},
        {"last_sdo_rx", 0x67F, 0xC, 0x7F, CoSdoRx},
        {"680_unassigned", 0x680, 0xD, 0x00, CoUnassigned},
        {"6DF_unassigned", 0x6DF, 0xD, 0x5F, CoUnassigned},
        {"6E0_reserved", 0x6E0, 0xD, 0x60, CoReserved},
        {"6E1_unassigned", 0x6E1, 0xD, 0x61, CoUnassigned},
        {"700_node_0_unassigned", 0x700, 0xE, 0x00, CoUnassigned},
        {"first_nmt_error_control", 0x701, 0xE, 0x01, CoNmtErrorControl},
        {"last_nmt_error_control", 0x77F, 0xE, 0x7F, CoNmtErrorControl},
        {"780_reserved", 0x780, 0xF, 0x00, CoReserved},
        {"7FF_reserved", 0x7FF, 0xF, 0x7F, CoReserved},
        {"800_above_11_bits", 0x800, 0x0, 0x00, CoUnassigned},
        {"881_not_an_emergency", 0x881, 0x1, 0x01, CoUnassigned},
        {"FFF_not_reserved", 0xFFF, 0xF, 0x7F, CoUnassigned},
    };
    for (const CanopenRow& row : rows) {
        const CanopenReading expected{row.functionCode, row.nodeId, row.kind};
        EXPECT_EQ(readCanopen(standardRecord(row.cobId)), expected) << row.name;
        EXPECT_EQ(readCanopen(remoteRecord(row.cobId)), expected) << row.name << " as a remote frame";
    }
}

TEST(ReadCanopen, ExtendedFramesYieldNoFields) {
    const CanopenReading none{std::nullopt, std::nullopt, CoNotApplicable};
    for (const uint32_t id : {0x000u, 0x181u, 0x6E0u, 0x77Fu, 0x1FFFFFFFu})
        EXPECT_EQ(readCanopen(extendedRecord(id)), none) << std::hex << id;
    EXPECT_EQ(readCanopen(extendedRecord(0x181, 2)), none) << "any nonzero extended byte";
}
