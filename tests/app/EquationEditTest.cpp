#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "app/EquationEdit.h"

namespace {

// One sound per letter of `names`, each `lengthMs` long.
CSoundList ListOf(const std::string& names, int lengthMs = 0)
{
    CSoundList list;
    for (char name : names)
        list.append({.kind = CSound::kSoundFile, .path = "/sounds/" + std::string(1, name), .name = {name},
                     .lengthMs = lengthMs});
    return list;
}

std::string Names(const CSoundList& list)
{
    std::string names;
    for (const CSound& s : list)
        names += s.name;
    return names;
}

// Inserting before a row and replacing in place are followed through the
// session; here a selection the equation no longer has.
TEST(EquationEdit, AStaleSelectionAppendsAndReplacesNothing)
{
    CSoundList eq = ListOf("AB");
    InsertAtSelection(eq, 9, *ListOf("C").at(0));
    ReplaceEntry(eq, 3, *ListOf("Z").at(0));
    EXPECT_EQ(Names(eq), "ABC");
}

TEST(EquationEdit, MoveEndsAtTheDropRow)
{
    for (const auto& [from, to, expected] : std::vector<std::tuple<int, int, std::string>>{
             {0, 2, "BCA"}, {2, 0, "CAB"}, {2, 2, "ABC"}, {0, 1, "BAC"}, {1, 0, "BAC"}, {1, 2, "ACB"},
             {1, -1, "ABC"}, {3, 0, "ABC"}, {0, 3, "ABC"}}) {
        CSoundList eq = ListOf("ABC");
        MoveEntry(eq, from, to);
        EXPECT_EQ(Names(eq), expected) << from << " -> " << to;
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
