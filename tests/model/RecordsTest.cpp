#include <gtest/gtest.h>

#include "model/EquationSize.h"
#include "model/Records.h"
#include "model/Sound.h"

namespace {

CSound Named(const std::string& name)
{
    return {.kind = CSound::kSoundFile, .path = {}, .name = name};
}

std::string Names(const CSoundList& list)
{
    std::string out;
    for (const CSound& s : list)
        out += s.name;
    return out;
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
    EXPECT_FALSE(list.at(-1) || list.at(list.count()));
    list.insertBefore(2, Named("x"));
    list.insertAfter(0, Named("y"));
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

// A sound takes 3, a silence 2; a kind only a damaged file holds counts as a
// silence. At 253 only a picked sound is refused; 254 is full.
TEST(EquationSize, CountsAndLimitsOfEachWayIn)
{
    CSoundList odd;
    odd.append(Named("s"));
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
