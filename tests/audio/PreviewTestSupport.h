#pragma once
// Helpers for driving a preview player in real time (the tests run with the
// dummy sound driver, which plays in real time without a sound card).

#include <chrono>
#include <functional>

#include "audio/PreviewPlayer.h"

// Runs the timer step until the idle counter allows a new Play.
void TickUntilIdle(PreviewPlayer& player);

// Polls `done` until it holds or `limit` has passed; returns its last value.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10));

// Waits, running the 30 ms timer step as the window does, until no worker
// runs any more.
bool RunTimerUntilWorkersEnd(PreviewPlayer& player, std::chrono::milliseconds limit = std::chrono::seconds(10));
