#include "filters/CompiledConditions.h"

#include "filters/FilterCondition.h"
#include "filters/FilterFlags.h"

namespace {

constexpr int kHeadWord = 0;        // remote, extended, length, absent data bytes
constexpr int kIdentifierWord = 1;  // identifier, data bytes 0..3
constexpr int kTailWord = 2;        // data bytes 4..7

// A term being built. Requirements that contradict each other, or a value
// that cannot fit its field, make it impossible: no frame passes it.
class TermBuilder {
public:
    bool isPossible() const { return possible_; }
    const MaskTerm& term() const { return term_; }

    // The field of `widthMask` bits at `shift` in `word` must equal `value`.
    void requireField(int word, int shift, uint64_t widthMask, uint64_t value) {
        if (value & ~widthMask) {
            possible_ = false;
            return;
        }
        const uint64_t mask = widthMask << shift;
        const uint64_t shifted = value << shift;
        if ((term_.value[word] ^ shifted) & term_.mask[word] & mask)
            possible_ = false;
        term_.mask[word] |= mask;
        term_.value[word] |= shifted;
    }

    void requireRemote(uint32_t remote) { requireField(kHeadWord, 0, 0xFFFFFFFF, remote); }
    void requireExtended(uint8_t extended) { requireField(kHeadWord, PackedFrame::kExtendedShift, 0xFF, extended); }
    void requireLength(uint8_t length) { requireField(kHeadWord, PackedFrame::kLengthShift, 0xFF, length); }

    void requireIdentifierBits(uint32_t mask, uint32_t bits) {
        requireField(kIdentifierWord, 0, mask, bits & mask);
    }
    // (identifier >> shift) & widthMask must equal `value`.
    void requireIdentifierField(int shift, uint32_t widthMask, uint32_t value) {
        requireField(kIdentifierWord, shift, widthMask, value);
    }

    // Data byte `index` must be within the frame's length and equal `value`.
    void requireDataByte(int index, uint8_t value) {
        requireField(kHeadWord, PackedFrame::kAbsentBytesShift + index, 1, 0);
        requireStoredByte(index, 0xFF, value);
    }
    // The DeviceNet MAC ID carried in the low six bits of data byte 0, read
    // whatever the length says, as the list reads it.
    void requireByte0MacId(uint32_t macId) { requireStoredByte(0, 0x3F, macId); }

private:
    // The bits in `byteMask` of stored data byte `index` must equal `value`.
    void requireStoredByte(int index, uint8_t byteMask, uint32_t value) {
        const int word = index < 4 ? kIdentifierWord : kTailWord;
        const int shift = index < 4 ? PackedFrame::kData0Shift + 8 * index : 8 * (index - 4);
        requireField(word, shift, byteMask, value);
    }

    MaskTerm term_;
    bool possible_ = true;
};

bool has(const FilterCondition& condition, uint32_t flag) { return (condition.flags & flag) != 0; }

class Compiler {
public:
    explicit Compiler(std::vector<MaskTerm>& terms) : terms_(terms) {}

    void add(const FilterCondition& condition) {
        TermBuilder base;
        addLengthAndData(base, condition);
        if (has(condition, FC_CAN))
            addCan(base, condition);
        else if (has(condition, FC_DEVICENET))
            addDeviceNet(base, condition);
        else
            addCanopen(base, condition);
    }

private:
    void emit(const TermBuilder& builder) {
        if (builder.isPossible())
            terms_.push_back(builder.term());
    }

    static void addLengthAndData(TermBuilder& term, const FilterCondition& condition) {
        if (has(condition, FC_LENGTH))
            term.requireLength(condition.frame.length);
        for (int i = 0; i < kMaxDataBytes; ++i) {
            if (has(condition, dataByteFlag(i)))
                term.requireDataByte(i, condition.frame.data[i]);
        }
    }

    void addCan(TermBuilder term, const FilterCondition& condition) {
        if (has(condition, FC_FRAMEFORMAT))
            term.requireExtended(condition.frame.extended);
        term.requireRemote(condition.frame.remote);
        if (has(condition, FC_ID_ADVANCED))
            term.requireIdentifierBits(condition.idMask & kAdvancedIdentifierBits, condition.idBits);
        else if (has(condition, FC_ID_CUSTOM))
            term.requireIdentifierField(0, 0xFFFFFFFF, condition.frame.identifier);
        emit(term);
    }

    void addCanopen(TermBuilder term, const FilterCondition& condition) {
        if (has(condition, FC_FRAMEFORMAT))
            term.requireExtended(0);
        term.requireRemote(condition.frame.remote);
        if (has(condition, FC_COP_COBID))
            term.requireIdentifierField(0, 0xFFFFFFFF, condition.cobId);
        if (has(condition, FC_COP_FCODE))
            term.requireIdentifierField(7, 0x1FFFFFF, condition.functionCode);
        if (has(condition, FC_COP_NODEID))
            term.requireIdentifierField(0, 0x7F, condition.nodeId);
        emit(term);
    }

    void addDeviceNet(TermBuilder term, const FilterCondition& condition) {
        term.requireExtended(0);
        term.requireRemote(0);
        if (has(condition, FC_DN_GROUP1))
            addGroup1(term, condition);
        else if (has(condition, FC_DN_GROUP2))
            addGroup2(term, condition);
        else if (has(condition, FC_DN_GROUP3))
            addGroup3(term, condition);
        else
            addGroup4(term, condition);
    }

    void addGroup1(TermBuilder term, const FilterCondition& condition) {
        term.requireIdentifierField(10, 1, 0);
        if (has(condition, FC_DN_MSGID))
            term.requireIdentifierField(6, 0xF, condition.messageId);
        if (has(condition, FC_DN_SRCMAC))
            term.requireIdentifierField(0, 0x3F, condition.sourceMacId);
        if (has(condition, FC_DN_DSTMAC))
            term.requireByte0MacId(condition.destMacId);
        emit(term);
    }

    // The MAC ID tests depend on the frame's message ID, so a condition with
    // MAC IDs becomes one term per message ID whose table cell can match.
    void addGroup2(TermBuilder term, const FilterCondition& condition) {
        term.requireIdentifierField(9, 0x3, 0x2);
        if (has(condition, FC_DN_MSGID))
            term.requireIdentifierField(0, 0x7, condition.messageId);
        const bool source = has(condition, FC_DN_SRCMAC);
        const bool destination = has(condition, FC_DN_DSTMAC);
        if (!source && !destination) {
            emit(term);
            return;
        }
        const uint32_t src = condition.sourceMacId;
        const uint32_t dst = condition.destMacId;
        for (uint32_t m = 0; m < 8; ++m) {
            TermBuilder row = term;
            row.requireIdentifierField(0, 0x7, m);
            switch (m) {
            case 0:
            case 1:
                if (destination)
                    continue;
                row.requireIdentifierField(3, 0x3F, src);
                break;
            case 2:
            case 5:
                if (source)
                    continue;
                row.requireIdentifierField(3, 0x3F, dst);
                break;
            case 3:
                if (source)
                    row.requireIdentifierField(3, 0x3F, src);
                if (destination)
                    row.requireByte0MacId(dst);
                break;
            case 4:
            case 6:
                if (source)
                    row.requireByte0MacId(src);
                if (destination)
                    row.requireIdentifierField(3, 0x3F, dst);
                break;
            default:
                if (source)
                    row.requireIdentifierField(3, 0x3F, src);
                if (destination)
                    row.requireIdentifierField(3, 0x3F, dst);
                break;
            }
            emit(row);
        }
    }

    // Group 3 excludes message ID 7, which is group 4: the message ID bits
    // must not all be set, so one term per bit that is clear.
    void addGroup3(TermBuilder term, const FilterCondition& condition) {
        term.requireIdentifierField(9, 0x3, 0x3);
        if (has(condition, FC_DN_MSGID))
            term.requireIdentifierField(6, 0x7, condition.messageId);
        if (has(condition, FC_DN_SRCMAC))
            term.requireIdentifierField(0, 0x3F, condition.sourceMacId);
        if (has(condition, FC_DN_DSTMAC)) {
            term.requireByte0MacId(condition.destMacId);
            for (uint32_t messageId : {5u, 6u}) {
                TermBuilder withMessageId = term;
                withMessageId.requireIdentifierField(6, 0x7, messageId);
                emit(withMessageId);
            }
            return;
        }
        for (int bit = 6; bit <= 8; ++bit) {
            TermBuilder withBitClear = term;
            withBitClear.requireIdentifierField(bit, 1, 0);
            emit(withBitClear);
        }
    }

    void addGroup4(TermBuilder term, const FilterCondition& condition) {
        term.requireIdentifierField(6, 0x1F, 0x1F);
        if (has(condition, FC_DN_MSGID))
            term.requireIdentifierField(0, 0x3F, condition.messageId);
        emit(term);
    }

    std::vector<MaskTerm>& terms_;
};

}  // namespace

CompiledConditions::CompiledConditions(std::span<const FilterCondition> conditions) {
    Compiler compiler(terms_);
    for (const FilterCondition& condition : conditions) {
        if (!has(condition, FC_ENABLED))
            continue;
        ++enabledCount_;
        compiler.add(condition);
    }
}
