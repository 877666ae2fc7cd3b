#pragma once
// A sound or silence record and the ordered list that owns copies of them.

#include <cstdint>
#include <list>
#include <optional>
#include <string>

class ArchiveWriter;
class ArchiveReader;

class CSound {
public:
    static constexpr int32_t kSilence = 0;
    static constexpr int32_t kSoundFile = 1;

    int32_t kind = kSilence;
    std::string path;  // full path of the file inside the sound folder
    std::string name;  // file name with extension, as shown in the views
    int32_t sampleRate = 0;
    int32_t bits = 16;
    int32_t stereo = 0;  // a flag: 1 unless the file has exactly one channel
    int32_t lengthMs = 0;
    int32_t auxValue = 0;  // stored and copied, never interpreted

    bool isSound() const { return kind == kSoundFile; }
    static CSound Silence(int32_t lengthMs);

    void Serialize(ArchiveWriter& ar) const;
    void Serialize(ArchiveReader& ar);

    friend bool operator==(const CSound&, const CSound&) = default;
};

// An ordered list of records, positions counted from 0 at the head. Entries
// are addressed by position; "no entry given" is std::nullopt.
class CSoundList {
public:
    using Entries = std::list<CSound>;
    using const_iterator = Entries::const_iterator;
    using iterator = Entries::iterator;

    CSoundList() = default;

    int count() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }
    iterator begin() { return entries_.begin(); }
    iterator end() { return entries_.end(); }

    // The entry at a position, or nothing when the index is out of range.
    std::optional<CSound> at(int index) const;

    void append(const CSound& sound) { entries_.push_back(sound); }
    void prepend(const CSound& sound) { entries_.push_front(sound); }
    // Before the entry at `index`; at the head when no entry is given.
    void insertBefore(std::optional<int> index, const CSound& sound);
    // After the entry at `index`; at the tail when no entry is given.
    void insertAfter(std::optional<int> index, const CSound& sound);
    // Removes the entry at `index`; an index out of range removes nothing.
    void removeAt(int index);
    void removeAll() { entries_.clear(); }
    // Appends copies of every entry of `other`, in order.
    void appendAll(const CSoundList& other);

    // Writes the count and every record. Reading appends to the entries
    // already present, so callers empty the list first.
    void Serialize(ArchiveWriter& ar) const;
    void Serialize(ArchiveReader& ar);

    friend bool operator==(const CSoundList&, const CSoundList&) = default;

private:
    iterator iteratorAt(int index);
    Entries entries_;
};
