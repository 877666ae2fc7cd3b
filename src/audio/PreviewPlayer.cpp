#include "audio/PreviewPlayer.h"

#include <thread>

#include <QByteArray>

#include "audio/ChipRendering.h"
#include "audio/PreviewHost.h"
#include "support/RegularFile.h"

namespace {

// Stop keeps the window's thread this long, so that the stop worker has
// silenced the sound before the next command runs.
constexpr std::chrono::milliseconds kStopHold{300};

// Only a regular file: a FIFO would hold the worker forever.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path)
{
    QByteArray bytes;
    if (ReadRegularFile(path, bytes))
        return std::nullopt;
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace

PreviewPlayer::PreviewPlayer(PreviewHost& host, std::string programFolder)
    : host_(host), programFolder_(std::move(programFolder)), progress_(host)
{
}

PreviewPlayer::~PreviewPlayer()
{
    Shutdown();
}

void PreviewPlayer::Shutdown()
{
    {
        std::lock_guard lock(pauseMutex_);
        quitting_.store(true);
    }
    wake_.notify_all();
    sound_.StopAll();
    workers_.JoinAll();
}

void PreviewPlayer::ResetForNewPreview()
{
    soundSystemReady_.store(false);
    queue_.Clear();
}

bool PreviewPlayer::PlayLibrary(std::optional<CSound> selected)
{
    return StartLibraryPreview(std::move(selected), false);
}

bool PreviewPlayer::PlayLibraryAsChip(std::optional<CSound> selected)
{
    return StartLibraryPreview(std::move(selected), true);
}

bool PreviewPlayer::StartLibraryPreview(std::optional<CSound> selected, bool asChip)
{
    if (quitting_.load() || idleCounter_.load() < kIdleTicks)
        return false;
    ResetForNewPreview();
    workers_.Start([this, selected = std::move(selected), asChip] { LibraryWorker(selected, asChip); });
    return true;
}

bool PreviewPlayer::PlayPlaylist(PlaylistPreview playlist)
{
    if (quitting_.load() || idleCounter_.load() < kIdleTicks)
        return false;
    host_.EnablePreviewEditing(false);
    editingHeld_ = true;
    playlistFinished_.store(false);
    ResetForNewPreview();
    workers_.Start([this, playlist = std::move(playlist)] { PlaylistWorker(playlist); });
    return true;
}

void PreviewPlayer::Stop()
{
    if (quitting_.load())
        return;
    stopRequested_.store(true);
    editingHeld_ = false;
    host_.EnablePreviewEditing(true);
    workers_.Start([this] { StopWorker(); });
    std::this_thread::sleep_for(kStopHold);
}

void PreviewPlayer::PlaybackTick()
{
    if (sound_.IsPlaying()) {
        idleCounter_.store(0);
        return;
    }
    int idle = idleCounter_.load();
    // A playlist that ended on a silence leaves the counter above 10, where
    // nothing brings it down again: editing comes back then too.
    if (idle >= kIdleTicks && playlistFinished_.load() && editingHeld_) {
        editingHeld_ = false;
        host_.EnablePreviewEditing(true);
    }
    // A worker may set the counter meanwhile; its value wins.
    if (idle < kIdleTicks)
        idleCounter_.compare_exchange_strong(idle, idle + 1);
}

void PreviewPlayer::PrepareSoundSystem()
{
    if (!soundSystemReady_.exchange(true))
        sound_.Init();
}

void PreviewPlayer::PlayFile(const std::string& path)
{
    if (quitting_.load())
        return;
    PrepareSoundSystem();
    const FileNameQueue::Place place = queue_.Find(path);
    const int sample = place.loadedBefore ? sound_.GetSample(place.slot) : sound_.LoadSample(place.slot, path);
    if (sample == 0)
        return;
    // The file's bytes live only until the stream has taken the sound.
    if (auto bytes = ReadWholeFile(path))
        sound_.PlayStream(std::move(*bytes), path);
}

void PreviewPlayer::PlayAsChip(const std::string& path)
{
    std::vector<UserMessage> messages;
    auto wav = RenderAsChip(programFolder_, path, messages);
    for (const UserMessage& message : messages)
        host_.ShowPreviewMessage(message);
    if (!wav || quitting_.load())
        return;
    PrepareSoundSystem();
    sound_.PlayStream(std::move(*wav), path);
}
