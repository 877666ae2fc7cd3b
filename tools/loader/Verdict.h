#pragma once
// The plain verdict the tool ends a write with.

#include <QString>

#include "FlashromOutput.h"

struct WriteRequest {
    QString binPath;
    qint64 binBytes = 0;
    QString programmer;
    QString chip;  // empty: flashrom identifies the chip
};

// How the flashrom run ended.
struct RunEnd {
    enum Kind { Exited, FailedToStart, Crashed, Stopped } kind = Exited;
    int exitCode = 0;
    QString program;     // the flashrom that was started
    qint64 paddedTo = 0;  // the chip size the BIN was padded to, or 0
};

struct Verdict {
    bool verified = false;  // only when flashrom verified the whole write
    QString text;
};

Verdict JudgeRun(const FlashromReport& report, const RunEnd& end, const WriteRequest& request);
