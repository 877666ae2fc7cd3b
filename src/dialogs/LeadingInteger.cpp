#include "dialogs/LeadingInteger.h"

#include <algorithm>

namespace {

// The white space of the C locale's isspace.
bool IsCSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// Larger than any int, small enough that one more digit cannot overflow.
constexpr long long kCap = 10'000'000'000LL;

}  // namespace

long long ReadLeadingInteger(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(value * 10 + (text[i].unicode() - u'0'), kCap);
    return negative ? -value : value;
}
