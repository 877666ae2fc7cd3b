#include "model/Records.h"

#include "model/Archive.h"

COptions COptions::NewProject(int32_t previousBackgroundMusic)
{
    COptions options;
    options.externalMode = 0;
    options.controlMode = kKeyMode;
    options.soundOutput = 0;
    options.busyLevel = 1;
    options.pullHigh = 1;
    options.backgroundMusic = previousBackgroundMusic;
    return options;
}

void COptions::Serialize(ArchiveWriter& ar) const
{
    ar.writeInt32(externalMode);
    ar.writeInt32(controlMode);
    ar.writeInt32(soundOutput);
    ar.writeInt32(busyLevel);
    ar.writeInt32(pullHigh);
    ar.writeString(externalBinPath);
    ar.writeInt32(backgroundMusic);
}

void COptions::Serialize(ArchiveReader& ar)
{
    externalMode = ar.readInt32();
    controlMode = ar.readInt32();
    soundOutput = ar.readInt32();
    busyLevel = ar.readInt32();
    pullHigh = ar.readInt32();
    externalBinPath = ar.readString();
    backgroundMusic = ar.readInt32();
}

// CKey and CEquation are stored alike: 24 values in key order.
static void WriteKeyValues(ArchiveWriter& ar, const std::array<int32_t, kKeyCount>& values)
{
    for (int32_t v : values)
        ar.writeInt32(v);
}

static void ReadKeyValues(ArchiveReader& ar, std::array<int32_t, kKeyCount>& values)
{
    for (int32_t& v : values)
        v = ar.readInt32();
}

void CKey::Serialize(ArchiveWriter& ar) const { WriteKeyValues(ar, keyFunction); }
void CKey::Serialize(ArchiveReader& ar) { ReadKeyValues(ar, keyFunction); }
void CEquation::Serialize(ArchiveWriter& ar) const { WriteKeyValues(ar, equationNumber); }
void CEquation::Serialize(ArchiveReader& ar) { ReadKeyValues(ar, equationNumber); }
