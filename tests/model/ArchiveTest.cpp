#include <gtest/gtest.h>

#include "model/Archive.h"
#include "model/ProjectContent.h"
#include "model/Sound.h"

namespace {

std::vector<uint8_t> Written(const std::string& s)
{
    ArchiveWriter w;
    w.writeString(s);
    return w.bytes();
}

std::string ReadBack(const std::vector<uint8_t>& bytes)
{
    ArchiveReader r(bytes.data(), bytes.size());
    return r.readString();
}

std::vector<uint8_t> Prefix(const std::vector<uint8_t>& bytes, size_t n)
{
    return std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(n));
}

}  // namespace

TEST(ArchiveString, PrefixGrowsAtEachBoundary)
{
    struct Case {
        size_t length;
        std::vector<uint8_t> prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        const std::string s(c.length, 'x');
        const auto bytes = Written(s);
        EXPECT_EQ(bytes.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(Prefix(bytes, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(ReadBack(bytes), s) << c.length;
    }
}

// "Aé€😀" in UTF-16LE, with the short, the long and the longest length
// forms, comes back as UTF-8; lengths beyond the data are refused.
TEST(ArchiveString, ReadsWideStringsAndRefusesLengthsBeyondTheData)
{
    const std::vector<uint8_t> text = {0x41, 0x00, 0xE9, 0x00, 0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE};
    const auto wide = [&text](std::vector<uint8_t> length) {
        length.insert(length.end(), text.begin(), text.end());
        return length;
    };
    const std::string utf8 = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
    EXPECT_EQ(ReadBack(wide({0xFF, 0xFE, 0xFF, 0x05})), utf8);
    EXPECT_EQ(ReadBack(wide({0xFF, 0xFE, 0xFF, 0xFF, 0x05, 0x00})), utf8);
    EXPECT_EQ(ReadBack({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x41, 0x00}), "A");

    for (const std::vector<uint8_t>& bytes : std::vector<std::vector<uint8_t>>{
             {0x05, 'a', 'b'},
             {0xFF, 0x00, 0x01},
             {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
             {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
             {0xFF},
         })
        EXPECT_THROW(ReadBack(bytes), ArchiveError);
}

TEST(ArchiveRecord, LibraryEntryIs67Bytes)
{
    CSound s;
    s.kind = 1;
    s.name = "a.wav";
    s.path = "C:\\P\\X.winproj\\X.winproj.sound\\a.wav";
    s.sampleRate = 8000;
    s.lengthMs = 1000;
    ASSERT_EQ(s.path.size(), 36u);
    ArchiveWriter w;
    s.Serialize(w);
    std::vector<uint8_t> expected = {0x01, 0, 0, 0, 36};
    expected.insert(expected.end(), s.path.begin(), s.path.end());
    expected.push_back(5);
    expected.insert(expected.end(), s.name.begin(), s.name.end());
    for (uint8_t b : {0x40, 0x1F, 0, 0, 0x10, 0, 0, 0, 0, 0, 0, 0, 0xE8, 0x03, 0, 0, 0, 0, 0, 0})
        expected.push_back(b);
    EXPECT_EQ(w.bytes(), expected);
    EXPECT_EQ(w.bytes().size(), 67u);

    ArchiveReader r(w.bytes().data(), w.bytes().size());
    CSound back;
    back.Serialize(r);
    EXPECT_EQ(back, s);
}

TEST(ArchiveList, ReadingAppendsAndNegativeCountIsEmpty)
{
    CSoundList source;
    source.append(CSound::Silence(20));
    ArchiveWriter w;
    source.Serialize(w);

    CSoundList target;
    target.append(CSound::Silence(10));
    ArchiveReader r(w.bytes().data(), w.bytes().size());
    target.Serialize(r);
    ASSERT_EQ(target.count(), 2);
    EXPECT_EQ(target.at(0)->lengthMs, 10);
    EXPECT_EQ(target.at(1)->lengthMs, 20);

    const std::vector<uint8_t> negative = {0xFF, 0xFF, 0xFF, 0xFF};
    ArchiveReader rn(negative.data(), negative.size());
    CSoundList empty;
    empty.Serialize(rn);
    EXPECT_TRUE(empty.empty());

    // A huge count with too few records ends at the end of the data.
    const std::vector<uint8_t> huge = {0xFF, 0xFF, 0xFF, 0x7F, 0x00};
    ArchiveReader rh(huge.data(), huge.size());
    EXPECT_THROW(empty.Serialize(rh), ArchiveError);
}

TEST(ArchiveHeader, WrongTagSchemaOrClassIsRejected)
{
    auto header = [](std::string name, uint16_t schema, uint16_t tag) {
        ArchiveWriter w;
        w.writeUInt16(tag);
        w.writeUInt16(schema);
        w.writeUInt16(static_cast<uint16_t>(name.size()));
        for (char c : name)
            w.writeUInt8(static_cast<uint8_t>(c));
        return w.bytes();
    };
    auto accepts = [](const std::vector<uint8_t>& bytes) {
        ArchiveReader r(bytes.data(), bytes.size());
        r.readObjectHeader("CKey");
        return r.remaining() == 0;
    };
    EXPECT_TRUE(accepts(header("CKey", 1, 0xFFFF)));
    EXPECT_THROW(accepts(header("CSound", 1, 0xFFFF)), ArchiveError);
    EXPECT_THROW(accepts(header("CKey", 2, 0xFFFF)), ArchiveError);
    EXPECT_THROW(accepts(header("CKey", 1, 0x8001)), ArchiveError);
    EXPECT_THROW(accepts(header("CKe", 1, 0xFFFF)), ArchiveError);
    auto truncated = header("CKey", 1, 0xFFFF);
    truncated.pop_back();
    EXPECT_THROW(accepts(truncated), ArchiveError);
}
