#include <gtest/gtest.h>

#include "compiler/BinLayout.h"
#include "compiler/CompileFixture.h"

namespace {

// The head of a BIN made with the given options and default keys.
std::vector<uint8_t> Head(const COptions& options, const CKey& key = {}, const CEquation& equation = {})
{
    std::vector<uint8_t> head(kSoundData, 0);
    std::array<CSoundList, kEquationCount> equations;
    WriteHead(head, options, key, equation, equations, CSoundList(), 32);
    return head;
}

}  // namespace

TEST(BinLayout, SilenceTokens)
{
    EXPECT_EQ(SilenceTokens(10), Bytes({0x80, 0x0A}));
    EXPECT_EQ(SilenceTokens(250), Bytes({0x80, 0xFA}));
    EXPECT_EQ(SilenceTokens(300), Bytes({0x80, 0xFA, 0x80, 0x32}));
    EXPECT_EQ(SilenceTokens(1000), Bytes({0x81, 0x01}));
    EXPECT_EQ(SilenceTokens(2600), Bytes({0x81, 0x02, 0x80, 0xFA, 0x80, 0xFA, 0x80, 0x64}));
    EXPECT_TRUE(SilenceTokens(0).empty());
}

TEST(BinLayout, EquationSlots)
{
    CSoundList library;
    CSound a;
    a.kind = CSound::kSoundFile;
    a.path = "/s/a.wav";
    library.append(a);
    library.append(a);  // a second entry with the same path: the first wins
    CSound b = a;
    b.path = "/s/B.wav";
    library.append(b);
    const LibraryIndex index = IndexLibrary(library);

    CSoundList equation;
    CSound upper = a;
    upper.path = "/s/A.wav";  // paths compare case-sensitively
    equation.append(b);
    equation.append(a);
    equation.append(upper);
    EquationSlot slot = EncodeEquation(equation, index);
    EXPECT_FALSE(slot.cut);
    EXPECT_EQ(std::vector<uint8_t>(slot.bytes.begin(), slot.bytes.begin() + 10),
              Bytes({0x44, 0x00, 0x02, 0x44, 0x00, 0x00, 0x44, 0x01, 0xFD, 0xFF}));

    // 84 sounds and two silences fill the slot to the last byte.
    CSoundList full;
    for (int i = 0; i < 84; ++i)
        full.append(b);
    full.append(CSound::Silence(10));
    full.append(CSound::Silence(20));
    EXPECT_FALSE(EncodeEquation(full, index).cut);
    full.append(CSound::Silence(30));
    slot = EncodeEquation(full, index);
    EXPECT_TRUE(slot.cut);
    EXPECT_EQ(slot.bytes[254], 0x80);
    EXPECT_EQ(slot.bytes[255], 20);

    // A sound that no longer fits is dropped whole, never split.
    CSoundList almost;
    for (int i = 0; i < 127; ++i)
        almost.append(CSound::Silence(10));
    almost.append(b);
    slot = EncodeEquation(almost, index);
    EXPECT_TRUE(slot.cut);
    EXPECT_EQ(slot.bytes[254], 0xFF);
    EXPECT_EQ(slot.bytes[255], 0xFF);
}

TEST(BinLayout, KeyTablesOfEveryControlMode)
{
    CKey key;
    CEquation equation;
    for (int k = 0; k < kKeyCount; ++k) {
        key.keyFunction[k] = k % 15;
        equation.equationNumber[k] = 100 + k;
    }
    key.keyFunction[4] = 15;  // not a function code
    COptions o;
    o.controlMode = kKeyMode;
    std::vector<uint8_t> h = Head(o, key, equation);
    EXPECT_EQ(h[2], 5);
    EXPECT_EQ(Slice(h, 8, 20), Bytes({0, 100, 1, 101, 2, 102, 3, 103, 0xFF, 104, 5, 105, 6, 106, 7, 107, 8, 108,
                                      9, 109}));

    o.controlMode = kOneLine;
    h = Head(o, key, equation);
    EXPECT_EQ(h[2], 2);
    EXPECT_EQ(Slice(h, 8, 20), Bytes({0, 100, 1, 101, 2, 102, 0xFF, 0xFF, 0xFF, 104, 5, 105, 6, 106, 7, 107, 8,
                                      108, 9, 109}));

    o.controlMode = kThreeLine;
    h = Head(o, key, equation);
    EXPECT_EQ(h[2], 3);
    EXPECT_EQ(Slice(h, 8, 20), Bytes({0, 100, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 104, 5, 105, 6, 106, 7, 107,
                                      8, 108, 9, 109}));

    o.controlMode = kMp3;
    h = Head(o, key, equation);
    EXPECT_EQ(h[2], 4);
    EXPECT_EQ(Slice(h, 8, 22), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 7, 107,
                                      8, 108, 9, 109, 0, 0, 1, 0}));

    o.controlMode = kParallelPort;
    h = Head(o, key, equation);
    EXPECT_EQ(h[2], 11);
    EXPECT_EQ(Slice(h, 8, 23), Bytes({0, 100, 100, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 6}));

    o.controlMode = kExtended;
    h = Head(o, key, equation);
    EXPECT_EQ(h[2], 7);
    EXPECT_EQ(Slice(h, 8, 20), std::vector<uint8_t>(20, 0));

    o.controlMode = kMatrix3x8;
    h = Head(o, key, equation);
    EXPECT_EQ(h[2], 8);
    EXPECT_EQ(Slice(h, 8, 20), std::vector<uint8_t>(20, 0));
    for (int k = 0; k < kKeyCount; ++k)
        EXPECT_EQ(h[0x10A + k], 100 + k);
    EXPECT_EQ(h[0x122], 0);

    // Only the matrix mode writes the matrix table.
    o.controlMode = kKeyMode;
    EXPECT_EQ(Head(o, key, equation)[0x10A], 0);

    // External mode shifts the table by two bytes; Parallel port's 21 bytes
    // then reach the flash-size code, which wins.
    o.controlMode = kParallelPort;
    o.externalMode = 1;
    h = Head(o, key, equation);
    EXPECT_EQ(Slice(h, 8, 5), Bytes({0xFF, 0xFF, 0, 100, 100}));
    EXPECT_EQ(Slice(h, 28, 4), Bytes({1, 0xFF, 6, 0}));
}

TEST(BinLayout, HeaderOptionsAndCounts)
{
    COptions o;
    o.soundOutput = 1;
    o.busyLevel = 0;
    o.pullHigh = 7;
    std::vector<uint8_t> h = Head(o);
    EXPECT_EQ(Slice(h, 0, 8), Bytes({0xFF, 0x08, 0x02, 0xFF, 0x00, 0xFF, 0x01, 0x01}));

    std::array<CSoundList, kEquationCount> equations;
    for (CSoundList& e : equations)
        e.append(CSound::Silence(10));
    for (int megabits : {64, 32, 16, 8, 4, 2}) {
        std::vector<uint8_t> head(kSoundData, 0);
        WriteHead(head, o, CKey(), CEquation(), equations, CSoundList(), megabits);
        EXPECT_EQ(head[28], 0xDD);
        EXPECT_EQ(head[30], FlashSizeCode(megabits));
    }
    EXPECT_EQ(FlashSizeCode(64), 7);
    EXPECT_EQ(FlashSizeCode(2), 2);
}

TEST(BinLayout, AddressesRatesPaddingAndAdvice)
{
    EXPECT_EQ(BankedAddress(0x17FF0), (std::array<uint8_t, 3>{0xF0, 0xFF, 0x82}));
    EXPECT_EQ(BankedAddress(0x20000), (std::array<uint8_t, 3>{0x00, 0x80, 0x84}));
    EXPECT_EQ(BankedAddress(0x400000), (std::array<uint8_t, 3>{0x00, 0x80, 0x00}));

    EXPECT_EQ(RateCode(22000), (std::array<uint8_t, 2>{0x10, 0xB9}));
    EXPECT_EQ(RateCode(4000), (std::array<uint8_t, 2>{0x90, 0xFF}));
    EXPECT_EQ(RateCode(22050), (std::array<uint8_t, 2>{0x90, 0x7F}));

    EXPECT_EQ(PaddedLength(0x20768), 0x40000u);
    EXPECT_EQ(PaddedLength(0x3FFFF), 0x40000u);
    EXPECT_EQ(PaddedLength(0x40000), 0x80000u);
    EXPECT_EQ(PaddedLength(0x7FFFFF), 0x800000u);
    EXPECT_EQ(PaddedLength(0x800000), 0x800000u);
    EXPECT_EQ(PaddedLength(0x900001), 0x900001u);

    bool application = true;
    EXPECT_EQ(FitAdvice(0x40000, 2, &application), "");
    EXPECT_FALSE(application);
    EXPECT_EQ(FitAdvice(0x80000, 2, &application), "Bin File don't fit in flash! Pls select 4M flash");
    EXPECT_EQ(FitAdvice(0x80001, 2, &application), "Bin File don't fit in flash! Pls select 8M flash");
    EXPECT_EQ(FitAdvice(0x400000, 16, &application), "Bin File don't fit in flash! Pls select 32M flash");
    EXPECT_EQ(FitAdvice(0x800000, 32, &application), "Bin File don't fit in flash! Pls select 64M flash");
    EXPECT_EQ(FitAdvice(0x800000, 64, &application), "");
    EXPECT_EQ(FitAdvice(0x800001, 64, &application), "Bin File don't dit in flash");
    EXPECT_TRUE(application);
}
