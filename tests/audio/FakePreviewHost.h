#pragma once
// A preview host that records what the previews asked of the window. The
// workers call it from their threads, so every record is locked.

#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "audio/PreviewHost.h"

class FakePreviewHost : public PreviewHost {
public:
    void ShowPreviewProgress(int upper, int position) override
    {
        std::lock_guard lock(mutex_);
        progress_.emplace_back(upper, position);
    }
    void ShowPreviewMessage(const UserMessage& message) override
    {
        std::lock_guard lock(mutex_);
        messages_.push_back(message.text);
    }
    void EnablePreviewEditing(bool on) override
    {
        std::lock_guard lock(mutex_);
        editing_.push_back(on);
    }

    std::vector<std::pair<int, int>> progress() const
    {
        std::lock_guard lock(mutex_);
        return progress_;
    }
    std::pair<int, int> lastProgress() const
    {
        std::lock_guard lock(mutex_);
        return progress_.empty() ? std::pair{-1, -1} : progress_.back();
    }
    std::vector<std::string> messages() const
    {
        std::lock_guard lock(mutex_);
        return messages_;
    }
    std::vector<bool> editing() const
    {
        std::lock_guard lock(mutex_);
        return editing_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::pair<int, int>> progress_;
    std::vector<std::string> messages_;
    std::vector<bool> editing_;
};
