#include <gtest/gtest.h>

#include <vector>

#include "app/EquationEdit.h"

namespace {

CSound Named(const std::string& name, int lengthMs = 0)
{
    CSound s;
    s.kind = CSound::kSoundFile;
    s.name = name;
    s.path = "/sounds/" + name;
    s.lengthMs = lengthMs;
    return s;
}

CSoundList ListOf(const std::vector<std::string>& names)
{
    CSoundList list;
    for (const std::string& n : names)
        list.append(Named(n));
    return list;
}

std::vector<std::string> Names(const CSoundList& list)
{
    std::vector<std::string> names;
    for (const CSound& s : list)
        names.push_back(s.isSound() ? s.name : "~" + std::to_string(s.lengthMs));
    return names;
}

using Rows = std::vector<std::string>;

// Inserting before a row and replacing in place are followed through the
// session; here a selection the equation no longer has.
TEST(EquationEdit, AStaleSelectionAppendsAndReplacesNothing)
{
    CSoundList eq = ListOf({"A", "B"});
    InsertAtSelection(eq, 9, Named("C"));
    ReplaceEntry(eq, 3, Named("Z"));
    EXPECT_EQ(Names(eq), (Rows{"A", "B", "C"}));
}

TEST(EquationEdit, MoveEndsAtTheDropRow)
{
    struct Case {
        int from, to;
        Rows expected;
    };
    for (const Case& c : std::vector<Case>{
             {0, 2, {"B", "C", "A"}},
             {2, 0, {"C", "A", "B"}},
             {2, 2, {"A", "B", "C"}},
             {0, 0, {"A", "B", "C"}},
             {0, 1, {"B", "A", "C"}},
             {1, 0, {"B", "A", "C"}},
             {1, 2, {"A", "C", "B"}},
         }) {
        CSoundList eq = ListOf({"A", "B", "C"});
        MoveEntry(eq, c.from, c.to);
        EXPECT_EQ(Names(eq), c.expected) << c.from << " -> " << c.to;
    }
    CSoundList eq = ListOf({"A", "B", "C"});
    MoveEntry(eq, 1, -1);
    MoveEntry(eq, 3, 0);
    MoveEntry(eq, 0, 3);
    EXPECT_EQ(Names(eq), (Rows{"A", "B", "C"}));
    CSoundList empty;
    MoveEntry(empty, 0, 0);
    EXPECT_TRUE(empty.empty());
}

TEST(EquationEdit, RemainingLengthRunsFromTheSelectedRow)
{
    CSoundList eq;
    eq.append(Named("A", 1500));
    eq.append(CSound::Silence(300));
    eq.append(Named("B", 200));
    EXPECT_EQ(RemainingLengthMs(eq, 0), 2000);
    EXPECT_EQ(RemainingLengthMs(eq, 1), 500);
    EXPECT_EQ(RemainingLengthMs(eq, 2), 200);
    EXPECT_EQ(RemainingLengthMs(eq, 3), 1);
    EXPECT_EQ(RemainingLengthMs(eq, -1), 1);

    CSoundList silent;
    silent.append(Named("zero", 0));
    EXPECT_EQ(RemainingLengthMs(silent, 0), 1);

    // Lengths read from a damaged file neither overflow nor go negative.
    CSoundList huge;
    huge.append(Named("x", INT32_MAX));
    huge.append(Named("y", INT32_MAX));
    EXPECT_EQ(RemainingLengthMs(huge, 0), 2 * int64_t{INT32_MAX});
    CSoundList negative;
    negative.append(Named("n", -5));
    EXPECT_EQ(RemainingLengthMs(negative, 0), 1);
}

}  // namespace
