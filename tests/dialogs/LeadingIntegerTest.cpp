#include <QString>

#include <gtest/gtest.h>

#include <climits>

#include "dialogs/LeadingInteger.h"

// Read as atoi reads; a number beyond int stays beyond it instead of
// wrapping into the range a caller checks.
TEST(LeadingInteger, ReadsLikeAtoiWithoutWrapping)
{
    const std::pair<QString, long long> cases[] = {
        {" \t\n-12ab3", -12}, {"+7", 7},       {"007", 7}, {"", 0}, {"- 5", 0}, {"0x1A", 0},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ReadLeadingInteger(text), value) << text.toStdString();
    for (const QString& beyond : {QString("2147483648"), QString("4294967296"), QString(400, u'9')})
        EXPECT_GT(ReadLeadingInteger(beyond), INT_MAX) << beyond.toStdString();
    EXPECT_LT(ReadLeadingInteger(u"-4294967297"), INT_MIN);
}
