#include <thread>

#include "audio/PreviewTestSupport.h"

namespace {

using namespace std::chrono_literals;

PlaylistPreview Silences(std::initializer_list<int> lengths)
{
    std::vector<CSound> entries;
    for (int ms : lengths)
        entries.push_back(CSound::Silence(ms));
    return Playlist(entries);
}

using PreviewPlaylist = PreviewTest;

}  // namespace

// Without a selected row the bar is filled, with no remaining length it has
// an empty range; either way the next tick gives editing back.
TEST_F(PreviewPlaylist, EmptyPreviewsEndAtOnceAndTheNextTickEnablesEditing)
{
    PlaylistPreview zero = Silences({0, 0});
    zero.remainingMs = 1;
    for (const auto& [preview, bar] : {std::pair{PlaylistPreview{}, std::pair{10, 10}}, {zero, {0, 0}}}) {
        TickUntilIdle(player_);
        ASSERT_TRUE(player_.PlayPlaylist(preview));
        ASSERT_TRUE(WaitUntil([&] { return player_.PlaylistFinished(); }, 2s));
        EXPECT_EQ(host_.lastProgress(), bar);
        player_.PlaybackTick();
        EXPECT_TRUE(host_.editing().back());
    }
    // The next Play clears the finished flag: a tick no longer enables.
    ASSERT_TRUE(player_.PlayPlaylist(Silences({2000})));
    EXPECT_FALSE(player_.PlaylistFinished());
    player_.PlaybackTick();
    EXPECT_EQ(host_.editing(), (std::vector<bool>{false, true, false, true, false}));
}

TEST_F(PreviewPlaylist, SilencesAdvanceTheBarEvery120Ms)
{
    TickUntilIdle(player_);
    ASSERT_TRUE(player_.PlayPlaylist(Silences({250, 350})));
    EXPECT_TRUE(player_.CanStop());  // a silence sounds nothing, yet Stop ends it
    ASSERT_TRUE(WaitUntil([&] { return player_.PlaylistFinished(); }, 5s));
    // Range 600 / 100; steps at 0, 120, 240 ms of the first silence and 0,
    // 120, 240 of the second, the last held at the upper value.
    EXPECT_EQ(host_.progress().front(), (std::pair{6, 0}));
    EXPECT_EQ(host_.lastProgress(), (std::pair{6, 6}));
    // The worker holds the counter above 10 while it waits out silences;
    // ending on one, the preview still gives editing back, once.
    EXPECT_EQ(player_.IdleCounter(), PreviewPlayer::kIdleTicks + 1);
    player_.PlaybackTick();
    player_.PlaybackTick();
    EXPECT_EQ(host_.editing(), (std::vector<bool>{false, true}));
    EXPECT_EQ(player_.IdleCounter(), PreviewPlayer::kIdleTicks + 1);
    EXPECT_FALSE(player_.CanStop());
}

TEST_F(PreviewPlaylist, StopDuringASilenceEndsTheWorkerWithoutFinishing)
{
    TickUntilIdle(player_);
    ASSERT_TRUE(player_.PlayPlaylist(Silences({5000, 100})));
    std::this_thread::sleep_for(50ms);
    const auto before = std::chrono::steady_clock::now();
    player_.Stop();
    EXPECT_GE(std::chrono::steady_clock::now() - before, 300ms);
    // Only the stop worker is left once Stop returns.
    EXPECT_EQ(player_.WorkersRunning(), 1);
    EXPECT_FALSE(player_.PlaylistFinished());
    EXPECT_EQ(host_.editing(), (std::vector<bool>{false, true}));
    player_.PlaybackTick();
    EXPECT_EQ(host_.editing().size(), 2u);
}

TEST_F(PreviewPlaylist, EndingThePlayerEndsAWaitAtOnce)
{
    const auto before = std::chrono::steady_clock::now();
    {
        PreviewPlayer player(host_, ProgramDir());
        TickUntilIdle(player);
        ASSERT_TRUE(player.PlayPlaylist(Silences({10000})));
        player.Stop();
        std::this_thread::sleep_for(20ms);
        ASSERT_TRUE(player.PlayPlaylist(Silences({10000})));
    }
    // Neither the silence nor the stop worker's 1.28 s is waited out.
    EXPECT_LT(std::chrono::steady_clock::now() - before, 3s);
    const size_t seen = host_.progress().size();
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(host_.progress().size(), seen);
}
