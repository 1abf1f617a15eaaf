#include "protocol/DeviceNetReading.h"

#include "ReadingRecords.h"

#include <gtest/gtest.h>

void PrintTo(const DeviceNetReading& reading, std::ostream* out) {
    *out << "group=" << reading.group;
    printField(*out, "message", reading.messageId);
    printField(*out, "source", reading.sourceMacId);
    printField(*out, "dest", reading.destMacId);
    *out << " kind=" << int(reading.kind);
}

namespace {

constexpr std::nullopt_t kAbsent = std::nullopt;

struct DeviceNetRow {
    const char* name;
    FrameRecord record;
    DeviceNetReading expected;
};

void expectReadings(const std::vector<DeviceNetRow>& rows) {
    for (const DeviceNetRow& row : rows)
        EXPECT_EQ(readDeviceNet(row.record), row.expected) << row.name;
}

}  // namespace

TEST(ReadDeviceNet, GroupEdgesFallOnTheRightSide) {
    expectReadings({
        {"id_000_lowest_group_1", standardRecord(0x000), {1, 0x0, 0x00, kAbsent, DnGroup1Other}},
        {"id_33F_message_C_still_other", standardRecord(0x33F), {1, 0xC, 0x3F, kAbsent, DnGroup1Other}},
        {"id_340_io_cos", standardRecord(0x340), {1, 0xD, 0x00, kAbsent, DnSlaveIoCos}},
        {"id_3A5_bit_strobe_response", standardRecord(0x3A5), {1, 0xE, 0x25, kAbsent, DnSlaveBitStrobeRes}},
        {"id_3FF_last_of_group_1", standardRecord(0x3FF), {1, 0xF, 0x3F, kAbsent, DnSlavePollRes}},
        {"id_400_first_of_group_2", standardRecord(0x400), {2, 0, 0x00, kAbsent, DnMasterBitStrobeCmd}},
        {"id_5FF_last_of_group_2", standardRecord(0x5FF, 0x00), {2, 7, 0x3F, 0x3F, DnDupMacCheck}},
        {"id_600_first_of_group_3", standardRecord(0x600), {3, 0, 0x00, kAbsent, DnGroup3Other}},
        {"id_73F_group_3_message_4", standardRecord(0x73F), {3, 4, 0x3F, kAbsent, DnGroup3Other}},
        {"id_745_unconnected_response", standardRecord(0x745, 0xFE), {3, 5, 0x05, 0x3E, DnUnconnRes}},
        {"id_7BF_last_of_group_3", standardRecord(0x7BF, 0xC5), {3, 6, 0x3F, 0x05, DnUnconnReq}},
        {"id_7C0_first_of_group_4", standardRecord(0x7C0), {4, 0x00, kAbsent, kAbsent, DnGroup4Reserved}},
        {"id_7EB_last_reserved", standardRecord(0x7EB), {4, 0x2B, kAbsent, kAbsent, DnGroup4Reserved}},
        {"id_7EC_comm_fault_response", standardRecord(0x7EC), {4, 0x2C, kAbsent, kAbsent, DnCommFaultRes}},
        {"id_7ED_comm_fault_request", standardRecord(0x7ED), {4, 0x2D, kAbsent, kAbsent, DnCommFaultReq}},
        {"id_7EE_offline_response", standardRecord(0x7EE), {4, 0x2E, kAbsent, kAbsent, DnOfflineOwnRes}},
        {"id_7EF_offline_request", standardRecord(0x7EF), {4, 0x2F, kAbsent, kAbsent, DnOfflineOwnReq}},
        {"id_7F0_first_invalid", standardRecord(0x7F0), {4, 0x30, kAbsent, kAbsent, DnInvalidId}},
        {"id_7FF_last_invalid", standardRecord(0x7FF), {4, 0x3F, kAbsent, kAbsent, DnInvalidId}},
    });
}

// MAC ID 0x2A in the identifier (0x400 | 0x2A << 3 = 0x550); the first data
// byte 0xC5 carries MAC ID 5 in its low six bits.
TEST(ReadDeviceNet, Group2TakesTheOtherMacIdFromTheFirstDataByte) {
    expectReadings({
        {"m0_bit_strobe_command", standardRecord(0x550, 0xC5), {2, 0, 0x2A, kAbsent, DnMasterBitStrobeCmd}},
        {"m1_reserved", standardRecord(0x551, 0xC5), {2, 1, 0x2A, kAbsent, DnMasterReserved}},
        {"m2_cos_ack", standardRecord(0x552, 0xC5), {2, 2, kAbsent, 0x2A, DnMasterCosAck}},
        {"m3_explicit_response", standardRecord(0x553, 0xC5), {2, 3, 0x2A, 0x05, DnSlaveExplicitRes}},
        {"m4_explicit_request", standardRecord(0x554, 0xC5), {2, 4, 0x05, 0x2A, DnMasterExplicitReq}},
        {"m5_poll_command", standardRecord(0x555, 0xC5), {2, 5, kAbsent, 0x2A, DnMasterPollCmd}},
        {"m6_unconnected_request", standardRecord(0x556, 0xC5), {2, 6, 0x05, 0x2A, DnGroup2UnconnReq}},
        {"m7_duplicate_mac_check", standardRecord(0x557, 0xC5), {2, 7, 0x2A, 0x2A, DnDupMacCheck}},
    });
}

TEST(ReadDeviceNet, NeitherRemoteFlagNorLengthChangesTheReading) {
    expectReadings({
        {"remote_explicit_response", remoteRecord(0x553, 0xC5), {2, 3, 0x2A, 0x05, DnSlaveExplicitRes}},
        {"length_0_still_reads_first_byte", standardRecord(0x553, 0xC5, 0), {2, 3, 0x2A, 0x05, DnSlaveExplicitRes}},
        {"remote_poll_response", remoteRecord(0x3FF), {1, 0xF, 0x3F, kAbsent, DnSlavePollRes}},
    });
}

TEST(ReadDeviceNet, ValuesAboveElevenBitsReadThroughTheSameMasks) {
    expectReadings({
        {"id_800_bit_10_clear", standardRecord(0x800), {1, 0x0, 0x00, kAbsent, DnGroup1Other}},
        {"id_BFF_bit_10_clear", standardRecord(0xBFF), {1, 0xF, 0x3F, kAbsent, DnSlavePollRes}},
        {"id_1553_group_2_explicit", standardRecord(0x1553, 0xC5), {2, 3, 0x2A, 0x05, DnSlaveExplicitRes}},
        {"id_FC5_group_4", standardRecord(0xFC5), {4, 0x05, kAbsent, kAbsent, DnGroup4Reserved}},
    });
}

TEST(ReadDeviceNet, ExtendedFramesYieldNoFields) {
    const DeviceNetReading none{0, kAbsent, kAbsent, kAbsent, DnNotApplicable};
    expectReadings({
        {"extended_3FF", extendedRecord(0x3FF), none},
        {"extended_557", extendedRecord(0x557), none},
        {"extended_7F0", extendedRecord(0x7F0), none},
        {"extended_full_width", extendedRecord(0x1FFFFFFF), none},
        {"extended_byte_2", extendedRecord(0x400, 2), none},
    });
}
