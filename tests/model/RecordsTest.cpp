#include <gtest/gtest.h>

#include "common/TestRecords.h"
#include "model/EquationSize.h"
#include "model/Records.h"

// Entries are copies addressed from zero; an index that names no entry
// means "none": before the head, after the tail, or nothing removed.
TEST(SoundList, EditsKeepCopiesAndTreatStrayIndicesAsNone)
{
    CSoundList list;
    CSound a = SoundNamed("A");
    list.append(a);
    a.name = "changed";
    list.append(SoundNamed("B"));
    list.prepend(SoundNamed("Z"));
    EXPECT_FALSE(list.at(-1) || list.at(list.count()));
    list.insertBefore(2, SoundNamed("x"));
    list.insertAfter(0, SoundNamed("y"));
    list.insertBefore(std::nullopt, SoundNamed("h"));
    list.insertAfter(std::nullopt, SoundNamed("t"));
    list.insertBefore(99, SoundNamed("H"));
    list.insertAfter(-1, SoundNamed("T"));
    EXPECT_EQ(Rows(list), "H h Z y A x B t T");

    CSoundList copy(list);
    copy.removeAt(copy.count());
    copy.removeAt(-1);
    copy.removeAt(0);
    EXPECT_EQ(Rows(copy), "h Z y A x B t T");
    EXPECT_EQ(Rows(list), "H h Z y A x B t T");
    copy.appendAll(list);
    EXPECT_EQ(copy.count(), 17);
    copy.removeAll();
    EXPECT_TRUE(copy.empty());
}

// A sound takes 3, a silence 2; a kind only a damaged file holds counts as a
// silence. At 253 only a picked sound is refused; 254 is full.
TEST(EquationSize, CountsAndLimitsOfEachWayIn)
{
    CSoundList odd;
    odd.append(SoundNamed("s"));
    odd.append(CSound::Silence(10));
    odd.append({.kind = 7, .path = {}, .name = {}});
    EXPECT_EQ(EquationSize(odd), 7);
    for (Insertion how : {Insertion::PickedSound, Insertion::Silence, Insertion::DoubleClickAppend,
                          Insertion::DragAppend}) {
        EXPECT_FALSE(InsertionAllowed(254, how));
        EXPECT_EQ(InsertionAllowed(253, how), how != Insertion::PickedSound);
    }
    EXPECT_TRUE(InsertionAllowed(252, Insertion::PickedSound));
}
