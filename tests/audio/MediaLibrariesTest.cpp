#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "audio/MediaLibraries.h"

// A stand-in whose library name or function name is wrong only fails when a
// user first plays, loads or speaks a sound that reaches it; check them all.
TEST(MediaLibraries, EveryStandInFindsItsRealFunction)
{
    EXPECT_THAT(MissingMediaFunctions(), testing::IsEmpty());
}
