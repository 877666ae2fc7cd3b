#include <gtest/gtest.h>

#include "compiler/FlashUsage.h"

TEST(FlashUsage, Texts)
{
    CSoundList library;
    FlashUsageTexts t = ComputeFlashUsage(library, 32);
    EXPECT_EQ(t.total, "0 msec. total");
    EXPECT_EQ(t.percent, "3.17 % flash used");

    // One second at 8000 Hz adds 41,353.8 bits and takes one silence slot.
    CSound s;
    s.kind = CSound::kSoundFile;
    s.sampleRate = 8000;
    s.lengthMs = 1000;
    library.append(s);
    t = ComputeFlashUsage(library, 2);
    const double bits = 786304 + 8000.0 / 65 * 42 * 8 + 509 * 544;
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.2f %% flash used", bits / (2 * 1048576.0) * 100);
    EXPECT_EQ(t.percent, expected);
    EXPECT_EQ(t.total, "1000 msec. total");

    // Not capped, and the flash size changes only the percentage.
    for (int i = 0; i < 60; ++i)
        library.append(s);
    EXPECT_EQ(ComputeFlashUsage(library, 2).percent, "169.43 % flash used");
    EXPECT_EQ(ComputeFlashUsage(library, 64).total, ComputeFlashUsage(library, 2).total);
}

TEST(FlashUsage, FlashSizeList)
{
    EXPECT_EQ(FlashMegabitsAt(0), 64);
    EXPECT_EQ(FlashMegabitsAt(kDefaultFlashSizeIndex), 32);
    EXPECT_EQ(FlashMegabitsAt(5), 2);
    EXPECT_EQ(FlashMegabitsAt(6), std::nullopt);
    EXPECT_EQ(FlashMegabitsAt(-1), std::nullopt);
    EXPECT_EQ(FlashMegabitsNamed("8M"), 8);
    EXPECT_EQ(FlashMegabitsNamed("8m"), std::nullopt);
    EXPECT_EQ(FlashMegabitsNamed("128M"), std::nullopt);
}
