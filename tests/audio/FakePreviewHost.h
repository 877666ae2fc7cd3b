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
    void ShowPreviewProgress(int upper, int position) override { Add(progress_, std::pair{upper, position}); }
    void ShowPreviewMessage(const UserMessage& message) override { Add(messages_, message.text); }
    void EnablePreviewEditing(bool on) override { Add(editing_, on); }

    std::vector<std::pair<int, int>> progress() const { return Copy(progress_); }
    std::vector<std::string> messages() const { return Copy(messages_); }
    std::vector<bool> editing() const { return Copy(editing_); }
    std::pair<int, int> lastProgress() const
    {
        const auto all = progress();
        return all.empty() ? std::pair{-1, -1} : all.back();
    }

private:
    template <class T, class V>
    void Add(std::vector<T>& record, V value)
    {
        std::lock_guard lock(mutex_);
        record.push_back(value);
    }
    template <class T>
    std::vector<T> Copy(const std::vector<T>& record) const
    {
        std::lock_guard lock(mutex_);
        return record;
    }

    mutable std::mutex mutex_;
    std::vector<std::pair<int, int>> progress_;
    std::vector<std::string> messages_;
    std::vector<bool> editing_;
};
