// FilterFlags.h: the bits of a filter condition's flags word. The automation
// items carry the same bits, and the capture file stores the word as it is,
// so every value is fixed.
#pragma once

#include <cstdint>

constexpr uint32_t FC_CAN = 0x2;
constexpr uint32_t FC_DEVICENET = 0x4;
constexpr uint32_t FC_CANOPEN = 0x8;
constexpr uint32_t FC_ENABLED = 0x10;
constexpr uint32_t FC_FRAMEFORMAT = 0x20;
constexpr uint32_t FC_ID_ADVANCED = 0x80;
constexpr uint32_t FC_ID_CUSTOM = 0x100;
constexpr uint32_t FC_LENGTH = 0x200;
constexpr uint32_t FC_DATA0 = 0x400;
constexpr uint32_t FC_DATA1 = 0x800;
constexpr uint32_t FC_DATA2 = 0x1000;
constexpr uint32_t FC_DATA3 = 0x2000;
constexpr uint32_t FC_DATA4 = 0x4000;
constexpr uint32_t FC_DATA5 = 0x8000;
constexpr uint32_t FC_DATA6 = 0x10000;
constexpr uint32_t FC_DATA7 = 0x20000;
constexpr uint32_t FC_DN_GROUP1 = 0x40000;
constexpr uint32_t FC_DN_GROUP2 = 0x80000;
constexpr uint32_t FC_DN_GROUP3 = 0x100000;
constexpr uint32_t FC_DN_GROUP4 = 0x200000;
constexpr uint32_t FC_DN_MSGID = 0x400000;
constexpr uint32_t FC_DN_SRCMAC = 0x800000;
constexpr uint32_t FC_DN_DSTMAC = 0x1000000;
constexpr uint32_t FC_METHOD2 = 0x2000000;  // display only: chosen by message description
constexpr uint32_t FC_METHOD1 = 0x4000000;  // display only
constexpr uint32_t FC_COP_COBID = 0x8000000;
constexpr uint32_t FC_COP_FCODE = 0x10000000;
constexpr uint32_t FC_COP_NODEID = 0x20000000;

// The flag that requires data byte `index` (0..7).
constexpr uint32_t dataByteFlag(int index) { return FC_DATA0 << index; }
