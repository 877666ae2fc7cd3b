#include <gtest/gtest.h>

#include "model/EquationSize.h"
#include "model/Records.h"
#include "model/Sound.h"

namespace {

CSound Named(const std::string& name)
{
    CSound s;
    s.kind = CSound::kSoundFile;
    s.name = name;
    return s;
}

std::string Names(const CSoundList& list)
{
    std::string out;
    for (const CSound& s : list)
        out += s.name;
    return out;
}

CSoundList Equation(int sounds, int silences)
{
    CSoundList list;
    for (int i = 0; i < sounds; ++i)
        list.append(Named("s"));
    for (int i = 0; i < silences; ++i)
        list.append(CSound::Silence(10));
    return list;
}

}  // namespace

// The default sound, keys and equations are checked byte for byte in the
// project-file and archive tests.
TEST(Records, DefaultsOfEachMoment)
{
    EXPECT_EQ(CSound::Silence(300).lengthMs, 300);
    EXPECT_EQ(CSound::Silence(300).bits, 16);
    EXPECT_EQ(COptions::ProgramStart(), (COptions{0, kOneLine, 1, 1, 0, 0, ""}));
    // New keeps the background-music flag of the project before it.
    EXPECT_EQ(COptions::NewProject(1), (COptions{0, kKeyMode, 0, 1, 1, 1, ""}));
    EXPECT_EQ(COptions::NewProject(0).backgroundMusic, 0);
}

TEST(SoundList, EntriesAreCopiesAddressedFromZero)
{
    CSoundList list;
    CSound a = Named("A");
    list.append(a);
    a.name = "changed";
    list.append(Named("B"));
    list.prepend(Named("Z"));
    EXPECT_EQ(Names(list), "ZAB");
    EXPECT_EQ(list.at(1)->name, "A");
    EXPECT_FALSE(list.at(-1));
    EXPECT_FALSE(list.at(list.count()));

    CSoundList copy(list);
    copy.removeAt(0);
    EXPECT_EQ(Names(list), "ZAB");
    EXPECT_EQ(Names(copy), "AB");
}

TEST(SoundList, InsertBeforeAndAfter)
{
    CSoundList list;
    list.append(Named("A"));
    list.append(Named("B"));
    list.insertBefore(1, Named("x"));
    list.insertAfter(0, Named("y"));
    EXPECT_EQ(Names(list), "AyxB");
    // No entry given: before means the head, after means the tail.
    list.insertBefore(std::nullopt, Named("h"));
    list.insertAfter(std::nullopt, Named("t"));
    EXPECT_EQ(Names(list), "hAyxBt");
    // An index that names no entry behaves like no entry given.
    list.insertBefore(99, Named("H"));
    list.insertAfter(-1, Named("T"));
    EXPECT_EQ(Names(list), "HhAyxBtT");
    list.insertAfter(7, Named("!"));
    EXPECT_EQ(Names(list), "HhAyxBtT!");
}

TEST(SoundList, RemoveAndAppendAll)
{
    CSoundList list;
    for (const char* n : {"A", "B", "C"})
        list.append(Named(n));
    list.removeAt(3);
    list.removeAt(-1);
    list.removeAt(1);
    EXPECT_EQ(Names(list), "AC");

    CSoundList other;
    other.append(Named("D"));
    other.appendAll(list);
    EXPECT_EQ(Names(other), "DAC");
    other.removeAll();
    EXPECT_TRUE(other.empty());
}

TEST(EquationSize, CountsThreePerSoundTwoPerSilence)
{
    EXPECT_EQ(EquationSize(CSoundList()), 0);
    EXPECT_EQ(EquationSize(Equation(84, 1)), 254);
    CSoundList odd;
    CSound strange;
    strange.kind = 7;  // only a damaged file holds this; it counts as a silence
    odd.append(strange);
    EXPECT_EQ(EquationSize(odd), 2);
}

TEST(EquationSize, LimitsOfEachWayIn)
{
    // 84 sounds and a silence: every way in is refused.
    const int full = EquationSize(Equation(84, 1));
    for (Insertion how : {Insertion::PickedSound, Insertion::Silence, Insertion::DoubleClickAppend,
                          Insertion::DragAppend})
        EXPECT_FALSE(InsertionAllowed(full, how));

    // 253: a picked sound is refused, a silence, double-click or drag is not.
    const int size253 = EquationSize(Equation(83, 2));
    ASSERT_EQ(size253, 253);
    EXPECT_FALSE(InsertionAllowed(size253, Insertion::PickedSound));
    EXPECT_TRUE(InsertionAllowed(size253, Insertion::Silence));
    EXPECT_TRUE(InsertionAllowed(size253, Insertion::DoubleClickAppend));
    EXPECT_TRUE(InsertionAllowed(size253, Insertion::DragAppend));

    EXPECT_TRUE(InsertionAllowed(252, Insertion::PickedSound));
    EXPECT_STREQ(InsertionRefusedMessage(Insertion::Silence), "Full, cannot insert more!");
    EXPECT_STREQ(InsertionRefusedMessage(Insertion::DragAppend), "Full, cannot Insert More!");
}
