#pragma once
// What the tool checks and shows of a BIN before it writes it.

#include <optional>

#include <QString>

// A BIN is a power of two from 256 KiB to 8 MiB long: the compile pads it to
// one of the flash boundaries.
constexpr qint64 kSmallestBin = 256 * 1024;
constexpr qint64 kLargestBin = 8 * 1024 * 1024;

struct BinInfo {
    QString path;
    qint64 size = 0;
    bool externalMode = false;  // header byte 1
    int controlModeCode = 0;    // header byte 2
    int flashSizeCode = 0;      // byte 30
};

struct BinCheck {
    std::optional<BinInfo> info;  // set when the file is fit to write
    QString refusal;              // else why not, for the user
};

BinCheck CheckBin(const QString& path);

// "Key", "3x8 Matrix", ... or "unknown (code 0x..)".
QString ControlModeName(int code);
// "32M (4,194,304 bytes)" or "unknown (code ..)".
QString FlashSizeName(int code);
// The capacity a flash-size code stands for; 0 for an unknown code.
qint64 FlashSizeBytes(int code);

// 262,144: byte counts as the user reads them.
QString GroupedNumber(qint64 n);
