#include "audio/PreviewTestSupport.h"

#include <thread>

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
