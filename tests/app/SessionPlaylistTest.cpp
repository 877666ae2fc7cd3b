#include <algorithm>

#include "app/SessionFixture.h"
#include "model/EquationSize.h"

namespace {

using Views = std::vector<View>;

class SessionPlaylist : public SessionFixture {
protected:
    // A library of A, B, C; equation 0 holds `sounds` sounds, then `silences` silences.
    void Fill(int sounds, int silences)
    {
        Reopen([&](ProjectContent& c) {
            c.library.removeAll();
            for (const char* name : {"A", "B", "C"})
                c.library.append(Entry(name));
            c.equations[0].removeAll();
            for (int i = 0; i < sounds; ++i)
                c.equations[0].append(Entry("A"));
            for (int i = 0; i < silences; ++i)
                c.equations[0].append(CSound::Silence(10));
        });
        port_.librarySounds = {1};
        port_.silenceLengths = {100};
    }
    int size() const { return EquationSize(session_.currentEquationList()); }
};

TEST_F(SessionPlaylist, EachWayInChecksItsOwnLimitBeforeAnyDialog)
{
    Fill(83, 2);  // 253
    session_.InsertSound();
    EXPECT_EQ(Texts(port_.messages), Strings{"Full, cannot insert more!"});
    EXPECT_TRUE(port_.rebuilds.empty());
    session_.AppendSound(2);
    EXPECT_EQ(size(), 256);
    EXPECT_EQ(port_.equationSize, "Size 256/256");

    Fill(84, 1);  // 254
    session_.InsertUserSilence();
    session_.AppendSound(2);
    EXPECT_EQ(Texts(port_.messages), (Strings{"Full, cannot insert more!", "Full, cannot Insert More!"}));
    EXPECT_EQ(port_.silenceLengths.size(), 1u);  // the dialog never opened
    EXPECT_EQ(size(), 254);

    Fill(83, 2);
    session_.InsertSilence(10);
    EXPECT_EQ(size(), 255);
}

TEST_F(SessionPlaylist, EachOperationPutsItsEntryInPlaceAndRebuildsItsViews)
{
    Fill(0, 0);
    session_.AppendSound(0);
    session_.AppendSound(2);
    EXPECT_EQ(port_.rebuilds, (Views(2, View::Playlist)));

    // Before the selected row; the rebuild clears the selection, so the
    // next inserts go to the end.
    port_.forgetLog();
    port_.selectedRows[View::Playlist] = 1;
    session_.InsertSound();
    session_.InsertUserSilence();
    session_.InsertSilence(20);
    EXPECT_EQ(Rows(session_.currentEquationList()), "A B C ~100 ~20");
    EXPECT_EQ(port_.shownRows.back(), (std::pair{View::Playlist, 4}));
    EXPECT_EQ(port_.rebuilds, (Views{View::Playlist, View::Library, View::Playlist, View::Library, View::Playlist,
                                     View::Library}));

    // Replace keeps the kind; cancelled, it still rebuilds both views.
    port_.forgetLog();
    port_.librarySounds = {2};
    port_.silenceLengths = {3000};
    session_.ReplaceEntry(1);
    session_.ReplaceEntry(3);
    session_.ReplaceEntry(4);
    EXPECT_EQ(Rows(session_.currentEquationList()), "A C C ~3000 ~20");
    EXPECT_EQ(std::ranges::count(port_.rebuilds, View::Library), 3);

    session_.MoveEntry(0, 4);
    session_.MoveEntry(0, -1);  // dropped below the rows: nothing moves
    port_.confirms = {true};
    port_.selectedRows[View::Playlist] = 0;
    session_.DeleteEntry();
    EXPECT_EQ(Rows(session_.currentEquationList()), "C ~3000 ~20 A");
    EXPECT_EQ(port_.removedRows, (std::vector<std::pair<View, int>>{{View::Playlist, 0}}));

    // Empty acts on the current equation only.
    Reopen([&](ProjectContent& c) { c.equations[5] = c.equations[0]; });
    session_.SelectEquation(5);
    port_.confirms = {true};
    session_.EmptyEquation();
    EXPECT_TRUE(session_.currentEquationList().empty());
    EXPECT_EQ(port_.equationSize, "Size 0/256");
    EXPECT_EQ(content().equations[0].count(), 4);
    EXPECT_EQ(Texts(port_.messages), Strings{"Empty playlist"});
}

}  // namespace
