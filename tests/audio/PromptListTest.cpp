#include <gtest/gtest.h>

#include "audio/PromptList.h"

TEST(PromptList, RefusesTheFirstBadLineByNumber)
{
    const struct {
        const char* list;
        const char* error;  // nullptr: accepted
    } cases[] = {
        {"one\tOne\r\n\n  \ntwo\tTwo, three\n", nullptr},
        {"one\tOne\nno tab here\n", "line 2: expected NAME, a tab and the text"},
        {"\n\n../up\tUp\n", "line 3: the name '../up' is not a plain file name"},
        {"a\\b\tX\n", "line 1: the name 'a\\b' is not a plain file name"},
        {"..\tX\n", "line 1: the name '..' is not a plain file name"},
        {"\tNo name\n", "line 1: the name is empty"},
        {"bell\a\tX\n", "line 1: the name 'bell\a' holds a control character"},
        {"blank\t  \n", "line 1: the prompt 'blank' has no text"},
        {"same\tA\nsame\tB\n", "line 2: the name 'same' is used twice"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        std::vector<PromptLine> prompts;
        const std::optional<std::string> error = ParsePromptList(c.list, prompts);
        if (!c.error) {
            ASSERT_EQ(error, std::nullopt);
            ASSERT_EQ(prompts.size(), 2u);
            EXPECT_EQ(prompts[0].text, "One");  // no carriage return left
            EXPECT_EQ(prompts[1].lineNumber, 4);
        } else {
            EXPECT_EQ(error, c.error);
            EXPECT_TRUE(prompts.empty());
        }
    }
}
