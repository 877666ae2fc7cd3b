#include "model/Sound.h"

#include <iterator>

#include "model/Archive.h"

CSound CSound::Silence(int32_t lengthMs)
{
    CSound silence;
    silence.kind = kSilence;
    silence.lengthMs = lengthMs;
    return silence;
}

void CSound::Serialize(ArchiveWriter& ar) const
{
    ar.writeInt32(kind);
    ar.writeString(path);
    ar.writeString(name);
    ar.writeInt32(sampleRate);
    ar.writeInt32(bits);
    ar.writeInt32(stereo);
    ar.writeInt32(lengthMs);
    ar.writeInt32(auxValue);
}

void CSound::Serialize(ArchiveReader& ar)
{
    kind = ar.readInt32();
    path = ar.readString();
    name = ar.readString();
    sampleRate = ar.readInt32();
    bits = ar.readInt32();
    stereo = ar.readInt32();
    lengthMs = ar.readInt32();
    auxValue = ar.readInt32();
}

std::optional<CSound> CSoundList::at(int index) const
{
    if (index < 0 || index >= count())
        return std::nullopt;
    return *std::next(entries_.begin(), index);
}

CSoundList::iterator CSoundList::iteratorAt(int index)
{
    if (index < 0 || index >= count())
        return entries_.end();
    return std::next(entries_.begin(), index);
}

void CSoundList::insertBefore(std::optional<int> index, const CSound& sound)
{
    // An index that names no entry counts as no entry given: the head.
    auto it = index ? iteratorAt(*index) : entries_.end();
    entries_.insert(it == entries_.end() ? entries_.begin() : it, sound);
}

void CSoundList::insertAfter(std::optional<int> index, const CSound& sound)
{
    // An index that names no entry counts as no entry given: the tail.
    auto it = index ? iteratorAt(*index) : entries_.end();
    if (it != entries_.end())
        ++it;
    entries_.insert(it, sound);
}

void CSoundList::removeAt(int index)
{
    auto it = iteratorAt(index);
    if (it != entries_.end())
        entries_.erase(it);
}

void CSoundList::appendAll(const CSoundList& other)
{
    entries_.insert(entries_.end(), other.entries_.begin(), other.entries_.end());
}

void CSoundList::Serialize(ArchiveWriter& ar) const
{
    ar.writeInt32(count());
    for (const CSound& sound : entries_)
        sound.Serialize(ar);
}

void CSoundList::Serialize(ArchiveReader& ar)
{
    // A negative count reads as an empty list. Each record consumes bytes, so a
    // huge count ends at the end of the file rather than in a long loop.
    const int32_t n = ar.readInt32();
    for (int32_t i = 0; i < n; ++i) {
        CSound sound;
        sound.Serialize(ar);
        entries_.push_back(std::move(sound));
    }
}
