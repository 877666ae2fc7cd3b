#include "audio/FileNameQueue.h"

#include <algorithm>

FileNameQueue::Place FileNameQueue::Find(const std::string& path)
{
    std::lock_guard lock(mutex_);
    const auto found = std::find(paths_.begin(), paths_.end(), path);
    const int slot = static_cast<int>(found - paths_.begin());
    if (found != paths_.end())
        return {slot, true};
    paths_.push_back(path);
    return {slot, false};
}

void FileNameQueue::Clear()
{
    std::lock_guard lock(mutex_);
    paths_.clear();
}

int FileNameQueue::Count() const
{
    std::lock_guard lock(mutex_);
    return static_cast<int>(paths_.size());
}
