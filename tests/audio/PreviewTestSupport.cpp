#include "audio/PreviewTestSupport.h"

#include <thread>

#include "common/TestSound.h"

void TickUntilIdle(PreviewPlayer& player)
{
    for (int i = 0; i < PreviewPlayer::kIdleTicks && player.IdleCounter() < PreviewPlayer::kIdleTicks; ++i)
        player.PlaybackTick();
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

bool RunTimerUntilWorkersEnd(PreviewPlayer& player, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (player.WorkersRunning() > 0) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        player.PlaybackTick();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    return true;
}

CSound SoundEntry(const std::string& path, int lengthMs)
{
    CSound sound;
    sound.kind = CSound::kSoundFile;
    sound.path = path;
    sound.lengthMs = lengthMs;
    return sound;
}

PlaylistPreview Playlist(std::vector<CSound> entries)
{
    PlaylistPreview playlist;
    playlist.remainingMs = 0;
    for (const CSound& e : entries)
        playlist.remainingMs += e.lengthMs;
    playlist.entries = std::move(entries);
    return playlist;
}

std::string PreviewTest::Tone(const std::string& name, double seconds, int rate)
{
    const std::string path = dir_.file(name);
    WriteTestWav(path, rate, 1, 16, seconds);
    return path;
}
