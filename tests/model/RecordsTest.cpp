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

// Entries are copies addressed from zero; an index that names no entry
// means "none": before the head, after the tail, or nothing removed.
TEST(SoundList, EditsKeepCopiesAndTreatStrayIndicesAsNone)
{
    CSoundList list;
    CSound a = Named("A");
    list.append(a);
    a.name = "changed";
    list.append(Named("B"));
    list.prepend(Named("Z"));
    EXPECT_EQ(Names(list), "ZAB");
    EXPECT_FALSE(list.at(-1));
    EXPECT_FALSE(list.at(list.count()));

    list.insertBefore(2, Named("x"));
    list.insertAfter(0, Named("y"));
    EXPECT_EQ(Names(list), "ZyAxB");
    list.insertBefore(std::nullopt, Named("h"));
    list.insertAfter(std::nullopt, Named("t"));
    list.insertBefore(99, Named("H"));
    list.insertAfter(-1, Named("T"));
    EXPECT_EQ(Names(list), "HhZyAxBtT");

    CSoundList copy(list);
    copy.removeAt(copy.count());
    copy.removeAt(-1);
    copy.removeAt(0);
    EXPECT_EQ(Names(copy), "hZyAxBtT");
    EXPECT_EQ(Names(list), "HhZyAxBtT");
    copy.appendAll(list);
    EXPECT_EQ(copy.count(), 17);
    copy.removeAll();
    EXPECT_TRUE(copy.empty());
}

// 84 sounds and a silence fill an equation (254); at 253 only a picked
// sound is refused. A kind only a damaged file holds counts as a silence.
TEST(EquationSize, CountsAndLimitsOfEachWayIn)
{
    EXPECT_EQ(EquationSize(CSoundList()), 0);
    CSoundList odd;
    CSound strange;
    strange.kind = 7;
    odd.append(strange);
    EXPECT_EQ(EquationSize(odd), 2);

    const int full = EquationSize(Equation(84, 1));
    const int size253 = EquationSize(Equation(83, 2));
    ASSERT_EQ(full, 254);
    ASSERT_EQ(size253, 253);
    for (Insertion how : {Insertion::PickedSound, Insertion::Silence, Insertion::DoubleClickAppend,
                          Insertion::DragAppend}) {
        EXPECT_FALSE(InsertionAllowed(full, how));
        EXPECT_EQ(InsertionAllowed(size253, how), how != Insertion::PickedSound);
    }
    EXPECT_TRUE(InsertionAllowed(252, Insertion::PickedSound));
}
