#pragma once
// Records and messages as the tests build and compare them.

#include <string>
#include <vector>

#include "model/Sound.h"
#include "support/UserMessage.h"

// A sound record named `name` whose file lies in `folder`.
inline CSound SoundNamed(const std::string& name, int lengthMs = 0, const std::string& folder = "/sounds")
{
    return {.kind = CSound::kSoundFile, .path = folder + "/" + name, .name = name, .lengthMs = lengthMs};
}

// A list on one line: sounds by name, silences as "~" and their length.
inline std::string Rows(const CSoundList& list)
{
    std::string rows;
    for (const CSound& s : list)
        rows += (rows.empty() ? "" : " ") + (s.isSound() ? s.name : "~" + std::to_string(s.lengthMs));
    return rows;
}

// The texts of `messages`, in order.
inline std::vector<std::string> Texts(const std::vector<UserMessage>& messages)
{
    std::vector<std::string> texts;
    for (const UserMessage& m : messages)
        texts.push_back(m.text);
    return texts;
}
