#pragma once
// What previews need from the window they run in.

#include "support/UserMessage.h"

class PreviewHost {
public:
    virtual ~PreviewHost() = default;

    // Called from the preview workers' threads. An implementation hands the
    // work to the window's thread and returns without waiting for it, so a
    // worker never waits on the window (nor the window, ending, on a worker
    // that waits on it).
    virtual void ShowPreviewProgress(int upper, int position) = 0;
    virtual void ShowPreviewMessage(const UserMessage& message) = 0;

    // Called on the window's thread only.
    virtual void EnablePreviewEditing(bool on) = 0;
};
