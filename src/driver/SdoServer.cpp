#include "driver/SdoServer.h"

#include <array>

namespace vorelin::driver {

namespace {

constexpr uint32_t kRequestBase = 0x600;
constexpr uint32_t kResponseBase = 0x580;
constexpr uint8_t kInitiateDownload = 1;  // client command, bits 5..7
constexpr uint8_t kInitiateUpload = 2;
constexpr uint8_t kDownloadResponse = 0x60;
constexpr uint8_t kExpeditedUploadResponse = 0x43;  // size in bits 2..3 as 4 - bytes
constexpr uint8_t kAbort = 0x80;
constexpr uint32_t kAbortUnknownCommand = 0x05040001;
constexpr uint32_t kAbortReadOnly = 0x06010002;
constexpr uint32_t kAbortNoObject = 0x06020000;

struct ObjectEntry {
    uint16_t index;
    uint8_t subindex;
    uint8_t sizeBytes;
    bool writable;
    bool plusNodeId;  // the value differs per node
    uint32_t value;
};

constexpr std::array<ObjectEntry, 10> kObjects = {{
    {0x1000, 0, 4, false, false, 0x00020192},  // device type
    {0x1001, 0, 1, false, false, 0x00},        // error register
    {0x1017, 0, 2, true, false, 1000},         // producer heartbeat time, ms
    {0x1018, 0, 1, false, false, 4},           // identity: highest subindex
    {0x1018, 1, 4, false, false, 0x000003A7},  // vendor id
    {0x1018, 2, 4, false, true, 0x00004400},   // product code
    {0x1018, 3, 4, false, false, 0x00010005},  // revision
    {0x1018, 4, 4, false, true, 0x19E30000},   // serial number
    {0x6040, 0, 2, true, false, 0x000F},       // control word
    {0x6041, 0, 2, false, false, 0x0237},      // status word
}};

const ObjectEntry* findObject(uint16_t index, uint8_t subindex) {
    for (const ObjectEntry& entry : kObjects) {
        if (entry.index == index && entry.subindex == subindex)
            return &entry;
    }
    return nullptr;
}

CanFrame response(uint8_t node, uint8_t command, const CanFrame& request, uint32_t value) {
    CanFrame frame;
    frame.identifier = kResponseBase + node;
    frame.length = 8;
    frame.data[0] = command;
    frame.data[1] = request.data[1];
    frame.data[2] = request.data[2];
    frame.data[3] = request.data[3];
    for (int i = 0; i < 4; ++i)
        frame.data[4 + i] = uint8_t(value >> (8 * i));
    return frame;
}

}  // namespace

std::optional<CanFrame> answerSdoRequest(const CanFrame& request) {
    const uint32_t node = request.identifier - kRequestBase;
    if (request.extended || request.remote || request.length < 4 || request.identifier < kRequestBase ||
        node < 1 || node > kCanopenNodeCount)
        return std::nullopt;
    const uint8_t nodeId = uint8_t(node);
    const uint8_t clientCommand = request.data[0] >> 5;
    const ObjectEntry* object = findObject(uint16_t(request.data[1] | request.data[2] << 8), request.data[3]);
    if (clientCommand != kInitiateUpload && clientCommand != kInitiateDownload)
        return response(nodeId, kAbort, request, kAbortUnknownCommand);
    if (!object)
        return response(nodeId, kAbort, request, kAbortNoObject);
    if (clientCommand == kInitiateDownload)
        return object->writable ? response(nodeId, kDownloadResponse, request, 0)
                                : response(nodeId, kAbort, request, kAbortReadOnly);
    const uint8_t command = uint8_t(kExpeditedUploadResponse | (4 - object->sizeBytes) << 2);
    return response(nodeId, command, request, object->value + (object->plusNodeId ? node : 0));
}

}  // namespace vorelin::driver
