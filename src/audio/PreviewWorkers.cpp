// The preview workers. Each runs on its own thread and ends by returning; all
// of them end early when the player shuts down.

#include <algorithm>

#include "audio/PreviewHost.h"
#include "audio/PreviewPlayer.h"

namespace {

using std::chrono::milliseconds;

// One step of the bar per 100 ms of sound, and per 120 ms of silence.
constexpr milliseconds kSoundStep{100};
constexpr int kSilenceStepMs = 120;
// Silences are waited out in steps this long, so Stop ends one that soon.
constexpr int kSilenceTickMs = 10;
// How often a worker asks whether channel 1 still plays once there is
// nothing else to do.
constexpr milliseconds kPlayingPoll{1};
// The stop worker silences every channel this many times, 10 ms apart, so
// that a sound started meanwhile is silenced too.
constexpr int kStopRepeats = 128;
constexpr milliseconds kStopInterval{10};
// With nothing to play, the playlist preview fills a bar of this many steps.
constexpr int kEmptyPreviewSteps = 10;

}  // namespace

bool PreviewPlayer::Pause(milliseconds time)
{
    std::unique_lock lock(pauseMutex_);
    return !wake_.wait_for(lock, time, [this] { return quitting_.load(); });
}

bool PreviewPlayer::WaitWhilePlaying()
{
    while (sound_.IsPlaying())
        if (!Pause(kPlayingPoll))
            return false;
    return !quitting_.load();
}

bool PreviewPlayer::FollowProgress()
{
    const int upper = progress_.Upper();
    while (sound_.IsPlaying() && progress_.Position() < upper) {
        progress_.Step();
        if (!Pause(kSoundStep))
            return false;
    }
    return WaitWhilePlaying();
}

void PreviewPlayer::LibraryWorker(const std::optional<CSound>& selected, bool asChip)
{
    progress_.SetPosition(0);
    if (!selected) {
        host_.ShowPreviewMessage({"Pls select a sound to play"});
        return;
    }
    progress_.SetRange(selected->lengthMs / 100 + 1);
    if (asChip)
        PlayAsChip(selected->path);
    else
        PlayFile(selected->path);
    FollowProgress();
}

void PreviewPlayer::PlaylistWorker(const PlaylistPreview& playlist)
{
    progress_.SetRange(static_cast<int>(std::min<int64_t>(playlist.remainingMs / 100, PreviewProgress::kMaxUpper)));
    progress_.SetPosition(0);
    if (playlist.entries.empty()) {
        progress_.SetRange(kEmptyPreviewSteps);
        progress_.SetPosition(0);
        while (progress_.Position() < kEmptyPreviewSteps) {
            progress_.Step();
            if (!Pause(milliseconds(1)))
                return;
        }
        playlistFinished_.store(true);
        return;
    }
    for (const CSound& entry : playlist.entries) {
        idleCounter_.store(kIdleTicks + 1);
        const int upper = progress_.Upper();
        if (entry.isSound()) {
            PlayFile(entry.path);
        } else {
            stopRequested_.store(false);
            for (int t = 0; t < entry.lengthMs; t += kSilenceTickMs) {
                if (!Pause(milliseconds(kSilenceTickMs)))
                    return;
                if (t % kSilenceStepMs == 0 && progress_.Position() < upper)
                    progress_.Step();
                if (stopRequested_.load())
                    return;
            }
        }
        if (!FollowProgress())
            return;
    }
    playlistFinished_.store(true);
}

void PreviewPlayer::StopWorker()
{
    for (int i = 0; i < kStopRepeats; ++i) {
        sound_.StopAll();
        if (!Pause(kStopInterval))
            return;
    }
}
