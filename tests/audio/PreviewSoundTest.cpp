#include <cstdio>

#include "audio/PreviewTestSupport.h"

namespace {

using namespace std::chrono_literals;

using PreviewSound = PreviewTest;

}  // namespace

TEST_F(PreviewSound, LibrarySoundSetsTheRangeFromItsLengthAndAdvancesWhilePlaying)
{
    const std::string path = Tone("tone.wav", 0.35);
    TickUntilIdle(player_);
    ASSERT_TRUE(player_.PlayLibrary(SoundEntry(path, 2500)));
    ASSERT_TRUE(WaitUntil([&] { return player_.IsPlaying(); }, 2s));
    // The sound plays from memory: the file is no longer needed.
    std::remove(path.c_str());
    ASSERT_TRUE(RunTimerUntilWorkersEnd(player_));
    const auto progress = host_.progress();
    ASSERT_GE(progress.size(), 3u);
    EXPECT_EQ(progress[0].second, 0);
    EXPECT_EQ(progress[1], (std::pair{26, 0}));
    // About one step per 100 ms of the 350 ms sound.
    EXPECT_GE(progress.back().second, 3);
    EXPECT_LE(progress.back().second, 5);
    EXPECT_TRUE(host_.messages().empty());
}

TEST_F(PreviewSound, PlayIsIgnoredWhileASoundPlaysAndTenTicksAfter)
{
    const CSound entry = SoundEntry(Tone("tone.wav", 0.3), 300);
    TickUntilIdle(player_);
    ASSERT_TRUE(player_.PlayLibrary(entry));
    ASSERT_TRUE(WaitUntil([&] { return player_.IsPlaying(); }, 2s));
    player_.PlaybackTick();
    EXPECT_EQ(player_.IdleCounter(), 0);
    EXPECT_FALSE(player_.PlayLibrary(entry));
    EXPECT_FALSE(player_.PlayPlaylist(Playlist({entry})));
    EXPECT_TRUE(host_.editing().empty());

    ASSERT_TRUE(WaitUntil([&] { return !player_.IsPlaying(); }, 2s));
    for (int tick = 1; tick < PreviewPlayer::kIdleTicks; ++tick) {
        player_.PlaybackTick();
        EXPECT_FALSE(player_.PlayLibrary(entry)) << "tick " << tick;
    }
    player_.PlaybackTick();
    EXPECT_TRUE(player_.PlayLibrary(entry));
}

// Files that cannot be played play nothing, silently, and keep their slots;
// a file twice in a preview is loaded once, and the next Play starts afresh.
// The bar's one step is taken by the first sound: the others play on a
// full bar.
TEST_F(PreviewSound, EachFileOfAPreviewIsLoadedOnceWhetherOrNotItPlays)
{
    const std::string garbage = dir_.file("garbage.wav");
    WriteBytes(garbage, std::vector<uint8_t>(5000, 0x5a));
    const CSound good = SoundEntry(Tone("good.wav", 0.05), 50);
    TickUntilIdle(player_);
    ASSERT_TRUE(player_.PlayPlaylist(Playlist({SoundEntry(garbage, 0), good, SoundEntry(dir_.file("missing.wav"), 0),
                                               good, CSound::Silence(20), good})));
    bool heard = false;
    ASSERT_TRUE(WaitUntil([&] {
        heard = heard || player_.IsPlaying();
        return player_.PlaylistFinished();
    }));
    EXPECT_TRUE(heard);
    EXPECT_EQ(player_.LoadedFileCount(), 3);
    EXPECT_EQ(host_.lastProgress(), (std::pair{1, 1}));
    EXPECT_TRUE(host_.messages().empty());

    ASSERT_TRUE(RunTimerUntilWorkersEnd(player_));
    TickUntilIdle(player_);
    ASSERT_TRUE(player_.PlayLibrary(good));
    ASSERT_TRUE(RunTimerUntilWorkersEnd(player_));
    EXPECT_EQ(player_.LoadedFileCount(), 1);
}

TEST_F(PreviewSound, StopDuringAPlaylistSoundSilencesItAndThePlaylistGoesOn)
{
    const CSound longSound = SoundEntry(Tone("long.wav", 3.0), 3000);
    const CSound shortSound = SoundEntry(Tone("short.wav", 0.1), 100);
    TickUntilIdle(player_);
    ASSERT_TRUE(player_.PlayPlaylist(Playlist({longSound, shortSound, CSound::Silence(50)})));
    ASSERT_TRUE(WaitUntil([&] { return player_.IsPlaying(); }, 2s));
    const auto before = std::chrono::steady_clock::now();
    player_.Stop();
    EXPECT_FALSE(player_.IsPlaying());
    // The short sound started within the stop worker's time is silenced too,
    // and the silence after it clears the stop request.
    ASSERT_TRUE(WaitUntil([&] { return player_.PlaylistFinished(); }, 3s));
    EXPECT_LT(std::chrono::steady_clock::now() - before, 2500ms);
    EXPECT_EQ(host_.editing(), (std::vector<bool>{false, true}));
}

// Play as Chip plays the decoded voice data, or says what is missing: the
// selected sound or the converter.
TEST_F(PreviewSound, PlayAsChipPlaysTheDecodedVoiceDataOrSaysWhatIsMissing)
{
    const CSound entry = SoundEntry(Tone("tone.wav", 0.4), 400);
    TickUntilIdle(player_);
    ASSERT_TRUE(player_.PlayLibraryAsChip(entry));
    ASSERT_TRUE(WaitUntil([&] { return player_.IsPlaying(); }, 5s));
    ASSERT_TRUE(RunTimerUntilWorkersEnd(player_));
    EXPECT_TRUE(host_.messages().empty());
    EXPECT_EQ(host_.progress()[1], (std::pair{5, 0}));
    EXPECT_GE(host_.lastProgress().second, 3);

    ScratchDir emptyFolder;
    PreviewPlayer player(host_, emptyFolder.path() + "/");
    TickUntilIdle(player);
    ASSERT_TRUE(player.PlayLibraryAsChip(entry));
    ASSERT_TRUE(RunTimerUntilWorkersEnd(player));
    EXPECT_EQ(host_.messages(), std::vector<std::string>{"Load ChimeConverter Library Fail!"});
    EXPECT_EQ(player.IdleCounter(), PreviewPlayer::kIdleTicks);

    TickUntilIdle(player_);
    ASSERT_TRUE(player_.PlayLibrary(std::nullopt));
    ASSERT_TRUE(RunTimerUntilWorkersEnd(player_));
    EXPECT_EQ(host_.messages().back(), "Pls select a sound to play");
    EXPECT_EQ(host_.lastProgress().second, 0);
}
