#include <gtest/gtest.h>

#include "app/ViewRows.h"
#include "model/Sound.h"

namespace {

CSound Sound(const std::string& name, int rate, int bits, int stereo, int lengthMs)
{
    return {.kind = CSound::kSoundFile, .path = "/p/" + name, .name = name, .sampleRate = rate, .bits = bits,
            .stereo = stereo, .lengthMs = lengthMs};
}

// Plain rows are checked on the whole-program road; here the texts it never shows.
TEST(ViewRows, RowTextsOfStereoDamagedAndSilentEntries)
{
    EXPECT_EQ(LibraryRowTexts(509, Sound("b.wav", 22000, 8, 1, 0)),
              (std::array<std::string, 6>{"510", "b.wav", "22000 Hz", "8 Bit", "STEREO", "0 ms"}));
    // The flag reads STEREO only when it is exactly 1.
    EXPECT_EQ(LibraryRowTexts(0, Sound("c.wav", 8000, 16, 2, 5))[4], "MONO");
    EXPECT_EQ(LibraryRowTexts(0, Sound("c.wav", 8000, 16, -1, 5))[4], "MONO");
    CSound odd = Sound("odd.wav", 8000, 16, 0, 1);
    odd.kind = 7;  // a damaged file's kind still reads as a sound
    EXPECT_EQ(PlaylistRowTexts(0, odd)[1], "SOUND");
    for (const auto& [lengthMs, text] : std::vector<std::pair<int, std::string>>{
             {990, "990 ms"}, {1000, "1 s"}, {1500, "1500 ms"}, {10000, "10 s"}, {0, "0 ms"}})
        EXPECT_EQ(SilenceLengthText(lengthMs), text);
}

}  // namespace
