#include <gtest/gtest.h>

#include "compiler/FlashUsage.h"

TEST(FlashUsage, TextsAndFlashSizes)
{
    CSoundList library;
    const FlashUsageTexts empty = ComputeFlashUsage(library, 32);
    EXPECT_EQ(empty.total, "0 msec. total");
    EXPECT_EQ(empty.percent, "3.17 % flash used");

    // 61 seconds at 8000 Hz overfill 2M: not capped, and the flash size
    // changes only the percentage.
    CSound s;
    s.kind = CSound::kSoundFile;
    s.sampleRate = 8000;
    s.lengthMs = 1000;
    for (int i = 0; i < 61; ++i)
        library.append(s);
    EXPECT_EQ(ComputeFlashUsage(library, 2).percent, "169.43 % flash used");
    EXPECT_EQ(ComputeFlashUsage(library, 64).total, "61000 msec. total");
    EXPECT_EQ(ComputeFlashUsage(library, 2).total, "61000 msec. total");

    EXPECT_EQ(FlashMegabitsAt(5), 2);
    EXPECT_EQ(FlashMegabitsAt(6), std::nullopt);
    EXPECT_EQ(FlashMegabitsAt(-1), std::nullopt);
    EXPECT_EQ(FlashMegabitsNamed("8M"), 8);
    EXPECT_EQ(FlashMegabitsNamed("8m"), std::nullopt);
}
