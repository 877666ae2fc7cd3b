#pragma once
// Driving a preview player in real time (the tests run with the dummy sound
// driver, which plays in real time without a sound card).

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "audio/PreviewHost.h"
#include "audio/PreviewPlayer.h"
#include "common/TestFiles.h"
#include "common/TestSound.h"

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
inline void TickUntilIdle(PreviewPlayer& player)
{
    for (int i = 0; i < PreviewPlayer::kIdleTicks && player.IdleCounter() < PreviewPlayer::kIdleTicks; ++i)
        player.PlaybackTick();
}

// Polls `done` until it holds or `limit` has passed, running the window's
// 30 ms timer step meanwhile if `tick` names a player; returns whether it held.
inline bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10),
                      PreviewPlayer* tick = nullptr)
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
inline bool RunTimerUntilWorkersEnd(PreviewPlayer& player)
{
    return WaitUntil([&] { return player.WorkersRunning() == 0; }, std::chrono::seconds(10), &player);
}

// A library record for the sound file at `path`.
inline CSound SoundEntry(const std::string& path, int lengthMs)
{
    CSound sound;
    sound.kind = CSound::kSoundFile;
    sound.path = path;
    sound.lengthMs = lengthMs;
    return sound;
}

// A preview of `entries` from the first, its remaining length their sum.
inline PlaylistPreview Playlist(std::vector<CSound> entries)
{
    PlaylistPreview playlist;
    playlist.remainingMs = 0;
    for (const CSound& e : entries)
        playlist.remainingMs += e.lengthMs;
    playlist.entries = std::move(entries);
    return playlist;
}

// A player on the build's program folder with a host that records its calls.
class PreviewTest : public testing::Test {
protected:
    // A mono 16-bit tone of `seconds` written to the scratch folder.
    std::string Tone(const std::string& name, double seconds, int rate = 8000)
    {
        const std::string path = dir_.file(name);
        WriteTestWav(path, rate, 1, 16, seconds);
        return path;
    }

    ScratchDir dir_;
    FakePreviewHost host_;
    PreviewPlayer player_{host_, ProgramDir()};
};
