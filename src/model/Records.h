#pragma once
// The project's three small records: options, key functions, key equations.

#include <array>
#include <cstdint>
#include <string>

class ArchiveWriter;
class ArchiveReader;

constexpr int kKeyCount = 24;
constexpr int kEquationCount = 220;
constexpr int kMaxLibrarySounds = 510;

enum ControlMode : int32_t {
    kOneLine = 0,
    kThreeLine = 1,
    kMp3 = 2,
    kMatrix3x8 = 3,
    kParallelPort = 4,
    kExtended = 5,
    kKeyMode = 6,
};

enum KeyFunction : int32_t {
    kNoFunction = 0,
    kEdgeRetrigger = 1,
    kStopFunction = 14,
};

class COptions {
public:
    int32_t externalMode = 0;
    int32_t controlMode = kOneLine;
    int32_t soundOutput = 1;  // 1 DAC, 0 PWM
    int32_t busyLevel = 1;    // 1 LOW, 0 High
    int32_t pullHigh = 0;
    int32_t backgroundMusic = 0;
    std::string externalBinPath;

    // The values a program start and the Open command begin with.
    static COptions ProgramStart() { return COptions(); }
    // The values of a new project; the background-music flag is carried over.
    static COptions NewProject(int32_t previousBackgroundMusic);

    // The background-music list is in use only in One Line and Three Line mode.
    bool backgroundMusicAvailable() const
    {
        return controlMode == kOneLine || controlMode == kThreeLine;
    }

    void Serialize(ArchiveWriter& ar) const;
    void Serialize(ArchiveReader& ar);
    friend bool operator==(const COptions&, const COptions&) = default;
};

class CKey {
public:
    CKey() { keyFunction.fill(kEdgeRetrigger); }
    std::array<int32_t, kKeyCount> keyFunction;

    void Serialize(ArchiveWriter& ar) const;
    void Serialize(ArchiveReader& ar);
    friend bool operator==(const CKey&, const CKey&) = default;
};

class CEquation {
public:
    // Key n starts equation n-1.
    CEquation()
    {
        for (int i = 0; i < kKeyCount; ++i)
            equationNumber[i] = i;
    }
    std::array<int32_t, kKeyCount> equationNumber;

    void Serialize(ArchiveWriter& ar) const;
    void Serialize(ArchiveReader& ar);
    friend bool operator==(const CEquation&, const CEquation&) = default;
};
