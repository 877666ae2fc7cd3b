#include <QString>

#include <gtest/gtest.h>

#include <climits>

#include "dialogs/LeadingInteger.h"

TEST(LeadingInteger, ReadsLikeAtoi)
{
    EXPECT_EQ(ReadLeadingInteger(u"219"), 219);
    EXPECT_EQ(ReadLeadingInteger(u" \t\n-12ab3"), -12);
    EXPECT_EQ(ReadLeadingInteger(u"+7"), 7);
    EXPECT_EQ(ReadLeadingInteger(u"007"), 7);
    EXPECT_EQ(ReadLeadingInteger(u""), 0);
    EXPECT_EQ(ReadLeadingInteger(u"abc"), 0);
    EXPECT_EQ(ReadLeadingInteger(u"- 5"), 0);
    EXPECT_EQ(ReadLeadingInteger(u"0x1A"), 0);
    EXPECT_EQ(ReadLeadingInteger(u"2147483647"), INT_MAX);
    EXPECT_EQ(ReadLeadingInteger(u"-2147483648"), INT_MIN);
}

TEST(LeadingInteger, NumbersBeyondIntStayBeyondIt)
{
    EXPECT_GT(ReadLeadingInteger(u"2147483648"), INT_MAX);
    EXPECT_GT(ReadLeadingInteger(u"4294967296"), INT_MAX);  // would wrap to 0 in 32 bits
    EXPECT_GT(ReadLeadingInteger(QString(400, u'9')), INT_MAX);
    EXPECT_LT(ReadLeadingInteger(u"-4294967297"), INT_MIN);
}
