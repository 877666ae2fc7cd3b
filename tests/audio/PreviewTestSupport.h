#pragma once
// Helpers for driving a preview player in real time (the tests run with the
// dummy sound driver, which plays in real time without a sound card).

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "audio/FakePreviewHost.h"
#include "audio/PreviewPlayer.h"
#include "common/TestFiles.h"

// Runs the timer step until the idle counter allows a new Play.
void TickUntilIdle(PreviewPlayer& player);

// Polls `done` until it holds or `limit` has passed; returns its last value.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10));

// Waits, running the 30 ms timer step as the window does, until no worker
// runs any more.
bool RunTimerUntilWorkersEnd(PreviewPlayer& player, std::chrono::milliseconds limit = std::chrono::seconds(10));

// A library record for the sound file at `path`.
CSound SoundEntry(const std::string& path, int lengthMs);

// A preview of `entries` from the first, its remaining length their sum.
PlaylistPreview Playlist(std::vector<CSound> entries);

// A player on the build's program folder with a host that records its calls.
class PreviewTest : public testing::Test {
protected:
    // A mono 16-bit tone of `seconds` written to the scratch folder.
    std::string Tone(const std::string& name, double seconds, int rate = 8000);

    ScratchDir dir_;
    FakePreviewHost host_;
    PreviewPlayer player_{host_, ProgramDir()};
};
