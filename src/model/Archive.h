#pragma once
// Byte-level reading and writing of the project archive: little-endian
// integers, length-prefixed strings and the new-class object header.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Raised by ArchiveReader when the bytes do not form a readable archive.
class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ArchiveWriter {
public:
    void writeUInt8(uint8_t v) { bytes_.push_back(v); }
    void writeUInt16(uint16_t v);
    void writeUInt32(uint32_t v);
    void writeInt32(int32_t v) { writeUInt32(static_cast<uint32_t>(v)); }
    // The length prefix grows with the string: 1, 3 or 7 bytes.
    void writeString(std::string_view s);
    void writeObjectHeader(std::string_view className, uint16_t schema = 1);

    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

// Reads from a byte buffer it does not own. Every length and count is checked
// against the bytes left before anything is allocated or read.
class ArchiveReader {
public:
    ArchiveReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t readUInt8();
    uint16_t readUInt16();
    uint32_t readUInt32();
    int32_t readInt32() { return static_cast<int32_t>(readUInt32()); }
    // Byte strings are returned as stored; wide strings as UTF-8.
    std::string readString();
    // Throws unless the header carries the new-class tag, schema 1 and
    // exactly `className`.
    void readObjectHeader(std::string_view className);

    size_t position() const { return pos_; }
    size_t remaining() const { return size_ - pos_; }

private:
    void require(uint64_t n, const char* what) const;
    std::string readWideString(uint64_t length);

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};
