// Driving a preview player in real time (the tests run with the dummy sound
// driver, which plays in real time without a sound card).

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>
#include <unistd.h>

#include "audio/PreviewHost.h"
#include "audio/PreviewPlayer.h"
#include "common/TestFiles.h"
#include "common/TestRecords.h"
#include "common/TestSound.h"

namespace {

using namespace std::chrono_literals;

// Records what the previews asked of the window; the workers call it from
// their threads, so every record is read and written under the lock.
class FakePreviewHost : public PreviewHost {
    template <class F>
    auto Locked(F f) const
    {
        std::lock_guard lock(mutex_);
        return f();
    }

public:
    void ShowPreviewProgress(int upper, int position) override { Locked([&] { progress_.emplace_back(upper, position); }); }
    void ShowPreviewMessage(const UserMessage& message) override { Locked([&] { messages_.push_back(message.text); }); }
    void EnablePreviewEditing(bool on) override { Locked([&] { editing_.push_back(on); }); }

    std::vector<std::pair<int, int>> progress() const { return Locked([&] { return progress_; }); }
    std::vector<std::string> messages() const { return Locked([&] { return messages_; }); }
    std::vector<bool> editing() const { return Locked([&] { return editing_; }); }
    std::pair<int, int> lastProgress() const
    {
        const auto all = progress();
        return all.empty() ? std::pair{-1, -1} : all.back();
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::pair<int, int>> progress_;
    std::vector<std::string> messages_;
    std::vector<bool> editing_;
};

// Runs the timer step until the idle counter allows a new Play.
void TickUntilIdle(PreviewPlayer& player)
{
    for (int i = 0; i < PreviewPlayer::kIdleTicks && player.IdleCounter() < PreviewPlayer::kIdleTicks; ++i)
        player.PlaybackTick();
}

// Polls `done` until it holds or `limit` has passed, running the window's
// 30 ms timer step meanwhile if `tick` names a player; returns whether it held.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 10s, PreviewPlayer* tick = nullptr)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        if (tick)
            tick->PlaybackTick();
        std::this_thread::sleep_for(std::chrono::milliseconds(tick ? 30 : 1));
    }
    return true;
}

// Waits, running the timer step as the window does, until no worker runs.
bool RunTimerUntilWorkersEnd(PreviewPlayer& player)
{
    return WaitUntil([&] { return player.WorkersRunning() == 0; }, 10s, &player);
}

// A preview of `entries` from the first, its remaining length their sum.
PlaylistPreview Playlist(std::vector<CSound> entries)
{
    PlaylistPreview playlist;
    playlist.remainingMs = 0;
    for (const CSound& e : entries)
        playlist.remainingMs += e.lengthMs;
    playlist.entries = std::move(entries);
    return playlist;
}

PlaylistPreview Silences(std::initializer_list<int> lengths)
{
    std::vector<CSound> entries;
    for (int ms : lengths)
        entries.push_back(CSound::Silence(ms));
    return Playlist(entries);
}

// A player on the build's program folder with a host that records its calls,
// ready for a Play.
class Preview : public testing::Test {
protected:
    void SetUp() override { TickUntilIdle(player_); }
    // A mono 16-bit tone of `seconds` written to the scratch folder, as a
    // library record of that length.
    CSound Tone(const std::string& name, double seconds, int rate = 8000)
    {
        WriteTestWav(dir_.file(name), rate, 1, 16, seconds);
        return SoundNamed(name, int(std::lround(seconds * 1000)), dir_.path());
    }

    ScratchDir dir_;
    FakePreviewHost host_;
    PreviewPlayer player_{host_, ProgramDir()};
};

}  // namespace

TEST_F(Preview, LibrarySoundSetsTheRangeFromItsLengthAndAdvancesWhilePlaying)
{
    CSound entry = Tone("tone.wav", 0.35);
    entry.lengthMs = 2500;
    ASSERT_TRUE(player_.PlayLibrary(entry));
    ASSERT_TRUE(WaitUntil([&] { return player_.IsPlaying(); }, 2s));
    // The sound plays from memory: the file is no longer needed.
    std::remove(entry.path.c_str());
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

TEST_F(Preview, PlayIsIgnoredWhileASoundPlaysAndTenTicksAfter)
{
    const CSound entry = Tone("tone.wav", 0.3);
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
TEST_F(Preview, EachFileOfAPreviewIsLoadedOnceWhetherOrNotItPlays)
{
    WriteBytes(dir_.file("garbage.wav"), std::vector<uint8_t>(5000, 0x5a));
    const CSound good = Tone("good.wav", 0.05), garbage = SoundNamed("garbage.wav", 0, dir_.path());
    ASSERT_TRUE(player_.PlayPlaylist(
        Playlist({garbage, good, SoundNamed("missing.wav", 0, dir_.path()), good, CSound::Silence(20), good})));
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

TEST_F(Preview, StopDuringAPlaylistSoundSilencesItAndThePlaylistGoesOn)
{
    ASSERT_TRUE(player_.PlayPlaylist(Playlist({Tone("long.wav", 3.0), Tone("short.wav", 0.1), CSound::Silence(50)})));
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
TEST_F(Preview, PlayAsChipPlaysTheDecodedVoiceDataOrSaysWhatIsMissing)
{
    const CSound entry = Tone("tone.wav", 0.4);
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

// Without a selected row the bar is filled, with no remaining length it has
// an empty range; either way the next tick gives editing back.
TEST_F(Preview, EmptyPreviewsEndAtOnceAndTheNextTickEnablesEditing)
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

TEST_F(Preview, SilencesAdvanceTheBarEvery120Ms)
{
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

TEST_F(Preview, StopDuringASilenceEndsTheWorkerWithoutFinishing)
{
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

TEST_F(Preview, EndingThePlayerEndsAWaitAtOnce)
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

TEST_F(Preview, TwoHundredSoundsInARowDoNotAddUpInMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine";
#endif
    // The memory the process holds, from the kernel's account of it.
    const auto residentKiB = [] {
        long size = 0, resident = 0;
        std::ifstream("/proc/self/statm") >> size >> resident;
        return resident * (::sysconf(_SC_PAGESIZE) / 1024);
    };
    // Two seconds at 44100 Hz: 176 kB of file and 350 kB a second of output.
    const std::string path = Tone("tone.wav", 2.0, 44100).path;
    long warm = 0;
    for (int i = 0; i < 200; ++i) {
        player_.PlayFile(path);
        ASSERT_TRUE(player_.IsPlaying());
        // Let the sound be heard a little before the next replaces it.
        std::this_thread::sleep_for(10ms);
        if (i == 19)
            warm = residentKiB();
    }
    const long after = residentKiB();
    std::cout << "resident after 20 sounds: " << warm << " KiB, after 200: " << after << " KiB\n";
    // Holding each file's bytes would add about 31 MB.
    EXPECT_LT(after - warm, 4 * 1024);
}
