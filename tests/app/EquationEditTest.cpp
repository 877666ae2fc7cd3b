#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "app/EquationEdit.h"
#include "common/TestRecords.h"

namespace {

// One sound per letter of `names`, each `lengthMs` long.
CSoundList ListOf(const std::string& names, int lengthMs = 0)
{
    CSoundList list;
    for (char name : names)
        list.append(SoundNamed({name}, lengthMs));
    return list;
}

// Inserting and replacing at a row are followed through the session.
TEST(EquationEdit, MoveEndsAtTheDropRow)
{
    for (const auto& [from, to, expected] : std::vector<std::tuple<int, int, std::string>>{
             {0, 2, "B C A"}, {2, 0, "C A B"}, {2, 2, "A B C"}, {0, 1, "B A C"}, {1, 0, "B A C"}, {1, 2, "A C B"},
             {1, -1, "A B C"}, {3, 0, "A B C"}, {0, 3, "A B C"}}) {
        CSoundList eq = ListOf("ABC");
        MoveEntry(eq, from, to);
        EXPECT_EQ(Rows(eq), expected) << from << " -> " << to;
    }
}

TEST(EquationEdit, RemainingLengthRunsFromTheSelectedRow)
{
    CSoundList eq = ListOf("A", 1500);
    eq.append(CSound::Silence(300));
    eq.appendAll(ListOf("B", 200));
    for (const auto& [row, ms] : std::vector<std::pair<int, int64_t>>{{0, 2000}, {1, 500}, {2, 200}, {3, 1}, {-1, 1}})
        EXPECT_EQ(RemainingLengthMs(eq, row), ms) << row;
    EXPECT_EQ(RemainingLengthMs(ListOf("z", 0), 0), 1);
    // Lengths read from a damaged file neither overflow nor go negative.
    EXPECT_EQ(RemainingLengthMs(ListOf("xy", INT32_MAX), 0), 2 * int64_t{INT32_MAX});
    EXPECT_EQ(RemainingLengthMs(ListOf("n", -5), 0), 1);
}

}  // namespace
