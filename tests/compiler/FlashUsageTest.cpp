#include <gtest/gtest.h>

#include "compiler/FlashUsage.h"

TEST(FlashUsage, TextsAndFlashSizes)
{
    CSoundList library;
    EXPECT_EQ(ComputeFlashUsage(library, 32).percent, "3.17 % flash used");
    // 61 seconds at 8000 Hz overfill 2M: not capped, and the flash size
    // changes only the percentage.
    const CSound s{.kind = CSound::kSoundFile, .path = {}, .name = {}, .sampleRate = 8000, .lengthMs = 1000};
    for (int i = 0; i < 61; ++i)
        library.append(s);
    EXPECT_EQ(ComputeFlashUsage(library, 2).percent, "169.43 % flash used");
    for (int megabits : {2, 64})
        EXPECT_EQ(ComputeFlashUsage(library, megabits).total, "61000 msec. total");
    EXPECT_EQ(std::tuple(FlashMegabitsAt(5), FlashMegabitsAt(6), FlashMegabitsAt(-1), FlashMegabitsNamed("8M"),
                         FlashMegabitsNamed("8m")),
              std::tuple(std::optional(2), std::nullopt, std::nullopt, std::optional(8), std::nullopt));
}
