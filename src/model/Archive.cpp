#include "model/Archive.h"

#include <QString>

namespace {
constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kWideMarker = 0xFFFE;
}  // namespace

void ArchiveWriter::writeUInt16(uint16_t v)
{
    bytes_.push_back(static_cast<uint8_t>(v));
    bytes_.push_back(static_cast<uint8_t>(v >> 8));
}

void ArchiveWriter::writeUInt32(uint32_t v)
{
    writeUInt16(static_cast<uint16_t>(v));
    writeUInt16(static_cast<uint16_t>(v >> 16));
}

void ArchiveWriter::writeString(std::string_view s)
{
    const size_t n = s.size();
    if (n < 0xFF) {
        writeUInt8(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        writeUInt8(0xFF);
        writeUInt16(static_cast<uint16_t>(n));
    } else {
        writeUInt8(0xFF);
        writeUInt16(0xFFFF);
        writeUInt32(static_cast<uint32_t>(n));
    }
    bytes_.insert(bytes_.end(), s.begin(), s.end());
}

void ArchiveWriter::writeObjectHeader(std::string_view className, uint16_t schema)
{
    writeUInt16(kNewClassTag);
    writeUInt16(schema);
    writeUInt16(static_cast<uint16_t>(className.size()));
    bytes_.insert(bytes_.end(), className.begin(), className.end());
}

void ArchiveReader::require(uint64_t n, const char* what) const
{
    if (n > remaining())
        throw ArchiveError(std::string("the file ends inside ") + what + " at byte " + std::to_string(pos_));
}

uint8_t ArchiveReader::readUInt8()
{
    require(1, "a value");
    return data_[pos_++];
}

uint16_t ArchiveReader::readUInt16()
{
    require(2, "a value");
    const uint16_t v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

uint32_t ArchiveReader::readUInt32()
{
    require(4, "a value");
    const uint32_t v = static_cast<uint32_t>(data_[pos_]) | (static_cast<uint32_t>(data_[pos_ + 1]) << 8) |
                       (static_cast<uint32_t>(data_[pos_ + 2]) << 16) |
                       (static_cast<uint32_t>(data_[pos_ + 3]) << 24);
    pos_ += 4;
    return v;
}

std::string ArchiveReader::readString()
{
    bool wide = false;
    uint64_t length = readUInt8();
    if (length == 0xFF) {
        uint16_t w = readUInt16();
        if (w == kWideMarker) {
            wide = true;
            length = readUInt8();
            if (length == 0xFF)
                w = readUInt16();
        }
        if (length == 0xFF)
            length = (w < 0xFFFF) ? w : readUInt32();
    }
    if (wide)
        return readWideString(length);
    require(length, "a string");
    std::string s(reinterpret_cast<const char*>(data_ + pos_), static_cast<size_t>(length));
    pos_ += static_cast<size_t>(length);
    return s;
}

std::string ArchiveReader::readWideString(uint64_t length)
{
    require(2 * length, "a wide string");
    std::u16string units(static_cast<size_t>(length), u'\0');
    for (auto& unit : units)
        unit = readUInt16();
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size())).toStdString();
}

void ArchiveReader::readObjectHeader(std::string_view className)
{
    const size_t start = pos_;
    if (readUInt16() != kNewClassTag)
        throw ArchiveError("no object header at byte " + std::to_string(start));
    const uint16_t schema = readUInt16();
    const uint16_t nameLength = readUInt16();
    require(nameLength, "a class name");
    const std::string_view name(reinterpret_cast<const char*>(data_ + pos_), nameLength);
    pos_ += nameLength;
    if (name != className)
        throw ArchiveError("expected a " + std::string(className) + " record at byte " + std::to_string(start) +
                           ", found \"" + std::string(name) + "\"");
    if (schema != 1)
        throw ArchiveError("the " + std::string(className) + " record has schema " + std::to_string(schema) +
                           ", not 1");
}
