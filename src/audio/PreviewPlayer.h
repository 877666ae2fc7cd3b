#pragma once
// Listening to the project: a library sound or an equation from a chosen
// entry on, each on a worker thread that follows the sound with the progress
// bar, and the window's timer step that watches whether anything still plays.
//
// The commands (Play*, Stop, PlaybackTick) and the background music's
// PlayFile run on the window's thread; the workers share the preview state
// with it through atomics and the locked queue of file names.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "audio/FileNameQueue.h"
#include "audio/PreviewProgress.h"
#include "audio/SoundSystem.h"
#include "audio/WorkerThreads.h"
#include "model/Sound.h"

class PreviewHost;

// What an equation preview plays, taken from the window when Play is given.
struct PlaylistPreview {
    // Milliseconds from the selected entry to the end of the equation (1 when
    // that is 0 or no entry is selected).
    int64_t remainingMs = 1;
    // Copies of the entries from the selected one to the end; empty when no
    // entry is selected. Copies, so that editing the equation meanwhile does
    // not disturb the preview.
    std::vector<CSound> entries;
};

class PreviewPlayer {
public:
    // Timer ticks after a sound ends before a new Play is accepted.
    static constexpr int kIdleTicks = 10;

    // `programFolder` holds the voice converter, for PlayLibraryAsChip.
    PreviewPlayer(PreviewHost& host, std::string programFolder);
    // Stops the sound and waits for the workers to end.
    ~PreviewPlayer();
    PreviewPlayer(const PreviewPlayer&) = delete;
    PreviewPlayer& operator=(const PreviewPlayer&) = delete;

    // The library's Play: `selected` is the selected library entry, none when
    // no row is selected. False when refused because a preview sounds or has
    // only just ended.
    bool PlayLibrary(std::optional<CSound> selected);
    // As PlayLibrary, playing what the chip will play for the sound: its
    // voice data as the converter makes it, decoded.
    bool PlayLibraryAsChip(std::optional<CSound> selected);
    // The equation's Play. Editing stays disabled until the preview ends or
    // Stop is given. False when refused as PlayLibrary is.
    bool PlayPlaylist(PlaylistPreview playlist);
    // Silences everything, ends a silence being waited out and enables
    // editing; blocks for 300 ms.
    void Stop();
    // The window's 30 ms timer step.
    void PlaybackTick();

    // Starts one file playing on channel 1 and returns; it plays on. A file
    // that cannot be played plays nothing.
    void PlayFile(const std::string& path);

    // Stops the sound and waits for every worker to end; later commands do
    // nothing. Called before the window goes away.
    void Shutdown();

    // The preview state, as the window and the tests see it.
    bool IsPlaying() { return sound_.IsPlaying(); }
    int IdleCounter() const { return idleCounter_.load(); }
    bool PlaylistFinished() const { return playlistFinished_.load(); }
    int LoadedFileCount() const { return queue_.Count(); }
    int WorkersRunning() const { return workers_.Running(); }
    // Whether Stop has anything to end: a sound plays, or a playlist preview
    // still holds editing.
    bool CanStop() { return editingHeld_ || sound_.IsPlaying(); }

private:
    // Resets the sound system and the queue so that the next PlayFile
    // initialises afresh.
    void ResetForNewPreview();
    bool StartLibraryPreview(std::optional<CSound> selected, bool asChip);
    // Initialises the sound system when a Play has asked for it.
    void PrepareSoundSystem();
    void PlayAsChip(const std::string& path);

    void LibraryWorker(const std::optional<CSound>& selected, bool asChip);
    void PlaylistWorker(const PlaylistPreview& playlist);
    void StopWorker();
    // Advances the bar every 100 ms while channel 1 plays, up to its upper
    // value, then waits for the sound to end. False when the player is
    // shutting down.
    bool FollowProgress();
    // False when the player is shutting down.
    bool WaitWhilePlaying();
    bool Pause(std::chrono::milliseconds time);

    PreviewHost& host_;
    const std::string programFolder_;
    SoundSystem sound_;
    PreviewProgress progress_;
    FileNameQueue queue_;

    std::atomic<bool> soundSystemReady_{false};
    std::atomic<int> idleCounter_{0};
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> playlistFinished_{false};
    // Set while a playlist preview keeps editing off; the window's thread
    // alone reads and writes it.
    bool editingHeld_ = false;

    std::atomic<bool> quitting_{false};
    std::mutex pauseMutex_;
    std::condition_variable wake_;

    // Last member: destroyed first, so no worker outlives what it uses.
    WorkerThreads workers_;
};
