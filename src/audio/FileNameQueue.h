#pragma once
// The paths loaded into the sample slots during the current preview: the
// path at position i is in slot i. Shared by the workers and the window's
// thread.

#include <mutex>
#include <string>
#include <vector>

class FileNameQueue {
public:
    struct Place {
        int slot;
        bool loadedBefore;  // false: the path was appended just now
    };

    // The position of `path` (exact comparison); a path not yet in the queue
    // is appended, so its place is the next free slot.
    Place Find(const std::string& path);
    void Clear();
    int Count() const;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> paths_;
};
