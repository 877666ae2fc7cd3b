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

TEST(BinLayout, EquationSlots)
{
    const auto list = [](std::initializer_list<CSound> sounds) {
        CSoundList l;
        for (const CSound& s : sounds)
            l.append(s);
        return l;
    };
    const CSound a = SoundNamed("a.wav", 0, "/s"), b = SoundNamed("B.wav", 0, "/s");
    // A second entry with the same path: the first wins.
    const LibraryIndex index = IndexLibrary(list({a, a, b}));
    // Paths compare case-sensitively.
    EquationSlot slot = EncodeEquation(list({b, a, SoundNamed("A.wav", 0, "/s")}), index);
    EXPECT_FALSE(slot.cut);
    EXPECT_EQ(std::vector<uint8_t>(slot.bytes.begin(), slot.bytes.begin() + 10),
              (Bytes{0x44, 0x00, 0x02, 0x44, 0x00, 0x00, 0x44, 0x01, 0xFD, 0xFF}));

    // 84 sounds and two silences fill the slot to the last byte.
    CSoundList full;
    for (int i = 0; i < 84; ++i)
        full.append(b);
    full.append(CSound::Silence(10));
    full.append(CSound::Silence(20));
    EXPECT_FALSE(EncodeEquation(full, index).cut);
    full.append(CSound::Silence(30));
    slot = EncodeEquation(full, index);
    EXPECT_EQ(std::tuple(slot.cut, slot.bytes[254], slot.bytes[255]), std::tuple(true, 0x80, 20));

    // A sound that no longer fits is dropped whole, never split.
    CSoundList almost;
    for (int i = 0; i < 127; ++i)
        almost.append(CSound::Silence(10));
    almost.append(b);
    slot = EncodeEquation(almost, index);
    EXPECT_EQ(std::tuple(slot.cut, slot.bytes[254], slot.bytes[255]), std::tuple(true, 0xFF, 0xFF));
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
    const uint8_t x = 0xFF;
    struct {
        int mode;
        uint8_t code;
        std::vector<uint8_t> table;  // from byte 8
    } const cases[] = {
        {kKeyMode, 5, {0, 100, 1, 101, 2, 102, 3, 103, x, 104, 5, 105, 6, 106, 7, 107, 8, 108, 9, 109}},
        {kOneLine, 2, {0, 100, 1, 101, 2, 102, x, x, x, 104, 5, 105, 6, 106, 7, 107, 8, 108, 9, 109}},
        {kThreeLine, 3, {0, 100, x, x, x, x, x, x, x, 104, 5, 105, 6, 106, 7, 107, 8, 108, 9, 109}},
        {kMp3, 4, {x, x, x, x, x, x, x, x, x, x, x, x, 7, 107, 8, 108, 9, 109, 0, 0, 1, 0}},
        {kParallelPort, 11, {0, 100, 100, x, x, x, x, x, x, x, x, x, x, x, x, x, x, x, x, x, 1, 0, 6}},
        {kExtended, 7, std::vector<uint8_t>(20, 0)},
        {kMatrix3x8, 8, std::vector<uint8_t>(20, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        const std::vector<uint8_t> h = Head({.controlMode = c.mode, .externalBinPath = {}}, key, equation);
        EXPECT_EQ(h[2], c.code);
        EXPECT_EQ(Slice(h, 8, c.table.size()), c.table);
        // Only the matrix mode writes the matrix table.
        for (int k = 0; k < kKeyCount; ++k)
            EXPECT_EQ(h[0x10A + k], c.mode == kMatrix3x8 ? 100 + k : 0) << "key " << k;
        EXPECT_EQ(h[0x10A + kKeyCount], 0);
    }

    // External mode shifts the table by two bytes; Parallel port's 21 bytes
    // then reach the flash-size code, which wins.
    const std::vector<uint8_t> h = Head({.externalMode = 1, .controlMode = kParallelPort, .externalBinPath = {}}, key, equation);
    EXPECT_EQ(Slice(h, 8, 5), (Bytes{0xFF, 0xFF, 0, 100, 100}));
    EXPECT_EQ(Slice(h, 28, 4), (Bytes{1, 0xFF, 6, 0}));
}

TEST(BinLayout, HeaderOptionsAndCounts)
{
    const COptions o{.soundOutput = 1, .busyLevel = 0, .pullHigh = 7, .externalBinPath = {}};
    std::array<CSoundList, kEquationCount> equations;
    for (CSoundList& e : equations)
        e.append(CSound::Silence(10));
    std::vector<uint8_t> head(kSoundData, 0);
    WriteHead(head, o, CKey(), CEquation(), equations, CSoundList(), 16);
    EXPECT_EQ(Slice(head, 0, 8), (Bytes{0xFF, 0x08, 0x02, 0xFF, 0x00, 0xFF, 0x01, 0x01}));
    EXPECT_EQ(head[28], 0xDD);  // every equation in use
    EXPECT_EQ(head[30], 5);
    for (const auto& [megabits, code] : {std::pair{64, 7}, {32, 6}, {16, 5}, {8, 4}, {4, 3}, {2, 2}})
        EXPECT_EQ(FlashSizeCode(megabits), code) << megabits;
}

TEST(BinLayout, AddressesRatesPaddingAndAdvice)
{
    EXPECT_EQ(BankedAddress(0x17FF0), (std::array<uint8_t, 3>{0xF0, 0xFF, 0x82}));
    EXPECT_EQ(BankedAddress(0x20000), (std::array<uint8_t, 3>{0x00, 0x80, 0x84}));
    EXPECT_EQ(BankedAddress(0x400000), (std::array<uint8_t, 3>{0x00, 0x80, 0x00}));

    EXPECT_EQ(RateCode(22000), (std::array<uint8_t, 2>{0x10, 0xB9}));
    EXPECT_EQ(RateCode(4000), (std::array<uint8_t, 2>{0x90, 0xFF}));
    EXPECT_EQ(RateCode(22050), (std::array<uint8_t, 2>{0x90, 0x7F}));

    for (const auto& [length, padded] : {std::pair{0x3FFFFu, 0x40000u}, {0x40000u, 0x80000u}, {0x7FFFFFu, 0x800000u},
                                         {0x800000u, 0x800000u}, {0x900001u, 0x900001u}})
        EXPECT_EQ(PaddedLength(length), padded) << length;

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
