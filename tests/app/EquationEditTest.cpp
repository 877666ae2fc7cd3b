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

TEST(EquationEdit, InsertGoesBeforeTheSelectedRowOrToTheEnd)
{
    CSoundList eq = ListOf({"A", "B", "C"});
    InsertAtSelection(eq, 2, CSound::Silence(100));
    EXPECT_EQ(Names(eq), (Rows{"A", "B", "~100", "C"}));
    InsertAtSelection(eq, -1, CSound::Silence(10));
    EXPECT_EQ(Names(eq), (Rows{"A", "B", "~100", "C", "~10"}));
    // A selection the equation no longer has appends rather than jumping to the head.
    InsertAtSelection(eq, 9, Named("D"));
    EXPECT_EQ(Names(eq).back(), "D");
    CSoundList empty;
    InsertAtSelection(empty, 0, Named("A"));
    EXPECT_EQ(Names(empty), (Rows{"A"}));
}

TEST(EquationEdit, ReplaceKeepsThePlaceOfTheEntry)
{
    CSoundList eq = ListOf({"A", "B", "C"});
    ReplaceEntry(eq, 1, Named("X"));
    ReplaceEntry(eq, 2, Named("Y"));
    ReplaceEntry(eq, 3, Named("Z"));  // no such row
    EXPECT_EQ(Names(eq), (Rows{"A", "X", "Y"}));
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

TEST(EquationEdit, RemoveSoundEverywhereTakesEveryCopyAndNothingElse)
{
    std::array<CSoundList, kEquationCount> equations;
    equations[0] = ListOf({"A", "B", "A", "A"});
    equations[0].append(CSound::Silence(10));
    equations[7] = ListOf({"B"});
    equations[219] = ListOf({"A"});
    CSound caseTwin = Named("a");  // names differ only in case: a different file
    equations[219].append(caseTwin);

    RemoveSoundEverywhere(equations, "/sounds/A");
    EXPECT_EQ(Names(equations[0]), (Rows{"B", "~10"}));
    EXPECT_EQ(Names(equations[7]), (Rows{"B"}));
    EXPECT_EQ(Names(equations[219]), (Rows{"a"}));
    // Silences have no path: removing a file without one leaves them alone.
    RemoveSoundEverywhere(equations, "");
    EXPECT_EQ(Names(equations[0]), (Rows{"B", "~10"}));
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
