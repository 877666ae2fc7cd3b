#include <cmath>

#include <gtest/gtest.h>

#include "cli/JsonWriter.h"

TEST(JsonString, EscapesWithoutDroppingBytes)
{
    EXPECT_EQ(JsonString("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
    EXPECT_EQ(JsonString("caf\xC3\xA9"), "\"caf\xC3\xA9\"");
    // Latin-1 bytes, a cut sequence, an overlong form and an encoded surrogate.
    EXPECT_EQ(JsonString("b\xE9"), "\"b\\udce9\"");
    EXPECT_EQ(JsonString("\xE2\x82"), "\"\\udce2\\udc82\"");
    EXPECT_EQ(JsonString("\xC0\xAF"), "\"\\udcc0\\udcaf\"");
    EXPECT_EQ(JsonString("\xED\xA0\x80"), "\"\\udced\\udca0\\udc80\"");
}

TEST(JsonNumber, ShortestRoundTripAndNoNonFinite)
{
    EXPECT_EQ(JsonNumber(22050), "22050");
    EXPECT_EQ(JsonNumber(1.2345), "1.2345");
    EXPECT_EQ(JsonNumber(-0.5), "-0.5");
    EXPECT_EQ(JsonNumber(std::nan("")), "0");
    EXPECT_EQ(JsonNumber(HUGE_VAL), "0");
}
