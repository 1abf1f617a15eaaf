// CaptureFileBytes.h: hand-made capture file images for the tests, laid down
// field by field in the order and widths the format gives, little-endian.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

class FileBytes {
public:
    FileBytes& u8(uint8_t value) { return raw(&value, 1); }
    FileBytes& u16(uint16_t value) { return raw(&value, 2); }
    FileBytes& u32(uint32_t value) { return raw(&value, 4); }
    FileBytes& i32(int32_t value) { return raw(&value, 4); }
    FileBytes& f32(float value) { return raw(&value, 4); }
    FileBytes& bytes(std::initializer_list<uint8_t> values) {
        for (uint8_t value : values)
            u8(value);
        return *this;
    }
    FileBytes& zeros(std::size_t count) {
        text_.append(count, '\0');
        return *this;
    }
    FileBytes& append(const std::string& more) {
        text_ += more;
        return *this;
    }
    const std::string& str() const { return text_; }

private:
    FileBytes& raw(const void* value, std::size_t size) {
        text_.append(static_cast<const char*>(value), size);
        return *this;
    }
    std::string text_;
};

// A header with the given version and counts and plain values elsewhere.
inline FileBytes headerBytes(float version, uint32_t records, uint32_t conditions, uint32_t autoItems) {
    FileBytes bytes;
    bytes.f32(version).u32(1).u32(1).u32(0).u32(0).u32(0).u32(500).u32(0).u32(0).i32(0).u32(1).u32(0).i32(-1).u32(1)
        .u32(0).u32(records).u32(conditions).u16(0).u32(0).u32(1).u32(autoItems);
    return bytes;
}

// The two manual buffers as a new document holds them: length 8, all else 0.
inline std::string defaultManualBufferBytes() {
    FileBytes bytes;
    for (int buffer = 0; buffer < 2; ++buffer)
        bytes.u32(0).u32(8).u32(0).u32(0).zeros(32);
    return bytes.str();
}

// A whole file of `records` zero records and nothing else.
inline std::string captureFileBytes(float version, uint32_t records) {
    return headerBytes(version, records, 0, 0).zeros(38 * std::size_t(records)).append(defaultManualBufferBytes()).str();
}
