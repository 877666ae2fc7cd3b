#include <gtest/gtest.h>

#include "model/Archive.h"
#include "model/ProjectContent.h"
#include "model/Sound.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::string ReadBack(const Bytes& bytes) { return ArchiveReader(bytes.data(), bytes.size()).readString(); }

}  // namespace

TEST(ArchiveString, PrefixGrowsAtEachBoundary)
{
    const std::pair<size_t, Bytes> cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& [length, prefix] : cases) {
        const std::string s(length, 'x');
        ArchiveWriter w;
        w.writeString(s);
        Bytes expected = prefix;
        expected.insert(expected.end(), s.begin(), s.end());
        EXPECT_EQ(w.bytes(), expected) << length;
        EXPECT_EQ(ReadBack(w.bytes()), s) << length;
    }
}

// "Aé€😀" in UTF-16LE, with the short, the long and the longest length
// forms, comes back as UTF-8; lengths beyond the data are refused.
TEST(ArchiveString, ReadsWideStringsAndRefusesLengthsBeyondTheData)
{
    const Bytes text = {0x41, 0x00, 0xE9, 0x00, 0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE};
    const auto wide = [&text](Bytes length) {
        length.insert(length.end(), text.begin(), text.end());
        return length;
    };
    const std::string utf8 = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
    EXPECT_EQ(ReadBack(wide({0xFF, 0xFE, 0xFF, 0x05})), utf8);
    EXPECT_EQ(ReadBack(wide({0xFF, 0xFE, 0xFF, 0xFF, 0x05, 0x00})), utf8);
    EXPECT_EQ(ReadBack({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x41, 0x00}), "A");

    for (const Bytes& bytes : std::vector<Bytes>{{0x05, 'a', 'b'}, {0xFF, 0x00, 0x01}, {0xFF},
                                                 {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                                                 {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}})
        EXPECT_THROW(ReadBack(bytes), ArchiveError);
}

TEST(ArchiveRecord, LibraryEntryIs67Bytes)
{
    const CSound s{.kind = 1, .path = "C:\\P\\X.winproj\\X.winproj.sound\\a.wav", .name = "a.wav", .sampleRate = 8000,
                   .lengthMs = 1000};
    ArchiveWriter w;
    s.Serialize(w);
    const std::string expected = std::string("\x01\0\0\0\x24", 5) + s.path + "\x05" + s.name +
                                 std::string("\x40\x1F\0\0\x10\0\0\0\0\0\0\0\xE8\x03\0\0\0\0\0\0", 20);
    ASSERT_EQ(std::string(w.bytes().begin(), w.bytes().end()), expected);
    EXPECT_EQ(expected.size(), 67u);

    ArchiveReader r(w.bytes().data(), w.bytes().size());
    CSound back;
    back.Serialize(r);
    EXPECT_EQ(back, s);
}

TEST(ArchiveHeader, WrongTagSchemaOrClassIsRejected)
{
    const auto accepts = [](std::string name, uint16_t schema, uint16_t tag, bool truncated = false) {
        ArchiveWriter w;
        w.writeUInt16(tag);
        w.writeUInt16(schema);
        w.writeUInt16(static_cast<uint16_t>(name.size()));
        for (char c : name)
            w.writeUInt8(static_cast<uint8_t>(c));
        ArchiveReader r(w.bytes().data(), w.bytes().size() - (truncated ? 1 : 0));
        r.readObjectHeader("CKey");
        return r.remaining() == 0;
    };
    EXPECT_TRUE(accepts("CKey", 1, 0xFFFF));
    EXPECT_THROW(accepts("CSound", 1, 0xFFFF), ArchiveError);
    EXPECT_THROW(accepts("CKey", 2, 0xFFFF), ArchiveError);
    EXPECT_THROW(accepts("CKey", 1, 0x8001), ArchiveError);
    EXPECT_THROW(accepts("CKe", 1, 0xFFFF), ArchiveError);
    EXPECT_THROW(accepts("CKey", 1, 0xFFFF, true), ArchiveError);
}
