#include <gtest/gtest.h>

#include "audio/FakePreviewHost.h"
#include "audio/PreviewTestSupport.h"
#include "common/TestFiles.h"

namespace {

using namespace std::chrono_literals;

PlaylistPreview Silences(std::initializer_list<int> lengths)
{
    PlaylistPreview playlist;
    playlist.remainingMs = 0;
    for (int ms : lengths) {
        playlist.entries.push_back(CSound::Silence(ms));
        playlist.remainingMs += ms;
    }
    return playlist;
}

}  // namespace

TEST(PreviewPlaylist, PlayIsRefusedUntilTenQuietTicks)
{
    FakePreviewHost host;
    PreviewPlayer player(host, ProgramDir());
    for (int tick = 0; tick < PreviewPlayer::kIdleTicks - 1; ++tick)
        player.PlaybackTick();
    EXPECT_FALSE(player.PlayPlaylist({}));
    EXPECT_FALSE(player.PlayLibrary(std::nullopt));
    EXPECT_TRUE(host.editing().empty());
    player.PlaybackTick();
    EXPECT_TRUE(player.PlayPlaylist({}));
}

TEST(PreviewPlaylist, WithoutSelectedRowFillsTheBarAndTheNextTickEnablesEditing)
{
    FakePreviewHost host;
    PreviewPlayer player(host, ProgramDir());
    TickUntilIdle(player);
    ASSERT_TRUE(player.PlayPlaylist({}));
    EXPECT_EQ(host.editing(), std::vector<bool>{false});
    ASSERT_TRUE(WaitUntil([&] { return player.PlaylistFinished(); }, 2s));
    EXPECT_EQ(host.lastProgress(), (std::pair{10, 10}));

    player.PlaybackTick();
    EXPECT_EQ(host.editing(), (std::vector<bool>{false, true}));
    // The next Play clears the finished flag: a tick no longer enables.
    ASSERT_TRUE(player.PlayPlaylist(Silences({2000})));
    EXPECT_FALSE(player.PlaylistFinished());
    player.PlaybackTick();
    EXPECT_EQ(host.editing(), (std::vector<bool>{false, true, false}));
}

TEST(PreviewPlaylist, SilencesAdvanceTheBarEvery120Ms)
{
    FakePreviewHost host;
    PreviewPlayer player(host, ProgramDir());
    TickUntilIdle(player);
    ASSERT_TRUE(player.PlayPlaylist(Silences({250, 350})));
    ASSERT_TRUE(WaitUntil([&] { return player.PlaylistFinished(); }, 5s));
    // Range 600 / 100; steps at 0, 120, 240 ms of the first silence and 0,
    // 120, 240 of the second, the last held at the upper value.
    EXPECT_EQ(host.progress().front(), (std::pair{6, 0}));
    EXPECT_EQ(host.lastProgress(), (std::pair{6, 6}));
    // The worker holds the counter above 10 while it waits out silences.
    EXPECT_EQ(player.IdleCounter(), PreviewPlayer::kIdleTicks + 1);
}

TEST(PreviewPlaylist, AZeroRemainingLengthGivesAnEmptyRange)
{
    FakePreviewHost host;
    PreviewPlayer player(host, ProgramDir());
    TickUntilIdle(player);
    PlaylistPreview zero = Silences({0, 0});
    zero.remainingMs = 1;
    ASSERT_TRUE(player.PlayPlaylist(zero));
    ASSERT_TRUE(WaitUntil([&] { return player.PlaylistFinished(); }, 2s));
    EXPECT_EQ(host.lastProgress(), (std::pair{0, 0}));
}

TEST(PreviewPlaylist, StopDuringASilenceEndsTheWorkerWithoutFinishing)
{
    FakePreviewHost host;
    PreviewPlayer player(host, ProgramDir());
    TickUntilIdle(player);
    ASSERT_TRUE(player.PlayPlaylist(Silences({5000, 100})));
    std::this_thread::sleep_for(50ms);
    const auto before = std::chrono::steady_clock::now();
    player.Stop();
    EXPECT_GE(std::chrono::steady_clock::now() - before, 300ms);
    // Only the stop worker is left once Stop returns.
    EXPECT_EQ(player.WorkersRunning(), 1);
    EXPECT_FALSE(player.PlaylistFinished());
    EXPECT_EQ(host.editing(), (std::vector<bool>{false, true}));
    player.PlaybackTick();
    EXPECT_EQ(host.editing().size(), 2u);
}

TEST(PreviewPlaylist, EndingThePlayerEndsAWaitAtOnce)
{
    FakePreviewHost host;
    const auto before = std::chrono::steady_clock::now();
    {
        PreviewPlayer player(host, ProgramDir());
        TickUntilIdle(player);
        ASSERT_TRUE(player.PlayPlaylist(Silences({10000})));
        player.Stop();
        std::this_thread::sleep_for(20ms);
        ASSERT_TRUE(player.PlayPlaylist(Silences({10000})));
    }
    // Neither the silence nor the stop worker's 1.28 s is waited out.
    EXPECT_LT(std::chrono::steady_clock::now() - before, 3s);
    const size_t seen = host.progress().size();
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(host.progress().size(), seen);
}
